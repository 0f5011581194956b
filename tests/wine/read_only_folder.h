// One group of checks for the Wine end-to-end tests and the guest pass: Firmlook started
// from a folder that nobody can write, named like a second download into Program Files
// (x86), beside its memquery.dll and Romprobe.exe. FIRMLOOK_READ_ONLY names that folder, a
// read-only bind mount of FIRMLOOK_READ_ONLY_SOURCE, through which the files are laid in.
#ifndef FIRMLOOK_TEST_READ_ONLY_FOLDER_H
#define FIRMLOOK_TEST_READ_ONLY_FOLDER_H

#include <string>

typedef void (*CheckResult)(bool passed, const std::string &what, const std::string &detail);

// Both launch methods give the ROM date and the dump of a ROM image, and result files planted
// in the helper's folder and in the current one never show. False, having checked nothing,
// when the two variables are not set.
bool CheckReadOnlyFolder(CheckResult check);

#endif
