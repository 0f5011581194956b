// Romprobe's facts, one table for each section: for each fact its JSON key, its label in the
// summary in English and German, its -s keyword and how its value is read. The JSON, the
// summary and -s all walk these tables. Plain code.
#ifndef ROMPROBE_FACT_TABLES_H
#define ROMPROBE_FACT_TABLES_H

#include "smbios_facts.h"

struct Fact {
    const char *key;              // in the JSON, in the table's order; NULL: not there
    const char *english, *german; // the summary's label; NULL: not there
    const char *keyword;          // of -s; NULL: none
    unsigned char kind;           // FactKind: how the value is read,
    unsigned char at, more;       // from which field, and what the kind needs besides
    unsigned char line, word;     // its place in the summary and among -s's keywords of the
                                  // section, from 1; 0: not there
};

enum SectionForm {
    kFirstStructure, // an object of the first structure of the type; without one, all absent
    kEachStructure,  // an array of an object for each structure
    kFirstOrNull,    // an object of the first structure, null without one
    kOemStrings,     // an array of the strings of all the structures, numbered in the summary
    // The forms from here on read no SMBIOS table.
    kRomWindow // an object of the ROM window's dates, null without a window
};

struct Section {
    const char *key;              // in the JSON
    const char *english, *german; // the summary's heading; NULL: the one before goes on
    unsigned char type;           // of the structures
    unsigned char form;           // SectionForm
    unsigned char inUse;          // a FactKind telling which structures the summary shows; 0: all
    const char *othersEnglish, *othersGerman; // the summary's count of those it leaves out
    const Fact *facts;
    int count;
};

extern const Section kSections[];
extern const int kSectionCount;

// The fact at a place of the summary (summary true) or of the keywords, NULL past the last.
const Fact *FactAt(const Section &section, int place, bool summary);

#endif
