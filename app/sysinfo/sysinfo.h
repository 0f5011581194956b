// The system and memory report.
#ifndef FIRMLOOK_SYSINFO_H
#define FIRMLOOK_SYSINFO_H

#include "../report/report_text.h"

// Writes the Windows name line into nameText (256 characters) and the version numbers;
// returns how many version queries succeeded (0 means nothing is known).
int GetWindowsVersionName(char *nameText, int *majorVersion, int *minorVersion, int *build);
// 1 when this 32-bit process runs on a 64-bit Windows; 0 otherwise and where kernel32 has no
// IsWow64Process.
int RunsUnderWow64();
// Milliseconds since Windows started: from GetTickCount64 where kernel32 exports it (Vista
// and later), else from GetTickCount, which wraps after 2^32 ms.
unsigned long long ReadTickCount();
// CPU clock in MHz from memquery.dll or tickrate.dll; 0 when neither gives one.
int GetCpuMhz();
// Writes the system section from the first character of the report text.
void BuildSystemSection(ReportText *report, int languageFlag);

#endif
