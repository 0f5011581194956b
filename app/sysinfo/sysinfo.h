// The system and memory report.
#ifndef FIRMLOOK_SYSINFO_H
#define FIRMLOOK_SYSINFO_H

#include "../report/report_text.h"

// Writes the Windows name line into nameText (256 characters) and the version numbers;
// returns how many version queries succeeded (0 means nothing is known).
int GetWindowsVersionName(char *nameText, int *majorVersion, int *minorVersion, int *build);
// CPU clock in MHz from memquery.dll or tickrate.dll; 0 when neither gives one.
int GetCpuMhz();
// Writes the system section from the first character of the report text.
void BuildSystemSection(ReportText *report, int languageFlag);

#endif
