#include "secure_boot_summary.h"

#include <stddef.h>
#include <string.h>

#include "ca_2023.h"
#include "firmware_errors.h"
#include "signature_list.h"
#include "tcg_event_log.h"
#include "x509_certificate.h"

namespace {

const int kLabelWidth = 19; // as in the other sections

struct Summary {
    Output *out;
    int language;
    const char *label; // written before the next line, which then starts the label's lines
};

void Label(Summary *s, const char *english, const char *german) {
    s->label = s->language ? german : english;
}

// Starts a line: the pending label, or blanks under it.
void Begin(Summary *s) {
    OutputText(s->out, "  ");
    int used = 0;
    if (s->label != NULL) {
        OutputText(s->out, s->label);
        OutputChar(s->out, ':');
        used = static_cast<int>(strlen(s->label)) + 1;
        s->label = NULL;
    }
    for (; used < kLabelWidth; ++used)
        OutputChar(s->out, ' ');
}

void End(Summary *s) {
    OutputText(s->out, "\r\n");
}

void Say(Summary *s, const char *english, const char *german) {
    Begin(s);
    OutputText(s->out, s->language ? german : english);
    End(s);
}

void Count(Summary *s, int count, const char *english, const char *german) {
    if (count == 0)
        return;
    Begin(s);
    OutputNumber(s->out, count);
    OutputChar(s->out, ' ');
    OutputText(s->out, s->language ? german : english);
    End(s);
}

void Damage(Summary *s, int error) {
    if (error == 0)
        return;
    Begin(s);
    OutputText(s->out, s->language ? "beschädigt: " : "damaged: ");
    OutputText(s->out, FirmwareErrorText(error, s->language));
    End(s);
}

// Each certificate with the date it is valid until, then the counts of hashes and others.
void Store(Summary *s, const char *name, const FirmwareBytes &store) {
    if (store.bytes == NULL)
        return;
    s->label = name;
    SignatureWalk walk;
    StartSignatureWalk(store.bytes, store.length, &walk);
    SignatureEntry entry;
    int counts[3] = {0, 0, 0};
    while (NextSignature(&walk, &entry)) {
        ++counts[entry.kind];
        CertificateFacts certificate;
        if (entry.kind != kSignatureX509)
            continue;
        ReadCertificate(entry.data, entry.length, &certificate);
        Begin(s);
        OutputText(s->out, certificate.subject[0] != '\0' ? certificate.subject : "?");
        if (certificate.notAfter[0] != '\0') {
            OutputText(s->out, s->language ? ", gültig bis " : ", valid until ");
            OutputText(s->out, certificate.notAfter);
        }
        End(s);
    }
    bool one = counts[kSignatureSha256] == 1;
    Count(s, counts[kSignatureSha256], one ? "hash" : "hashes", one ? "Hash" : "Hashes");
    Count(s, counts[kSignatureOther],
          counts[kSignatureOther] == 1 ? "other entry" : "other entries",
          counts[kSignatureOther] == 1 ? "weiterer Eintrag" : "weitere Einträge");
    if (counts[0] + counts[1] + counts[2] == 0 && walk.error == 0)
        Say(s, "empty", "leer");
    Damage(s, walk.error);
}

// The certificates that verified the boot images, each once where it repeats.
void Authorities(Summary *s, const FirmwareBytes &log) {
    EventLogWalk walk;
    StartEventLog(log.bytes, log.length, &walk);
    LogEvent event;
    const unsigned char *der;
    int length;
    char last[65] = "";
    Label(s, "Boot manager", "Boot-Manager");
    while (log.bytes != NULL && NextLogEvent(&walk, &event)) {
        CertificateFacts certificate;
        if (!AuthorityCertificate(&event, &der, &length))
            continue;
        ReadCertificate(der, length, &certificate);
        if (strcmp(certificate.subject, last) == 0)
            continue;
        memcpy(last, certificate.subject, sizeof last);
        Begin(s);
        OutputText(s->out, last[0] != '\0' ? last : "?");
        End(s);
    }
}

void Verdict(Summary *s, const Ca2023Verdict &verdict) {
    if (!verdict.known)
        return;
    Label(s, "2023 certificates", "Zertifikate 2023");
    if (verdict.updated)
        Say(s, "all in place", "alle vorhanden");
    for (int i = 0; Ca2023Missing(&verdict, i) != NULL; ++i) {
        Begin(s);
        OutputText(s->out, s->language ? "fehlt: " : "missing: ");
        OutputText(s->out, Ca2023Missing(&verdict, i));
        End(s);
    }
    if (verdict.pca2011Revoked >= 0) {
        Label(s, "PCA 2011 revoked", "PCA 2011 gesperrt");
        Say(s, verdict.pca2011Revoked ? "yes" : "no", verdict.pca2011Revoked ? "ja" : "nein");
    }
}

// Windows' registry values where they say otherwise than the firmware, or it said nothing.
void WindowsView(Summary *s, const SecureBootFacts *facts, const Ca2023Verdict &verdict) {
    Label(s, "Windows says", "Windows meldet");
    long long enabled = facts->windowsEnabled;
    if (enabled >= 0 && enabled != SecureBootFlag(facts, kVarSecureBoot))
        Say(s, enabled ? "Secure Boot on" : "Secure Boot off",
            enabled ? "Secure Boot ein" : "Secure Boot aus");
    bool updated = strcmp(facts->windowsStatus, "Updated") == 0;
    if (facts->windowsStatus[0] != '\0' && (!verdict.known || updated != (verdict.updated == 1))) {
        Begin(s);
        OutputText(s->out, "UEFICA2023Status ");
        OutputText(s->out, facts->windowsStatus);
        End(s);
    }
}

void Unread(Summary *s, const SecureBootFacts *facts) {
    static const char *const kReasons[4][2] = {
        {NULL, NULL},
        {"needs administrator rights or a TPM boot log",
         "braucht Administratorrechte oder ein TPM-Startprotokoll"},
        {"a legacy BIOS has no Secure Boot", "ein herkömmliches BIOS hat kein Secure Boot"},
        {"not in the files given", "nicht in den angegebenen Dateien"}};
    static const int kShown[5] = {kVarSecureBoot, kVarPk, kVarKek, kVarDb, kVarDbx};
    Label(s, "Not read", "Nicht gelesen");
    int missing = 0;
    for (int i = 0; i < 5; ++i) {
        if (facts->variables[kShown[i]].bytes != NULL)
            continue;
        if (missing++ == 0)
            Begin(s);
        else
            OutputText(s->out, ", ");
        OutputText(s->out, SecureBootVariableName(kShown[i]));
    }
    if (missing == 0)
        return;
    const char *reason = kReasons[facts->unread & 3][s->language ? 1 : 0];
    if (reason != NULL) {
        OutputText(s->out, " (");
        OutputText(s->out, reason);
        OutputChar(s->out, ')');
    }
    End(s);
}

} // namespace

void WriteSecureBootSummary(const SecureBootFacts *facts, int language, bool afterOther,
                            Output *out) {
    Summary s = {out, language, NULL};
    if (afterOther)
        End(&s);
    OutputText(out, "Secure Boot\r\n");
    int type = facts->firmwareType;
    if (type != kFirmwareUnknown) {
        Label(&s, "Firmware type", "Firmware-Typ");
        Say(&s, type == kFirmwareUefi ? "UEFI" : "BIOS", type == kFirmwareUefi ? "UEFI" : "BIOS");
    }
    int enabled = SecureBootFlag(facts, kVarSecureBoot),
        setup = SecureBootFlag(facts, kVarSetupMode);
    Label(&s, "State", "Zustand");
    if (type == kFirmwareBios)
        Say(&s, "unsupported", "nicht unterstützt");
    else if (enabled >= 0)
        Say(&s, enabled ? "on" : "off", enabled ? "ein" : "aus");
    else if (facts->variables[kVarSecureBoot].bytes != NULL) // read, but empty
        Say(&s, "unknown", "unbekannt");
    if (setup >= 0) {
        Label(&s, "Setup mode", "Setup-Modus");
        Say(&s, setup ? "yes" : "no", setup ? "ja" : "nein");
    }
    static const char *const kSources[4][2] = {{NULL, NULL},
                                               {"firmware variables", "Firmware-Variablen"},
                                               {"boot log of the last start", "Startprotokoll"},
                                               {"files", "Dateien"}};
    if (facts->source != kSourceNone) {
        Label(&s, "Source", "Quelle");
        Say(&s, kSources[facts->source][0], kSources[facts->source][1]);
    }
    static const char *const kStores[4] = {"PK", "KEK", "db", "dbx"};
    for (int i = 0; i < 4; ++i)
        Store(&s, kStores[i], facts->variables[kVarPk + i]);
    Authorities(&s, facts->bootLog);
    Ca2023Verdict verdict;
    JudgeCa2023(facts, &verdict);
    Verdict(&s, verdict);
    WindowsView(&s, facts, verdict);
    Unread(&s, facts);
    Label(&s, "Boot log", "Startprotokoll");
    Damage(&s, facts->logError);
}
