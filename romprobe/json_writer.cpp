#include "json_writer.h"

#include <string.h>

namespace {

// Windows-1252 0x80 to 0x9F; the five bytes the code page leaves undefined keep their value.
const unsigned short kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct Json {
    Output *out;
    int depth;
    bool first; // nothing written yet in the current object or array
};

// Starts a member (key) or an array element (key NULL) on its own line.
void Item(Json *json, const char *key) {
    if (!json->first)
        OutputChar(json->out, ',');
    OutputChar(json->out, '\n');
    for (int i = 0; i < json->depth; ++i)
        OutputText(json->out, "  ");
    if (key != NULL) {
        OutputChar(json->out, '"');
        OutputText(json->out, key);
        OutputText(json->out, "\": ");
    }
    json->first = false;
}

void Open(Json *json, const char *key, char bracket) {
    Item(json, key);
    OutputChar(json->out, bracket);
    ++json->depth;
    json->first = true;
}

void Close(Json *json, char bracket) {
    --json->depth;
    if (!json->first) {
        OutputChar(json->out, '\n');
        for (int i = 0; i < json->depth; ++i)
            OutputText(json->out, "  ");
    }
    OutputChar(json->out, bracket);
    json->first = false;
}

void Null(Json *json, const char *key) {
    Item(json, key);
    OutputText(json->out, "null");
}

void Text(Json *json, const char *key, SmbiosText text) {
    Item(json, key);
    if (text.bytes == NULL)
        OutputText(json->out, "null");
    else
        OutputJsonString(json->out, text.bytes, text.length);
}

// A text of the program's own; NULL or empty gives null.
void Name(Json *json, const char *key, const char *name) {
    SmbiosText text = {reinterpret_cast<const unsigned char *>(name),
                       name == NULL ? 0 : static_cast<int>(strlen(name))};
    if (text.length == 0)
        text.bytes = NULL;
    Text(json, key, text);
}

void Number(Json *json, const char *key, long long value) {
    Item(json, key);
    if (value < 0)
        OutputText(json->out, "null");
    else
        OutputNumber(json->out, value);
}

void Flag(Json *json, const char *key, int flag) {
    Item(json, key);
    OutputText(json->out, flag < 0 ? "null" : flag ? "true" : "false");
}

void Megabytes(Json *json, const char *key, long long kilobytes) {
    Item(json, key);
    if (kilobytes < 0)
        OutputText(json->out, "null");
    else
        OutputMegabytes(json->out, kilobytes);
}

void Revision(Json *json, const char *key, int major, int minor) {
    Item(json, key);
    if (major < 0) {
        OutputText(json->out, "null");
        return;
    }
    OutputChar(json->out, '"');
    OutputNumber(json->out, major);
    OutputChar(json->out, '.');
    OutputNumber(json->out, minor);
    OutputChar(json->out, '"');
}

void Bios(Json *json, const SmbiosTable *table, const CalendarDate &today) {
    BiosFacts bios;
    ReadBiosFacts(table, &bios);
    Open(json, "bios", '{');
    Text(json, "vendor", bios.vendor);
    Text(json, "version", bios.version);
    Text(json, "release_date", bios.releaseDate);
    if (bios.year == 0) {
        Null(json, "release_date_iso");
    } else {
        char iso[11] = {static_cast<char>('0' + bios.year / 1000),
                        static_cast<char>('0' + bios.year / 100 % 10),
                        static_cast<char>('0' + bios.year / 10 % 10),
                        static_cast<char>('0' + bios.year % 10),
                        '-',
                        static_cast<char>('0' + bios.month / 10),
                        static_cast<char>('0' + bios.month % 10),
                        '-',
                        static_cast<char>('0' + bios.day / 10),
                        static_cast<char>('0' + bios.day % 10),
                        '\0'};
        Name(json, "release_date_iso", iso);
    }
    Item(json, "age_days");
    if (bios.year == 0)
        OutputText(json->out, "null");
    else
        OutputNumber(json->out, BiosAgeDays(&bios, today));
    Number(json, "rom_size_kb", bios.romSizeKb);
    Revision(json, "revision", bios.major, bios.minor);
    Revision(json, "ec_revision", bios.ecMajor, bios.ecMinor);
    Flag(json, "uefi", bios.uefi);
    Close(json, '}');
}

void System(Json *json, const SmbiosTable *table) {
    SystemFacts system;
    ReadSystemFacts(table, &system);
    Open(json, "system", '{');
    Text(json, "manufacturer", system.manufacturer);
    Text(json, "product", system.product);
    Text(json, "version", system.version);
    Text(json, "serial", system.serial);
    Text(json, "sku", system.sku);
    Text(json, "family", system.family);
    Name(json, "uuid", system.uuid);
    Close(json, '}');
}

void Board(Json *json, const SmbiosTable *table) {
    BoardFacts board;
    ReadBoardFacts(table, &board);
    Open(json, "baseboard", '{');
    Text(json, "manufacturer", board.manufacturer);
    Text(json, "product", board.product);
    Text(json, "version", board.version);
    Text(json, "serial", board.serial);
    Text(json, "asset_tag", board.assetTag);
    Close(json, '}');
}

void Chassis(Json *json, const SmbiosTable *table) {
    ChassisFacts chassis;
    ReadChassisFacts(table, &chassis);
    Open(json, "chassis", '{');
    Text(json, "manufacturer", chassis.manufacturer);
    Text(json, "version", chassis.version);
    Text(json, "serial", chassis.serial);
    Text(json, "asset_tag", chassis.assetTag);
    Name(json, "type", chassis.type);
    Close(json, '}');
}

void Processors(Json *json, const SmbiosTable *table) {
    Open(json, "processors", '[');
    SmbiosStructure s;
    for (int offset = 0; SmbiosFind(table, 4, &offset, &s);) {
        ProcessorFacts cpu;
        ReadProcessorFacts(table, &s, &cpu);
        Open(json, NULL, '{');
        Text(json, "socket", cpu.socket);
        Text(json, "manufacturer", cpu.manufacturer);
        Text(json, "version", cpu.version);
        Number(json, "max_speed_mhz", cpu.maxSpeedMhz);
        Number(json, "current_speed_mhz", cpu.currentSpeedMhz);
        Number(json, "cores", cpu.cores);
        Number(json, "threads", cpu.threads);
        Name(json, "id", cpu.id);
        Name(json, "family", cpu.family);
        Flag(json, "populated", cpu.populated);
        Name(json, "status", cpu.statusName);
        Close(json, '}');
    }
    Close(json, ']');
}

void MemoryArrays(Json *json, const SmbiosTable *table) {
    Open(json, "memory_arrays", '[');
    SmbiosStructure s;
    for (int offset = 0; SmbiosFind(table, 16, &offset, &s);) {
        MemoryArrayFacts array;
        ReadMemoryArrayFacts(&s, &array);
        Open(json, NULL, '{');
        Name(json, "location", array.location);
        Name(json, "use", array.use);
        Name(json, "error_correction", array.errorCorrection);
        Megabytes(json, "max_capacity_mb", array.maxCapacityKb);
        Number(json, "devices", array.devices);
        Close(json, '}');
    }
    Close(json, ']');
}

void Tpm(Json *json, const SmbiosTable *table) {
    TpmFacts tpm;
    ReadTpmFacts(table, &tpm);
    if (!tpm.present) {
        Null(json, "tpm");
        return;
    }
    Open(json, "tpm", '{');
    SmbiosText vendor = {reinterpret_cast<const unsigned char *>(tpm.vendorId),
                         static_cast<int>(strlen(tpm.vendorId))};
    Text(json, "vendor_id", vendor);
    Revision(json, "spec_version", tpm.specMajor, tpm.specMinor);
    Name(json, "firmware_version", tpm.firmware);
    Text(json, "description", tpm.description);
    Close(json, '}');
}

void OemStrings(Json *json, const SmbiosTable *table) {
    Open(json, "oem_strings", '[');
    SmbiosStructure s;
    for (int offset = 0; SmbiosFind(table, 11, &offset, &s);)
        for (long long n = 1; n <= SmbiosByte(&s, 0x04); ++n)
            Text(json, NULL, SmbiosNumberedString(&s, n));
    Close(json, ']');
}

void MemoryDevices(Json *json, const SmbiosTable *table) {
    Open(json, "memory_devices", '[');
    SmbiosStructure s;
    for (int offset = 0; SmbiosFind(table, 17, &offset, &s);) {
        MemoryFacts memory;
        ReadMemoryFacts(&s, &memory);
        Open(json, NULL, '{');
        Text(json, "locator", memory.locator);
        Text(json, "bank", memory.bank);
        Megabytes(json, "size_mb", memory.sizeKb);
        Name(json, "type", memory.type);
        Number(json, "speed_mts", memory.speedMts);
        Text(json, "manufacturer", memory.manufacturer);
        Text(json, "serial", memory.serial);
        Text(json, "part_number", memory.partNumber);
        Close(json, '}');
    }
    Close(json, ']');
}

void Rom(Json *json, const RomFacts *rom) {
    if (!rom->window) {
        Null(json, "rom");
        return;
    }
    Open(json, "rom", '{');
    SmbiosText system = {reinterpret_cast<const unsigned char *>(rom->systemDate),
                         rom->systemLength};
    if (system.length == 0)
        system.bytes = NULL;
    Text(json, "system_date", system);
    Name(json, "video_date", rom->videoDate);
    Close(json, '}');
}

} // namespace

void OutputJsonString(Output *out, const unsigned char *bytes, int length) {
    static const char kHex[] = "0123456789abcdef";
    OutputChar(out, '"');
    for (int i = 0; i < length; ++i) {
        unsigned code = bytes[i];
        if (code >= 0x80 && code < 0xA0)
            code = kHighControls[code - 0x80];
        if (code < 0x20 || (code >= 0x7F && code < 0xA0)) {
            char escape[6] = {'\\', 'u', '0', '0', kHex[code >> 4], kHex[code & 0x0F]};
            OutputBytes(out, escape, 6);
        } else if (code == '"' || code == '\\') {
            OutputChar(out, '\\');
            OutputChar(out, static_cast<char>(code));
        } else if (code < 0x80) {
            OutputChar(out, static_cast<char>(code));
        } else if (code < 0x800) {
            OutputChar(out, static_cast<char>(0xC0 | code >> 6));
            OutputChar(out, static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            OutputChar(out, static_cast<char>(0xE0 | code >> 12));
            OutputChar(out, static_cast<char>(0x80 | (code >> 6 & 0x3F)));
            OutputChar(out, static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    OutputChar(out, '"');
}

void WriteJson(const SmbiosTable *table, const RomFacts *rom, const CalendarDate &today,
               Output *out) {
    Json json = {out, 0, true};
    OutputChar(out, '{');
    json.depth = 1;
    Item(&json, "smbios_version");
    if (table->data == NULL) {
        OutputText(out, "null");
    } else {
        OutputChar(out, '"');
        OutputNumber(out, table->major);
        OutputChar(out, '.');
        OutputNumber(out, table->minor);
        OutputChar(out, '"');
    }
    Bios(&json, table, today);
    System(&json, table);
    Board(&json, table);
    Chassis(&json, table);
    Processors(&json, table);
    MemoryArrays(&json, table);
    MemoryDevices(&json, table);
    Tpm(&json, table);
    OemStrings(&json, table);
    Rom(&json, rom);
    OutputText(out, "\n}\n");
}
