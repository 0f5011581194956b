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

// The processor status that means a processor is at work.
enum { kCpuEnabled = 1 };

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

long long RomSizeKb(const SmbiosStructure *s, int at, int extendedAt) {
    long long rom = SmbiosByte(s, at);
    long long size = rom < 0 ? -1 : (rom + 1) * 64;
    long long extended = SmbiosWord(s, extendedAt);
    if (rom == 0xFF && extended >= 0) {
        // From 3.1 on, 0xFF points to the extended size: 14 bits in MB (unit 00) or GB (01).
        // Older structures have no such field and mean 16 MB.
        long long unit = extended >> 14;
        size = unit > 1 ? -1 : (extended & 0x3FFF) << (unit ? 20 : 10);
    }
    return size;
}

long long MaxCapacityKb(const SmbiosStructure *s, int at) {
    long long size = SmbiosDword(s, at);
    if (size == 0x80000000) {
        // The extended field holds bytes.
        long long low = SmbiosDword(s, 0x0F), high = SmbiosDword(s, 0x13);
        size = low < 0 || high < 0 ? -1 : (high << 22) | (low >> 10);
    }
    return size;
}

long long MemorySizeKb(const SmbiosStructure *s) {
    long long size = SmbiosWord(s, 0x0C);
    if (size == 0x7FFF) {
        long long extended = SmbiosDword(s, 0x1C); // in MB, bits 0 to 30
        return extended < 0 ? -1 : (extended & 0x7FFFFFFF) << 10;
    }
    if (size < 0 || size == 0xFFFF)
        return -1;
    return size & 0x8000 ? size & 0x7FFF : size << 10; // bit 15: KB granularity
}

long long MemorySpeed(const SmbiosStructure *s, int at) {
    long long speed = SmbiosWord(s, at);
    if (speed == 0xFFFF) {
        long long extended = SmbiosDword(s, 0x54);
        speed = extended < 0 ? -1 : extended & 0x7FFFFFFF;
    }
    return Known(speed);
}

// The ID field, the second doubleword first, as WMIC's ProcessorId has it; false when the
// structure is too short.
bool ProcessorId(const SmbiosStructure *s, char *id) {
    if (s->length < 0x10)
        return false;
    for (int i = 0; i < 8; ++i)
        PutHex(id + 2 * i, s->formatted[0x0F - i], 2);
    id[16] = '\0';
    return true;
}

enum UuidState { kUuidAbsent, kUuidZeros, kUuidOnes, kUuidShown };

// The UUID of a type 1 structure as Windows shows it; all zero bytes mean "not settable", all
// 0xFF "not present".
UuidState ReadUuid(const SmbiosTable *table, const SmbiosStructure *s, char *text) {
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
        out = PutHex(out, b[little ? kLittle[i] : i], 2);
    }
    *out = '\0';
    return kUuidShown;
}

// The TPM's firmware version: 1.x the revision bytes of its version field, 2.0 the two halves
// of the first word; false for other versions.
bool TpmFirmware(const SmbiosStructure *s, char *text) {
    long long major = SmbiosByte(s, 0x08), firmware = SmbiosDword(s, 0x0A);
    if (firmware < 0 || (major != 1 && major != 2))
        return false;
    unsigned long high =
        major == 1 ? s->formatted[0x0C] : static_cast<unsigned long>(firmware >> 16);
    unsigned long low =
        major == 1 ? s->formatted[0x0D] : static_cast<unsigned long>(firmware & 0xFFFF);
    char *end = DecimalText(text, high);
    *end++ = '.';
    DecimalText(end, low);
    return true;
}

void SetText(FactValue *value, const char *text, int length) {
    value->state = kFactText;
    value->text.bytes = reinterpret_cast<const unsigned char *>(text);
    value->text.length = value->rawLength = length;
}

// A word of the program's own; NULL or empty is no value, and -s prints none instead.
void SetName(FactValue *value, const char *name, const char *none = NULL) {
    if (name == NULL || name[0] == '\0') {
        value->state = kFactNone;
        value->none = none;
    } else {
        SetText(value, name, static_cast<int>(strlen(name)));
    }
}

// A number, none when negative.
void SetNumber(FactValue *value, long long number, FactState state = kFactNumber) {
    value->state = number < 0 ? kFactNone : state;
    value->number = number;
}

void SetRevision(FactValue *value, long long major, long long minor) {
    value->state = kFactRevision;
    value->number = major;
    value->minor = minor;
}

void ReadDate(const SmbiosStructure *s, CalendarDate today, int kind, int at, FactValue *value) {
    CalendarDate date = {0, 0, 0};
    ReadReleaseDate(SmbiosString(s, at), &date);
    if (date.year == 0)
        return;
    if (kind == kAgeDays) {
        value->state = kFactNumber;
        value->number = DayNumber(today.year, today.month, today.day) -
                        DayNumber(date.year, date.month, date.day);
        return;
    }
    const char iso[10] = {static_cast<char>('0' + date.year / 1000),
                          static_cast<char>('0' + date.year / 100 % 10),
                          static_cast<char>('0' + date.year / 10 % 10),
                          static_cast<char>('0' + date.year % 10),
                          '-',
                          static_cast<char>('0' + date.month / 10),
                          static_cast<char>('0' + date.month % 10),
                          '-',
                          static_cast<char>('0' + date.day / 10),
                          static_cast<char>('0' + date.day % 10)};
    memcpy(value->buffer, iso, sizeof iso);
    SetText(value, value->buffer, sizeof iso);
}

} // namespace

void ReadFact(const FactSource &source, int kind, int at, int more, FactValue *value) {
    static const SmbiosStructure kNone = {NULL, 0, NULL, NULL}; // holds nothing
    const SmbiosStructure *s = source.structure != NULL ? source.structure : &kNone;
    value->state = kFactNone;
    value->none = NULL;
    value->text.bytes = NULL;
    value->text.length = value->rawLength = 0;
    long long byte = SmbiosByte(s, at), word = SmbiosWord(s, at);
    switch (kind) {
    case kString:
    case kNumberedString:
        if (kind == kString && byte < 0) {
            value->state = kFactOutside;
        } else {
            value->text = SmbiosNumberedString(s, kind == kString ? byte : at);
            value->rawLength = value->text.length;
            value->state = value->text.bytes != NULL ? kFactText : kFactNone;
            value->none = "";
            while (value->text.length > 0 && value->text.bytes[value->text.length - 1] == ' ')
                --value->text.length;
        }
        break;
    case kRevision: {
        long long minor = SmbiosByte(s, at + 1);
        if (byte >= 0 && minor >= 0 && byte != 0xFF && minor != 0xFF)
            SetRevision(value, byte, minor);
        break;
    }
    case kTableVersion:
        if (source.table->data != NULL)
            SetRevision(value, source.table->major, source.table->minor);
        break;
    case kReleaseIso:
    case kAgeDays:
        ReadDate(s, source.today, kind, at, value);
        break;
    case kRomSize:
        SetNumber(value, RomSizeKb(s, at, more));
        break;
    case kFlag:
        SetNumber(value, byte < 0 ? -1 : (byte >> more) & 1, kFactFlag);
        break;
    case kMhz:
        SetNumber(value, Known(word));
        value->state = word < 0 ? kFactOutside : value->state;
        value->none = "Unknown";
        break;
    case kCount:
        SetNumber(value, Count(s, at, more));
        break;
    case kWord:
        SetNumber(value, word);
        break;
    case kUuid: {
        UuidState uuid = byte < 0 ? kUuidAbsent : ReadUuid(source.table, s, value->buffer);
        if (uuid == kUuidAbsent)
            value->state = kFactOutside;
        else if (uuid == kUuidShown)
            SetName(value, value->buffer);
        else
            value->none = uuid == kUuidZeros ? "Not Settable" : "Not Present";
        break;
    }
    case kChassisType:
    case kProcessorFamily: {
        long long family = byte == 0xFE && SmbiosWord(s, more) >= 0 ? SmbiosWord(s, more) : byte;
        if (byte < 0)
            value->state = kFactOutside;
        else if (kind == kChassisType)
            SetName(value, Name(kChassisTypes, byte & 0x7F), "<OUT OF SPEC>"); // bit 7: a lock
        else
            SetName(value, ProcessorFamilyName(family, SmbiosString(s, 0x07), source.table),
                    "<OUT OF SPEC>");
        break;
    }
    case kProcessorId:
        if (byte < 0)
            value->state = kFactOutside;
        else if (ProcessorId(s, value->buffer))
            SetText(value, value->buffer, 16);
        break;
    case kProcessorStatus:
        if (byte >= 0)
            SetName(value, (byte & 7) == 0 ? "Unknown" : Name(kCpuStatuses, byte & 7));
        break;
    case kProcessorAtWork:
        byte = SmbiosByte(s, 0x18); // the status byte
        SetNumber(value, byte >= 0 && (byte >> 6 & 1) == 1 && (byte & 7) == kCpuEnabled, kFactFlag);
        break;
    case kArrayLocation:
        SetName(value, byte >= 0xA0 ? Name(kArrayLocationsPc98, byte - 0x9F)
                                    : Name(kArrayLocations, byte));
        break;
    case kArrayUse:
        SetName(value, Name(kArrayUses, byte));
        break;
    case kErrorCorrection:
        SetName(value, Name(kErrorCorrections, byte));
        break;
    case kMemoryType:
        SetName(value, Name(kMemoryTypes, byte));
        break;
    case kMaxCapacity:
        SetNumber(value, MaxCapacityKb(s, at), kFactKilobytes);
        break;
    case kMemorySize:
        SetNumber(value, MemorySizeKb(s), kFactKilobytes);
        break;
    case kModule:
        SetNumber(value, MemorySizeKb(s) != 0, kFactFlag);
        break;
    case kMemorySpeed:
        SetNumber(value, MemorySpeed(s, at));
        break;
    case kTpmVendor: {
        int length = 0;
        while (length < 4 && s->length >= 0x08 && s->formatted[at + length] != 0) {
            value->buffer[length] = static_cast<char>(s->formatted[at + length]);
            ++length;
        }
        SetText(value, value->buffer, length);
        break;
    }
    case kTpmVersion:
        if (byte >= 0)
            SetRevision(value, byte, SmbiosByte(s, at + 1));
        break;
    case kTpmFirmware:
        if (TpmFirmware(s, value->buffer))
            SetText(value, value->buffer, static_cast<int>(strlen(value->buffer)));
        break;
    case kRomSystemDate:
        if (source.rom != NULL && source.rom->window && source.rom->systemLength > 0)
            SetText(value, source.rom->systemDate, source.rom->systemLength);
        break;
    case kRomVideoDate:
        SetName(value, source.rom != NULL ? source.rom->videoDate : NULL);
        break;
    }
}

const char *FactUnit(int kind) {
    return kind == kRomSize ? " KB" : kind == kMhz ? " MHz" : kind == kMemorySpeed ? " MT/s" : "";
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
