// The BIOS release date of SMBIOS structure type 0, read one way for Romprobe's own output
// and for the date record Firmlook shows. Plain code.
#ifndef ROMPROBE_RELEASE_DATE_H
#define ROMPROBE_RELEASE_DATE_H

#include "calendar.h"
#include "smbios.h"

// "MM/DD/YYYY", or "MM/DD/YY" with its year in 1980 to 2079 as Firmlook reads it, from the
// string without its trailing blanks. Only a real calendar day within the years a two-digit
// year can name counts; false otherwise.
bool ReadReleaseDate(SmbiosText text, CalendarDate *date);

#endif
