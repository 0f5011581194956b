// The verdict on Secure Boot's certificates of 2023, which replace those of 2011 that expire
// in 2026: which of them the stores hold and whether this PC has all it needs. Plain code.
#ifndef ROMPROBE_CA_2023_H
#define ROMPROBE_CA_2023_H

#include "secure_boot_facts.h"

// Each 1, 0 or -1 for unknown (null).
struct Ca2023Verdict {
    int known; // KEK and db were read whole; else every other field is -1
    int kek2023;
    int windows2023;
    int uefi2023, optionRom2023; // -1 when db does not trust the UEFI CA 2011
    int pca2011Revoked;          // -1 when dbx was not read whole
    int updated;                 // every certificate this PC needs is in place
};

void JudgeCa2023(const SecureBootFacts *facts, Ca2023Verdict *verdict);

// The store holds an X.509 entry with this subject CN: 1 or 0; -1 when the store was not read
// or is damaged.
int StoreHoldsCertificate(const FirmwareBytes *store, const char *subject);

// The index-th certificate the verdict finds missing (its subject CN), or NULL past the last.
const char *Ca2023Missing(const Ca2023Verdict *verdict, int index);

#endif
