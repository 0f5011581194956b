#include "version_name.h"

#include <string.h>

#include "../report/bounded_text.h"
#include "../report/format_text.h"

namespace {

const char *const kNames[24] = {"",
                                "95",
                                "98",
                                "ME",
                                "unknown Windows",
                                "XP",
                                "2000",
                                "2000 Server",
                                "XP x64 Edition",
                                "Server 2003",
                                "Vista",
                                "Server 2008",
                                "Seven",
                                "Server 2008 R2",
                                "Eight",
                                "Server 2012",
                                "8.1",
                                "Server 2012 R2",
                                "10",
                                "11",
                                "Server 2016",
                                "Server 2019",
                                "Server 2022",
                                "Server 2025"};
// 10.0 tells its releases apart by build: workstation 11 from 22000 on, and the servers
// 2019, 2022 and 2025 from these builds on (2016 below the first).
const int kElevenBuild = 22000;
const int kServerBuilds[3] = {17763, 20348, 26100};
const char *const kSuffixes[7] = {"",
                                  "A (OSR 1.0)",
                                  "B (OSR 2.0)",
                                  "B (OSR 2.1)",
                                  "C (OSR 2.5)",
                                  " (Final Release)",
                                  " (Second Edition)"};
const char *const kEditions[17] = {"",
                                   " Ultimate",
                                   " Home Basic",
                                   " Home Premium",
                                   " Enterprise",
                                   " Starter",
                                   " Professional",
                                   " Business",
                                   " E",
                                   " N",
                                   " Home",
                                   " Home China",
                                   " Home Single Language",
                                   " Education",
                                   " Pro for Workstations",
                                   " Enterprise LTSC",
                                   " Enterprise N LTSC"};

struct ProductRow {
    unsigned code;
    int edition;
    int letter;
};
const ProductRow kProducts[] = {
    {0x01, 1, 0},  {0x02, 2, 0},  {0x03, 3, 0},  {0x04, 4, 0},  {0x05, 2, 9},  {0x06, 7, 0},
    {0x0B, 5, 0},  {0x10, 7, 9},  {0x1A, 3, 9},  {0x1B, 4, 9},  {0x1C, 1, 9},  {0x2F, 5, 9},
    {0x30, 6, 0},  {0x31, 6, 9},  {0x42, 5, 8},  {0x43, 2, 8},  {0x44, 3, 8},  {0x45, 6, 8},
    {0x46, 4, 8},  {0x47, 1, 8},  {0x65, 10, 0}, {0x62, 10, 9}, {0x63, 11, 0}, {0x64, 12, 0},
    {0x79, 13, 0}, {0x7A, 13, 9}, {0xA1, 14, 0}, {0x7D, 15, 0}, {0x7E, 16, 0}};

// The server form of a name follows its workstation form; the 9x line counts too.
bool IsVariant(const VersionFacts *f) {
    return (f->queryCount >= 1 && f->major == 4 && f->platformId == 1) ||
           (f->queryCount == 2 && f->productType != 1);
}

} // namespace

bool NeedsProductInfo(const VersionFacts *f) {
    return f->queryCount == 2 && f->major >= 6;
}

bool NeedsWow64Query(const VersionFacts *f) {
    return f->major >= 6 || (f->major == 5 && f->minor >= 1);
}

void ComposeWindowsVersionName(const VersionFacts *f, char *nameText) {
    const bool variant = IsVariant(f);
    int name = 0, suffix = 0;
    nameText[0] = '\0';
    if (f->major == 4 && variant) {
        if (f->minor == 0 || f->minor == 3) {
            name = 1;
            suffix =
                (f->build >= 951) + (f->build >= 1111) + (f->build >= 1212) + (f->build >= 1214);
        } else if (f->minor == 10) {
            name = 2;
            suffix = f->build >= 2000 ? 6 : f->build >= 1998 ? 5 : 0;
        } else if (f->minor == 90) {
            name = 3;
        }
    }
    if (f->major < 5 && name == 0) {
        FormatText(nameText, kVersionNameSize, "Windows NT %d.%d", f->major, f->minor);
    } else {
        if (f->major == 5) {
            if (f->minor == 0)
                name = 6;
            else if (f->minor == 1)
                name = 5;
            else if (f->minor == 2)
                name = 8;
        } else if (f->major == 6 && f->minor >= 0 && f->minor <= 3) {
            name = 10 + 2 * f->minor;
        } else if (f->major == 10 && f->minor == 0) {
            name = f->build >= kElevenBuild ? 19 : 18;
        }
        if (name == 0)
            name = 4;
        if (name >= 18 && variant) {
            // 10.0 has more server names than workstation names; the build picks one.
            name = 20;
            for (int threshold : kServerBuilds)
                name += f->build >= threshold;
        } else if (name > 5 && variant) {
            ++name;
        }
        FormatText(nameText, kVersionNameSize, "Windows %s%s", kNames[name], kSuffixes[suffix]);
    }

    if (NeedsProductInfo(f)) {
        for (const ProductRow &row : kProducts) {
            if (row.code == f->productCode) {
                AppendBounded(nameText, kVersionNameSize, kEditions[row.edition]);
                AppendBounded(nameText, kVersionNameSize, kEditions[row.letter]);
                break;
            }
        }
    }

    char bitness[32] = " (64Bit Windows Version) ";
    if (NeedsWow64Query(f)) {
        if (name == 8 && !f->wow64)
            FormatText(nameText, kVersionNameSize, "Windows Server 2003 or ReactOS");
        if (!f->wow64)
            memcpy(bitness + 2, "32", 2);
    } else {
        bitness[1] = '\0';
    }
    AppendBounded(nameText, kVersionNameSize, bitness);
    if (f->queryCount >= 1)
        AppendBounded(nameText, kVersionNameSize, f->servicePack);
}
