#include "json_writer.h"

#include <stddef.h>

#include "fact_tables.h"
#include "json_parts.h"
#include "secure_boot_json.h"
#include "text_helpers.h"

namespace {

// Windows-1252 0x80 to 0x9F; the five bytes the code page leaves undefined keep their value.
const unsigned short kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// One fact: null for a value the table does not hold; a text of the table as it stands
// (trailing blanks kept) when raw.
void Value(Json *json, const char *key, const FactValue &value, bool raw) {
    JsonItem(json, key);
    Output *out = json->out;
    switch (value.state) {
    case kFactText:
        OutputJsonString(out, value.text.bytes, raw ? value.rawLength : value.text.length);
        break;
    case kFactNumber:
        OutputNumber(out, value.number);
        break;
    case kFactRevision:
        OutputChar(out, '"');
        OutputNumber(out, value.number);
        OutputChar(out, '.');
        OutputNumber(out, value.minor);
        OutputChar(out, '"');
        break;
    case kFactFlag:
        OutputText(out, value.number ? "true" : "false");
        break;
    case kFactKilobytes:
        OutputMegabytes(out, value.number);
        break;
    default:
        OutputText(out, "null");
    }
}

// The facts of one structure (or of the ROM window) as an object.
void Object(Json *json, const char *key, const Section &section, const FactSource &source) {
    JsonOpen(json, key, '{');
    for (int i = 0; i < section.count; ++i) {
        const Fact &fact = section.facts[i];
        if (fact.key == NULL || fact.kind == kTableVersion)
            continue;
        FactValue value;
        ReadFact(source, fact.kind, fact.at, fact.more, &value);
        Value(json, fact.key, value, false);
    }
    JsonClose(json, '}');
}

void WriteSection(Json *json, const Section &section, FactSource source) {
    // A fact of the whole table stands before the section.
    for (int i = 0; i < section.count; ++i) {
        if (section.facts[i].kind == kTableVersion) {
            FactValue value;
            ReadFact(source, kTableVersion, 0, 0, &value);
            Value(json, section.facts[i].key, value, false);
        }
    }
    SmbiosStructure s;
    int offset = 0;
    bool found = SmbiosFind(source.table, section.type, &offset, &s);
    source.structure = found ? &s : NULL; // NULL reads as a structure that holds nothing
    switch (section.form) {
    case kEachStructure:
    case kOemStrings:
        JsonOpen(json, section.key, '[');
        for (; found; found = SmbiosFind(source.table, section.type, &offset, &s)) {
            if (section.form == kEachStructure) {
                Object(json, NULL, section, source);
                continue;
            }
            for (long long n = 1; n <= SmbiosByte(&s, 0x04); ++n) {
                FactValue value;
                ReadFact(source, kNumberedString, static_cast<int>(n), 0, &value);
                Value(json, NULL, value, true);
            }
        }
        JsonClose(json, ']');
        break;
    default: // an object; null without the structure or the window it is read from
        if (section.form == kFirstOrNull && !found)
            JsonNull(json, section.key);
        else if (section.form == kRomWindow && !source.rom->window)
            JsonNull(json, section.key);
        else
            Object(json, section.key, section, source);
    }
}

} // namespace

void OutputJsonString(Output *out, const unsigned char *bytes, int length) {
    OutputChar(out, '"');
    for (int i = 0; i < length; ++i) {
        unsigned code = bytes[i];
        if (code >= 0x80 && code < 0xA0)
            code = kHighControls[code - 0x80];
        if (code < 0x20 || (code >= 0x7F && code < 0xA0)) {
            char escape[6] = {'\\', 'u'};
            PutHex(escape + 2, code, 4, true);
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

void WriteJson(const SmbiosTable *table, const RomFacts *rom, const SecureBootFacts *secureBoot,
               const CalendarDate &today, Output *out) {
    Json json = {out, 1, true};
    OutputChar(out, '{');
    const FactSource source = {table, NULL, rom, today};
    for (int i = 0; i < kSectionCount; ++i)
        WriteSection(&json, kSections[i], source);
    WriteSecureBootJson(secureBoot, &json);
    OutputText(out, "\n}\n");
}
