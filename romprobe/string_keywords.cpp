#include "string_keywords.h"

#include <stddef.h>

#include "smbios_facts.h"

namespace {

enum ValueKind {
    kString,   // the string whose number stands at the field
    kRevision, // two bytes "major.minor", none when either is 0xFF
    kUuid,
    kChassisType,
    kProcessorFamily,
    kProcessorFrequency,
    kProcessorId
};

struct Keyword {
    const char *name;
    unsigned char type, field, kind;
};

const Keyword kKeywords[] = {
    {"bios-vendor", 0, 0x04, kString},
    {"bios-version", 0, 0x05, kString},
    {"bios-release-date", 0, 0x08, kString},
    {"bios-revision", 0, 0x14, kRevision},
    {"firmware-revision", 0, 0x16, kRevision},
    {"system-manufacturer", 1, 0x04, kString},
    {"system-product-name", 1, 0x05, kString},
    {"system-version", 1, 0x06, kString},
    {"system-serial-number", 1, 0x07, kString},
    {"system-uuid", 1, 0x08, kUuid},
    {"system-sku-number", 1, 0x19, kString},
    {"system-family", 1, 0x1A, kString},
    {"baseboard-manufacturer", 2, 0x04, kString},
    {"baseboard-product-name", 2, 0x05, kString},
    {"baseboard-version", 2, 0x06, kString},
    {"baseboard-serial-number", 2, 0x07, kString},
    {"baseboard-asset-tag", 2, 0x08, kString},
    {"chassis-manufacturer", 3, 0x04, kString},
    {"chassis-type", 3, 0x05, kChassisType},
    {"chassis-version", 3, 0x06, kString},
    {"chassis-serial-number", 3, 0x07, kString},
    {"chassis-asset-tag", 3, 0x08, kString},
    {"processor-family", 4, 0x06, kProcessorFamily},
    {"processor-manufacturer", 4, 0x07, kString},
    {"processor-version", 4, 0x10, kString},
    {"processor-frequency", 4, 0x16, kProcessorFrequency},
    {"processor-id", 4, 0x08, kProcessorId},
};

const char kOutOfSpec[] = "<OUT OF SPEC>";

void Line(Output *out, const char *text) {
    OutputText(out, text == NULL ? kOutOfSpec : text);
    OutputText(out, "\r\n");
}

// One structure's line, or nothing when it is too short to hold the field.
void Value(const SmbiosTable *table, const SmbiosStructure *s, const Keyword &keyword,
           Output *out) {
    if (SmbiosByte(s, keyword.field) < 0)
        return;
    if (keyword.kind == kString) {
        SmbiosText text = SmbiosRawString(s, keyword.field);
        for (int i = 0; i < text.length; ++i) {
            unsigned char c = text.bytes[i];
            OutputChar(out, c < 0x20 || c == 0x7F ? '.' : static_cast<char>(c));
        }
        OutputText(out, "\r\n");
    } else if (keyword.kind == kRevision) {
        long long major = SmbiosByte(s, keyword.field), minor = SmbiosByte(s, keyword.field + 1);
        if (minor < 0 || major == 0xFF || minor == 0xFF)
            return;
        OutputNumber(out, major);
        OutputChar(out, '.');
        OutputNumber(out, minor);
        OutputText(out, "\r\n");
    } else if (keyword.kind == kUuid) {
        char uuid[37];
        UuidState state = ReadUuid(table, s, uuid);
        if (state != kUuidAbsent)
            Line(out, state == kUuidZeros  ? "Not Settable"
                      : state == kUuidOnes ? "Not Present"
                                           : uuid);
    } else if (keyword.kind == kChassisType) {
        Line(out, ChassisTypeName(SmbiosByte(s, keyword.field)));
    } else {
        ProcessorFacts cpu;
        ReadProcessorFacts(table, s, &cpu);
        if (keyword.kind == kProcessorFamily) {
            Line(out, cpu.family);
        } else if (keyword.kind == kProcessorId) {
            if (cpu.id[0] != '\0')
                Line(out, cpu.id);
        } else if (SmbiosWord(s, keyword.field) >= 0) {
            if (cpu.currentSpeedMhz < 0) {
                Line(out, "Unknown");
                return;
            }
            OutputNumber(out, cpu.currentSpeedMhz);
            Line(out, " MHz");
        }
    }
}

} // namespace

const char *KeywordName(int index) {
    return index >= 0 && index < static_cast<int>(sizeof kKeywords / sizeof *kKeywords)
               ? kKeywords[index].name
               : NULL;
}

void WriteKeywordValues(const SmbiosTable *table, int keyword, Output *out) {
    if (KeywordName(keyword) == NULL)
        return;
    SmbiosStructure s;
    for (int offset = 0; SmbiosFind(table, kKeywords[keyword].type, &offset, &s);)
        Value(table, &s, kKeywords[keyword], out);
}
