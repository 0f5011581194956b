// The report builder and the firmware report's calls into the helper Romprobe.exe.
#ifndef FIRMLOOK_REPORT_H
#define FIRMLOOK_REPORT_H

#include <windows.h>

#include "dates.h"
#include "report_text.h"
#include "rom_text.h"

// Rebuilds the report from the option check boxes and puts it into the report window.
void BuildReport(HWND dialog);
// Gives the report window the font of the font index at the dialog's DPI; the font made for
// it last is deleted when replaced and by ReleaseReportFont at the end.
void ApplyReportFont(HWND dialog);
void ReleaseReportFont();

// Whether our own Romprobe.exe lies beside Firmlook.exe.
bool OwnHelperBeside();
// Starts the helper in the folder (empty: the current one) and returns when it has ended
// (or after the fallback sleep), with what became of it.
HelperRun RunDosProgram(const char *commandLine, int oldMethod, const char *folder);
// Appends the system and video BIOS dates read from ROM by the helper and, from our own
// helper, the Secure Boot lines.
void ProbeRom(int oldMethod, const CalendarDate &today, ReportText *report);
// Restarts the report text with the ROM hex dump chosen by the number boxes.
void DumpRom(HWND dialog, int oldMethod, ReportText *report);

#endif
