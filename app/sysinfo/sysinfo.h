// The system and memory report.
#ifndef FIRMLOOK_SYSINFO_H
#define FIRMLOOK_SYSINFO_H

#include "../report/report_text.h"

// CPU clock in MHz from memquery.dll or tickrate.dll; 0 when neither gives one.
int GetCpuMhz();
// Writes the system section from the first character of the report text.
void BuildSystemSection(ReportText *report, int languageFlag);

#endif
