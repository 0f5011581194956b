#include "release_date.h"

#include <stddef.h>

#include "text_helpers.h"

bool ReadReleaseDate(SmbiosText text, CalendarDate *date) {
    const unsigned char *p = text.bytes;
    if (p == NULL || (text.length != 8 && text.length != 10) || !AreDigits(p, 2) || p[2] != '/' ||
        !AreDigits(p + 3, 2) || p[5] != '/' || !AreDigits(p + 6, text.length - 6))
        return false;
    int year = DigitsValue(p + 6, text.length - 6);
    if (text.length == 8)
        year += year < 80 ? 2000 : 1900;
    int month = DigitsValue(p, 2), day = DigitsValue(p + 3, 2);
    if (year < 1980 || year > 2079 || WeekdayOf(day, month, year) == 0)
        return false;
    date->year = year;
    date->month = month;
    date->day = day;
    return true;
}
