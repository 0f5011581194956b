// The text of the system report, built from values the report gathered. Pure code without
// <windows.h>.
#ifndef FIRMLOOK_SYSTEM_TEXT_H
#define FIRMLOOK_SYSTEM_TEXT_H

#include "../report/report_text.h"

enum { kMemoryFigureCount = 7 };

struct MemoryFigures {
    int figure[kMemoryFigureCount]; // load in percent, then six sizes in MB
    int exportCount;                // _GetRamEx exports found in memquery.dll
};

// Byte counts of the platform's 32-bit memory status, shifted down to MB.
void MemoryFromStatus(MemoryFigures *figures, unsigned load, unsigned totalPhys, unsigned availPhys,
                      unsigned totalPage, unsigned availPage, unsigned totalVirtual,
                      unsigned availVirtual);

// Restarts the report text with the memory load, the six sizes and the note on the source.
void WriteMemorySection(ReportText *report, const MemoryFigures *figures, int language);
void AppendProcessorLines(ReportText *report, int processors, int mhz, int language);
// which: 0 = SystemBiosDate, 1 = VideoBiosDate; the value is shown as it is.
void AppendRawFirmwareDate(ReportText *report, int which, const char *value, int language);
void AppendVersionLines(ReportText *report, int major, int minor, int build, const char *nameText,
                        int language);
// which: 0 = user, 1 = computer, 2 = default printer.
void AppendNameLine(ReportText *report, int which, const char *value);
// "[D Day(s) ]HH Hour(s) MM Minute(s) SS Second(s) "; *daysShown makes later durations of the
// same report show their day count too.
void AppendDuration(ReportText *report, unsigned seconds, int language, int *daysShown);
// Whole seconds of a tick count in milliseconds; exact up to 2^32 seconds (136 years).
unsigned TickSeconds(unsigned long long milliseconds);
// The Windows and program uptime lines, from the tick count in milliseconds and the second
// at which the program started.
void AppendUptimes(ReportText *report, unsigned long long tickCount, unsigned startSecond,
                   int language);

#endif
