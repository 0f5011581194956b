// Calendar arithmetic shared by Firmlook and Romprobe: Modified Julian Day numbers, Gregorian
// from 15 October 1582 and Julian before, and weekdays. Plain code without <windows.h>.
#ifndef COMMON_CALENDAR_H
#define COMMON_CALENDAR_H

struct CalendarDate {
    int year;
    int month;
    int day;
};

bool IsGregorian(int year, int month, int day);
int DayNumber(int year, int month, int day);
// 1 = Sunday .. 7 = Saturday; 0 for an invalid date or a year outside 1583..9999.
int WeekdayOf(int day, int month, int year);

#endif
