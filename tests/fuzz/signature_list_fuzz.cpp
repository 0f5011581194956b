// Romprobe's walk through an EFI signature database and everything written of it: the store
// as PK, KEK, db and dbx at once, in the JSON, a summary and the -s values.
//
// Input: the store's bytes, in a buffer of exactly their size.
#include "firmware_errors.h"
#include "fuzz_support.h"
#include "secure_boot_json.h"
#include "secure_boot_keywords.h"
#include "secure_boot_lines.h"
#include "secure_boot_summary.h"
#include "signature_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    unsigned char *store = static_cast<unsigned char *>(malloc(size));
    memcpy(store, data, size);
    SignatureWalk walk;
    StartSignatureWalk(store, static_cast<int>(size), &walk);
    SignatureEntry entry;
    const unsigned char *last = store;
    while (NextSignature(&walk, &entry)) {
        // Entries follow one another, each within the store, past its list's header.
        FUZZ_CHECK(entry.owner >= last && entry.type + 28 <= entry.owner);
        FUZZ_CHECK(entry.length > 0 && entry.data + entry.length <= store + size);
        FUZZ_CHECK(entry.kind != kSignatureSha256 || entry.length == 32);
        last = entry.data + entry.length;
    }
    FUZZ_CHECK(walk.error >= kDataOk && walk.error <= kListEntriesPastEnd);

    SecureBootFacts facts;
    ClearSecureBootFacts(&facts);
    facts.firmwareType = kFirmwareUefi;
    for (int v = kVarPk; v <= kVarDbx; ++v)
        facts.variables[v] = {store, static_cast<int>(size)};
    static Output out;
    OutputStart(&out, CheckNoNul, NULL);
    Json json = {&out, 1, true};
    WriteSecureBootJson(&facts, &json);
    WriteSecureBootLines(&facts, &out);
    WriteSecureBootSummary(&facts, static_cast<int>(size & 1), true, &out);
    for (int k = 0; SecureBootKeywordName(k) != NULL; ++k)
        WriteSecureBootKeywordValue(&facts, k, &out);
    OutputFlush(&out);
    free(store);
    return 0;
}
