// Firmlook's Secure Boot lines, written by Romprobe into the result file beside the date
// record: the firmware type and the Secure Boot state in one line, and the verdict on the
// certificates of 2023 naming what is missing, in the columns of the ROM dates, in English
// and in German. Plain code.
#ifndef ROMPROBE_SECURE_BOOT_LINES_H
#define ROMPROBE_SECURE_BOOT_LINES_H

#include "output.h"
#include "secure_boot_facts.h"

enum { kMissingShown = 6 };

// Four lines, each ending in CR LF: the English firmware line and certificate line, then the
// German ones. A certificate line is empty on a legacy BIOS, which has no certificates to
// hold.
void WriteSecureBootLines(const SecureBootFacts *facts, Output *out);

#endif
