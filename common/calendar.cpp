#include "calendar.h"

namespace {

// Integer part of 30.6001 * (month + 1), with January and February as months 13 and 14.
const int kMonthOffsets[13] = {0, 428, 459, 122, 153, 183, 214, 244, 275, 306, 336, 367, 397};
const int kMonthLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

bool IsGregorian(int year, int month, int day) {
    return year > 1582 || (year == 1582 && month > 10) || (year == 1582 && month == 10 && day > 14);
}

int DayNumber(int year, int month, int day) {
    int y = (month == 1 || month == 2) ? year - 1 : year;
    int k;
    if (IsGregorian(year, month, day))
        k = y / 400 - y / 100 + y / 4;
    else if (y < 0)
        k = (y + 1) / 4 - 3;
    else
        k = y / 4 - 2;
    int offset = (month >= 1 && month <= 12) ? kMonthOffsets[month] : 0;
    return day + k + offset + 365 * y - 679004;
}

int WeekdayOf(int day, int month, int year) {
    if (month < 1 || month > 12)
        return 0;
    bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    int daysInMonth = kMonthLengths[month] + (month == 2 && leap ? 1 : 0);
    if (year < 1583 || year > 9999 || day < 1 || day > daysInMonth)
        return 0;
    int r = (DayNumber(year, month, day) + 3) % 7;
    if (r < 0)
        r += 7;
    return r + 1;
}
