// How Romprobe reads each fact it reports: from a field of an SMBIOS structure (BIOS, system,
// baseboard, chassis, processors, OEM strings, memory arrays, memory devices, the TPM) or from
// the dates of the legacy ROM window. Names of the standard's values are the words dmidecode
// shows. Which facts there are, and where each one is shown, is in fact_tables.h. Plain code
// without <windows.h>.
#ifndef ROMPROBE_SMBIOS_FACTS_H
#define ROMPROBE_SMBIOS_FACTS_H

#include "calendar.h"
#include "probe_text.h"
#include "smbios.h"

// The dates the date probe finds in the legacy ROM window.
struct RomFacts {
    bool window;                   // false: no window, no dates
    char systemDate[kRomDateSize]; // its separators may be any bytes, NUL included
    int systemLength;              // 8, or 0 when not found
    char videoDate[kRomDateSize];  // empty when not found
};

void ReadRomFacts(const unsigned char *window, int size, RomFacts *facts);

// How a fact is read; "at" is the field's offset in the structure, "more" what the kind needs
// besides.
enum FactKind {
    kString,          // the string whose number stands at the field
    kNumberedString,  // the string of the number "at"
    kRevision,        // two bytes "major.minor", none when either is 0xFF
    kTableVersion,    // the version the table declares
    kReleaseIso,      // the release date string at the field as YYYY-MM-DD
    kAgeDays,         // days from that release date to today
    kRomSize,         // the BIOS ROM size in KB, with the extended size of 3.1
    kFlag,            // bit "more" of the byte
    kMhz,             // a 16-bit speed, 0 unknown
    kCount,           // an 8-bit count, the 16-bit field at "more" standing in for 0xFF
    kWord,            // a 16-bit number
    kUuid,            // the UUID as Windows shows it
    kChassisType,     // the chassis type byte, bit 7 a lock
    kProcessorId,     // the ID field as Windows' ProcessorId shows it
    kProcessorFamily, // the family byte, or the 16-bit field at "more" for 0xFE
    kProcessorStatus, // bits 0 to 2 of the status byte
    kProcessorAtWork, // a processor in its socket and enabled, from the status byte
    kArrayLocation,
    kArrayUse,
    kErrorCorrection,
    kMaxCapacity, // of a memory array, in KB, with the extended field
    kMemorySize,  // of a memory device, in KB, with the extended size
    kMemoryType,
    kMemorySpeed, // in MT/s, with the extended speed
    kModule,      // a memory device with a module in it, from its size
    kTpmVendor,   // the vendor ID's four bytes up to the first NUL
    kTpmVersion,  // the two bytes of the TPM's major and minor version
    kTpmFirmware, // the firmware version in the form of the TPM's version
    kRomSystemDate,
    kRomVideoDate
};

// What a fact's value is.
enum FactState {
    kFactOutside,   // the structure ends before the field
    kFactNone,      // the field holds no value
    kFactText,      // text: a string of the table or a word of the program's own
    kFactNumber,    // number
    kFactRevision,  // number.minor
    kFactFlag,      // number 1 or 0
    kFactKilobytes, // number, a size in KB
};

struct FactValue {
    FactState state;
    SmbiosText text; // its trailing blanks removed; kString keeps them in rawLength
    int rawLength;
    long long number, minor;
    const char *none; // what -s prints for kFactNone, NULL when it prints no line
    char buffer[40];  // text of the program's making
};

// Where the facts are read: the table, one structure of it (without one, an empty structure
// that holds nothing), the ROM window's dates and today's date.
struct FactSource {
    const SmbiosTable *table;
    const SmbiosStructure *structure;
    const RomFacts *rom;
    CalendarDate today;
};

void ReadFact(const FactSource &source, int kind, int at, int more, FactValue *value);

// The unit a number of the kind is told in, with its leading blank; "" for none.
const char *FactUnit(int kind);

// The name of a processor family value (the 8-bit field, or the 16-bit one for 0xFE), NULL
// when unknown. Two values are shared in the standard: 0xBE is told apart by the
// manufacturer, 0x30 by it and the table's version 2.0.
const char *ProcessorFamilyName(long long value, SmbiosText manufacturer, const SmbiosTable *table);

#endif
