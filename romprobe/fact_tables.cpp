#include "fact_tables.h"

#include <stddef.h>

namespace {

// key, English and German label, keyword, kind, field and what else the kind needs, place in
// the summary and among the keywords. One fact a line.
// clang-format off
constexpr Fact kBios[] = {
    {"smbios_version", "SMBIOS version", "SMBIOS-Version", NULL, kTableVersion, 0, 0, 1, 0},
    {"vendor", "Vendor", "Hersteller", "bios-vendor", kString, 0x04, 0, 2, 1},
    {"version", "Version", "Version", "bios-version", kString, 0x05, 0, 3, 2},
    {"release_date", "Release date", "Freigabedatum", "bios-release-date", kString, 0x08, 0, 4, 3},
    {"release_date_iso", NULL, NULL, NULL, kReleaseIso, 0x08, 0, 0, 0},
    {"age_days", "Age", "Alter", NULL, kAgeDays, 0x08, 0, 5, 0},
    {"rom_size_kb", "ROM size", "ROM-Größe", NULL, kRomSize, 0x09, 0x18, 6, 0},
    {"revision", "BIOS revision", "BIOS-Revision", "bios-revision", kRevision, 0x14, 0, 7, 4},
    {"ec_revision", "EC revision", "EC-Revision", "firmware-revision", kRevision, 0x16, 0, 8, 5},
    {"uefi", "UEFI", "UEFI", NULL, kFlag, 0x13, 3, 9, 0},
};

constexpr Fact kSystem[] = {
    {"manufacturer", "Manufacturer", "Hersteller", "system-manufacturer", kString, 0x04, 0, 1, 1},
    {"product", "Product", "Produkt", "system-product-name", kString, 0x05, 0, 2, 2},
    {"version", "Version", "Version", "system-version", kString, 0x06, 0, 3, 3},
    {"serial", "Serial number", "Seriennummer", "system-serial-number", kString, 0x07, 0, 4, 4},
    {"sku", "SKU", "SKU", "system-sku-number", kString, 0x19, 0, 5, 6},
    {"family", "Family", "Familie", "system-family", kString, 0x1A, 0, 6, 7},
    {"uuid", "UUID", "UUID", "system-uuid", kUuid, 0x08, 0, 7, 5},
};

constexpr Fact kBoard[] = {
    {"manufacturer", "Manufacturer", "Hersteller", "baseboard-manufacturer", kString, 0x04, 0, 1, 1},
    {"product", "Product", "Produkt", "baseboard-product-name", kString, 0x05, 0, 2, 2},
    {"version", "Version", "Version", "baseboard-version", kString, 0x06, 0, 3, 3},
    {"serial", "Serial number", "Seriennummer", "baseboard-serial-number", kString, 0x07, 0, 4, 4},
    {"asset_tag", "Asset tag", "Inventarnummer", "baseboard-asset-tag", kString, 0x08, 0, 5, 5},
};

constexpr Fact kChassis[] = {
    {"manufacturer", "Manufacturer", "Hersteller", "chassis-manufacturer", kString, 0x04, 0, 2, 1},
    {"version", "Version", "Version", "chassis-version", kString, 0x06, 0, 3, 3},
    {"serial", "Serial number", "Seriennummer", "chassis-serial-number", kString, 0x07, 0, 4, 4},
    {"asset_tag", "Asset tag", "Inventarnummer", "chassis-asset-tag", kString, 0x08, 0, 5, 5},
    {"type", "Type", "Typ", "chassis-type", kChassisType, 0x05, 0, 1, 2},
};

constexpr Fact kProcessors[] = {
    {"socket", "Socket", "Sockel", NULL, kString, 0x04, 0, 1, 0},
    {"manufacturer", "Manufacturer", "Hersteller", "processor-manufacturer", kString, 0x07, 0, 2, 2},
    {"version", "Version", "Version", "processor-version", kString, 0x10, 0, 3, 3},
    {"max_speed_mhz", "Max. speed", "Max. Takt", NULL, kMhz, 0x14, 0, 6, 0},
    {"current_speed_mhz", "Current speed", "Aktueller Takt", "processor-frequency", kMhz, 0x16, 0, 7, 4},
    {"cores", "Cores", "Kerne", NULL, kCount, 0x23, 0x2A, 8, 0},
    {"threads", "Threads", "Threads", NULL, kCount, 0x25, 0x2E, 9, 0},
    {"id", "ID", "ID", "processor-id", kProcessorId, 0x08, 0, 5, 5},
    {"family", "Family", "Familie", "processor-family", kProcessorFamily, 0x06, 0x28, 4, 1},
    {"populated", NULL, NULL, NULL, kFlag, 0x18, 6, 0, 0},
    {"status", NULL, NULL, NULL, kProcessorStatus, 0x18, 0, 0, 0},
};

constexpr Fact kMemoryArrays[] = {
    {"location", "Array location", "Ort", NULL, kArrayLocation, 0x04, 0, 1, 0},
    {"use", "Use", "Verwendung", NULL, kArrayUse, 0x05, 0, 2, 0},
    {"error_correction", "Error correction", "Fehlerkorrektur", NULL, kErrorCorrection, 0x06, 0, 3, 0},
    {"max_capacity_mb", "Max. capacity", "Max. Kapazität", NULL, kMaxCapacity, 0x07, 0, 4, 0},
    {"devices", "Slots", "Steckplätze", NULL, kWord, 0x0D, 0, 5, 0},
};

constexpr Fact kMemoryDevices[] = {
    {"locator", "Locator", "Steckplatz", NULL, kString, 0x10, 0, 1, 0},
    {"bank", "Bank", "Bank", NULL, kString, 0x11, 0, 2, 0},
    {"size_mb", "Size", "Größe", NULL, kMemorySize, 0x0C, 0, 3, 0},
    {"type", "Type", "Typ", NULL, kMemoryType, 0x12, 0, 4, 0},
    {"speed_mts", "Speed", "Takt", NULL, kMemorySpeed, 0x15, 0, 5, 0},
    {"manufacturer", "Manufacturer", "Hersteller", NULL, kString, 0x17, 0, 6, 0},
    {"serial", "Serial number", "Seriennummer", NULL, kString, 0x18, 0, 7, 0},
    {"part_number", "Part number", "Teilenummer", NULL, kString, 0x1A, 0, 8, 0},
};

constexpr Fact kTpm[] = {
    {"vendor_id", "Vendor ID", "Hersteller-ID", NULL, kTpmVendor, 0x04, 0, 1, 0},
    {"spec_version", "TPM version", "TPM-Version", NULL, kTpmVersion, 0x08, 0, 2, 0},
    {"firmware_version", "Firmware version", "Firmware-Version", NULL, kTpmFirmware, 0x0A, 0, 3, 0},
    {"description", "Description", "Beschreibung", NULL, kString, 0x12, 0, 4, 0},
};

// The label of each string: "String 1", "Text 1", ...
constexpr Fact kOemString[] = {{NULL, "String ", "Text ", NULL, kNumberedString, 0, 0, 1, 0}};

constexpr Fact kRom[] = {
    {"system_date", "System BIOS date", "System-BIOS-Datum", NULL, kRomSystemDate, 0, 0, 1, 0},
    {"video_date", "Video BIOS date", "Video-BIOS-Datum", NULL, kRomVideoDate, 0, 0, 2, 0},
};

// clang-format on

// Each place of the summary and of the keywords taken once, from 1 on without a gap.
template <int N> constexpr bool PlacesLineUp(const Fact (&facts)[N]) {
    for (int summary = 0; summary < 2; ++summary) {
        int used = 0;
        for (const Fact &fact : facts)
            used += (summary ? fact.line : fact.word) != 0;
        for (int place = 1; place <= N; ++place) {
            int taken = 0;
            for (const Fact &fact : facts)
                taken += (summary ? fact.line : fact.word) == place;
            if (taken != (place <= used ? 1 : 0))
                return false;
        }
    }
    return true;
}
static_assert(PlacesLineUp(kBios) && PlacesLineUp(kSystem) && PlacesLineUp(kBoard) &&
                  PlacesLineUp(kChassis) && PlacesLineUp(kProcessors) &&
                  PlacesLineUp(kMemoryArrays) && PlacesLineUp(kMemoryDevices) &&
                  PlacesLineUp(kTpm) && PlacesLineUp(kOemString) && PlacesLineUp(kRom),
              "a place of the summary or of the keywords is taken twice or left out");

#define FACTS(table) table, sizeof table / sizeof *table

} // namespace

const Section kSections[] = {
    {"bios", "BIOS", "BIOS", 0, kFirstStructure, 0, NULL, NULL, FACTS(kBios)},
    {"system", "System", "System", 1, kFirstStructure, 0, NULL, NULL, FACTS(kSystem)},
    {"baseboard", "Board", "Hauptplatine", 2, kFirstStructure, 0, NULL, NULL, FACTS(kBoard)},
    {"chassis", "Chassis", "Gehäuse", 3, kFirstStructure, 0, NULL, NULL, FACTS(kChassis)},
    {"processors", "Processors", "Prozessoren", 4, kEachStructure, kProcessorAtWork,
     "Other sockets", "Weitere Sockel", FACTS(kProcessors)},
    {"memory_arrays", "Memory", "Speicher", 16, kEachStructure, 0, NULL, NULL,
     FACTS(kMemoryArrays)},
    {"memory_devices", NULL, NULL, 17, kEachStructure, kModule, "Empty slots", "Leere Steckplätze",
     FACTS(kMemoryDevices)},
    {"tpm", "TPM", "TPM", 43, kFirstOrNull, 0, NULL, NULL, FACTS(kTpm)},
    {"oem_strings", "OEM strings", "OEM-Texte", 11, kOemStrings, 0, NULL, NULL, FACTS(kOemString)},
    {"rom", "ROM", "ROM", 0, kRomWindow, 0, NULL, NULL, FACTS(kRom)},
};

const int kSectionCount = sizeof kSections / sizeof *kSections;

const Fact *FactAt(const Section &section, int place, bool summary) {
    for (int i = 0; place > 0 && i < section.count; ++i)
        if ((summary ? section.facts[i].line : section.facts[i].word) == place)
            return &section.facts[i];
    return NULL;
}
