// The "Secure Boot" section of Romprobe's summary: firmware type, state, each store's
// certificates and hashes, the boot manager's certificate, the verdict on the certificates of
// 2023, Windows' view where it differs, and what could not be read and why. German or English,
// Windows-1252, CR LF, labels aligned as in the other sections. Plain code.
#ifndef ROMPROBE_SECURE_BOOT_SUMMARY_H
#define ROMPROBE_SECURE_BOOT_SUMMARY_H

#include "output.h"
#include "secure_boot_facts.h"

// language: 1 = German, 0 = English; afterOther: a section came before (a blank line first).
void WriteSecureBootSummary(const SecureBootFacts *facts, int language, bool afterOther,
                            Output *out);

#endif
