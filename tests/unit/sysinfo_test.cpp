#include <gtest/gtest.h>

#include <string.h>
#include <string>

#include "sysinfo/system_text.h"
#include "sysinfo/version_name.h"

namespace {

VersionFacts Facts(int queryCount, int major, int minor, int build, unsigned platform = 2,
                   unsigned char productType = 1, unsigned productCode = 0, int wow64 = 0,
                   const char *servicePack = "") {
    VersionFacts f;
    memset(&f, 0, sizeof f);
    f.queryCount = queryCount;
    f.major = major;
    f.minor = minor;
    f.build = build;
    f.platformId = platform;
    f.productType = productType;
    f.productCode = productCode;
    f.wow64 = wow64;
    strcpy(f.servicePack, servicePack);
    return f;
}

std::string Name(const VersionFacts &f) {
    char text[kVersionNameSize];
    memset(text, 'x', sizeof text);
    ComposeWindowsVersionName(&f, text);
    return text;
}

TEST(VersionName, NineXLineByBuild) {
    const struct {
        int minor, build;
        const char *name;
    } cases[] = {{0, 950, "Windows 95 "},
                 {0, 951, "Windows 95A (OSR 1.0) "},
                 {0, 1110, "Windows 95A (OSR 1.0) "},
                 {0, 1111, "Windows 95B (OSR 2.0) "},
                 {0, 1212, "Windows 95B (OSR 2.1) "},
                 {3, 1213, "Windows 95B (OSR 2.1) "},
                 {3, 1214, "Windows 95C (OSR 2.5) "},
                 {10, 1997, "Windows 98 "},
                 {10, 1998, "Windows 98 (Final Release) "},
                 {10, 1999, "Windows 98 (Final Release) "},
                 {10, 2222, "Windows 98 (Second Edition) "},
                 {90, 3000, "Windows ME "},
                 {5, 100, "Windows NT 4.5 "}};
    for (const auto &c : cases)
        EXPECT_EQ(Name(Facts(1, 4, c.minor, c.build, 1)), c.name) << c.minor << "." << c.build;
    EXPECT_EQ(Name(Facts(1, 4, 10, 2222, 1, 1, 0, 0, "A")), "Windows 98 (Second Edition) A");
}

TEST(VersionName, NtFourAndFailedQueries) {
    EXPECT_EQ(Name(Facts(0, 0, 0, 0, 0)), "Windows NT 0.0 ");
    EXPECT_EQ(Name(Facts(1, 4, 0, 1381, 2, 1, 0, 0, "Service Pack 6")),
              "Windows NT 4.0 Service Pack 6");
    EXPECT_EQ(Name(Facts(1, 3, 51, 1057)), "Windows NT 3.51 ");
}

TEST(VersionName, FiveAndSixReleasesWithServerNames) {
    EXPECT_EQ(Name(Facts(2, 5, 0, 2195, 2, 1, 0, 0, "Service Pack 4")),
              "Windows 2000 Service Pack 4");
    EXPECT_EQ(Name(Facts(2, 5, 0, 2195, 2, 3, 0, 0, "Service Pack 4")),
              "Windows 2000 Server Service Pack 4");
    EXPECT_EQ(Name(Facts(2, 5, 1, 2600, 2, 1, 0, 0, "Service Pack 3")),
              "Windows XP (32Bit Windows Version) Service Pack 3");
    EXPECT_EQ(Name(Facts(2, 5, 1, 2600, 2, 2)), "Windows XP (32Bit Windows Version) ");
    EXPECT_EQ(Name(Facts(2, 5, 2, 3790, 2, 1, 0, 1, "Service Pack 2")),
              "Windows XP x64 Edition (64Bit Windows Version) Service Pack 2");
    EXPECT_EQ(Name(Facts(2, 5, 2, 3790, 2, 1, 0, 0, "SP2")),
              "Windows Server 2003 or ReactOS (32Bit Windows Version) SP2");
    EXPECT_EQ(Name(Facts(2, 5, 2, 3790, 2, 3, 0, 0, "SP2")),
              "Windows Server 2003 (32Bit Windows Version) SP2");
    EXPECT_EQ(Name(Facts(2, 6, 1, 7601, 2, 1, 48, 1, "Service Pack 1")),
              "Windows Seven Professional (64Bit Windows Version) Service Pack 1");
    EXPECT_EQ(Name(Facts(2, 6, 0, 6002, 2, 1, 26, 0)),
              "Windows Vista Home Premium N (32Bit Windows Version) ");
    EXPECT_EQ(Name(Facts(2, 6, 2, 9200, 2, 3, 7, 0)),
              "Windows Server 2012 (32Bit Windows Version) ");
    EXPECT_EQ(Name(Facts(2, 6, 1, 7601, 2, 2)), "Windows Server 2008 R2 (32Bit Windows Version) ");
    EXPECT_EQ(Name(Facts(2, 6, 0, 6001, 2, 3, 71)),
              "Windows Server 2008 Ultimate E (32Bit Windows Version) ");
}

TEST(VersionName, UnknownReleasesAndPartialQueries) {
    EXPECT_EQ(Name(Facts(2, 11, 0, 30000, 2, 1, 48, 1)),
              "Windows unknown Windows Professional (64Bit Windows Version) ");
    EXPECT_EQ(Name(Facts(2, 6, 4, 9600, 2, 3, 8)),
              "Windows unknown Windows (32Bit Windows Version) ");
    EXPECT_EQ(Name(Facts(2, 5, 3, 1)), "Windows unknown Windows (32Bit Windows Version) ");
    // Only the basic query: a workstation name and no edition.
    EXPECT_EQ(Name(Facts(1, 6, 1, 7601, 2, 3, 48)), "Windows Seven (32Bit Windows Version) ");
    const VersionFacts basicOnly = Facts(1, 6, 1, 7601), xp = Facts(2, 5, 1, 2600),
                       w2000 = Facts(2, 5, 0, 2195);
    EXPECT_FALSE(NeedsProductInfo(&basicOnly));
    EXPECT_TRUE(NeedsWow64Query(&xp));
    EXPECT_FALSE(NeedsWow64Query(&w2000));
}

// 6.3 and 10.0 by name; 10.0 is told apart by build.
TEST(VersionName, EightPointOneToElevenAndTheirServers) {
    const struct {
        int minor, build, type;
        const char *name;
    } cases[] = {{3, 9600, 1, "8.1"},          {3, 9600, 3, "Server 2012 R2"},
                 {0, 19045, 1, "10"},          {0, 21999, 1, "10"},
                 {0, 22000, 1, "11"},          {0, 22631, 1, "11"},
                 {0, 17762, 3, "Server 2016"}, {0, 17763, 2, "Server 2019"},
                 {0, 20347, 3, "Server 2019"}, {0, 20348, 3, "Server 2022"},
                 {0, 26099, 3, "Server 2022"}, {0, 26100, 3, "Server 2025"}};
    for (const auto &c : cases)
        EXPECT_EQ(Name(Facts(2, c.minor ? 6 : 10, c.minor, c.build, 2, c.type, 0, 1)),
                  std::string("Windows ") + c.name + " (64Bit Windows Version) ");
    EXPECT_EQ(Name(Facts(2, 10, 0, 22631, 2, 1, 0x30, 1)),
              "Windows 11 Professional (64Bit Windows Version) ");
}

TEST(VersionName, EveryProductCodeRow) {
    const struct {
        unsigned code;
        const char *edition;
    } rows[] = {{1, " Ultimate"},
                {2, " Home Basic"},
                {3, " Home Premium"},
                {4, " Enterprise"},
                {5, " Home Basic N"},
                {6, " Business"},
                {11, " Starter"},
                {16, " Business N"},
                {26, " Home Premium N"},
                {27, " Enterprise N"},
                {28, " Ultimate N"},
                {47, " Starter N"},
                {48, " Professional"},
                {49, " Professional N"},
                {66, " Starter E"},
                {67, " Home Basic E"},
                {68, " Home Premium E"},
                {69, " Professional E"},
                {70, " Enterprise E"},
                {71, " Ultimate E"},
                {0x65, " Home"},
                {0x62, " Home N"},
                {0x63, " Home China"},
                {0x64, " Home Single Language"},
                {0x79, " Education"},
                {0x7A, " Education N"},
                {0xA1, " Pro for Workstations"},
                {0x7D, " Enterprise LTSC"},
                {0x7E, " Enterprise N LTSC"},
                {0, ""},
                {7, ""},
                {0xABCDEF, ""}};
    for (const auto &row : rows)
        EXPECT_EQ(Name(Facts(2, 6, 1, 7601, 2, 1, row.code, 1)),
                  std::string("Windows Seven") + row.edition + " (64Bit Windows Version) ")
            << row.code;
}

TEST(VersionName, LongestLineFitsItsBuffer) {
    std::string pack(kServicePackSize - 1, 'S');
    std::string name = Name(Facts(2, 5, 2, 3790, 2, 1, 0, 1, pack.c_str()));
    EXPECT_EQ(name, "Windows XP x64 Edition (64Bit Windows Version) " + pack);
    EXPECT_LT(name.size(), static_cast<size_t>(kVersionNameSize));
}

std::string Text(void (*build)(ReportText *)) {
    static ReportText report;
    ReportReset(&report);
    build(&report);
    return std::string(report.text, report.length);
}

TEST(SystemText, MemorySectionInBothLanguages) {
    static MemoryFigures figures = {{37, 2047, 1290, 4094, 2800, 2047, 1990}, 7};
    std::string english = Text([](ReportText *r) { WriteMemorySection(r, &figures, 0); });
    EXPECT_EQ(english, "\r\n Used Memory: 37% \r\n"
                       "\r\n Physical Memory:        2047 MB "
                       "\r\n Free Physical Memory:   1290 MB "
                       "\r\n Maximum Page Memory:    4094 MB "
                       "\r\n Free Page Memory:       2800 MB "
                       "\r\n Virtual Memory:         2047 MB "
                       "\r\n Free Virtual Memory:    1990 MB "
                       "\r\n\r\n Values acc. to Win-API \"GlobalMemoryStatusEx\" "
                       "\r\n (de facto more installed RAM is possible) ");
    std::string german = Text([](ReportText *r) { WriteMemorySection(r, &figures, 1); });
    const std::string germanStart = "\r\n Speicherbelegung: 37% \r\n"
                                    "\r\n Physikalischer Speicher:          2047 MB ";
    EXPECT_EQ(german.substr(0, germanStart.size()), germanStart);
    EXPECT_NE(
        german.find("\r\n\r\n Werte gem\xE4\xDF Win-API \"GlobalMemoryStatusEx\" \r\n (es kann "
                    "aber mehr RAM-Speicher installiert sein) "),
        std::string::npos);
    figures.figure[1] = 123456;
    figures.exportCount = 0;
    english = Text([](ReportText *r) { WriteMemorySection(r, &figures, 0); });
    EXPECT_NE(english.find("\r\n Physical Memory:       123456 MB "), std::string::npos);
    EXPECT_NE(english.find("\"GlobalMemoryStatus\" "), std::string::npos);
}

TEST(SystemText, FallbackShiftsUnsigned32BitCounts) {
    MemoryFigures figures;
    MemoryFromStatus(&figures, 55, 3221225472u, 1073741823u, 0xFFFFFFFFu, 1048576u, 1048575u, 0);
    EXPECT_EQ(figures.figure[0], 55);
    EXPECT_EQ(figures.figure[1], 3072);
    EXPECT_EQ(figures.figure[2], 1023);
    EXPECT_EQ(figures.figure[3], 4095);
    EXPECT_EQ(figures.figure[4], 1);
    EXPECT_EQ(figures.figure[5], 0);
}

TEST(SystemText, ProcessorLines) {
    EXPECT_EQ(Text([](ReportText *r) { AppendProcessorLines(r, 1, 2999, 0); }),
              "\r\n\r\n Number of Processors: 1 \r\n Actual CPU-Frequency: ~2999 MHz");
    EXPECT_EQ(Text([](ReportText *r) { AppendProcessorLines(r, 2, 0, 1); }),
              "\r\n\r\n Anzahl der Prozessoren: 2 "
              "\r\n (nur ein Prozessor wird vom Programm verwendet) ");
    EXPECT_EQ(Text([](ReportText *r) { AppendProcessorLines(r, 4, 3400, 1); }),
              "\r\n\r\n Anzahl der Prozessoren: 4 \r\n Aktuelle CPU-Frequenz:  ~3400 MHz"
              "\r\n (nur ein Prozessor wird vom Programm verwendet) ");
}

std::string Duration(unsigned seconds, int language, int daysShown = 0) {
    static ReportText report;
    ReportReset(&report);
    AppendDuration(&report, seconds, language, &daysShown);
    return report.text;
}

TEST(SystemText, DurationUnitsAndDayFlag) {
    EXPECT_EQ(Duration(90061, 0), "1 Day   1 Hour   1 Minute   1 Second ");
    EXPECT_EQ(Duration(90061, 1), "1 Tag   1 Stunde   1 Minute   1 Sekunde ");
    EXPECT_EQ(Duration(3600, 0), " 1 Hour   0 Minutes  0 Seconds ");
    EXPECT_EQ(Duration(180122, 0), "2 Days  2 Hours  2 Minutes  2 Seconds ");
    EXPECT_EQ(Duration(59, 1), " 0 Stunden  0 Minuten 59 Sekunden ");
    EXPECT_EQ(Duration(0, 0, 1), "0 Day   0 Hours  0 Minutes  0 Seconds ");
    EXPECT_EQ(Duration(0xFFFFFFFFu, 0), "49710 Days  6 Hours 28 Minutes 15 Seconds ");
}

TEST(SystemText, UptimesShareTheDayFlag) {
    // Windows up 2 days, the program 5 minutes.
    const unsigned tick = (2 * 86400 + 600) * 1000u;
    const unsigned start = 2 * 86400 + 300;
    static ReportText report;
    ReportReset(&report);
    AppendUptimes(&report, tick, start, 0);
    EXPECT_STREQ(report.text, "\r\n\r\n Windows Uptime: 2 Days  0 Hours 10 Minutes  0 Seconds "
                              "\r\n Program Uptime: 0 Day   0 Hours  5 Minutes  0 Seconds ");
    ReportReset(&report);
    AppendUptimes(&report, 3000000u, 2900u, 0); // under a day: no day counts
    EXPECT_STREQ(report.text, "\r\n\r\n Windows Uptime:  0 Hours 50 Minutes  0 Seconds "
                              "\r\n Program Uptime:  0 Hours  1 Minute  40 Seconds ");
    ReportReset(&report);
    // Started 2 minutes before the 32-bit count wrapped, 50 s ago: modulo 2^32 ms.
    AppendUptimes(&report, 50000u, (0x100000000ull - 120000) / 1000, 1);
    EXPECT_STREQ(report.text, "\r\n\r\n Windows Uptime:  0 Stunden  0 Minuten 50 Sekunden "
                              "\r\n Program Uptime:  0 Stunden  2 Minuten 50 Sekunden ");
}

TEST(SystemText, VersionAndNameLines) {
    EXPECT_EQ(Text([](ReportText *r) { AppendVersionLines(r, 6, 1, 7601, "Windows Seven ", 0); }),
              "\r\n\r\n Operating System Version: \r\n Major Version: 6 - Minor Version: 1 - "
              "Build: 7601 \r\n = Windows Seven ");
    EXPECT_EQ(
        Text([](ReportText *r) { AppendVersionLines(r, 5, 1, 2600, "", 1); }),
        "\r\n\r\n Betriebssystem Version: \r\n Hauptversion: 5 - Unterversion: 1 - Build: 2600 ");
    EXPECT_EQ(Text([](ReportText *r) {
                  AppendNameLine(r, 0, "anna");
                  AppendNameLine(r, 1, "PC1");
                  AppendNameLine(r, 2, "");
                  AppendRawFirmwareDate(r, 0, "06/20/19", 0);
                  AppendRawFirmwareDate(r, 1, "11/03/17", 1);
              }),
              "\r\n\r\n User     Name    = anna\r\n Computer Name    = PC1\r\n Default  Printer = "
              "\r\n\r\n System-BIOS-Date:     06/20/19\r\n Video-BIOS-Datum:       11/03/17");
}

} // namespace
