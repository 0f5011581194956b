// The --json form of Romprobe's facts: one JSON object in UTF-8, with every key present and
// null for what the tables do not hold. Plain code.
#ifndef ROMPROBE_JSON_WRITER_H
#define ROMPROBE_JSON_WRITER_H

#include "output.h"
#include "calendar.h"
#include "secure_boot_facts.h"
#include "smbios_facts.h"

// A Windows-1252 string as a JSON string: UTF-8, with control characters as \u escapes.
void OutputJsonString(Output *out, const unsigned char *bytes, int length);

// table may hold no table; rom->window false gives "rom": null.
void WriteJson(const SmbiosTable *table, const RomFacts *rom, const SecureBootFacts *secureBoot,
               const CalendarDate &today, Output *out);

#endif
