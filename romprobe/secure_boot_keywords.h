// Romprobe's -s keywords of Secure Boot: firmware-type, secure-boot and secure-boot-ca-2023,
// one value each, for a batch file's for /f. They need no SMBIOS table. Plain code.
#ifndef ROMPROBE_SECURE_BOOT_KEYWORDS_H
#define ROMPROBE_SECURE_BOOT_KEYWORDS_H

#include "output.h"
#include "secure_boot_facts.h"

// The keyword with this index, or NULL past the last one.
const char *SecureBootKeywordName(int index);

// The keyword's value ("UEFI", "BIOS"; "on", "off", "unsupported"; "updated", "not updated";
// else "unknown") and CR LF.
void WriteSecureBootKeywordValue(const SecureBootFacts *facts, int keyword, Output *out);

#endif
