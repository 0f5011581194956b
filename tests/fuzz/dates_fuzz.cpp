// The date decoration with any date text or bytes, layout and today, the decimal parser with
// any text, and the calendar with any date of the weekday range.
//
// Input: today's year, month and day (16 bits each, as the platform's date record holds them),
// layout, language, report fill (16 bits), arrow, a calendar date (day, month, 16-bit year),
// then the date: as a text up to its first NUL, and as bytes of the whole rest.
#include <ctype.h>
#include <stdlib.h>
#include <string>

#include "fuzz_support.h"
#include "report/dates.h"

namespace {

const char *const kArrows[3] = {"-->  ", "    -->  ", "  -->  "};

// Where the text is a sign and at most 18 significant digits after plain blanks, the parser
// agrees with the C library, modulo 2^32 as its wrap-around promises.
void CheckParseDecimal(const char *text) {
    int parsed = ParseDecimal(text);
    const char *p = text;
    while (*p == ' ')
        ++p;
    if (isspace(static_cast<unsigned char>(*p))) {
        FUZZ_CHECK(parsed == 0); // only blanks are skipped
        return;
    }
    const char *digits = p + (*p == '+' || *p == '-');
    while (*digits == '0')
        ++digits;
    int count = 0;
    while (digits[count] >= '0' && digits[count] <= '9')
        ++count;
    if (count > 18)
        return;
    long long expected = strtoll(p, NULL, 10);
    FUZZ_CHECK(static_cast<uint32_t>(parsed) == static_cast<uint32_t>(expected));
}

// Day numbers run on without a gap from one valid day to the next, and so do the weekdays.
void CheckCalendar(int day, int month, int year) {
    int weekday = WeekdayOf(day, month, year);
    FUZZ_CHECK(weekday >= 0 && weekday <= 7);
    if (weekday == 0)
        return;
    int nextDay = day + 1, nextMonth = month, nextYear = year;
    if (WeekdayOf(nextDay, nextMonth, nextYear) == 0) {
        nextDay = 1;
        if (++nextMonth > 12) {
            nextMonth = 1;
            ++nextYear;
        }
    }
    FUZZ_CHECK(DayNumber(nextYear, nextMonth, nextDay) == DayNumber(year, month, day) + 1);
    if (nextYear <= 9999)
        FUZZ_CHECK(WeekdayOf(nextDay, nextMonth, nextYear) == weekday % 7 + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in = {data, size};
    const CalendarDate today = TakeToday(&in);
    DateLayout layout = static_cast<DateLayout>(Take8(&in) % 3);
    int language = Take8(&in) & 1;
    int fill = TakeFill(&in);
    const char *arrow = kArrows[Take8(&in) % 3];
    int day = 1 + Take8(&in) % 31;
    int month = 1 + Take8(&in) % 12;
    int year = 1583 + Take16(&in) % (9999 - 1583 + 1);
    std::string text(reinterpret_cast<const char *>(in.data), in.size);

    CheckParseDecimal(text.c_str());
    CheckCalendar(day, month, year);

    static ReportText report;
    PrefillReport(&report, fill);
    AppendDateDecoration(text.c_str(), layout, arrow, today, language, &report);
    // Arrow, date, weekday column and age: each piece is one short formatted line.
    CheckAppended(&report, fill, static_cast<int>(strlen(arrow)) + 3 * 127);
    if (fill == 0)
        FUZZ_CHECK(strncmp(report.text, arrow, strlen(arrow)) == 0);

    // The same bytes as a record field: zero bytes inside, no terminator after them. Without
    // zero bytes the decoration is the same as that of the text.
    static ReportText fromBytes;
    PrefillReport(&fromBytes, fill);
    char *bytes = static_cast<char *>(malloc(in.size));
    memcpy(bytes, in.data, in.size);
    AppendDateDecorationBytes(bytes, static_cast<int>(in.size), layout, arrow, today, language,
                              &fromBytes);
    free(bytes);
    CheckAppended(&fromBytes, fill, static_cast<int>(strlen(arrow)) + 3 * 127);
    if (memchr(in.data, 0, in.size) == NULL)
        FUZZ_CHECK(strcmp(fromBytes.text, report.text) == 0);
    return 0;
}
