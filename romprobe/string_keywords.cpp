#include "string_keywords.h"

#include <stddef.h>

#include "fact_tables.h"
#include "secure_boot_keywords.h"

namespace {

// The keyword's section and fact; false past the last keyword.
bool FindKeyword(int keyword, const Section **section, const Fact **fact) {
    for (int i = 0; keyword >= 0 && i < kSectionCount; ++i) {
        for (int word = 1; (*fact = FactAt(kSections[i], word, false)) != NULL; ++word) {
            if (keyword-- == 0) {
                *section = &kSections[i];
                return true;
            }
        }
    }
    return false;
}

// One structure's line: the value as dmidecode -s shows it, control bytes as '.'; nothing
// when the structure is too short to hold the field.
void Line(const FactValue &value, int kind, Output *out) {
    if (value.state == kFactOutside || (value.state == kFactNone && value.none == NULL))
        return;
    if (value.state == kFactNone) {
        OutputText(out, value.none);
    } else if (value.state == kFactText) {
        for (int i = 0; i < value.rawLength; ++i) {
            unsigned char c = value.text.bytes[i];
            OutputChar(out, c < 0x20 || c == 0x7F ? '.' : static_cast<char>(c));
        }
    } else {
        OutputNumber(out, value.number);
        if (value.state == kFactRevision) {
            OutputChar(out, '.');
            OutputNumber(out, value.minor);
        }
        OutputText(out, FactUnit(kind));
    }
    OutputText(out, "\r\n");
}

} // namespace

const char *KeywordName(int index) {
    const Section *section;
    const Fact *fact;
    if (FindKeyword(index, &section, &fact))
        return fact->keyword;
    int secureBoot = SecureBootKeyword(index);
    return secureBoot >= 0 ? SecureBootKeywordName(secureBoot) : NULL;
}

int SecureBootKeyword(int keyword) {
    int tables = 0;
    const Section *section;
    const Fact *fact;
    while (FindKeyword(tables, &section, &fact))
        ++tables;
    return keyword >= tables ? keyword - tables : -1;
}

bool KeywordReadsTables(int keyword) {
    const Section *section;
    const Fact *fact;
    return FindKeyword(keyword, &section, &fact) && section->form < kRomWindow;
}

void WriteKeywordValues(const SmbiosTable *table, int keyword, Output *out) {
    const Section *section;
    const Fact *fact;
    if (!FindKeyword(keyword, &section, &fact))
        return;
    SmbiosStructure s;
    const FactSource source = {table, section->form < kRomWindow ? &s : NULL, NULL, {0, 0, 0}};
    FactValue value;
    if (source.structure == NULL) { // one value, from elsewhere than the tables
        ReadFact(source, fact->kind, fact->at, fact->more, &value);
        Line(value, fact->kind, out);
    }
    for (int offset = 0;
         source.structure != NULL && SmbiosFind(table, section->type, &offset, &s);) {
        ReadFact(source, fact->kind, fact->at, fact->more, &value);
        Line(value, fact->kind, out);
    }
}
