// What the helper's result files turn into: the ROM date lines of the firmware
// report and the hex dump section. Pure code without <windows.h>.
#ifndef FIRMLOOK_ROM_TEXT_H
#define FIRMLOOK_ROM_TEXT_H

#include "dates.h"
#include "report_text.h"

extern const char kProbeCommand[];
extern const char kProbeFile[];
extern const char kDumpFile[];
extern const char kSecureBootFile[];

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

enum { kSecureBootFileLimit = 1024 };

// Romprobe's Secure Boot file holds four lines, the English firmware and certificate lines,
// then the German ones; appends the language's two, each after a line break, leaving out an
// empty one.
void AppendSecureBootLines(const char *text, int length, int language, ReportText *report);

// "ROMPROBE xybioszz S O T" with segment and offset held to 7 and the step as typed.
void FormatDumpCommand(char *buffer, int size, unsigned segment, unsigned offset, unsigned step);

// Restarts the report text with the dump heading, its rule and the first indent.
void AppendDumpHeading(ReportText *report, int language);
// What became of one start of our own helper that left no result file.
enum HelperRunState {
    kHelperEnded,       // it ran to its end; number holds its exit code (common/helper_exit.h)
    kHelperNotStarted,  // number holds the Windows error that kept it from starting
    kHelperStaleResult, // an old result file could not be removed, so it was not started
    kHelperUnfinished   // started without waiting for it, it had written nothing yet
};

struct HelperRun {
    HelperRunState state;
    unsigned long number;
};

// ownHelper: our Romprobe.exe lies beside the program (see AppendNotesText); then the text
// says why the run left no result, else it is the old one, whatever the run.
void AppendDumpError(ReportText *report, int language, bool ownHelper, const HelperRun &run);
// After a date probe of our own helper that left no result: one line that says why, or
// nothing when the helper found no date to give (a PC without a ROM window).
void AppendProbeFailure(ReportText *report, int language, const HelperRun &run);

enum { kDumpByteLimit = 32000 }; // the byte that reaches this count is not used

struct DumpCopier {
    int count; // bytes read so far
};

// Copies one byte of the dump file; false once the limit is reached and reading must stop.
// LF becomes a line break plus the indent, CR and NUL are dropped.
bool DumpTakeByte(DumpCopier *copier, int byte, ReportText *report);

#endif
