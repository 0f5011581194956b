// The facts Romprobe reports, decoded from the SMBIOS structures: BIOS (type 0), system (1),
// baseboard (2), chassis (3), processors (4) and memory devices (17), and the dates of the
// legacy ROM window. Plain code without <windows.h>.
#ifndef ROMPROBE_SMBIOS_FACTS_H
#define ROMPROBE_SMBIOS_FACTS_H

#include "probe_text.h"
#include "report/dates.h"
#include "smbios.h"

// Numbers and flags below are -1 where the table does not hold the value.
struct BiosFacts {
    SmbiosText vendor, version, releaseDate;
    int year, month, day; // the release date read as a calendar date; year 0 when unreadable
    long long romSizeKb;
    int major, minor, ecMajor, ecMinor; // BIOS and embedded controller revisions
    int uefi;
};

struct SystemFacts {
    SmbiosText manufacturer, product, version, serial, sku, family;
    char uuid[37]; // empty when absent
};

struct BoardFacts {
    SmbiosText manufacturer, product, version, serial, assetTag;
};

struct ChassisFacts {
    SmbiosText manufacturer, version, serial, assetTag;
    const char *type; // the standard's name, NULL when absent or unknown
};

struct ProcessorFacts {
    SmbiosText socket, manufacturer, version;
    long long maxSpeedMhz, currentSpeedMhz, cores, threads;
};

struct MemoryFacts {
    SmbiosText locator, bank, manufacturer, serial, partNumber;
    long long sizeKb; // 0: no module
    const char *type;
    long long speedMts;
};

// The dates the date probe finds in the legacy ROM window.
struct RomFacts {
    bool window;                   // false: no window, no dates
    char systemDate[kRomDateSize]; // its separators may be any bytes, NUL included
    int systemLength;              // 8, or 0 when not found
    char videoDate[kRomDateSize];  // empty when not found
};

// The first structure of each kind; a table without it gives facts that are all absent.
void ReadBiosFacts(const SmbiosTable *table, BiosFacts *facts);
void ReadSystemFacts(const SmbiosTable *table, SystemFacts *facts);
void ReadBoardFacts(const SmbiosTable *table, BoardFacts *facts);
void ReadChassisFacts(const SmbiosTable *table, ChassisFacts *facts);

// One structure of type 4 or 17 as the walk finds it.
void ReadProcessorFacts(const SmbiosStructure *structure, ProcessorFacts *facts);
void ReadMemoryFacts(const SmbiosStructure *structure, MemoryFacts *facts);

// Days from the BIOS release date to today; only for a readable date (year not 0).
int BiosAgeDays(const BiosFacts *facts, const CalendarDate &today);

void ReadRomFacts(const unsigned char *window, int size, RomFacts *facts);

#endif
