// End-to-end tests of the real Romprobe.exe: Firmlook starts it for the ROM dates and the
// ROM dump, and it reads a ROM image that the test builds and names in ROMPROBE_IMAGE.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdio.h>

#include <string>

#include "driver.h"
#include "report_texts.h"

namespace {

const int kRefresh = 14, kRamInfo = 17, kRomDates = 18, kHexDump = 20, kOldMethod = 21,
          kSegment = 22, kOffset = 24, kStep = 26;
const unsigned kWindowBase = 0xC0000, kWindowSize = 0x40000;

const char kDumpHeadEnglish[] = "\r\n Memory-Content (4kB Block from the First Megabyte): "
                                "\r\n ==================================================="
                                "\r\n\r\n ";

// A ROM window with a video option ROM at C0000h and the system date at FFFF5h.
std::string RomImage() {
    std::string image(kWindowSize, '\0');
    for (unsigned i = 0; i < kWindowSize; ++i)
        image[i] = static_cast<char>((i * 13) ^ (i >> 9));
    const std::string video = "\x55\xAA\x40\xE9 Tolvo VGA BIOS 2.1 (C) 2008-05-12 ";
    image.replace(0, video.size(), video);
    image.replace(0xFFFF0 - kWindowBase, 16,
                  std::string("\xEA\x5B\xE0\x00\xF0"
                              "08/14/09\x00\xFC\x00",
                              16));
    return image;
}

// What Firmlook's report shows of a dump text: each line indented by one blank.
std::string DumpReport(const std::string &dumpText) {
    std::string shown;
    for (char c : dumpText) {
        if (c == '\n')
            shown += "\r\n ";
        else if (c != '\r')
            shown += c;
    }
    return kDumpHeadEnglish + shown + "\r\n";
}

class RealRomprobe : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteSettings();
        SeedTypicalFirmware();
        folder_ = NewWorkFolder();
        InstallRealRomprobe(folder_);
        image_ = RomImage();
        UseImage(image_);
    }
    void TearDown() override { SetEnvironmentVariableA("ROMPROBE_IMAGE", NULL); }
    void UseImage(const std::string &bytes) {
        WriteBytes(folder_ + "\\rom.img", bytes);
        SetEnvironmentVariableA("ROMPROBE_IMAGE", (folder_ + "\\rom.img").c_str());
    }
    std::string Block(unsigned segment, unsigned offset) const {
        return image_.substr((0xC000 + segment * 0x800) * 16 + offset * 0x1000 - kWindowBase,
                             0x1000);
    }
    // Runs Romprobe.exe in the working folder; its exit code. output, when given, is its
    // standard output, and its standard error goes to err.txt.
    DWORD Run(const std::string &arguments, DWORD *milliseconds = NULL, HANDLE output = NULL) {
        std::string line = "\"" + folder_ + "\\Romprobe.exe\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
        if (output != NULL) {
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdOutput = output;
            // Shared: Romprobe's handle may outlive the wait for its end under Wine.
            startup.hStdError =
                CreateFileA(File("err.txt").c_str(), GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS, 0, NULL);
        }
        PROCESS_INFORMATION process = {};
        DWORD start = GetTickCount(), code = 99;
        BOOL started = CreateProcessA(NULL, &line[0], NULL, NULL, output != NULL, CREATE_NO_WINDOW,
                                      NULL, folder_.c_str(), &startup, &process);
        if (output != NULL)
            CloseHandle(startup.hStdError);
        if (!started)
            return code;
        WatchThread(process.hThread);
        WaitFor([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 10000);
        UnwatchThread(process.hThread);
        if (milliseconds)
            *milliseconds = GetTickCount() - start;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        return code;
    }
    std::string File(const char *name) const { return folder_ + "\\" + name; }

    std::string folder_, image_;
};

TEST_F(RealRomprobe, RomDatesOfTheImage) {
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    app.Click(kRomDates);
    EXPECT_NE(app.Report().find(
                  "\r\n\r\n ROM-System-BIOS-Date:     08/14/09    -->  Aug. 14th 2009  [Friday]"
                  "      " +
                  AgeText(2009, 8, 14, false) +
                  "\r\n ROM-Video-BIOS-Date:      2008-05-12  -->  May  12th 2008  [Monday]"
                  "      " +
                  AgeText(2008, 5, 12, false) +
                  // Wine has no firmware variables and says it started from a legacy BIOS.
                  "\r\n Firmware, Secure Boot:    Legacy BIOS, no Secure Boot"
                  "\r\n\r\n System-BIOS-Version: "),
              std::string::npos)
        << app.Report();
    EXPECT_FALSE(PathExists(File("XYBIOSXY.$$$")));
    EXPECT_FALSE(PathExists(File("XYBIOSSB.$$$")));
}

TEST_F(RealRomprobe, DumpEqualsAnIndependentHexDump) {
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    app.Click(kHexDump); // the start values: C000:0000, 16 bytes a line
    EXPECT_EQ(app.Report(), DumpReport(HexDumpText(Block(0, 0), 0xC000, 0, 16)));
    struct {
        const char *segment, *offset, *step;
        unsigned segmentValue, offsetValue, perLine;
    } const cases[] = {{"7", "6", "0", 7, 6, 8},   // F800:6000, the top of the BIOS
                       {"3", "5", "2", 3, 5, 24},  // a short last line
                       {"6", "9", "9", 6, 7, 48}}; // offset and step held to their tops
    for (const auto &c : cases) {
        SetWindowTextA(app.Item(kSegment), c.segment);
        SetWindowTextA(app.Item(kOffset), c.offset);
        SetWindowTextA(app.Item(kStep), c.step);
        const std::string expected = DumpReport(HexDumpText(Block(c.segmentValue, c.offsetValue),
                                                            0xC000 + c.segmentValue * 0x800,
                                                            c.offsetValue * 0x1000, c.perLine));
        EXPECT_TRUE(WaitFor([&] { return app.Report() == expected; }, 5000))
            << c.segment << c.offset << c.step << "\n"
            << app.Report().substr(0, 400);
    }
    EXPECT_FALSE(PathExists(File("XYBIOSZZ.$$$")));
}

// An image of another size is not taken, and the report says so where the ROM dates or the
// dump would stand. Without an image, under Wine, the firmware shows no ROM window: no ROM
// dates, and the dump says so. Beside Romprobe.exe, the notes tell what it does.
TEST_F(RealRomprobe, ImageOfAnotherSizeIsNamed) {
    UseImage(image_.substr(1));
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    EXPECT_NE(app.Report().find(NotesText(0, true)), std::string::npos);
    app.Click(kRomDates);
    EXPECT_NE(app.Report().find(OwnProbeFailure(kHelperEnded, kHelperExitBadImage) +
                                "\r\n\r\n System-BIOS-Version: "),
              std::string::npos)
        << app.Report();
    app.Click(kRomDates);
    app.Click(kHexDump);
    EXPECT_EQ(app.Report(),
              kDumpHeadEnglish + OwnDumpError(kHelperEnded, kHelperExitBadImage) + "\r\n");

    SetEnvironmentVariableA("ROMPROBE_IMAGE", NULL);
    Firmlook firmware;
    ASSERT_TRUE(firmware.Start(folder_));
    firmware.Click(kRomDates);
    EXPECT_EQ(firmware.Report().find("ROM-"), std::string::npos);
    firmware.Click(kRomDates);
    firmware.Click(kHexDump);
    EXPECT_EQ(firmware.Report(),
              kDumpHeadEnglish + OwnDumpError(kHelperEnded, kHelperExitNoRomWindow) + "\r\n");
}

TEST_F(RealRomprobe, ExitCodeTellsWhetherAFileWasWritten) {
    DWORD milliseconds = 0;
    EXPECT_EQ(Run("xybiosxy", &milliseconds), 0u);
    EXPECT_EQ(ReadBytes(File("XYBIOSXY.$$$")), "08/14/09 - 2008-05-12\r\n");
    printf("one date probe took %lu ms under Wine, process start included\n", milliseconds);
    EXPECT_EQ(Run("xybioszz 6 7 5"), 0u);
    EXPECT_EQ(ReadBytes(File("XYBIOSZZ.$$$")), HexDumpText(Block(6, 7), 0xF000, 0x7000, 48));
    // A result name that cannot be written, as in a read-only folder.
    DeleteFileA(File("XYBIOSXY.$$$").c_str());
    ASSERT_TRUE(CreateDirectoryA(File("XYBIOSXY.$$$").c_str(), NULL));
    EXPECT_EQ(Run("xybiosxy"), 1u);
    RemoveDirectoryA(File("XYBIOSXY.$$$").c_str());
    EXPECT_EQ(Run("something"), 2u); // not understood: the usage goes to standard error
    EXPECT_EQ(Run(""), 0u);          // the summary, printed: no result file
    UseImage(image_ + "x");
    DeleteFileA(File("XYBIOSXY.$$$").c_str());
    EXPECT_EQ(Run("xybiosxy"), static_cast<DWORD>(kHelperExitBadImage));
    EXPECT_FALSE(PathExists(File("XYBIOSXY.$$$")));
    SetEnvironmentVariableA("ROMPROBE_IMAGE", (folder_ + "\\missing.img").c_str());
    EXPECT_EQ(Run("xybioszz 0 0 1"), static_cast<DWORD>(kHelperExitBadImage));
    // Without an image, under Wine, the firmware tables hold no ROM window and no
    // readable date: no file.
    SetEnvironmentVariableA("ROMPROBE_IMAGE", NULL);
    DeleteFileA(File("XYBIOSZZ.$$$").c_str());
    EXPECT_EQ(Run("xybioszz 0 0 1"), static_cast<DWORD>(kHelperExitNoRomWindow));
    EXPECT_EQ(Run("xybiosxy"), static_cast<DWORD>(kHelperExitNoRomWindow));
    EXPECT_FALSE(PathExists(File("XYBIOSZZ.$$$")));
}

TEST_F(RealRomprobe, PlantedFilesInTheCurrentFolderDoNotRun) {
    const std::string program = folder_ + "\\Firm look"; // no memquery.dll here
    ASSERT_TRUE(CreateDirectoryA(program.c_str(), NULL));
    ASSERT_TRUE(MoveFileA(File("Romprobe.exe").c_str(), (program + "\\Romprobe.exe").c_str()));
    InstallDouble("tickrate\\tickrate.dll", folder_);
    InstallDouble("partial\\memquery.dll", folder_);
    WriteBytes(File("ROMPROBE.bat"), "echo planted> planted.txt\r\n");
    SetEnvironmentVariableA("TICKRATE_MHZ", "1234");
    Firmlook app;
    ASSERT_TRUE(app.StartCopy(folder_, program));
    app.Click(kRamInfo); // neither library of the current folder gives a figure
    EXPECT_EQ(app.Report().find("Ex\" "), std::string::npos) << app.Report();
    EXPECT_EQ(app.Report().find("CPU-Frequency"), std::string::npos);
    InstallDouble("tickrate\\tickrate.dll", program);
    app.Click(kRefresh);
    EXPECT_NE(app.Report().find("CPU-Frequency: ~1234 MHz"), std::string::npos);
    SetEnvironmentVariableA("TICKRATE_MHZ", NULL);
    app.Click(kRamInfo);
    app.Click(kRomDates);
    const char date[] = "ROM-System-BIOS-Date:     08/14/09    -->  Aug. 14th 2009";
    EXPECT_NE(app.Report().find(date), std::string::npos) << app.Report();
    app.Click(kOldMethod); // through the command interpreter
    EXPECT_NE(app.Report().find(date), std::string::npos) << app.Report();
    EXPECT_FALSE(PathExists(File("planted.txt")));
}

// Standard output that cannot be written, here a pipe whose reader has gone, is a failure
// told on standard error.
TEST_F(RealRomprobe, LostOutputIsAFailure) {
    HANDLE reader, writer;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
    ASSERT_TRUE(CreatePipe(&reader, &writer, &inherit, 0));
    CloseHandle(reader);
    EXPECT_EQ(Run("--json", NULL, writer), 1u);
    EXPECT_EQ(ReadBytes(File("err.txt")), "Romprobe: cannot write standard output\r\n");
    EXPECT_EQ(Run("--help", NULL, writer), 1u);
    CloseHandle(writer);
}

// A file name in the system's ANSI code page opens and is shown in the console's (the
// Russian pass, wine_russian).
TEST_F(RealRomprobe, NamesInTheUsersCodePage) {
    if (GetACP() != 1251)
        GTEST_SKIP() << "for the Russian pass";
    const wchar_t wide[] = L"\x0424\x0438\x0440\x043C\x0430.bin";
    char name[64], shown[64];
    WideCharToMultiByte(CP_ACP, 0, wide, -1, name, sizeof name, NULL, NULL);
    WideCharToMultiByte(GetOEMCP(), 0, wide, -1, shown, sizeof shown, NULL, NULL);
    WriteBytes(File(name), "not a table");
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
    HANDLE output =
        CreateFileA(File("out.txt").c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS, 0, NULL);
    EXPECT_EQ(Run(std::string("--smbios ") + name, NULL, output), 1u);
    CloseHandle(output);
    EXPECT_EQ(ReadBytes(File("err.txt")),
              std::string("Romprobe: ") + shown + " is not an SMBIOS table\r\n");
}

} // namespace
