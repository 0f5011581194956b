#include "summary_writer.h"

#include <string.h>

#include "text_helpers.h"

namespace {

const int kLabelWidth = 19; // the longest label and its colon, and a blank

struct Summary {
    Output *out;
    int language;
    const char *heading; // written before the section's first line
    bool started;        // something has been written
    bool gap;            // a blank line goes before the next line (between entries)
};

void Section(Summary *summary, const char *english, const char *german) {
    summary->heading = summary->language ? german : english;
    summary->gap = false;
}

// Starts a line: the pending heading or gap, then the label, padded.
void Label(Summary *summary, const char *english, const char *german) {
    Output *out = summary->out;
    if (summary->heading != NULL) {
        if (summary->started)
            OutputText(out, "\r\n");
        OutputText(out, summary->heading);
        OutputText(out, "\r\n");
        summary->heading = NULL;
    } else if (summary->gap) {
        OutputText(out, "\r\n");
    }
    summary->gap = false;
    summary->started = true;
    const char *label = summary->language ? german : english;
    OutputText(out, "  ");
    OutputText(out, label);
    OutputChar(out, ':');
    for (int i = static_cast<int>(strlen(label)) + 1; i < kLabelWidth; ++i)
        OutputChar(out, ' ');
}

// A table string; control bytes show as '?'.
void Text(Summary *summary, const char *english, const char *german, SmbiosText text) {
    if (text.bytes == NULL || text.length == 0)
        return;
    Label(summary, english, german);
    for (int i = 0; i < text.length; ++i) {
        unsigned char c = text.bytes[i];
        OutputChar(summary->out, c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c));
    }
    OutputText(summary->out, "\r\n");
}

void Name(Summary *summary, const char *english, const char *german, const char *name) {
    SmbiosText text = {reinterpret_cast<const unsigned char *>(name),
                       name == NULL ? 0 : static_cast<int>(strlen(name))};
    Text(summary, english, german, text);
}

void Number(Summary *summary, const char *english, const char *german, long long value,
            const char *unit) {
    if (value < 0)
        return;
    Label(summary, english, german);
    OutputNumber(summary->out, value);
    OutputText(summary->out, unit);
    OutputText(summary->out, "\r\n");
}

void Revision(Summary *summary, const char *english, const char *german, int major, int minor) {
    if (major < 0)
        return;
    Label(summary, english, german);
    OutputNumber(summary->out, major);
    OutputChar(summary->out, '.');
    OutputNumber(summary->out, minor);
    OutputText(summary->out, "\r\n");
}

void Bios(Summary *s, const SmbiosTable *table, const CalendarDate &today) {
    BiosFacts bios;
    ReadBiosFacts(table, &bios);
    Section(s, "BIOS", "BIOS");
    if (table->data != NULL)
        Revision(s, "SMBIOS version", "SMBIOS-Version", table->major, table->minor);
    Text(s, "Vendor", "Hersteller", bios.vendor);
    Text(s, "Version", "Version", bios.version);
    Text(s, "Release date", "Freigabedatum", bios.releaseDate);
    if (bios.year != 0) {
        int age = BiosAgeDays(&bios, today);
        const char *unit =
            s->language ? (age == 1 ? " Tag" : " Tage") : (age == 1 ? " day" : " days");
        Label(s, "Age", "Alter");
        OutputNumber(s->out, age);
        OutputText(s->out, unit);
        OutputText(s->out, "\r\n");
    }
    Number(s, "ROM size", "ROM-Größe", bios.romSizeKb, " KB");
    Revision(s, "BIOS revision", "BIOS-Revision", bios.major, bios.minor);
    Revision(s, "EC revision", "EC-Revision", bios.ecMajor, bios.ecMinor);
    if (bios.uefi >= 0)
        Name(s, "UEFI", "UEFI",
             s->language ? (bios.uefi ? "ja" : "nein") : (bios.uefi ? "yes" : "no"));
}

void System(Summary *s, const SmbiosTable *table) {
    SystemFacts system;
    ReadSystemFacts(table, &system);
    Section(s, "System", "System");
    Text(s, "Manufacturer", "Hersteller", system.manufacturer);
    Text(s, "Product", "Produkt", system.product);
    Text(s, "Version", "Version", system.version);
    Text(s, "Serial number", "Seriennummer", system.serial);
    Text(s, "SKU", "SKU", system.sku);
    Text(s, "Family", "Familie", system.family);
    Name(s, "UUID", "UUID", system.uuid);
}

void BoardAndChassis(Summary *s, const SmbiosTable *table) {
    BoardFacts board;
    ReadBoardFacts(table, &board);
    Section(s, "Board", "Hauptplatine");
    Text(s, "Manufacturer", "Hersteller", board.manufacturer);
    Text(s, "Product", "Produkt", board.product);
    Text(s, "Version", "Version", board.version);
    Text(s, "Serial number", "Seriennummer", board.serial);
    Text(s, "Asset tag", "Inventarnummer", board.assetTag);

    ChassisFacts chassis;
    ReadChassisFacts(table, &chassis);
    Section(s, "Chassis", "Gehäuse");
    Name(s, "Type", "Typ", chassis.type);
    Text(s, "Manufacturer", "Hersteller", chassis.manufacturer);
    Text(s, "Version", "Version", chassis.version);
    Text(s, "Serial number", "Seriennummer", chassis.serial);
    Text(s, "Asset tag", "Inventarnummer", chassis.assetTag);
}

// A line that counts what the list above left out.
void Others(Summary *s, const char *english, const char *german, int count) {
    if (count == 0)
        return;
    s->gap = s->heading == NULL;
    Number(s, english, german, count, "");
}

void Processors(Summary *s, const SmbiosTable *table) {
    Section(s, "Processors", "Prozessoren");
    SmbiosStructure structure;
    int others = 0;
    for (int offset = 0; SmbiosFind(table, 4, &offset, &structure);) {
        ProcessorFacts cpu;
        ReadProcessorFacts(table, &structure, &cpu);
        if (cpu.populated != 1 || cpu.status != kCpuEnabled) {
            ++others; // an empty socket, or a processor the BIOS or the user turned off
            continue;
        }
        s->gap = s->heading == NULL;
        Text(s, "Socket", "Sockel", cpu.socket);
        Text(s, "Manufacturer", "Hersteller", cpu.manufacturer);
        Text(s, "Version", "Version", cpu.version);
        Name(s, "Family", "Familie", cpu.family);
        Name(s, "ID", "ID", cpu.id);
        Number(s, "Max. speed", "Max. Takt", cpu.maxSpeedMhz, " MHz");
        Number(s, "Current speed", "Aktueller Takt", cpu.currentSpeedMhz, " MHz");
        Number(s, "Cores", "Kerne", cpu.cores, "");
        Number(s, "Threads", "Threads", cpu.threads, "");
    }
    Others(s, "Other sockets", "Weitere Sockel", others);
}

void Memory(Summary *s, const SmbiosTable *table) {
    Section(s, "Memory", "Speicher");
    SmbiosStructure structure;
    for (int offset = 0; SmbiosFind(table, 16, &offset, &structure);) {
        MemoryArrayFacts array;
        ReadMemoryArrayFacts(&structure, &array);
        s->gap = s->heading == NULL;
        Name(s, "Array location", "Ort", array.location);
        Name(s, "Use", "Verwendung", array.use);
        Name(s, "Error correction", "Fehlerkorrektur", array.errorCorrection);
        long long megabytes = array.maxCapacityKb < 0 ? -1 : array.maxCapacityKb / 1024;
        bool gigabytes = megabytes > 0 && megabytes % 1024 == 0;
        Number(s, "Max. capacity", "Max. Kapazität", gigabytes ? megabytes / 1024 : megabytes,
               gigabytes ? " GB" : " MB");
        Number(s, "Slots", "Steckplätze", array.devices, "");
    }
    int empty = 0;
    for (int offset = 0; SmbiosFind(table, 17, &offset, &structure);) {
        MemoryFacts memory;
        ReadMemoryFacts(&structure, &memory);
        if (memory.sizeKb == 0) {
            ++empty;
            continue;
        }
        s->gap = s->heading == NULL;
        Text(s, "Locator", "Steckplatz", memory.locator);
        Text(s, "Bank", "Bank", memory.bank);
        if (memory.sizeKb % 1024 == 0)
            Number(s, "Size", "Größe", memory.sizeKb / 1024, " MB");
        else
            Number(s, "Size", "Größe", memory.sizeKb, " KB");
        Name(s, "Type", "Typ", memory.type);
        Number(s, "Speed", "Takt", memory.speedMts, " MT/s");
        Text(s, "Manufacturer", "Hersteller", memory.manufacturer);
        Text(s, "Serial number", "Seriennummer", memory.serial);
        Text(s, "Part number", "Teilenummer", memory.partNumber);
    }
    Others(s, "Empty slots", "Leere Steckplätze", empty);
}

void TpmAndOemStrings(Summary *s, const SmbiosTable *table) {
    TpmFacts tpm;
    ReadTpmFacts(table, &tpm);
    Section(s, "TPM", "TPM");
    if (tpm.present) {
        Name(s, "Vendor ID", "Hersteller-ID", tpm.vendorId);
        Revision(s, "TPM version", "TPM-Version", tpm.specMajor, tpm.specMinor);
        Name(s, "Firmware version", "Firmware-Version", tpm.firmware);
        Text(s, "Description", "Beschreibung", tpm.description);
    }
    Section(s, "OEM strings", "OEM-Texte");
    SmbiosStructure structure;
    unsigned long number = 0;
    for (int offset = 0; SmbiosFind(table, 11, &offset, &structure);) {
        for (long long n = 1; n <= SmbiosByte(&structure, 0x04); ++n) {
            SmbiosText text = SmbiosNumberedString(&structure, n);
            while (text.length > 0 && text.bytes[text.length - 1] == ' ')
                --text.length;
            // "String 1" and "Text 1": the number counts over all the structures.
            char english[24] = "String ", german[24] = "Text ";
            DecimalText(english + 7, ++number);
            DecimalText(german + 5, number);
            Text(s, english, german, text);
        }
    }
}

void Rom(Summary *s, const RomFacts *rom) {
    Section(s, "ROM", "ROM");
    SmbiosText system = {reinterpret_cast<const unsigned char *>(rom->systemDate),
                         rom->window ? rom->systemLength : 0};
    Text(s, "System BIOS date", "System-BIOS-Datum", system);
    if (rom->window)
        Name(s, "Video BIOS date", "Video-BIOS-Datum", rom->videoDate);
}

} // namespace

void WriteSummary(const SmbiosTable *table, const RomFacts *rom, const CalendarDate &today,
                  int language, Output *out) {
    Summary summary = {out, language, NULL, false, false};
    Bios(&summary, table, today);
    System(&summary, table);
    BoardAndChassis(&summary, table);
    Processors(&summary, table);
    Memory(&summary, table);
    TpmAndOemStrings(&summary, table);
    Rom(&summary, rom);
}
