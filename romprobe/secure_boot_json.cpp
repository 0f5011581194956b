#include "secure_boot_json.h"

#include <stddef.h>
#include <string.h>

#include "ca_2023.h"
#include "firmware_bytes.h"
#include "firmware_errors.h"
#include "json_parts.h"
#include "json_writer.h"
#include "signature_list.h"
#include "tcg_event_log.h"
#include "x509_certificate.h"

namespace {

// A Windows-1252 text; NULL or empty gives null.
void Text(Json *json, const char *key, const char *text) {
    JsonItem(json, key);
    if (text == NULL || text[0] == '\0')
        OutputText(json->out, "null");
    else
        OutputJsonString(json->out, reinterpret_cast<const unsigned char *>(text),
                         static_cast<int>(strlen(text)));
}

void Flag(Json *json, const char *key, int flag) {
    JsonItem(json, key);
    OutputText(json->out, flag < 0 ? "null" : flag ? "true" : "false");
}

void Number(Json *json, const char *key, long long value) {
    JsonItem(json, key);
    if (value < 0)
        OutputText(json->out, "null");
    else
        OutputNumber(json->out, value);
}

void Entry(Json *json, const SignatureEntry &entry) {
    static const char *const kKinds[3] = {"x509", "sha256", "other"};
    CertificateFacts certificate;
    memset(&certificate, 0, sizeof certificate);
    if (entry.kind == kSignatureX509)
        ReadCertificate(entry.data, entry.length, &certificate);
    char owner[kGuidTextSize], hash[65] = "";
    GuidText(entry.owner, owner);
    if (entry.kind == kSignatureSha256)
        HexText(entry.data, 32, hash);
    else if (entry.kind == kSignatureOther)
        GuidText(entry.type, hash);
    JsonOpen(json, NULL, '{');
    Text(json, "type", kKinds[entry.kind]);
    Text(json, "owner", owner);
    Text(json, "subject", certificate.subject);
    Text(json, "issuer", certificate.issuer);
    Text(json, "serial", certificate.serial);
    Text(json, "not_before", certificate.notBefore);
    Text(json, "not_after", certificate.notAfter);
    Text(json, "hash", hash);
    JsonClose(json, '}');
}

void Store(Json *json, const char *key, const FirmwareBytes &store) {
    if (store.bytes == NULL) {
        Text(json, key, NULL);
        return;
    }
    JsonOpen(json, key, '[');
    SignatureWalk walk;
    StartSignatureWalk(store.bytes, store.length, &walk);
    SignatureEntry entry;
    while (NextSignature(&walk, &entry))
        Entry(json, entry);
    JsonClose(json, ']');
}

void Authorities(Json *json, const FirmwareBytes &log) {
    if (log.bytes == NULL) {
        Text(json, "boot_authorities", NULL);
        return;
    }
    JsonOpen(json, "boot_authorities", '[');
    EventLogWalk walk;
    StartEventLog(log.bytes, log.length, &walk);
    LogEvent event;
    const unsigned char *der;
    int length;
    while (NextLogEvent(&walk, &event)) {
        CertificateFacts certificate;
        if (AuthorityCertificate(&event, &der, &length)) {
            ReadCertificate(der, length, &certificate);
            Text(json, NULL, certificate.subject);
        }
    }
    JsonClose(json, ']');
}

void Verdict(Json *json, const SecureBootFacts *facts) {
    Ca2023Verdict verdict;
    JudgeCa2023(facts, &verdict);
    if (!verdict.known) {
        Text(json, "ca_2023", NULL);
        return;
    }
    JsonOpen(json, "ca_2023", '{');
    Flag(json, "kek_2k_ca_2023", verdict.kek2023);
    Flag(json, "windows_uefi_ca_2023", verdict.windows2023);
    Flag(json, "microsoft_uefi_ca_2023", verdict.uefi2023);
    Flag(json, "option_rom_uefi_ca_2023", verdict.optionRom2023);
    Flag(json, "pca_2011_revoked", verdict.pca2011Revoked);
    Text(json, "status", verdict.updated ? "updated" : "not updated");
    JsonClose(json, '}');
}

} // namespace

void WriteSecureBootJson(const SecureBootFacts *facts, Json *json) {
    static const char *const kSources[4] = {NULL, "firmware", "boot log", "files"};
    static const char *const kTypes[3] = {NULL, "UEFI", "BIOS"};
    static const char *const kStores[4] = {"pk", "kek", "db", "dbx"};
    JsonOpen(json, "secure_boot", '{');
    Text(json, "source", kSources[facts->source]);
    Text(json, "firmware_type", kTypes[facts->firmwareType]);
    Flag(json, "enabled", SecureBootFlag(facts, kVarSecureBoot));
    Flag(json, "setup_mode", SecureBootFlag(facts, kVarSetupMode));
    for (int i = 0; i < 4; ++i)
        Store(json, kStores[i], facts->variables[kVarPk + i]);
    Authorities(json, facts->bootLog);
    Verdict(json, facts);
    JsonOpen(json, "windows", '{');
    Number(json, "secure_boot_enabled", facts->windowsEnabled);
    Number(json, "available_updates", facts->windowsUpdates);
    Text(json, "uefica2023_status", facts->windowsStatus);
    Number(json, "windows_uefi_ca_2023_capable", facts->windowsCapable);
    JsonClose(json, '}');
    JsonClose(json, '}');
}
