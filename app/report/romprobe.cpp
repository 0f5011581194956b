// The ROM date probe and the ROM hex dump through the DOS subprogram.
#include "report.h"

void ProbeRom(int, const CalendarDate &, ReportText *) {
    // No ROM lines yet.
}

void DumpRom(HWND, int, ReportText *report) {
    ReportReset(report);
}
