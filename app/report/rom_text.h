// What the DOS subprogram's result files turn into: the ROM date lines of the firmware
// report and the hex dump section. Pure code without <windows.h>.
#ifndef FIRMLOOK_ROM_TEXT_H
#define FIRMLOOK_ROM_TEXT_H

#include "dates.h"
#include "report_text.h"

extern const char kProbeCommand[];
extern const char kProbeFile[];
extern const char kDumpFile[];

enum { kRomRecordSize = 50, kRomRecordUsed = 24 };

// The first 24 bytes of the date probe's result file.
struct RomRecord {
    unsigned char bytes[kRomRecordSize];
    int count;
};

void RomRecordClear(RomRecord *record);
// Stores one byte read from the file; bytes after the 24th are dropped.
void RomRecordStore(RomRecord *record, int byte);
// System line from 8 bytes on, video line from 17 bytes on, each with its decoration.
void AppendRomDateLines(const RomRecord *record, const CalendarDate &today, int language,
                        ReportText *report);

// "ROMPROBE xybioszz S O T" with segment and offset held to 7 and the step as typed.
void FormatDumpCommand(char *buffer, int size, unsigned segment, unsigned offset, unsigned step);

// Restarts the report text with the dump heading, its rule and the first indent.
void AppendDumpHeading(ReportText *report, int language);
// ownHelper: our Romprobe.exe lies beside the program (see AppendNotesText).
void AppendDumpError(ReportText *report, int language, bool ownHelper);

enum { kDumpByteLimit = 32000 }; // the byte that reaches this count is not used

struct DumpCopier {
    int count; // bytes read so far
};

// Copies one byte of the dump file; false once the limit is reached and reading must stop.
// LF becomes a line break plus the indent, CR and NUL are dropped.
bool DumpTakeByte(DumpCopier *copier, int byte, ReportText *report);

#endif
