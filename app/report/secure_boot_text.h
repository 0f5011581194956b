// The firmware report's Secure Boot lines: what Romprobe leaves in its Secure Boot result file
// turned into two lines in the columns of the ROM dates. Pure code without <windows.h>.
#ifndef FIRMLOOK_SECURE_BOOT_TEXT_H
#define FIRMLOOK_SECURE_BOOT_TEXT_H

#include "report_text.h"

extern const char kSecureBootFile[];

// The result file holds a line each: the firmware type ("UEFI", "BIOS" or "unknown"), the
// Secure Boot state ("on", "off", "unsupported" or "unknown"), the state of the 2023
// certificates ("updated", "not updated" or "unknown"), then the name of each certificate
// that is missing. Lines end in CR LF or LF.
enum { kSecureBootFileLimit = 1024, kMissingShown = 6 };

// Appends the two lines for the file's text (on a legacy BIOS only the first); nothing when
// the text is not such a file.
void AppendSecureBootLines(const char *text, int length, int language, ReportText *report);

#endif
