#include <gtest/gtest.h>

#include <string.h>
#include <string>

#include "report/firmware_text.h"

namespace {

const int kGerman = 1;
const int kEnglish = 0;
const CalendarDate kToday = {2011, 3, 20};

RegistryValue Value(const char *bytes, unsigned size) {
    RegistryValue value;
    memset(&value, 0, sizeof value);
    value.state = kValueRead;
    value.size = size;
    memcpy(value.data, bytes, size);
    return value;
}

RegistryValue Text(const char *text) {
    return Value(text, static_cast<unsigned>(strlen(text)) + 1);
}

RegistryValue Missing() {
    RegistryValue value;
    memset(&value, 0, sizeof value);
    value.state = kValueUnreadable;
    return value;
}

struct Report {
    ReportText text;
    Report() { ReportReset(&text); }
    std::string str() const { return std::string(text.text, text.length); }
};

TEST(SingleValues, ValuesStartInTheSameColumnInEachLanguage) {
    for (int language : {kGerman, kEnglish}) {
        const int column = language ? 25 : 27;
        for (SingleValue which : {kIdentifier, kSystemBiosDate, kVideoBiosDate}) {
            Report report;
            RegistryValue value = Text("X");
            AppendSingleValue(&report.text, which, &value, kToday, language);
            std::string text = report.str();
            size_t lineStart = text.rfind("\r\n") + 2;
            EXPECT_EQ(text.find('X') - lineStart, static_cast<size_t>(column))
                << SingleValueName(which) << " language " << language;
        }
    }
}

TEST(SingleValues, ExactTextsAndNotAvailable) {
    Report report;
    RegistryValue identifier = Text("AT compatible");
    RegistryValue missing = Missing();
    AppendSingleValue(&report.text, kIdentifier, &identifier, kToday, kEnglish);
    AppendSingleValue(&report.text, kSystemBiosDate, &missing, kToday, kEnglish);
    EXPECT_EQ(report.str(), "\r\n System-Identifier:        AT compatible      "
                            "\r\n\r\n System-BIOS-Date:         - Value is not available     ");
    Report german;
    AppendSingleValue(&german.text, kVideoBiosDate, &missing, kToday, kGerman);
    EXPECT_EQ(german.str(), "\r\n Video-BIOS-Datum:       - Wert nicht verf\xFC"
                            "gbar     ");
}

TEST(SingleValues, OnlyEightCharacterDatesAreDecorated) {
    Report shortDate, longDate, identifier;
    RegistryValue eight = Text("03/15/11");
    RegistryValue ten = Text("03/15/2011");
    AppendSingleValue(&shortDate.text, kSystemBiosDate, &eight, kToday, kEnglish);
    AppendSingleValue(&longDate.text, kSystemBiosDate, &ten, kToday, kEnglish);
    AppendSingleValue(&identifier.text, kIdentifier, &eight, kToday, kEnglish);
    EXPECT_EQ(shortDate.str(), "\r\n\r\n System-BIOS-Date:         03/15/11    -->  Mar. 15th 2011"
                               "  [Tuesday]     (5 Days ago) ");
    EXPECT_EQ(longDate.str(), "\r\n\r\n System-BIOS-Date:         03/15/2011    ");
    EXPECT_EQ(identifier.str(), "\r\n System-Identifier:        03/15/11      ");
}

TEST(SingleValues, ValueWithoutTerminatorOrWithInnerNul) {
    // REG_BINARY without a NUL: the buffer is NUL-padded, so the text ends after the bytes.
    Report unterminated, inner;
    RegistryValue raw = Value("03/15/11", 8);
    AppendSingleValue(&unterminated.text, kVideoBiosDate, &raw, kToday, kGerman);
    EXPECT_EQ(unterminated.str(), "\r\n Video-BIOS-Datum:       03/15/11    -->  15. M\xE4rz 2011"
                                  "  [Dienstag]    (vor 5 Tagen) ");
    RegistryValue split = Value("03/1\0/11", 9);
    AppendSingleValue(&inner.text, kVideoBiosDate, &split, kToday, kGerman);
    EXPECT_EQ(inner.str(), "\r\n Video-BIOS-Datum:       03/1    ");
}

TEST(SingleValues, OversizedValueIsLeftOutCompletely) {
    Report report;
    RegistryValue value = Missing();
    value.state = kValueOversized;
    AppendSingleValue(&report.text, kIdentifier, &value, kToday, kEnglish);
    AppendStringList(&report.text, kSystemBiosVersion, &value);
    EXPECT_EQ(report.str(), "");
}

TEST(StringLists, MultiStringWalk) {
    Report report;
    RegistryValue value = Value("ABC\0DEF\0\0", 9);
    AppendStringList(&report.text, kSystemBiosVersion, &value);
    EXPECT_EQ(report.str(), "\r\n\r\n System-BIOS-Version: \r\n\r\n ABC         \r\n DEF         ");
}

TEST(StringLists, PlainStringsTrailingBytesAndEmptyStrings) {
    Report plain, trailing, stops, missing;
    RegistryValue one = Text("Award BIOS v6.0");
    AppendStringList(&plain.text, kVideoBiosVersion, &one);
    EXPECT_EQ(plain.str(), "\r\n\r\n Video-BIOS-Version: \r\n\r\n Award BIOS v6.0         ");
    // Bytes after the last NUL are not shown; a value without any NUL shows no line.
    RegistryValue tail = Value("A\0BC", 4);
    AppendStringList(&trailing.text, kVideoBiosVersion, &tail);
    EXPECT_EQ(trailing.str(), "\r\n\r\n Video-BIOS-Version: \r\n\r\n A         ");
    // The list ends at the first empty string.
    RegistryValue gap = Value("A\0\0B\0", 5);
    AppendStringList(&stops.text, kSystemBiosVersion, &gap);
    EXPECT_EQ(stops.str(), "\r\n\r\n System-BIOS-Version: \r\n\r\n A         ");
    RegistryValue absent = Missing();
    AppendStringList(&missing.text, kSystemBiosVersion, &absent);
    EXPECT_EQ(missing.str(), "");
}

TEST(StringLists, LongestReadableValueStaysInBounds) {
    // 499 bytes, the largest value that is read, without any NUL inside.
    RegistryValue value = Missing();
    value.state = kValueRead;
    value.size = kValueSizeLimit - 1;
    memset(value.data, 'Z', value.size);
    Report report;
    AppendStringList(&report.text, kSystemBiosVersion, &value);
    EXPECT_EQ(report.str(), "\r\n\r\n System-BIOS-Version: \r\n");
    value.data[value.size - 1] = '\0';
    Report full;
    AppendStringList(&full.text, kSystemBiosVersion, &value);
    EXPECT_EQ(full.str().size(), 28u + 3u + 498u + 9u);
}

TEST(FirmwarePieces, WarningHeadingErrorAndNotes) {
    Report english, german;
    AppendWow64Warning(&english.text, kEnglish);
    AppendRegistryHeading(&english.text, kEnglish);
    AppendRegistryKeyError(&english.text, kEnglish);
    EXPECT_EQ(english.str(),
              "\r\n 64Bit Windows Version detected - reading from ROM will not work!  \r\n"
              "\r\n Values from the Registry: (HKLM\\HARDWARE\\DESCRIPTION\\SYSTEM) \r\n"
              "\r\n Error: Unable to read Registrypath! ");
    AppendWow64Warning(&german.text, kGerman);
    AppendRegistryHeading(&german.text, kGerman);
    AppendRegistryKeyError(&german.text, kGerman);
    EXPECT_EQ(german.str(),
              "\r\n 64Bit Windows Version ermittelt - ROM auslesen wird nicht funktionieren! \r\n"
              "\r\n Werte aus der Registry: (HKLM\\HARDWARE\\DESCRIPTION\\SYSTEM) \r\n"
              "\r\n Fehler: Registrypfad kann nicht ausgelesen werden! ");
}

TEST(FirmwarePieces, NotesTextShape) {
    for (int language : {kGerman, kEnglish}) {
        Report report;
        AppendNotesText(&report.text, language, false);
        std::string text = report.str();
        EXPECT_EQ(text.substr(0, 4), "\r\n\r\n");
        EXPECT_NE(text.substr(text.size() - 2), "\r\n");
        int lines = 1;
        for (size_t i = 0; i + 1 < text.size(); ++i)
            lines += text.compare(i, 2, "\r\n") == 0;
        EXPECT_EQ(lines, 10);
        EXPECT_NE(text.find("\"Romprobe.exe\""), std::string::npos);
    }
    Report german;
    AppendNotesText(&german.text, kGerman, false);
    EXPECT_NE(german.str().find(" (Ben\xF6tigt das 16Bit MS-DOS-Programm"), std::string::npos);
}

// Beside our own Romprobe.exe, lines 8 to 10 tell what it does; lines 1 to 7 stay.
TEST(FirmwarePieces, NotesBesideOwnHelper) {
    for (int language : {kEnglish, kGerman}) {
        Report dos, own;
        AppendNotesText(&dos.text, language, false);
        AppendNotesText(&own.text, language, true);
        size_t cut = dos.str().find(language ? " auszulesen. (" : " from the ROM. (");
        EXPECT_EQ(
            own.str(),
            dos.str().substr(0, cut) +
                (language ? " auszulesen. (Funktioniert mit 32Bit- und 64Bit-Windows-Versionen!) "
                            "\r\n (Romprobe.exe liest das ROM von PCs mit Legacy-BIOS; sonst zeigt "
                            "\r\n es das BIOS-Datum der SMBIOS-Tabellen.) "
                          : " from the ROM. (Works with 32Bit and 64Bit Versions of Windows!) \r\n "
                            "(Romprobe.exe reads the ROM of PCs with a legacy BIOS; elsewhere \r\n "
                            "it shows the BIOS date of the SMBIOS tables.) "));
    }
}

TEST(ReportBuffer, AppendStopsAtTheLimit) {
    static Report report;
    std::string chunk(1000, 'a');
    for (int i = 0; i < 40; ++i)
        ReportAppend(&report.text, chunk.c_str());
    EXPECT_EQ(report.text.length, kReportTextMax);
    EXPECT_EQ(report.text.text[kReportTextMax], '\0');
    ReportAppendChar(&report.text, 'b');
    ReportAppendBlanks(&report.text, 3);
    ReportAppendN(&report.text, "cd", 2);
    EXPECT_EQ(report.text.length, kReportTextMax);
    EXPECT_EQ(report.text.text[kReportTextMax - 1], 'a');
    ReportReset(&report.text);
    ReportAppendN(&report.text, "ab\0cd", 5);
    EXPECT_EQ(report.str(), "ab");
}

} // namespace
