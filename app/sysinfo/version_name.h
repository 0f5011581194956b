// Naming the running Windows from its version facts. Pure code without <windows.h>; the
// facts are gathered by GetWindowsVersionName.
#ifndef FIRMLOOK_VERSION_NAME_H
#define FIRMLOOK_VERSION_NAME_H

enum { kVersionNameSize = 256, kServicePackSize = 128 };

struct VersionFacts {
    int queryCount; // version queries that succeeded: 0, 1 (basic) or 2 (extended too)
    int major, minor, build;
    unsigned platformId;                // of the basic query
    unsigned char productType;          // of the extended query; 1 = workstation
    unsigned productCode;               // from GetProductInfo; 0 when not asked or absent
    int wow64;                          // from IsWow64Process; 0 when not asked or absent
    char servicePack[kServicePackSize]; // of the basic query
};

// Whether the edition is asked for, and whether the bitness is.
bool NeedsProductInfo(const VersionFacts *facts);
bool NeedsWow64Query(const VersionFacts *facts);
// Writes the name line, e.g. "Windows XP (32Bit Windows Version) Service Pack 3".
void ComposeWindowsVersionName(const VersionFacts *facts, char *nameText);

#endif
