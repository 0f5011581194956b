#include <gtest/gtest.h>

#include <string>

#include "report/dates.h"

namespace {

const int kGerman = 1;
const int kEnglish = 0;

std::string Decorate(const char *date, DateLayout layout, CalendarDate today, int language,
                     const char *arrow = "-->  ") {
    static ReportText report;
    ReportReset(&report);
    AppendDateDecoration(date, layout, arrow, today, language, &report);
    return report.text;
}

const CalendarDate k20March2011 = {2011, 3, 20};

TEST(DateDecoration, WeekdayColumnAndAgeInBothLanguages) {
    EXPECT_EQ(Decorate("03/15/11", kLayoutMonthDayYearShort, k20March2011, kGerman),
              "-->  15. März 2011  [Dienstag]    (vor 5 Tagen) ");
    EXPECT_EQ(Decorate("03/15/11", kLayoutMonthDayYearShort, k20March2011, kEnglish),
              "-->  Mar. 15th 2011  [Tuesday]     (5 Days ago) ");
    // The longest weekday name still gets one blank.
    EXPECT_EQ(Decorate("03/17/11", kLayoutMonthDayYearShort, k20March2011, kGerman),
              "-->  17. März 2011  [Donnerstag]  (vor 3 Tagen) ");
}

TEST(DateDecoration, GermanTextIsWindows1252) {
    std::string text = Decorate("03/15/11", kLayoutMonthDayYearShort, k20March2011, kGerman);
    EXPECT_EQ(static_cast<unsigned char>(text[10]), 0xE4u); // the a-umlaut of "März"
    text = Decorate("01/01/30", kLayoutMonthDayYearShort, k20March2011, kGerman);
    EXPECT_NE(text.find("Zur\xFC"
                        "ck in die Zukunft?"),
              std::string::npos);
}

TEST(DateDecoration, DayPaddingAndOrdinalSuffixes) {
    EXPECT_EQ(Decorate("01/01/11", kLayoutMonthDayYearShort, k20March2011, kEnglish),
              "-->  Jan.  1st 2011  [Saturday]    (78 Days ago) ");
    EXPECT_EQ(Decorate("01/05/11", kLayoutMonthDayYearShort, k20March2011, kGerman).substr(0, 18),
              "-->  05. Jan. 2011");
    const struct {
        int day;
        const char *suffix;
    } cases[] = {{11, "th"}, {12, "th"}, {13, "th"}, {21, "st"}, {22, "nd"},
                 {23, "rd"}, {31, "st"}, {2, "nd"},  {3, "rd"},  {4, "th"}};
    for (const auto &c : cases) {
        char date[16];
        snprintf(date, sizeof date, "01/%02d/11", c.day);
        std::string text = Decorate(date, kLayoutMonthDayYearShort, k20March2011, kEnglish);
        EXPECT_EQ(text.substr(12, 2), c.suffix) << c.day;
    }
}

TEST(DateDecoration, SingularAndPluralAges) {
    CalendarDate today = {2011, 3, 16};
    EXPECT_NE(Decorate("03/15/11", kLayoutMonthDayYearShort, today, kGerman).find("(vor 1 Tag) "),
              std::string::npos);
    EXPECT_NE(Decorate("03/15/11", kLayoutMonthDayYearShort, today, kEnglish).find("(1 Day ago) "),
              std::string::npos);
    EXPECT_NE(Decorate("03/16/11", kLayoutMonthDayYearShort, today, kGerman).find("(vor 0 Tagen) "),
              std::string::npos);
    EXPECT_NE(Decorate("03/16/11", kLayoutMonthDayYearShort, today, kEnglish).find("(0 Days ago) "),
              std::string::npos);
}

TEST(DateDecoration, TwoDigitYearWindowAndFutureDates) {
    CalendarDate today = {2026, 12, 7};
    EXPECT_EQ(Decorate("06/01/79", kLayoutMonthDayYearShort, today, kEnglish),
              "-->  June  1st 2079  [Thursday]    (Back to the Future?) ");
    EXPECT_EQ(Decorate("06/01/79", kLayoutMonthDayYearShort, today, kGerman),
              "-->  01. Juni 2079  [Donnerstag]  (Zur\xFC"
              "ck in die Zukunft?) ");
    EXPECT_NE(Decorate("06/01/80", kLayoutMonthDayYearShort, today, kEnglish).find("1980"),
              std::string::npos);
    EXPECT_NE(Decorate("06/01/00", kLayoutMonthDayYearShort, today, kEnglish).find("2000"),
              std::string::npos);
}

TEST(DateDecoration, InvalidDatesGetNoWeekdayOrAge) {
    EXPECT_EQ(Decorate("00/15/11", kLayoutMonthDayYearShort, k20March2011, kEnglish),
              "-->  n/a  15th 2011");
    EXPECT_EQ(Decorate("13/15/11", kLayoutMonthDayYearShort, k20March2011, kGerman),
              "-->  15. n/a  2011");
    EXPECT_EQ(Decorate("02/29/11", kLayoutMonthDayYearShort, k20March2011, kGerman),
              "-->  29. Feb. 2011");
    EXPECT_NE(
        Decorate("02/29/12", kLayoutMonthDayYearShort, k20March2011, kGerman).find("[Mittwoch]"),
        std::string::npos);
    EXPECT_EQ(Decorate("04/31/11", kLayoutMonthDayYearShort, k20March2011, kEnglish),
              "-->  Apr. 31st 2011");
    // Non-numeric fields parse as 0.
    EXPECT_EQ(Decorate("xx/yy/zz", kLayoutMonthDayYearShort, k20March2011, kEnglish),
              "-->  n/a   0th 2000");
}

TEST(DateDecoration, ShortOrTruncatedTextsAreCutSafely) {
    // A ROM date may end early at a zero byte: the missing fields count as empty.
    EXPECT_EQ(Decorate("12/2", kLayoutMonthDayYearShort, k20March2011, kEnglish),
              "-->  Dec.  2nd 2000  [Saturday]    (3760 Days ago) ");
    EXPECT_EQ(Decorate("", kLayoutYearMonthDay, k20March2011, kEnglish), "-->  n/a   0th    0");
}

TEST(DateDecoration, FourDigitLayouts) {
    CalendarDate today = {2010, 12, 31};
    const char *expected = "  -->  Dec. 24th 2010  [Friday]      (7 Days ago) ";
    EXPECT_EQ(Decorate("2010-12-24", kLayoutYearMonthDay, today, kEnglish, "  -->  "), expected);
    EXPECT_EQ(Decorate("12/24/2010", kLayoutMonthDayYearLong, today, kEnglish, "  -->  "),
              expected);
    EXPECT_EQ(Decorate("03/01/1600", kLayoutMonthDayYearLong, today, kEnglish).find("[Wednesday]"),
              21u);
    EXPECT_EQ(Decorate("03/01/1582", kLayoutMonthDayYearLong, today, kEnglish),
              "-->  Mar.  1st 1582");
}

TEST(Calendar, DayNumberFixedPointsAndCalendarChange) {
    EXPECT_EQ(DayNumber(1858, 11, 17), 0);
    EXPECT_EQ(DayNumber(2000, 1, 1), 51544);
    EXPECT_EQ(DayNumber(1582, 10, 4), -100841);
    EXPECT_EQ(DayNumber(1582, 10, 15), -100840);
    // Consecutive across month and year ends, including a Julian leap day.
    EXPECT_EQ(DayNumber(2000, 3, 1) - DayNumber(2000, 2, 28), 2);
    EXPECT_EQ(DayNumber(1900, 3, 1) - DayNumber(1900, 2, 28), 1);
    EXPECT_EQ(DayNumber(1500, 3, 1) - DayNumber(1500, 2, 28), 2);
    EXPECT_EQ(DayNumber(2011, 1, 1) - DayNumber(2010, 12, 31), 1);
    // Negative years use the Julian branch for negative y.
    EXPECT_EQ(DayNumber(-1, 3, 1) - DayNumber(-2, 3, 1), 365);
}

TEST(Calendar, GregorianStartsOn15October1582) {
    EXPECT_FALSE(IsGregorian(1582, 10, 14));
    EXPECT_TRUE(IsGregorian(1582, 10, 15));
    EXPECT_TRUE(IsGregorian(1582, 11, 1));
    EXPECT_FALSE(IsGregorian(1582, 9, 30));
    EXPECT_TRUE(IsGregorian(1583, 1, 1));
}

TEST(Calendar, WeekdayRangeAndNegativeDayNumbers) {
    EXPECT_EQ(WeekdayOf(17, 11, 1858), 4); // day number 0 is a Wednesday
    EXPECT_EQ(WeekdayOf(16, 11, 1858), 3);
    EXPECT_EQ(WeekdayOf(1, 1, 1583), 7);  // negative day number, remainder kept in 0..6
    EXPECT_EQ(WeekdayOf(7, 12, 2026), 2); // a Monday
    EXPECT_EQ(WeekdayOf(31, 12, 9999), 6);
    EXPECT_EQ(WeekdayOf(1, 1, 10000), 0);
    EXPECT_EQ(WeekdayOf(31, 12, 1582), 0);
    EXPECT_EQ(WeekdayOf(0, 1, 2000), 0);
    EXPECT_EQ(WeekdayOf(29, 2, 1900), 0);
    EXPECT_EQ(WeekdayOf(29, 2, 2000), 3);
}

TEST(Calendar, OrdinalSuffixIndex) {
    EXPECT_EQ(OrdinalSuffixIndex(1), 1);
    EXPECT_EQ(OrdinalSuffixIndex(10), 0);
    EXPECT_EQ(OrdinalSuffixIndex(20), 0);
    EXPECT_EQ(OrdinalSuffixIndex(101), 1);
    EXPECT_EQ(OrdinalSuffixIndex(111), 0);
    EXPECT_EQ(OrdinalSuffixIndex(-1), 0);
    EXPECT_EQ(OrdinalSuffixIndex(0), 0);
}

TEST(Calendar, ParseDecimal) {
    EXPECT_EQ(ParseDecimal("  007"), 7);
    EXPECT_EQ(ParseDecimal("+12x"), 12);
    EXPECT_EQ(ParseDecimal("-42"), -42);
    EXPECT_EQ(ParseDecimal("- 4"), 0);
    EXPECT_EQ(ParseDecimal("\t5"), 0);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("2147483647"), 2147483647);
    ParseDecimal("99999999999999999999"); // wraps, never traps
}

} // namespace
