#include <gtest/gtest.h>

#include <string.h>
#include <string>
#include <vector>

#include "probe_text.h"

namespace {

// One SMBIOS structure: type, formatted part (after type and length) and its strings.
std::string Structure(int type, const std::string &formatted,
                      const std::vector<std::string> &strings) {
    std::string s;
    s += static_cast<char>(type);
    s += static_cast<char>(2 + formatted.size());
    s += formatted;
    for (const std::string &text : strings)
        s += text + '\0';
    s += strings.empty() ? std::string(2, '\0') : std::string(1, '\0');
    return s;
}

// BIOS information with vendor, version and release date as strings 1, 2 and dateIndex.
std::string BiosInformation(int dateIndex, const std::vector<std::string> &strings) {
    std::string formatted("\x00\x00\x01\x02\x00\xE0", 6); // handle, vendor, version, segment
    formatted += static_cast<char>(dateIndex);
    formatted += std::string("\x01\x00\x00\x00\x00\x00\x00\x00\x00", 9); // ROM size, features
    return Structure(0, formatted, strings);
}

const std::string kEnd = Structure(127, std::string(2, '\x7F'), {});
const std::string kSystem = Structure(1, std::string(6, '\x01') + std::string(1, '\0'), {"Maker"});

// The provider's table: an 8-byte header whose bytes 4 to 7 give the structures' length.
std::string RawTable(const std::string &structures, int claimed = -1) {
    unsigned length = claimed < 0 ? structures.size() : static_cast<unsigned>(claimed);
    std::string header("\x00\x03\x04\x00", 4);
    for (int i = 0; i < 4; ++i)
        header += static_cast<char>(length >> (8 * i));
    return header + structures;
}

std::string SmbiosDate(const std::string &raw) {
    char date[kRomDateSize] = "unchanged";
    bool found = SmbiosBiosDate(reinterpret_cast<const unsigned char *>(raw.data()),
                                   static_cast<int>(raw.size()), date);
    return found ? date : "no date";
}

TEST(Smbios, ReleaseDateOfTheBiosInformation) {
    const std::string bios = BiosInformation(3, {"Tolvo", "1.9.1", "03/15/2011"});
    EXPECT_EQ(SmbiosDate(RawTable(bios + kSystem + kEnd)), "03/15/11");
    EXPECT_EQ(SmbiosDate(RawTable(kSystem + BiosInformation(1, {"06/20/19"}) + kEnd)), "06/20/19");
    // A table without its end structure still gives the date of a complete structure.
    EXPECT_EQ(SmbiosDate(RawTable(bios)), "03/15/11");
    // Read as Romprobe's summary reads it: trailing blanks dropped, impossible days refused.
    EXPECT_EQ(SmbiosDate(RawTable(BiosInformation(1, {"03/15/2011  "}) + kEnd)), "03/15/11");
    for (const char *form : {"2011-03-15", "3/15/2011", "03-15-11", "", "03/1x/11", "13/45/2011",
                             "02/29/2011", "01/01/1975"})
        EXPECT_EQ(SmbiosDate(RawTable(BiosInformation(1, {form}) + kEnd)), "no date") << form;
}

TEST(Smbios, BrokenTablesGiveNoDate) {
    const std::string bios = BiosInformation(3, {"Tolvo", "1.9.1", "03/15/2011"});
    const std::string good = RawTable(bios + kEnd);
    EXPECT_EQ(SmbiosDate(good.substr(0, 7)), "no date");           // no whole header
    EXPECT_EQ(SmbiosDate(RawTable(bios + kEnd, 4096)), "no date"); // length past the data
    EXPECT_EQ(SmbiosDate(good.substr(0, good.size() - 3 - kEnd.size())), "no date");
    EXPECT_EQ(SmbiosDate(RawTable(bios.substr(0, bios.size() - 2))), "no date"); // cut strings
    EXPECT_EQ(SmbiosDate(RawTable(BiosInformation(4, {"Tolvo", "1.9.1", "03/15/2011"}))),
              "no date"); // string number past the strings
    EXPECT_EQ(SmbiosDate(RawTable(BiosInformation(0, {"03/15/2011"}))), "no date");
    EXPECT_EQ(SmbiosDate(RawTable(kEnd + bios)), "no date"); // after the end structure
    std::string shortLength = kSystem + bios;
    shortLength[1] = 3; // a structure length below 4
    EXPECT_EQ(SmbiosDate(RawTable(shortLength)), "no date");
    std::string longLength = bios;
    longLength[1] = static_cast<char>(0xF0); // past the table
    EXPECT_EQ(SmbiosDate(RawTable(longLength)), "no date");
    std::string tooShortForADate = Structure(0, "\x00\x00\x01\x01\x00\xE0", {"Tolvo"});
    EXPECT_EQ(SmbiosDate(RawTable(tooShortForADate + kEnd)), "no date");
    EXPECT_EQ(SmbiosDate(RawTable("")), "no date");
}

// A window with the system date at FFFF5h and, when given, a video ROM at C0000h.
std::vector<unsigned char> Window(const char *systemDate, const std::string &videoRom = "") {
    std::vector<unsigned char> window(kRomWindowSize, 0xFF);
    memcpy(&window[0xFFFF5 - kRomWindowBase], systemDate, 8);
    memcpy(&window[0], videoRom.data(), videoRom.size());
    return window;
}

// An option ROM of blocks * 512 bytes holding text at position at.
std::string VideoRom(int blocks, int at, const std::string &text) {
    std::string rom(static_cast<size_t>(blocks) * 512, '\0');
    rom[0] = '\x55';
    rom[1] = '\xAA';
    rom[2] = static_cast<char>(blocks);
    rom.replace(static_cast<size_t>(at), text.size(), text);
    return rom.substr(0, static_cast<size_t>(blocks) * 512);
}

std::string Video(const std::vector<unsigned char> &window) {
    char date[kRomDateSize] = "";
    char marker = VideoBiosDate(window.data(), static_cast<int>(window.size()), date);
    return marker ? std::string(1, marker) + date : "none";
}

TEST(RomWindow, SystemDateNeedsItsDigits) {
    char date[kRomDateSize];
    std::vector<unsigned char> window = Window("06/20/19");
    ASSERT_TRUE(WindowSystemDate(window.data(), kRomWindowSize, date));
    EXPECT_STREQ(date, "06/20/19");
    window = Window("06.20-19"); // the separators are not examined
    EXPECT_TRUE(WindowSystemDate(window.data(), kRomWindowSize, date));
    window = Window("06/2x/19");
    EXPECT_FALSE(WindowSystemDate(window.data(), kRomWindowSize, date));
    window = Window("06/20/19");
    EXPECT_FALSE(WindowSystemDate(window.data(), kRomWindowSize - 1, date)); // wrong image size
    window.push_back(0);
    EXPECT_FALSE(WindowSystemDate(window.data(), kRomWindowSize + 1, date));
}

TEST(RomWindow, VideoDateFormsAndOrder) {
    EXPECT_EQ(Video(Window("06/20/19", VideoRom(64, 300, "VGA BIOS 12/24/2010 v1"))),
              "+12/24/2010");
    EXPECT_EQ(Video(Window("06/20/19", VideoRom(64, 300, "Build 11/03/17."))), " 11/03/17");
    EXPECT_EQ(Video(Window("06/20/19", VideoRom(64, 300, "(C) 2017-11-03"))), "-2017-11-03");
    // The earliest position wins; a short date followed by a digit is no short date.
    EXPECT_EQ(Video(Window("06/20/19", VideoRom(64, 300, "2017-11-03 12/24/10"))), "-2017-11-03");
    EXPECT_EQ(Video(Window("06/20/19", VideoRom(64, 300, "12/24/101 2017-11-03"))), "-2017-11-03");
    // Month and day must be in range; the date must lie inside the ROM's length.
    EXPECT_EQ(Video(Window("06/20/19", VideoRom(64, 300, "13/24/10 00/24/10 12/32/10"))), "none");
    EXPECT_EQ(Video(Window("06/20/19", VideoRom(1, 504, "12/24/10"))), " 12/24/10");
    EXPECT_EQ(Video(Window("06/20/19", VideoRom(1, 0, "") + "12/24/10")), "none");   // past it
    EXPECT_EQ(Video(Window("06/20/19", VideoRom(1, 510, "12") + "/24/10")), "none"); // straddling
    EXPECT_EQ(Video(Window("06/20/19", VideoRom(0, 0, "") + "12/24/10")), "none");   // size 0
    EXPECT_EQ(Video(Window("06/20/19", "\x55\xAB\x40 12/24/10")), "none");           // no signature
    // The largest size byte is held to the window.
    EXPECT_EQ(Video(Window("06/20/19", VideoRom(255, 130000, "12/24/10"))), " 12/24/10");
}

TEST(ProbeRecord, LayoutWithAndWithoutVideoDate) {
    char record[kProbeRecordSize];
    int length = FormatProbeRecord("06/20/19", '-', "2017-11-03", record);
    EXPECT_EQ(std::string(record, length), "06/20/19 - 2017-11-03\r\n");
    length = FormatProbeRecord("06/20/19", ' ', "11/03/17", record);
    EXPECT_EQ(std::string(record, length), "06/20/19   11/03/17\r\n");
    length = FormatProbeRecord("06/20/19", 0, "", record);
    EXPECT_EQ(std::string(record, length), "06/20/19\r\n");
    // A zero byte from the ROM keeps its place: the marker stays at position 10.
    length = FormatProbeRecord(std::string("06\0"
                                           "20/19",
                                           8)
                                   .c_str(),
                               '+', "12/24/2010", record);
    EXPECT_EQ(std::string(record, length), std::string("06\0"
                                                       "20/19 + 12/24/2010\r\n",
                                                       23));
}

TEST(ProbeArguments, Counts) {
    EXPECT_EQ(ParseCount("7"), 7u);
    EXPECT_EQ(ParseCount("12x"), 12u);
    EXPECT_EQ(ParseCount(""), 0u);
    EXPECT_EQ(ParseCount("-3"), 0u);
    EXPECT_GT(ParseCount("99999999999999999999"), 7u);
}

std::vector<std::string> DumpLines(const std::vector<unsigned char> &window, unsigned segment,
                                   unsigned offset, unsigned step) {
    static char text[kDumpTextSize];
    int length = FormatDumpBlock(window.data(), static_cast<int>(window.size()), segment, offset,
                                 step, text, sizeof text);
    std::vector<std::string> lines;
    if (length < 0)
        return lines;
    EXPECT_EQ(strlen(text), static_cast<size_t>(length));
    std::string all(text, length);
    for (size_t at = 0; at < all.size();) {
        size_t end = all.find("\r\n", at);
        EXPECT_NE(end, std::string::npos);
        lines.push_back(all.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

TEST(RomDump, LinesOfTheChosenBlock) {
    std::vector<unsigned char> window(kRomWindowSize);
    for (size_t i = 0; i < window.size(); ++i)
        window[i] = static_cast<unsigned char>(i * 7 + (i >> 12));
    const char *tail = "Tolvo BIOS\n\x7F~abc";
    memcpy(&window[0xF6000 - kRomWindowBase], tail, strlen(tail));
    std::vector<std::string> lines = DumpLines(window, 6, 6, 1); // F000:6000 = F6000h
    ASSERT_EQ(lines.size(), 256u);
    EXPECT_EQ(lines[0], "F000:6000  54 6F 6C 76 6F 20 42 49 4F 53 0A 7F 7E 61 62 63  "
                        "Tolvo BIOS..~abc");
    EXPECT_EQ(lines[255].substr(0, 9), "F000:6FF0");
    // Segment and offset above 7 count as 7, a step above 5 as 5: F800:7000, 48 bytes a line.
    lines = DumpLines(window, 9, 8, 9);
    ASSERT_EQ(lines.size(), 86u);
    EXPECT_EQ(lines[1].substr(0, 9), "F800:7030");
    EXPECT_EQ(lines[0].size(), 9 + 2 + 48 * 3 - 1 + 2 + 48u);
}

TEST(RomDump, ShortLastLineKeepsTheCharacterColumn) {
    std::vector<unsigned char> window(kRomWindowSize, 'A');
    for (unsigned step = 0; step <= 5; ++step) {
        unsigned perLine = (step + 1) * 8;
        std::vector<std::string> lines = DumpLines(window, 0, 0, step);
        ASSERT_EQ(lines.size(), (4096 + perLine - 1) / perLine) << step;
        unsigned lastCount = 4096 - perLine * (static_cast<unsigned>(lines.size()) - 1);
        const std::string &last = lines.back();
        EXPECT_EQ(last.size(), lines[0].size() - (perLine - lastCount)) << step;
        EXPECT_EQ(last.find("  A"), lines[0].find("  A")) << step; // the character column
        EXPECT_EQ(last.substr(last.size() - lastCount), std::string(lastCount, 'A')) << step;
    }
}

TEST(RomDump, NoWindowOrNoRoomGivesNoText) {
    std::vector<unsigned char> window(kRomWindowSize - 1);
    char text[kDumpTextSize];
    EXPECT_EQ(FormatDumpBlock(window.data(), kRomWindowSize - 1, 0, 0, 1, text, sizeof text), -1);
    window.resize(kRomWindowSize);
    EXPECT_EQ(FormatDumpBlock(window.data(), kRomWindowSize, 0, 0, 0, text, 23552), -1);
    EXPECT_EQ(FormatDumpBlock(window.data(), kRomWindowSize, 0, 0, 0, text, 23553), 23552);
}

} // namespace
