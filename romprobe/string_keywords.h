// Romprobe's -s KEYWORD: one fact, one line per structure that holds it, without a label, in
// the words dmidecode -s prints (the UUID in upper case, a string the table does not hold as an
// empty line, the processor ID as Windows' ProcessorId). Plain code.
#ifndef ROMPROBE_STRING_KEYWORDS_H
#define ROMPROBE_STRING_KEYWORDS_H

#include "output.h"
#include "smbios.h"

// The keyword with this index, or NULL past the last one.
const char *KeywordName(int index);

// The keywords of the tables come first, then those of Secure Boot: the index among those,
// or -1 for a keyword of the tables.
int SecureBootKeyword(int keyword);

// Whether the keyword's fact is read from the SMBIOS tables.
bool KeywordReadsTables(int keyword);

// The lines of the keyword's values, in Windows-1252 with CR LF; nothing when no structure
// holds the fact.
void WriteKeywordValues(const SmbiosTable *table, int keyword, Output *out);

#endif
