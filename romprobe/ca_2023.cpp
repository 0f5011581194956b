#include "ca_2023.h"

#include <stddef.h>
#include <string.h>

#include "firmware_bytes.h"
#include "firmware_errors.h"
#include "signature_list.h"
#include "x509_certificate.h"

namespace {

const char kKek2023[] = "Microsoft Corporation KEK 2K CA 2023";
const char kWindows2023[] = "Windows UEFI CA 2023";
const char kUefi2023[] = "Microsoft UEFI CA 2023";
const char kOptionRom2023[] = "Microsoft Option ROM UEFI CA 2023";
const char kUefi2011[] = "Microsoft Corporation UEFI CA 2011";
const char kPca2011[] = "Microsoft Windows Production PCA 2011";

// dbx may revoke a certificate by the SHA-256 of its to-be-signed part (EFI_CERT_X509_SHA256)
// instead of holding it: this is Microsoft Windows Production PCA 2011's.
const char kX509Sha256[] = "3bd2a492-96c0-4079-b420-fcf98ef103ed";
const unsigned char kPca2011TbsSha256[32] = {
    0x4e, 0x80, 0xbe, 0x10, 0x7c, 0x86, 0x0d, 0xe8, 0x96, 0x38, 0x4b, 0x3e, 0xff, 0x50, 0x50, 0x4d,
    0xc2, 0xd7, 0x6a, 0xc7, 0x15, 0x1d, 0xf3, 0x10, 0x2a, 0x44, 0x50, 0x63, 0x7a, 0x03, 0x21, 0x46};

int RevokesPca2011(const FirmwareBytes *dbx) {
    int held = StoreHoldsCertificate(dbx, kPca2011);
    if (held != 0)
        return held;
    SignatureWalk walk;
    StartSignatureWalk(dbx->bytes, dbx->length, &walk);
    SignatureEntry entry;
    while (NextSignature(&walk, &entry))
        if (GuidIs(entry.type, kX509Sha256) && entry.length >= 32 &&
            memcmp(entry.data, kPca2011TbsSha256, 32) == 0)
            return 1;
    return 0;
}

} // namespace

int StoreHoldsCertificate(const FirmwareBytes *store, const char *subject) {
    if (store->bytes == NULL)
        return -1;
    SignatureWalk walk;
    StartSignatureWalk(store->bytes, store->length, &walk);
    SignatureEntry entry;
    while (NextSignature(&walk, &entry)) {
        CertificateFacts certificate;
        if (entry.kind == kSignatureX509 &&
            ReadCertificate(entry.data, entry.length, &certificate) == kDataOk &&
            strcmp(certificate.subject, subject) == 0)
            return 1;
    }
    return walk.error == kDataOk ? 0 : -1;
}

void JudgeCa2023(const SecureBootFacts *facts, Ca2023Verdict *verdict) {
    const FirmwareBytes *db = &facts->variables[kVarDb];
    verdict->kek2023 = StoreHoldsCertificate(&facts->variables[kVarKek], kKek2023);
    verdict->windows2023 = StoreHoldsCertificate(db, kWindows2023);
    int thirdParty = StoreHoldsCertificate(db, kUefi2011);
    verdict->known = verdict->kek2023 >= 0 && verdict->windows2023 >= 0 && thirdParty >= 0;
    verdict->uefi2023 = thirdParty == 1 ? StoreHoldsCertificate(db, kUefi2023) : -1;
    verdict->optionRom2023 = thirdParty == 1 ? StoreHoldsCertificate(db, kOptionRom2023) : -1;
    verdict->pca2011Revoked =
        facts->variables[kVarDbx].bytes == NULL ? -1 : RevokesPca2011(&facts->variables[kVarDbx]);
    verdict->updated = verdict->kek2023 == 1 && verdict->windows2023 == 1 &&
                       verdict->uefi2023 != 0 && verdict->optionRom2023 != 0;
    if (!verdict->known) {
        verdict->kek2023 = verdict->windows2023 = verdict->uefi2023 = -1;
        verdict->optionRom2023 = verdict->pca2011Revoked = verdict->updated = -1;
    }
}

const char *Ca2023Missing(const Ca2023Verdict *verdict, int index) {
    const int held[4] = {verdict->kek2023, verdict->windows2023, verdict->uefi2023,
                         verdict->optionRom2023};
    const char *const names[4] = {kKek2023, kWindows2023, kUefi2023, kOptionRom2023};
    for (int i = 0; i < 4; ++i)
        if (held[i] == 0 && index-- == 0)
            return names[i];
    return NULL;
}
