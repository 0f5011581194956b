#include "summary_writer.h"

#include <string.h>

#include "fact_tables.h"
#include "secure_boot_summary.h"
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

// One fact's line, or nothing for a value the table does not hold. Texts show control bytes
// as '?'; a module's size is in MB when whole, else in KB, an array's capacity in GB when
// whole, else in MB.
void Line(Summary *s, const Fact &fact, const char *english, const char *german,
          const FactValue &value) {
    if (value.state == kFactOutside || value.state == kFactNone ||
        (value.state == kFactText && value.text.length == 0))
        return;
    Label(s, english, german);
    Output *out = s->out;
    long long number = value.number;
    const char *unit = "";
    switch (value.state) {
    case kFactText:
        for (int i = 0; i < value.text.length; ++i) {
            unsigned char c = value.text.bytes[i];
            OutputChar(out, c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c));
        }
        break;
    case kFactRevision:
        OutputNumber(out, number);
        OutputChar(out, '.');
        OutputNumber(out, value.minor);
        break;
    case kFactFlag:
        OutputText(out, s->language ? (number ? "ja" : "nein") : (number ? "yes" : "no"));
        break;
    default:
        if (fact.kind == kMaxCapacity) {
            number /= 1024;
            bool gigabytes = number > 0 && number % 1024 == 0;
            unit = gigabytes ? " GB" : " MB";
            number /= gigabytes ? 1024 : 1;
        } else if (fact.kind == kMemorySize) {
            unit = number % 1024 == 0 ? " MB" : " KB";
            number /= number % 1024 == 0 ? 1024 : 1;
        } else if (fact.kind == kAgeDays) {
            unit =
                s->language ? (number == 1 ? " Tag" : " Tage") : (number == 1 ? " day" : " days");
        } else {
            unit = FactUnit(fact.kind);
        }
        OutputNumber(out, number);
        OutputText(out, unit);
    }
    OutputText(out, "\r\n");
}

// The facts of one structure, in the summary's order.
void Lines(Summary *s, const Section &section, const FactSource &source) {
    const Fact *fact;
    for (int line = 1; (fact = FactAt(section, line, true)) != NULL; ++line) {
        FactValue value;
        ReadFact(source, fact->kind, fact->at, fact->more, &value);
        Line(s, *fact, fact->english, fact->german, value);
    }
}

// The strings of all the structures, numbered over them all: "String 1", "Text 1", ...
void NumberedStrings(Summary *s, const Section &section, FactSource source) {
    SmbiosStructure structure;
    source.structure = &structure;
    unsigned long number = 0;
    for (int offset = 0; SmbiosFind(source.table, section.type, &offset, &structure);) {
        for (long long n = 1; n <= SmbiosByte(&structure, 0x04); ++n) {
            FactValue value;
            ReadFact(source, kNumberedString, static_cast<int>(n), 0, &value);
            char english[24], german[24];
            strcpy(english, section.facts[0].english);
            strcpy(german, section.facts[0].german);
            ++number;
            DecimalText(english + strlen(english), number);
            DecimalText(german + strlen(german), number);
            Line(s, section.facts[0], english, german, value);
        }
    }
}

void WriteSection(Summary *s, const Section &section, FactSource source) {
    if (section.english != NULL) {
        s->heading = s->language ? section.german : section.english;
        s->gap = false;
    }
    if (section.form == kOemStrings) {
        NumberedStrings(s, section, source);
        return;
    }
    SmbiosStructure structure;
    source.structure = &structure;
    int offset = 0, others = 0;
    bool found = SmbiosFind(source.table, section.type, &offset, &structure);
    if (section.form != kEachStructure) {
        source.structure = found ? &structure : NULL; // NULL reads as holding nothing
        Lines(s, section, source);
        return;
    }
    for (; found; found = SmbiosFind(source.table, section.type, &offset, &structure)) {
        FactValue inUse;
        inUse.number = 1;
        if (section.inUse != 0)
            ReadFact(source, section.inUse, 0, 0, &inUse);
        if (inUse.number == 0) {
            ++others; // an empty socket or slot, or a processor the BIOS or the user turned off
            continue;
        }
        s->gap = s->heading == NULL;
        Lines(s, section, source);
    }
    if (others > 0) {
        s->gap = s->heading == NULL;
        Label(s, section.othersEnglish, section.othersGerman);
        OutputNumber(s->out, others);
        OutputText(s->out, "\r\n");
    }
}

} // namespace

void WriteSummary(const SmbiosTable *table, const RomFacts *rom, const SecureBootFacts *secureBoot,
                  const CalendarDate &today, int language, Output *out) {
    Summary summary = {out, language, NULL, false, false};
    const FactSource source = {table, NULL, rom, today};
    for (int i = 0; i < kSectionCount; ++i)
        WriteSection(&summary, kSections[i], source);
    WriteSecureBootSummary(secureBoot, language, summary.started, out);
}
