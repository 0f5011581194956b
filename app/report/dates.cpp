#include "dates.h"

#include <string.h>

#include "format_text.h"

namespace {

const char *const kMonthsGerman[14] = {"n/a ", "Jan.", "Feb.", "März", "Apr.", "Mai ", "Juni",
                                       "Juli", "Aug.", "Sep.", "Okt.", "Nov.", "Dez.", "n/a "};
const char *const kMonthsEnglish[14] = {"n/a ", "Jan.", "Feb.", "Mar.", "Apr.", "May ", "June",
                                        "July", "Aug.", "Sep.", "Oct.", "Nov.", "Dec.", "n/a "};
const char *const kWeekdaysGerman[8] = {"",         "Sonntag",    "Montag",  "Dienstag",
                                        "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
const char *const kWeekdaysEnglish[8] = {"",          "Sunday",   "Monday", "Tuesday",
                                         "Wednesday", "Thursday", "Friday", "Saturday"};
const char *const kOrdinalSuffixes[4] = {"th", "st", "nd", "rd"};

// Copies count characters from position start (counted from 0) of text into field,
// stopping at the end of the text.
void CutField(const char *text, int textLength, int start, int count, char *field) {
    int n = 0;
    for (int i = start; i < start + count && i < textLength; ++i)
        field[n++] = text[i];
    field[n] = '\0';
}

} // namespace

const char *MonthName(int month, int language) {
    if (month < 1 || month > 12)
        month = 13;
    return language ? kMonthsGerman[month] : kMonthsEnglish[month];
}

const char *WeekdayName(int weekday, int language) {
    if (weekday < 1 || weekday > 7)
        weekday = 0;
    return language ? kWeekdaysGerman[weekday] : kWeekdaysEnglish[weekday];
}

int ParseDecimal(const char *text) {
    const char *p = text;
    bool negative = false;
    while (*p == ' ')
        ++p;
    if (*p == '+') {
        ++p;
    } else if (*p == '-') {
        negative = true;
        ++p;
    }
    while (*p == '0')
        ++p;
    // Unsigned accumulation: an absurdly long digit run wraps instead of overflowing.
    unsigned value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        value = value * 10u + static_cast<unsigned>(*p - '0');
    return static_cast<int>(negative ? 0u - value : value);
}

int OrdinalSuffixIndex(int day) {
    int r = day % 100;
    if (r >= 10 && r <= 20)
        return 0;
    switch (r % 10) {
    case 1:
        return 1;
    case 2:
        return 2;
    case 3:
        return 3;
    default:
        return 0;
    }
}

void AppendDateDecoration(const char *dateText, DateLayout layout, const char *arrow,
                          const CalendarDate &today, int language, ReportText *report) {
    AppendDateDecorationBytes(dateText, static_cast<int>(strlen(dateText)), layout, arrow, today,
                              language, report);
}

void AppendDateDecorationBytes(const char *dateText, int textLength, DateLayout layout,
                               const char *arrow, const CalendarDate &today, int language,
                               ReportText *report) {
    char dayField[8], monthField[8], yearField[8];
    bool twoDigitYear = false;
    switch (layout) {
    case kLayoutYearMonthDay:
        CutField(dateText, textLength, 5, 2, monthField);
        CutField(dateText, textLength, 8, 2, dayField);
        CutField(dateText, textLength, 0, 4, yearField);
        break;
    case kLayoutMonthDayYearLong:
        CutField(dateText, textLength, 0, 2, monthField);
        CutField(dateText, textLength, 3, 2, dayField);
        CutField(dateText, textLength, 6, 4, yearField);
        break;
    case kLayoutMonthDayYearShort:
    default:
        CutField(dateText, textLength, 0, 2, monthField);
        CutField(dateText, textLength, 3, 2, dayField);
        CutField(dateText, textLength, 6, 2, yearField);
        twoDigitYear = true;
        break;
    }
    int day = ParseDecimal(dayField);
    int month = ParseDecimal(monthField);
    int year = ParseDecimal(yearField);
    if (month < 1 || month > 12)
        month = 13;
    if (twoDigitYear) {
        year += 1900;
        if (year < 1980)
            year += 100;
    }

    char line[128];
    if (language)
        FormatText(line, sizeof line, "%02d. %s %4d", day, MonthName(month, 1), year);
    else
        FormatText(line, sizeof line, "%s %2d%s %4d", MonthName(month, 0), day,
                   kOrdinalSuffixes[OrdinalSuffixIndex(day)], year);
    ReportAppend(report, arrow);
    ReportAppend(report, line);

    int weekday = WeekdayOf(day, month, year);
    if (weekday == 0)
        return;
    const char *weekdayName = WeekdayName(weekday, language);
    FormatText(line, sizeof line, "  [%s] ", weekdayName);
    ReportAppend(report, line);
    ReportAppendBlanks(report, 11 - static_cast<int>(strlen(weekdayName)));

    int age = DayNumber(today.year, today.month, today.day) - DayNumber(year, month, day);
    if (age < 0) {
        ReportAppend(report, language ? "(Zurück in die Zukunft?) " : "(Back to the Future?) ");
        return;
    }
    if (language)
        FormatText(line, sizeof line, "(vor %d Tag%s", age, age == 1 ? ") " : "en) ");
    else
        FormatText(line, sizeof line, "(%d Day%s", age, age == 1 ? " ago) " : "s ago) ");
    ReportAppend(report, line);
}
