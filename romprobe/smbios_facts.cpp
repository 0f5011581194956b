#include "smbios_facts.h"

#include <string.h>

#include "output.h"
#include "release_date.h"
#include "text_helpers.h"

namespace {

// Names of the standard's enumerations, from value 1 on.
const char *const kChassisTypes[] = {"Other",
                                     "Unknown",
                                     "Desktop",
                                     "Low Profile Desktop",
                                     "Pizza Box",
                                     "Mini Tower",
                                     "Tower",
                                     "Portable",
                                     "Laptop",
                                     "Notebook",
                                     "Hand Held",
                                     "Docking Station",
                                     "All In One",
                                     "Sub Notebook",
                                     "Space-saving",
                                     "Lunch Box",
                                     "Main Server Chassis",
                                     "Expansion Chassis",
                                     "Sub Chassis",
                                     "Bus Expansion Chassis",
                                     "Peripheral Chassis",
                                     "RAID Chassis",
                                     "Rack Mount Chassis",
                                     "Sealed-case PC",
                                     "Multi-system",
                                     "CompactPCI",
                                     "AdvancedTCA",
                                     "Blade",
                                     "Blade Enclosing",
                                     "Tablet",
                                     "Convertible",
                                     "Detachable",
                                     "IoT Gateway",
                                     "Embedded PC",
                                     "Mini PC",
                                     "Stick PC"};

const char *const kMemoryTypes[] = {"Other",
                                    "Unknown",
                                    "DRAM",
                                    "EDRAM",
                                    "VRAM",
                                    "SRAM",
                                    "RAM",
                                    "ROM",
                                    "FLASH",
                                    "EEPROM",
                                    "FEPROM",
                                    "EPROM",
                                    "CDRAM",
                                    "3DRAM",
                                    "SDRAM",
                                    "SGRAM",
                                    "RDRAM",
                                    "DDR",
                                    "DDR2",
                                    "DDR2 FB-DIMM",
                                    NULL,
                                    NULL,
                                    NULL,
                                    "DDR3",
                                    "FBD2",
                                    "DDR4",
                                    "LPDDR",
                                    "LPDDR2",
                                    "LPDDR3",
                                    "LPDDR4",
                                    "Logical non-volatile device",
                                    "HBM",
                                    "HBM2",
                                    "DDR5",
                                    "LPDDR5",
                                    "HBM3"};

const char *const kArrayLocations[] = {"Other",
                                       "Unknown",
                                       "System Board Or Motherboard",
                                       "ISA Add-on Card",
                                       "EISA Add-on Card",
                                       "PCI Add-on Card",
                                       "MCA Add-on Card",
                                       "PCMCIA Add-on Card",
                                       "Proprietary Add-on Card",
                                       "NuBus"};

// Location values from 0xA0 on.
const char *const kArrayLocationsPc98[] = {"PC-98/C20 Add-on Card", "PC-98/C24 Add-on Card",
                                           "PC-98/E Add-on Card", "PC-98/Local Bus Add-on Card",
                                           "CXL Flexbus 1.0"};

const char *const kArrayUses[] = {"Other",        "Unknown",      "System Memory",
                                  "Video Memory", "Flash Memory", "Non-volatile RAM",
                                  "Cache Memory"};

const char *const kErrorCorrections[] = {"Other",          "Unknown",       "None", "Parity",
                                         "Single-bit ECC", "Multi-bit ECC", "CRC"};

// From value 1 on; 0 is "Unknown".
const char *const kCpuStatuses[] = {
    "Enabled", "Disabled By User", "Disabled By BIOS", "Idle", NULL, NULL, "Other"};

template <int N> const char *Name(const char *const (&names)[N], long long value) {
    return value >= 1 && value <= N ? names[value - 1] : NULL;
}

// A field where 0 means unknown.
long long Known(long long value) {
    return value == 0 ? -1 : value;
}

// An 8-bit count, with the 16-bit field of SMBIOS 3.0 standing in for 0xFF.
long long Count(const SmbiosStructure *s, int byteAt, int wordAt) {
    long long count = SmbiosByte(s, byteAt);
    if (count == 0xFF)
        count = SmbiosWord(s, wordAt);
    return count == 0xFFFF ? -1 : Known(count);
}

// "major.minor"-style revision bytes; 0xFF in either means none.
void Revision(const SmbiosStructure *s, int at, int *major, int *minor) {
    long long high = SmbiosByte(s, at), low = SmbiosByte(s, at + 1);
    bool none = high < 0 || low < 0 || high == 0xFF || low == 0xFF;
    *major = none ? -1 : static_cast<int>(high);
    *minor = none ? -1 : static_cast<int>(low);
}

bool First(const SmbiosTable *table, int type, SmbiosStructure *s) {
    int offset = 0;
    if (SmbiosFind(table, type, &offset, s))
        return true;
    s->formatted = s->strings = s->stringsEnd = NULL;
    s->length = 0; // reads as a structure that holds nothing
    return false;
}

} // namespace

void ReadBiosFacts(const SmbiosTable *table, BiosFacts *facts) {
    SmbiosStructure s;
    First(table, 0, &s);
    facts->vendor = SmbiosString(&s, 0x04);
    facts->version = SmbiosString(&s, 0x05);
    facts->releaseDate = SmbiosString(&s, 0x08);
    CalendarDate date = {0, 0, 0};
    ReadReleaseDate(facts->releaseDate, &date);
    facts->year = date.year;
    facts->month = date.month;
    facts->day = date.day;
    long long rom = SmbiosByte(&s, 0x09);
    facts->romSizeKb = rom < 0 ? -1 : (rom + 1) * 64;
    long long extended = SmbiosWord(&s, 0x18);
    if (rom == 0xFF && extended >= 0) {
        // From 3.1 on, 0xFF points to the extended size: 14 bits in MB (unit 00) or GB (01).
        // Older structures have no such field and mean 16 MB.
        long long unit = extended >> 14;
        facts->romSizeKb = unit > 1 ? -1 : (extended & 0x3FFF) << (unit ? 20 : 10);
    }
    Revision(&s, 0x14, &facts->major, &facts->minor);
    Revision(&s, 0x16, &facts->ecMajor, &facts->ecMinor);
    long long extension2 = SmbiosByte(&s, 0x13);
    facts->uefi = extension2 < 0 ? -1 : (extension2 >> 3) & 1;
}

void ReadSystemFacts(const SmbiosTable *table, SystemFacts *facts) {
    SmbiosStructure s;
    First(table, 1, &s);
    facts->manufacturer = SmbiosString(&s, 0x04);
    facts->product = SmbiosString(&s, 0x05);
    facts->version = SmbiosString(&s, 0x06);
    facts->serial = SmbiosString(&s, 0x07);
    facts->sku = SmbiosString(&s, 0x19);
    facts->family = SmbiosString(&s, 0x1A);
    ReadUuid(table, &s, facts->uuid);
}

void ReadBoardFacts(const SmbiosTable *table, BoardFacts *facts) {
    SmbiosStructure s;
    First(table, 2, &s);
    facts->manufacturer = SmbiosString(&s, 0x04);
    facts->product = SmbiosString(&s, 0x05);
    facts->version = SmbiosString(&s, 0x06);
    facts->serial = SmbiosString(&s, 0x07);
    facts->assetTag = SmbiosString(&s, 0x08);
}

void ReadChassisFacts(const SmbiosTable *table, ChassisFacts *facts) {
    SmbiosStructure s;
    First(table, 3, &s);
    facts->manufacturer = SmbiosString(&s, 0x04);
    long long type = SmbiosByte(&s, 0x05);
    facts->type = ChassisTypeName(type);
    facts->version = SmbiosString(&s, 0x06);
    facts->serial = SmbiosString(&s, 0x07);
    facts->assetTag = SmbiosString(&s, 0x08);
}

namespace {

void ProcessorId(const SmbiosStructure *s, char *id) {
    id[0] = '\0';
    if (s->length < 0x10)
        return;
    // The second doubleword first, as WMIC's ProcessorId has it.
    static const int kOrder[8] = {0x0F, 0x0E, 0x0D, 0x0C, 0x0B, 0x0A, 0x09, 0x08};
    for (int i = 0; i < 8; ++i) {
        unsigned char byte = s->formatted[kOrder[i]];
        PutHex(id + 2 * i, byte, 2);
    }
    id[16] = '\0';
}

} // namespace

void ReadProcessorFacts(const SmbiosTable *table, const SmbiosStructure *s, ProcessorFacts *facts) {
    facts->socket = SmbiosString(s, 0x04);
    facts->manufacturer = SmbiosString(s, 0x07);
    facts->version = SmbiosString(s, 0x10);
    facts->maxSpeedMhz = Known(SmbiosWord(s, 0x14));
    facts->currentSpeedMhz = Known(SmbiosWord(s, 0x16));
    facts->cores = Count(s, 0x23, 0x2A);
    facts->threads = Count(s, 0x25, 0x2E);
    ProcessorId(s, facts->id);
    long long family = SmbiosByte(s, 0x06);
    if (family == 0xFE && SmbiosWord(s, 0x28) >= 0)
        family = SmbiosWord(s, 0x28);
    facts->family = family < 0 ? NULL : ProcessorFamilyName(family, facts->manufacturer, table);
    long long status = SmbiosByte(s, 0x18);
    facts->populated = status < 0 ? -1 : static_cast<int>(status >> 6 & 1);
    facts->status = status < 0 ? -1 : static_cast<int>(status & 7);
    facts->statusName = status < 0           ? NULL
                        : facts->status == 0 ? "Unknown"
                                             : Name(kCpuStatuses, status & 7);
}

void ReadMemoryArrayFacts(const SmbiosStructure *s, MemoryArrayFacts *facts) {
    long long location = SmbiosByte(s, 0x04);
    facts->location = location >= 0xA0 ? Name(kArrayLocationsPc98, location - 0x9F)
                                       : Name(kArrayLocations, location);
    facts->use = Name(kArrayUses, SmbiosByte(s, 0x05));
    facts->errorCorrection = Name(kErrorCorrections, SmbiosByte(s, 0x06));
    facts->maxCapacityKb = SmbiosDword(s, 0x07);
    if (facts->maxCapacityKb == 0x80000000) {
        // The extended field holds bytes.
        long long low = SmbiosDword(s, 0x0F), high = SmbiosDword(s, 0x13);
        facts->maxCapacityKb = low < 0 || high < 0 ? -1 : (high << 22) | (low >> 10);
    }
    facts->devices = SmbiosWord(s, 0x0D);
}

void ReadTpmFacts(const SmbiosTable *table, TpmFacts *facts) {
    SmbiosStructure s;
    facts->present = First(table, 43, &s);
    facts->vendorId[0] = facts->firmware[0] = '\0';
    for (int i = 0; i < 4 && s.length >= 0x08 && s.formatted[4 + i] != 0; ++i) {
        facts->vendorId[i] = static_cast<char>(s.formatted[4 + i]);
        facts->vendorId[i + 1] = '\0';
    }
    long long major = SmbiosByte(&s, 0x08), minor = SmbiosByte(&s, 0x09);
    facts->specMajor = static_cast<int>(major);
    facts->specMinor = static_cast<int>(minor);
    long long firmware = SmbiosDword(&s, 0x0A);
    if (firmware >= 0 && (major == 1 || major == 2)) {
        // 1.x: the revision bytes of its version field; 2.0: the two halves of the first word.
        unsigned long high =
            major == 1 ? s.formatted[0x0C] : static_cast<unsigned long>(firmware >> 16);
        unsigned long low =
            major == 1 ? s.formatted[0x0D] : static_cast<unsigned long>(firmware & 0xFFFF);
        char *end = DecimalText(facts->firmware, high);
        *end++ = '.';
        DecimalText(end, low);
    }
    facts->description = SmbiosString(&s, 0x12);
}

void ReadMemoryFacts(const SmbiosStructure *s, MemoryFacts *facts) {
    facts->locator = SmbiosString(s, 0x10);
    facts->bank = SmbiosString(s, 0x11);
    facts->manufacturer = SmbiosString(s, 0x17);
    facts->serial = SmbiosString(s, 0x18);
    facts->partNumber = SmbiosString(s, 0x1A);
    long long size = SmbiosWord(s, 0x0C);
    if (size == 0x7FFF) {
        long long extended = SmbiosDword(s, 0x1C); // in MB, bits 0 to 30
        facts->sizeKb = extended < 0 ? -1 : (extended & 0x7FFFFFFF) << 10;
    } else if (size < 0 || size == 0xFFFF) {
        facts->sizeKb = -1;
    } else {
        facts->sizeKb = size & 0x8000 ? size & 0x7FFF : size << 10; // bit 15: KB granularity
    }
    facts->type = Name(kMemoryTypes, SmbiosByte(s, 0x12));
    facts->speedMts = SmbiosWord(s, 0x15);
    if (facts->speedMts == 0xFFFF) {
        long long extended = SmbiosDword(s, 0x54);
        facts->speedMts = extended < 0 ? -1 : extended & 0x7FFFFFFF;
    }
    facts->speedMts = Known(facts->speedMts);
}

UuidState ReadUuid(const SmbiosTable *table, const SmbiosStructure *s, char *text) {
    text[0] = '\0';
    if (s->length < 0x18)
        return kUuidAbsent;
    const unsigned char *b = s->formatted + 8;
    bool zeros = true, ones = true;
    for (int i = 0; i < 16; ++i) {
        zeros = zeros && b[i] == 0x00;
        ones = ones && b[i] == 0xFF;
    }
    if (zeros || ones)
        return zeros ? kUuidZeros : kUuidOnes;
    // From 2.6 on the first three fields are little-endian, as Windows shows them.
    bool little = table->major > 2 || (table->major == 2 && table->minor >= 6);
    static const int kLittle[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    char *out = text;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            *out++ = '-';
        unsigned char byte = b[little ? kLittle[i] : i];
        out = PutHex(out, byte, 2);
    }
    *out = '\0';
    return kUuidShown;
}

const char *ChassisTypeName(long long typeByte) {
    return typeByte < 0 ? NULL : Name(kChassisTypes, typeByte & 0x7F); // bit 7: a lock
}

int BiosAgeDays(const BiosFacts *facts, const CalendarDate &today) {
    return DayNumber(today.year, today.month, today.day) -
           DayNumber(facts->year, facts->month, facts->day);
}

void ReadRomFacts(const unsigned char *window, int size, RomFacts *facts) {
    facts->window = window != NULL && size == kRomWindowSize;
    facts->systemDate[0] = facts->videoDate[0] = '\0';
    facts->systemLength = 0;
    if (!facts->window)
        return;
    if (WindowSystemDate(window, size, facts->systemDate))
        facts->systemLength = 8;
    char marker = VideoBiosDate(window, size, facts->videoDate);
    if (marker == 0)
        facts->videoDate[0] = '\0';
}
