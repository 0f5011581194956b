// Romprobe's text summary: headings with aligned "Label: value" lines, in German or English,
// in Windows-1252 with CR LF line ends. Values the tables do not hold are left out. Plain code.
#ifndef ROMPROBE_SUMMARY_WRITER_H
#define ROMPROBE_SUMMARY_WRITER_H

#include "output.h"
#include "calendar.h"
#include "secure_boot_facts.h"
#include "smbios_facts.h"

// language: 1 = German, 0 = English.
void WriteSummary(const SmbiosTable *table, const RomFacts *rom, const SecureBootFacts *secureBoot,
                  const CalendarDate &today, int language, Output *out);

#endif
