// The pieces of the firmware report, built from registry values that the report builder
// has already gathered. Pure code without <windows.h>.
#ifndef FIRMLOOK_FIRMWARE_TEXT_H
#define FIRMLOOK_FIRMWARE_TEXT_H

#include "dates.h"
#include "report_text.h"

enum {
    kValueBufferSize = 1024,
    kValueSizeLimit = 500 // values of this size or more are left out
};

enum RegistryValueState {
    kValueUnreadable, // missing or the read failed: label and "not available"
    kValueRead,
    kValueOversized // 500 bytes or more: left out completely
};

struct RegistryValue {
    RegistryValueState state;
    unsigned size;               // bytes read (below kValueSizeLimit when read)
    char data[kValueBufferSize]; // NUL-padded past size
};

// The three single-text values, in report order.
enum SingleValue { kIdentifier, kSystemBiosDate, kVideoBiosDate };
// The two string lists, in report order.
enum StringList { kSystemBiosVersion, kVideoBiosVersion };

const char *SingleValueName(SingleValue which);
const char *StringListName(StringList which);

void AppendWow64Warning(ReportText *report, int language);
void AppendRegistryHeading(ReportText *report, int language);
void AppendRegistryKeyError(ReportText *report, int language);
// Label, text or "not available", spacer and, for an 8-character date, the decoration.
void AppendSingleValue(ReportText *report, SingleValue which, const RegistryValue *value,
                       const CalendarDate &today, int language);
// ownHelper: our Romprobe.exe lies beside the program (rather than an old 16-bit helper
// that only the search by name may find).
void AppendNotesText(ReportText *report, int language, bool ownHelper);
// Heading and one line per string of a multi-string value, up to the first empty string.
void AppendStringList(ReportText *report, StringList which, const RegistryValue *value);

#endif
