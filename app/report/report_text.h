// The report text: one fixed buffer that the report sections append to.
// Plain code without <windows.h>, so it also builds for the native unit tests.
#ifndef FIRMLOOK_REPORT_TEXT_H
#define FIRMLOOK_REPORT_TEXT_H

enum {
    kReportTextSize = 32500, // bytes including the terminating NUL
    kReportTextMax = kReportTextSize - 1
};

struct ReportText {
    char text[kReportTextSize];
    int length; // characters before the terminating NUL
};

// Empties the text (the dump and system sections restart it this way).
void ReportReset(ReportText *report);
// Appends a NUL-terminated string; whatever does not fit below the limit is dropped.
void ReportAppend(ReportText *report, const char *text);
// Appends at most count bytes of text, stopping early at a NUL.
void ReportAppendN(ReportText *report, const char *text, int count);
void ReportAppendChar(ReportText *report, char c);
// Appends count blanks.
void ReportAppendBlanks(ReportText *report, int count);

#endif
