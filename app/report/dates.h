// Firmware date decoration: the date with its month name, weekday and age, on the calendar
// arithmetic of common/calendar.h. Pure code without <windows.h>.
#ifndef FIRMLOOK_DATES_H
#define FIRMLOOK_DATES_H

#include "calendar.h"
#include "report_text.h"

// How the day, month and year fields lie in a date text.
enum DateLayout {
    kLayoutMonthDayYearShort, // "MM/DD/YY"
    kLayoutYearMonthDay,      // "YYYY-MM-DD"
    kLayoutMonthDayYearLong   // "MM/DD/YYYY"
};

// Appends arrow, formatted date, weekday and age of dateText relative to today.
// language: 1 = German, 0 = English.
void AppendDateDecoration(const char *dateText, DateLayout layout, const char *arrow,
                          const CalendarDate &today, int language, ReportText *report);
// The same for a date of textLength bytes that may hold zero bytes (a field cut at a zero
// byte ends there).
void AppendDateDecorationBytes(const char *dateText, int textLength, DateLayout layout,
                               const char *arrow, const CalendarDate &today, int language,
                               ReportText *report);

int ParseDecimal(const char *text);
// Index into "th", "st", "nd", "rd".
int OrdinalSuffixIndex(int day);

const char *MonthName(int month, int language); // month outside 1..12 gives "n/a "
const char *WeekdayName(int weekday, int language);

#endif
