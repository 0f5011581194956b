#include "version_name.h"

#include <string.h>

#include "../report/bounded_text.h"
#include "../report/format_text.h"

namespace {

// A version's names from a build on: the workstation form and the form of its variant (the
// server, or for 4.x the 9x line); NULL where that form has no name from this build on. The
// last row that fits wins, so a version's rows go by rising build.
struct NameRow {
    unsigned char major, minor;
    unsigned short fromBuild;
    const char *workstation, *variant;
};
const NameRow kNameRows[] = {
    {4, 0, 0, NULL, "95"},
    {4, 0, 951, NULL, "95A (OSR 1.0)"},
    {4, 0, 1111, NULL, "95B (OSR 2.0)"},
    {4, 0, 1212, NULL, "95B (OSR 2.1)"},
    {4, 0, 1214, NULL, "95C (OSR 2.5)"},
    {4, 10, 0, NULL, "98"},
    {4, 10, 1998, NULL, "98 (Final Release)"},
    {4, 10, 2000, NULL, "98 (Second Edition)"},
    {4, 90, 0, NULL, "ME"},
    {5, 0, 0, "2000", "2000 Server"},
    {5, 1, 0, "XP", "XP"},
    {5, 2, 0, "XP x64 Edition", "Server 2003"},
    {6, 0, 0, "Vista", "Server 2008"},
    {6, 1, 0, "Seven", "Server 2008 R2"},
    {6, 2, 0, "Eight", "Server 2012"},
    {6, 3, 0, "8.1", "Server 2012 R2"},
    {10, 0, 0, "10", "Server 2016"},
    {10, 0, 17763, NULL, "Server 2019"},
    {10, 0, 20348, NULL, "Server 2022"},
    {10, 0, 22000, "11", NULL},
    {10, 0, 26100, NULL, "Server 2025"},
};

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

// The name of the version in its form; NULL when the table has none.
const char *VersionName(const VersionFacts *f, bool variant) {
    // 95 OSR 2.5 reports 4.03.
    int minor = f->major == 4 && f->minor == 3 ? 0 : f->minor;
    const char *name = NULL;
    for (const NameRow &row : kNameRows) {
        const char *form = variant ? row.variant : row.workstation;
        if (row.major == f->major && row.minor == minor && f->build >= row.fromBuild && form)
            name = form;
    }
    return name;
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
    const char *name = VersionName(f, variant);
    if (name == NULL && f->major < 5)
        FormatText(nameText, kVersionNameSize, "Windows NT %d.%d", f->major, f->minor);
    else
        FormatText(nameText, kVersionNameSize, "Windows %s", name ? name : "unknown Windows");

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
        if (f->major == 5 && f->minor == 2 && !variant && !f->wow64)
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
