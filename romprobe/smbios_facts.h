// The facts Romprobe reports, decoded from the SMBIOS structures: BIOS (type 0), system (1),
// baseboard (2), chassis (3), processors (4), OEM strings (11), memory arrays (16), memory
// devices (17) and the TPM (43), and the dates of the legacy ROM window. Names of the
// standard's values are the words dmidecode shows. Plain code without <windows.h>.
#ifndef ROMPROBE_SMBIOS_FACTS_H
#define ROMPROBE_SMBIOS_FACTS_H

#include "probe_text.h"
#include "calendar.h"
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
    char id[17];            // the ID field as Windows' ProcessorId shows it; empty when absent
    const char *family;     // NULL when absent or unknown
    int populated;          // bit 6 of the status byte: 1 or 0
    int status;             // bits 0 to 2 of the status byte
    const char *statusName; // NULL when absent or out of the standard's range
};

// The processor status that means a processor is at work.
enum { kCpuEnabled = 1 };

struct MemoryArrayFacts {
    const char *location, *use, *errorCorrection; // NULL when absent or unknown
    long long maxCapacityKb, devices;
};

struct TpmFacts {
    bool present;     // false: the table has no type 43 structure
    char vendorId[5]; // up to the first NUL
    int specMajor, specMinor;
    char firmware[24]; // empty when the TPM version has no known form
    SmbiosText description;
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

// One structure of type 4, 16 or 17 as the walk finds it; the table's version decides a few
// processor family names.
void ReadProcessorFacts(const SmbiosTable *table, const SmbiosStructure *structure,
                        ProcessorFacts *facts);
void ReadMemoryArrayFacts(const SmbiosStructure *structure, MemoryArrayFacts *facts);
void ReadMemoryFacts(const SmbiosStructure *structure, MemoryFacts *facts);
void ReadTpmFacts(const SmbiosTable *table, TpmFacts *facts);

// The name of a processor family value (the 8-bit field, or the 16-bit one for 0xFE), NULL
// when unknown. Two values are shared in the standard: 0xBE is told apart by the
// manufacturer, 0x30 by it and the table's version 2.0.
const char *ProcessorFamilyName(long long value, SmbiosText manufacturer, const SmbiosTable *table);

// The UUID of a type 1 structure as Windows shows it (empty unless kUuidShown); all zero
// bytes mean "not settable", all 0xFF "not present".
enum UuidState { kUuidAbsent, kUuidZeros, kUuidOnes, kUuidShown };
UuidState ReadUuid(const SmbiosTable *table, const SmbiosStructure *structure, char *text);

// The name of the chassis type byte; NULL when absent or unknown.
const char *ChassisTypeName(long long typeByte);

// Days from the BIOS release date to today; only for a readable date (year not 0).
int BiosAgeDays(const BiosFacts *facts, const CalendarDate &today);

void ReadRomFacts(const unsigned char *window, int size, RomFacts *facts);

#endif
