#include <gtest/gtest.h>

#include <string.h>
#include <string>

#include "../../common/helper_exit.h"
#include "report/helper_command.h"
#include "report/rom_text.h"

namespace {

const CalendarDate kToday = {2011, 3, 20};

std::string RomLines(const std::string &file, int language) {
    RomRecord record;
    RomRecordClear(&record);
    for (unsigned char c : file)
        RomRecordStore(&record, c);
    static ReportText report;
    ReportReset(&report);
    AppendRomDateLines(&record, kToday, language, &report);
    return report.text;
}

// A result file: system date, a blank, the marker, a blank, the video date.
std::string ProbeFile(const char *system, char marker, const char *video) {
    return std::string(system) + ' ' + marker + ' ' + video;
}

TEST(RomDates, LinesAndColumnsMatchTheRegistryLines) {
    EXPECT_EQ(RomLines(ProbeFile("03/15/11", '-', "2010-12-24"), 0),
              "\r\n\r\n ROM-System-BIOS-Date:     03/15/11    -->  Mar. 15th 2011  [Tuesday]"
              "     (5 Days ago) "
              "\r\n ROM-Video-BIOS-Date:      2010-12-24  -->  Dec. 24th 2010  [Friday]"
              "      (86 Days ago) ");
    EXPECT_EQ(RomLines(ProbeFile("03/15/11", '+', "12/24/2010"), 1),
              "\r\n\r\n ROM-System-BIOS-Datum:  03/15/11    -->  15. M\xE4rz 2011  [Dienstag]"
              "    (vor 5 Tagen) "
              "\r\n ROM-Video-BIOS-Datum:   12/24/2010  -->  24. Dez. 2010  [Freitag]"
              "     (vor 86 Tagen) ");
    // Any other marker: an 8-character video date with the longer arrow.
    const std::string other = RomLines(ProbeFile("03/15/11", 'x', "12/24/10  "), 0);
    EXPECT_EQ(other.substr(other.find("\r\n ROM-Video")),
              "\r\n ROM-Video-BIOS-Date:      12/24/10    -->  Dec. 24th 2010  [Friday]"
              "      (86 Days ago) ");
}

TEST(RomDates, FileLengthDecidesTheLines) {
    const std::string full = ProbeFile("03/15/11", '-', "2010-12-24") + "ABC";
    EXPECT_EQ(RomLines(full.substr(0, 7), 0), "");
    EXPECT_EQ(RomLines(full.substr(0, 16), 0).find("ROM-Video"), std::string::npos);
    EXPECT_NE(RomLines(full.substr(0, 16), 0).find("ROM-System-BIOS-Date:     03/15/11"),
              std::string::npos);
    // 17 bytes: the video line, its date cut at the end of what was stored.
    EXPECT_NE(RomLines(full.substr(0, 17), 0)
                  .find("ROM-Video-BIOS-Date:      2010-1  -->  Jan.  0th 2010"),
              std::string::npos);
    // Only the first 24 bytes count.
    EXPECT_EQ(RomLines(full + std::string(76, '9'), 0), RomLines(full, 0));
}

TEST(RomDates, ZeroBytesEndTheShownTextButNotTheDecoration) {
    std::string file = ProbeFile("03/1", '+', "12/24/2010");
    file[4] = '\0';
    EXPECT_EQ(RomLines(file, 0).substr(0, 44), "\r\n\r\n ROM-System-BIOS-Date:     03/1    -->  ");
    // The fields are cut from the record bytes: "12", a zero byte, "15/10" is 15 Dec. 2010.
    file = ProbeFile("12_15/10", '-', "2010_12-24");
    file[2] = '\0';
    file[15] = '\0';
    EXPECT_EQ(RomLines(file, 0),
              "\r\n\r\n ROM-System-BIOS-Date:     12    -->  Dec. 15th 2010  [Wednesday]   "
              "(95 Days ago) "
              "\r\n ROM-Video-BIOS-Date:      2010  -->  Dec. 24th 2010  [Friday]      "
              "(86 Days ago) ");
    std::string junk(24, '\xFF');
    std::string lines = RomLines(junk, 0);
    EXPECT_NE(lines.find("n/a "), std::string::npos);
    EXPECT_EQ(RomLines(std::string(24, '\0'), 0),
              "\r\n\r\n ROM-System-BIOS-Date:         -->  n/a   0th 2000"
              "\r\n ROM-Video-BIOS-Date:          -->  n/a   0th 2000");
}

TEST(DumpCommand, ClampsSegmentAndOffsetOnly) {
    char line[64];
    FormatDumpCommand(line, sizeof line, 0, 0, 1);
    EXPECT_STREQ(line, "ROMPROBE xybioszz 0 0 1");
    FormatDumpCommand(line, sizeof line, 9, 8, 9);
    EXPECT_STREQ(line, "ROMPROBE xybioszz 7 7 9");
    FormatDumpCommand(line, sizeof line, 4000000000u, 7, 0);
    EXPECT_STREQ(line, "ROMPROBE xybioszz 7 7 0");
}

std::string Dump(const std::string &file, int language) {
    static ReportText report;
    ReportAppend(&report, "old text is replaced");
    AppendDumpHeading(&report, language);
    DumpCopier copier = {0};
    for (unsigned char c : file)
        if (!DumpTakeByte(&copier, c, &report))
            break;
    return std::string(report.text, report.length);
}

TEST(Dump, HeadingRuleAndLineBreaks) {
    EXPECT_EQ(Dump("AB\r\nCD\r\n", 0),
              "\r\n Memory-Content (4kB Block from the First Megabyte): \r\n " +
                  std::string(51, '=') + "\r\n\r\n AB\r\n CD\r\n ");
    EXPECT_EQ(Dump("AB\nCD", 1), "\r\n Speicher-Inhalt (4kB Block vom ersten Megabyte): \r\n " +
                                     std::string(48, '=') + "\r\n\r\n AB\r\n CD");
    EXPECT_EQ(Dump(std::string("A\0B\rC\x01\xFF", 7), 0).substr(114), "ABC\x01\xFF");
}

TEST(Dump, RuleIsAsLongAsTheHeading) {
    for (int language : {0, 1}) {
        std::string text = Dump("", language);
        size_t heading = text.find("\r\n", 2) - 2;
        size_t rule = text.find("\r\n", heading + 4) - (heading + 4);
        EXPECT_EQ(heading - 1, rule) << language; // the heading's trailing blank is not ruled
    }
}

TEST(Dump, LargeFilesStopAfter31999Bytes) {
    std::string big(100000, 'x');
    std::string text = Dump(big, 0);
    EXPECT_EQ(text.size(), 114u + 31999u); // heading, rule and indent come first
    // Line feeds widen the text; the report buffer still ends at its limit.
    std::string lines(100000, '\n');
    text = Dump(lines, 0);
    EXPECT_EQ(text.size(), static_cast<size_t>(kReportTextMax));
}

TEST(Dump, ErrorTextInBothLanguages) {
    const HelperRun noWindow = {kHelperEnded, kHelperExitNoRomWindow};
    const HelperRun notStarted = {kHelperNotStarted, 5};
    ReportText report;
    ReportReset(&report); // without our own helper the run does not change the text
    AppendDumpError(&report, 0, false, noWindow);
    AppendDumpError(&report, 0, false, notStarted);
    EXPECT_STREQ(report.text, "Unable to read out the [ROM-] Memory-Content! \r\n (16Bit "
                              "MS-DOS-Program \"Romprobe.exe\" possibly not available?) "
                              "Unable to read out the [ROM-] Memory-Content! \r\n (16Bit "
                              "MS-DOS-Program \"Romprobe.exe\" possibly not available?) ");
    ReportReset(&report);
    AppendDumpError(&report, 1, false, noWindow);
    EXPECT_STREQ(report.text, "Der [ROM-] Speicher-Inhalt konnte nicht ausgelesen werden! \r\n "
                              "(16Bit MS-DOS-Programm \"Romprobe.exe\" eventuell nicht "
                              "verf\xFC"
                              "gbar?) ");
    ReportReset(&report); // beside our own helper it says what became of the run
    AppendDumpError(&report, 0, true, noWindow);
    AppendDumpError(&report, 1, true, noWindow);
    EXPECT_STREQ(report.text, "Unable to read out the [ROM-] Memory-Content! \r\n (This PC's "
                              "firmware does not show its ROM area to Windows, as on PCs started "
                              "through UEFI.) Der [ROM-] Speicher-Inhalt konnte nicht ausgelesen "
                              "werden! \r\n (Die Firmware dieses PCs zeigt Windows ihren ROM-"
                              "Bereich nicht, wie bei PCs, die \xFC"
                              "ber UEFI starten.) ");
}

// Each reason once in either language, as the dump's error and as the probe's one line; a
// probe that found no date says nothing.
TEST(Dump, ErrorSaysWhatBecameOfTheHelper) {
    const struct {
        HelperRun run;
        const char *english, *german;
    } cases[] = {
        {{kHelperNotStarted, 1260},
         "Romprobe.exe could not be started: Windows error 1260.",
         "Romprobe.exe konnte nicht gestartet werden: Windows-Fehler 1260."},
        {{kHelperStaleResult, 0},
         "An old result file of Romprobe.exe could not be removed, so no result of this run "
         "could be told from it.",
         "Eine alte Ergebnisdatei von Romprobe.exe lie\xDF sich nicht l\xF6schen, daher war "
         "kein Ergebnis dieses Laufs von ihr zu unterscheiden."},
        {{kHelperEnded, kHelperExitBadImage},
         "ROMPROBE_IMAGE names a file that is missing or not 262,144 bytes long.",
         "ROMPROBE_IMAGE nennt eine Datei, die fehlt oder nicht 262.144 Bytes gro\xDF ist."},
        {{kHelperEnded, 0xC0000005},
         "Romprobe.exe ended with exit code -1073741819 and wrote no result.",
         "Romprobe.exe endete mit Exit-Code -1073741819, ohne ein Ergebnis zu schreiben."},
        {{kHelperUnfinished, 0},
         "Romprobe.exe, started without waiting for it (WinExec), had not finished when "
         "Firmlook looked.",
         "Romprobe.exe, ohne Warten gestartet (WinExec), war noch nicht fertig, als Firmlook "
         "nachsah."},
    };
    static ReportText dump, probe;
    for (const auto &c : cases) {
        for (int language = 0; language < 2; ++language) {
            ReportReset(&dump);
            ReportReset(&probe);
            AppendDumpError(&dump, language, true, c.run);
            AppendProbeFailure(&probe, language, c.run);
            const std::string reason = language ? c.german : c.english;
            EXPECT_EQ(dump.text,
                      (language ? "Der [ROM-] Speicher-Inhalt konnte nicht ausgelesen "
                                  "werden! \r\n ("
                                : "Unable to read out the [ROM-] Memory-Content! \r\n (") +
                          reason + ") ");
            EXPECT_EQ(probe.text, (language ? "\r\n\r\n ROM-System-BIOS-Datum:  - "
                                            : "\r\n\r\n ROM-System-BIOS-Date:     - ") +
                                      reason + " ");
        }
    }
    ReportReset(&probe);
    AppendProbeFailure(&probe, 0, {kHelperEnded, kHelperExitNoRomWindow});
    EXPECT_STREQ(probe.text, "");
}

TEST(HelperCommand, FullPathInOneQuotePairOrNothing) {
    char path[26], line[37];
    ASSERT_TRUE(HelperBeside("C:\\Firm look\\Firmlook.exe", path, sizeof path));
    ASSERT_TRUE(QuotedHelperCommand(path, "ROMPROBE xybiosxy", line, sizeof line));
    EXPECT_STREQ(line, "\"C:\\Firm look\\Romprobe.exe\" xybiosxy");
    EXPECT_FALSE(QuotedHelperCommand(path, "ROMPROBE xybiosxy", line, 36) || line[0]);
    EXPECT_FALSE(HelperBeside("C:\\Firm look\\Firmlook.exe", path, 25) || path[0]);
}

// cmd.exe strips the first and the last quote of a line with ( ) or & between them.
TEST(HelperCommand, OneMoreQuotePairForCmdOnly) {
    const std::string line = "\"C:\\Program Files (x86)\\R&D\\Romprobe.exe\" xybiosxy";
    char buffer[53];
    ASSERT_TRUE(InterpreterCommand("C:\\WINDOWS\\system32\\CMD.EXE", line.c_str(), buffer, 53));
    EXPECT_EQ(buffer, "\"" + line + "\"");
    ASSERT_TRUE(InterpreterCommand("C:\\COMMAND.COM", line.c_str(), buffer, 53));
    EXPECT_EQ(buffer, line);
}

// Where cmd.exe would change the helper's path, it finds the helper by name in the search path.
TEST(HelperCommand, SearchedByNameWhereCmdWouldChangeThePath) {
    EXPECT_TRUE(InterpreterChangesPath("C:\\100%\\R.exe") &&
                InterpreterChangesPath("C:\\a!\\R.exe"));
    EXPECT_FALSE(InterpreterChangesPath("C:\\Program Files (x86)\\R&D\\Romprobe.exe"));
    char line[28], search[19];
    ASSERT_TRUE(SearchedHelperCommand("C:\\%OS%\\Romprobe.exe", "ROMPROBE xybiosxy", "C:\\Windows",
                                      line, sizeof line, search, sizeof search));
    EXPECT_EQ(std::string(line) + "|" + search, "Romprobe.exe xybiosxy|C:\\%OS%;C:\\Windows");
    ASSERT_TRUE(SearchedHelperCommand("C:\\a;b!\\Romprobe.exe", "ROMPROBE xybioszz 0 0 1", "", line,
                                      sizeof line, search, sizeof search));
    EXPECT_EQ(std::string(line) + "|" + search, "Romprobe.exe xybioszz 0 0 1|\"C:\\a;b!\"");
    EXPECT_FALSE(SearchedHelperCommand("C:\\%OS%\\Romprobe.exe", "ROMPROBE xybiosxy",
                                       "C:\\Windows\\x", line, 28, search, 19) ||
                 line[0] || search[0]);
}

} // namespace
