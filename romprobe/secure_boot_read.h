// Gathering the Secure Boot bytes: from this PC's firmware variables, else from the boot log
// that TPM Base Services hand out, with the firmware type and Windows' registry values; or
// from a copy of Linux's efivarfs folder and a boot log file.
#ifndef ROMPROBE_SECURE_BOOT_READ_H
#define ROMPROBE_SECURE_BOOT_READ_H

#include "secure_boot_facts.h"

// This PC; the buffers the facts point into live until the process ends.
void ReadSecureBootOfThisPc(SecureBootFacts *facts);

// The files; either may be NULL. Nothing of this PC is read. Returns the file or folder that
// gave nothing (the log first), or NULL.
const char *ReadSecureBootFiles(const char *efivarsFolder, const char *bootLogFile,
                                SecureBootFacts *facts);

#endif
