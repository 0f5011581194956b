#include "report_text.h"

void ReportReset(ReportText *report) {
    report->length = 0;
    report->text[0] = '\0';
}

void ReportAppendN(ReportText *report, const char *text, int count) {
    int length = report->length;
    for (int i = 0; i < count && text[i] != '\0' && length < kReportTextMax; ++i)
        report->text[length++] = text[i];
    report->length = length;
    report->text[length] = '\0';
}

void ReportAppend(ReportText *report, const char *text) {
    ReportAppendN(report, text, kReportTextSize);
}

void ReportAppendChar(ReportText *report, char c) {
    if (c == '\0' || report->length >= kReportTextMax)
        return;
    report->text[report->length++] = c;
    report->text[report->length] = '\0';
}

void ReportAppendBlanks(ReportText *report, int count) {
    for (int i = 0; i < count; ++i)
        ReportAppendChar(report, ' ');
}
