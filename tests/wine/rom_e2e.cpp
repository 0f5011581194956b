// End-to-end tests of the ROM date probe and the ROM hex dump, with the DOS subprogram's
// stand-in (ROMPROBE.exe) in Firmlook's working folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <random>
#include <string>

#include "driver.h"
#include "report_texts.h"

namespace {

const int kRefresh = 14, kRamInfo = 17, kRomDates = 18, kHexDump = 20, kOldMethod = 21,
          kSegment = 22, kSegmentSpin = 23, kOffset = 24, kStep = 26;

const char kProbeVariable[] = "ROMPROBE_PROBE_FILE";
const char kDumpVariable[] = "ROMPROBE_DUMP_FILE";

const char kHeadEnglish[] =
    "\r\n Values from the Registry: (HKLM\\HARDWARE\\DESCRIPTION\\SYSTEM) \r\n";
const char kVersions[] = "\r\n\r\n System-BIOS-Version: \r\n"
                         "\r\n DELL   - 1072009         "
                         "\r\n 1.9.1         "
                         "\r\n American Megatrends - 5000C         "
                         "\r\n\r\n Video-BIOS-Version: \r\n"
                         "\r\n Hardware Version 0.0         ";
const char kDumpHeadEnglish[] = "\r\n Memory-Content (4kB Block from the First Megabyte): "
                                "\r\n ==================================================="
                                "\r\n\r\n ";
// The stand-in lies beside the Firmlook.exe under test, which takes it for its own helper.
const std::string kDumpErrorEnglish = OwnDumpError(kHelperEnded, kHelperExitNoRomWindow);
// The stand-in's record: system date, marker "-", video date in year-month-day order.
const char kProbeRecord[] = "03/15/11 - 2010-12-24";

std::string RegistryValuesEnglish() {
    return "\r\n System-Identifier:        AT/AT COMPATIBLE      "
           "\r\n\r\n System-BIOS-Date:         06/20/19    -->  June 20th 2019  [Thursday]    " +
           AgeText(2019, 6, 20, false) +
           "\r\n Video-BIOS-Date:          11/03/17    -->  Nov.  3rd 2017  [Friday]      " +
           AgeText(2017, 11, 3, false);
}

std::string RomLinesEnglish() {
    return "\r\n\r\n ROM-System-BIOS-Date:     03/15/11    -->  Mar. 15th 2011  [Tuesday]     " +
           AgeText(2011, 3, 15, false) +
           "\r\n ROM-Video-BIOS-Date:      2010-12-24  -->  Dec. 24th 2010  [Friday]      " +
           AgeText(2010, 12, 24, false);
}

class RomProbe : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteSettings();
        SeedTypicalFirmware();
        SetReportedWindowsVersion("");
        folder_ = NewWorkFolder();
        InstallRomprobe(folder_);
        log_ = folder_ + "\\romprobe.log";
        SetEnvironmentVariableA("ROMPROBE_LOG", log_.c_str());
        // Firmlook passes on the environment it started with, so the fixture paths are fixed
        // here; a missing fixture makes the stand-in write nothing.
        SetEnvironmentVariableA(kProbeVariable, Fixture(kProbeVariable).c_str());
        SetEnvironmentVariableA(kDumpVariable, Fixture(kDumpVariable).c_str());
        SetEnvironmentVariableA("ROMPROBE_SLEEP_MS", NULL);
        SetEnvironmentVariableA("ROMPROBE_EXIT_CODE", NULL);
        SetEnvironmentVariableA("ROMPROBE_DONE_LOG", NULL);
        SetEnvironmentVariableA("ROMPROBE_LINGER_MS", NULL);
    }
    void TearDown() override {
        SetReportedWindowsVersion("");
        SetEnvironmentVariableA("ROMPROBE_LOG", NULL);
        SetEnvironmentVariableA(kProbeVariable, NULL);
        SetEnvironmentVariableA(kDumpVariable, NULL);
        SetEnvironmentVariableA("ROMPROBE_SLEEP_MS", NULL);
        SetEnvironmentVariableA("ROMPROBE_EXIT_CODE", NULL);
        SetEnvironmentVariableA("ROMPROBE_DONE_LOG", NULL);
        SetEnvironmentVariableA("ROMPROBE_LINGER_MS", NULL);
        // Some fixtures are tens of megabytes.
        DeleteFileA(Fixture(kProbeVariable).c_str());
        DeleteFileA(Fixture(kDumpVariable).c_str());
    }
    std::string Fixture(const char *variable) const { return folder_ + "\\fixture-" + variable; }
    // The stand-in copies this content to its result file at every launch.
    void Result(const char *variable, const std::string &bytes) {
        WriteBytes(Fixture(variable), bytes);
    }
    std::string Log() const { return ReadBytes(log_); }
    int Launches() const {
        std::string log = Log();
        return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
    }
    std::string LastCommand() const {
        std::string log = Log();
        if (log.size() < 2)
            return "";
        size_t start = log.rfind('\n', log.size() - 2);
        return log.substr(start == std::string::npos ? 0 : start + 1,
                          log.size() - 1 - (start == std::string::npos ? 0 : start + 1));
    }
    // A result file where this Firmlook process's helper works; MakeFolder makes that folder.
    static std::string File(const Firmlook &app, const char *name) {
        return ProcessWorkFolder(app) + "\\" + name;
    }
    static void MakeFolder(const Firmlook &app) {
        CreateDirectoryA(ProcessWorkFolder(app).c_str(), NULL);
    }
    // Milliseconds that one click takes, the rebuild included.
    static DWORD TimedClick(const Firmlook &app, int id) {
        DWORD start = GetTickCount();
        app.Click(id);
        return GetTickCount() - start;
    }

    std::string folder_, log_;
};

TEST_F(RomProbe, RomLinesReplaceTheNotesByEitherLaunchMethod) {
    Result(kProbeVariable, kProbeRecord);
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    EXPECT_EQ(Launches(), 0);
    const std::string expected =
        kHeadEnglish + RegistryValuesEnglish() + RomLinesEnglish() + kVersions + "\r\n\r\n";
    app.Click(kRomDates); // started with CreateProcessA
    EXPECT_EQ(app.Report(), expected);
    EXPECT_EQ(Log(), "xybiosxy\n");
    EXPECT_FALSE(PathExists(File(app, "XYBIOSXY.$$$")));
    app.Click(kOldMethod); // through the command interpreter
    EXPECT_EQ(app.Report(), expected);
    EXPECT_EQ(Log(), "xybiosxy\nxybiosxy\n");
    EXPECT_FALSE(PathExists(File(app, "XYBIOSXY.$$$")));
}

TEST_F(RomProbe, ResultFileLengthDecidesTheLines) {
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    const std::string record = std::string(kProbeRecord) + "XYZ";
    const std::string withoutNotes =
        kHeadEnglish + RegistryValuesEnglish() + kVersions + "\r\n\r\n";
    app.Click(kRomDates); // the stand-in writes nothing
    EXPECT_EQ(app.Report(), withoutNotes);

    Result(kProbeVariable, record.substr(0, 16));
    app.Click(kRefresh);
    std::string report = app.Report();
    EXPECT_NE(report.find("\r\n\r\n ROM-System-BIOS-Date:     03/15/11    -->  "),
              std::string::npos);
    EXPECT_EQ(report.find("ROM-Video"), std::string::npos);
    EXPECT_FALSE(PathExists(File(app, "XYBIOSXY.$$$")));

    Result(kProbeVariable, record.substr(0, 17));
    app.Click(kRefresh);
    EXPECT_NE(app.Report().find("\r\n ROM-Video-BIOS-Date:      2010-1  -->  Jan.  0th 2010"),
              std::string::npos);

    Result(kProbeVariable, record + std::string(76, '#')); // 100 bytes: the first 24 count
    app.Click(kRefresh);
    EXPECT_EQ(app.Report(),
              kHeadEnglish + RegistryValuesEnglish() + RomLinesEnglish() + kVersions + "\r\n\r\n");
    EXPECT_FALSE(PathExists(File(app, "XYBIOSXY.$$$")));
}

TEST_F(RomProbe, HostileResultFiles) {
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    const std::string withoutNotes =
        kHeadEnglish + RegistryValuesEnglish() + kVersions + "\r\n\r\n";
    const std::string withRomLines =
        kHeadEnglish + RegistryValuesEnglish() + RomLinesEnglish() + kVersions + "\r\n\r\n";
    // An old result that stays is named in one line.
    const std::string stale = kHeadEnglish + RegistryValuesEnglish() +
                              OwnProbeFailure(kHelperStaleResult, 0) + kVersions + "\r\n\r\n";
    // A directory of that name: nothing read, nothing removed.
    MakeFolder(app);
    ASSERT_TRUE(CreateDirectoryA(File(app, "XYBIOSXY.$$$").c_str(), NULL));
    app.Click(kRomDates);
    EXPECT_EQ(app.Report(), stale);
    EXPECT_TRUE(PathExists(File(app, "XYBIOSXY.$$$")));
    RemoveDirectoryA(File(app, "XYBIOSXY.$$$").c_str());

    // A file that another process holds open without sharing: it cannot be deleted before
    // the run, so no lines, and it is left alone.
    WriteBytes(File(app, "XYBIOSXY.$$$"), kProbeRecord);
    HANDLE locked = CreateFileA(File(app, "XYBIOSXY.$$$").c_str(), GENERIC_READ, 0, NULL,
                                OPEN_EXISTING, 0, NULL);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    app.Click(kRefresh);
    EXPECT_EQ(app.Report(), stale);
    EXPECT_TRUE(PathExists(File(app, "XYBIOSXY.$$$")));
    CloseHandle(locked);

    // Held open for reading only: it cannot be deleted before the run, so it is no result
    // and stays until the holder lets go; then it is deleted unread.
    locked = CreateFileA(File(app, "XYBIOSXY.$$$").c_str(), GENERIC_READ, FILE_SHARE_READ, NULL,
                         OPEN_EXISTING, 0, NULL);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    app.Click(kRefresh);
    EXPECT_EQ(app.Report(), stale);
    EXPECT_TRUE(PathExists(File(app, "XYBIOSXY.$$$")));
    CloseHandle(locked);
    app.Click(kRefresh);
    EXPECT_EQ(app.Report(), withoutNotes);
    EXPECT_FALSE(PathExists(File(app, "XYBIOSXY.$$$")));

    // A huge file is read to its end; only its first bytes count.
    Result(kProbeVariable, kProbeRecord + std::string(20 * 1024 * 1024, '\xFF'));
    app.Click(kRefresh);
    EXPECT_EQ(app.Report(), withRomLines);
    EXPECT_FALSE(PathExists(File(app, "XYBIOSXY.$$$")));
}

TEST_F(RomProbe, WaitsForTheSubprogramWithoutLimit) {
    Result(kProbeVariable, kProbeRecord);
    SetEnvironmentVariableA("ROMPROBE_SLEEP_MS", "1500");
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    EXPECT_GE(TimedClick(app, kRomDates), 1450u);
    EXPECT_NE(app.Report().find(RomLinesEnglish()), std::string::npos);
}

// Wine reports Windows NT 4.0 to Firmlook.exe here, so the launcher takes its WinExec
// fallback and sleeps instead of waiting: 900 ms the first time, 350 ms afterwards.
TEST_F(RomProbe, WinExecFallbackBelowVersionFive) {
    SetReportedWindowsVersion("nt40");
    Result(kProbeVariable, kProbeRecord);
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    DWORD first = TimedClick(app, kRomDates);
    EXPECT_GE(first, 880u);
    EXPECT_NE(app.Report().find(RomLinesEnglish()), std::string::npos);
    EXPECT_EQ(Log(), "xybiosxy\n");
    DWORD second = TimedClick(app, kRefresh);
    EXPECT_GE(second, 340u);
    EXPECT_LT(second, first);
    EXPECT_NE(app.Report().find(RomLinesEnglish()), std::string::npos);
    EXPECT_FALSE(PathExists(File(app, "XYBIOSXY.$$$")));
}

TEST_F(RomProbe, DumpCopiesTheResultFile) {
    Result(kDumpVariable, "AB\r\nCD\r\n");
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    app.Click(kHexDump);
    EXPECT_EQ(app.Report(), std::string(kDumpHeadEnglish) + "AB\r\n CD\r\n \r\n");
    EXPECT_EQ(Log(), "xybioszz 0 0 1\n");
    EXPECT_FALSE(PathExists(File(app, "XYBIOSZZ.$$$")));
    app.Click(kOldMethod);
    EXPECT_EQ(app.Report(), std::string(kDumpHeadEnglish) + "AB\r\n CD\r\n \r\n");
    EXPECT_EQ(LastCommand(), "xybioszz 0 0 1");

    // A large file: at most 31,999 bytes are copied.
    Result(kDumpVariable, std::string(100 * 1024, 'x'));
    app.Click(kRefresh);
    EXPECT_EQ(app.Report(), kDumpHeadEnglish + std::string(31999, 'x') + "\r\n");
    EXPECT_FALSE(PathExists(File(app, "XYBIOSZZ.$$$")));
}

TEST_F(RomProbe, DumpNumberBoxesGiveTheCommandLine) {
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    app.Click(kHexDump);
    EXPECT_EQ(app.Report(), std::string(kDumpHeadEnglish) + kDumpErrorEnglish + "\r\n");
    SetWindowTextA(app.Item(kSegment), "9");
    SetWindowTextA(app.Item(kOffset), "8");
    SetWindowTextA(app.Item(kStep), "9");
    EXPECT_TRUE(WaitFor([&] { return LastCommand() == "xybioszz 7 7 9"; }, 3000)) << Log();
    SetWindowTextA(app.Item(kSegment), "");
    SetWindowTextA(app.Item(kOffset), "");
    SetWindowTextA(app.Item(kStep), "");
    EXPECT_TRUE(WaitFor([&] { return LastCommand() == "xybioszz 0 0 0"; }, 3000)) << Log();
}

TEST_F(RomProbe, DumpHostileResultFiles) {
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    const std::string error = std::string(kDumpHeadEnglish) + kDumpErrorEnglish + "\r\n";
    const std::string stale = kDumpHeadEnglish + OwnDumpError(kHelperStaleResult, 0) + "\r\n";
    MakeFolder(app);
    ASSERT_TRUE(CreateDirectoryA(File(app, "XYBIOSZZ.$$$").c_str(), NULL));
    app.Click(kHexDump);
    EXPECT_EQ(app.Report(), stale);
    EXPECT_TRUE(PathExists(File(app, "XYBIOSZZ.$$$")));
    RemoveDirectoryA(File(app, "XYBIOSZZ.$$$").c_str());

    WriteBytes(File(app, "XYBIOSZZ.$$$"), "AB\r\n");
    HANDLE locked = CreateFileA(File(app, "XYBIOSZZ.$$$").c_str(), GENERIC_READ, 0, NULL,
                                OPEN_EXISTING, 0, NULL);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    app.Click(kRefresh);
    EXPECT_EQ(app.Report(), stale);
    CloseHandle(locked);
    EXPECT_TRUE(PathExists(File(app, "XYBIOSZZ.$$$"))); // left alone when it could not be deleted

    // Held open for reading only: not deletable before the run, so no result, and it stays
    // until the holder lets go.
    locked = CreateFileA(File(app, "XYBIOSZZ.$$$").c_str(), GENERIC_READ, FILE_SHARE_READ, NULL,
                         OPEN_EXISTING, 0, NULL);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    app.Click(kRefresh);
    EXPECT_EQ(app.Report(), stale);
    EXPECT_TRUE(PathExists(File(app, "XYBIOSZZ.$$$")));
    CloseHandle(locked);
    app.Click(kRefresh);
    EXPECT_EQ(app.Report(), error);
    EXPECT_FALSE(PathExists(File(app, "XYBIOSZZ.$$$")));
}

// A stand-in that finds no ROM window, or that exits at once with another code, by either
// launch method: no ROM lines, or one that names the code, the dump's error text, nothing
// left behind.
TEST_F(RomProbe, SubprogramThatWritesNothingOrFails) {
    for (const char *exitCode : {"", "7"}) {
        if (*exitCode != '\0') { // would write both files, but exits first
            Result(kProbeVariable, kProbeRecord);
            Result(kDumpVariable, "AB\r\n");
            SetEnvironmentVariableA("ROMPROBE_EXIT_CODE", exitCode);
        }
        const unsigned long code = *exitCode != '\0' ? 7 : kHelperExitNoRomWindow;
        const std::string probe = kHeadEnglish + RegistryValuesEnglish() +
                                  OwnProbeFailure(kHelperEnded, code) + kVersions + "\r\n\r\n";
        const std::string error = kDumpHeadEnglish + OwnDumpError(kHelperEnded, code) + "\r\n";
        for (int oldMethod = 0; oldMethod < 2; ++oldMethod) {
            SCOPED_TRACE(std::string("exit code '") + exitCode + "', old method " +
                         std::to_string(oldMethod));
            Firmlook app;
            ASSERT_TRUE(app.Start(folder_));
            if (oldMethod)
                app.Click(kOldMethod);
            int before = Launches();
            app.Click(kRomDates);
            EXPECT_EQ(app.Report(), probe);
            app.Click(kHexDump);
            EXPECT_EQ(app.Report(), error);
            EXPECT_EQ(Launches(), before + 2);
            EXPECT_FALSE(PathExists(ProcessWorkFolder(app)));
        }
    }
}

// 50 MB of random bytes: only the first 31,999 are copied (CR and NUL dropped, LF indented),
// the rebuild is done within a second after the subprogram, and the file is deleted.
TEST_F(RomProbe, DumpOfFiftyMegabytesOfRandomBytes) {
    std::string bytes(50 * 1024 * 1024, '\0');
    std::mt19937 random(20261207);
    for (char &byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    Result(kDumpVariable, bytes);
    std::string expected = kDumpHeadEnglish;
    for (int i = 0; i < 31999; ++i) {
        if (bytes[i] == '\n')
            expected += "\r\n ";
        else if (bytes[i] != '\r' && bytes[i] != '\0')
            expected += bytes[i];
    }
    expected += "\r\n";
    bytes.clear();
    bytes.shrink_to_fit();
    const std::string doneLog = folder_ + "\\done.log";
    SetEnvironmentVariableA("ROMPROBE_DONE_LOG", doneLog.c_str());

    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    app.Click(kHexDump);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const unsigned long long end =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const unsigned long long done = strtoull(ReadBytes(doneLog).c_str(), NULL, 10);
    ASSERT_NE(done, 0u);
    EXPECT_LT(end - done, 10000000u) << "100 ns units after the subprogram ended";
    const std::string report = app.Report();
    EXPECT_EQ(report.size(), expected.size());
    EXPECT_TRUE(report == expected);
    EXPECT_FALSE(PathExists(File(app, "XYBIOSZZ.$$$")));
}

TEST_F(RomProbe, SpinBurstRebuildsOnce) {
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    app.Click(kHexDump);
    ASSERT_EQ(Launches(), 1);
    RECT spin;
    GetClientRect(app.Item(kSegmentSpin), &spin);
    const LPARAM upperHalf = MAKELPARAM(spin.right / 2, spin.bottom / 4);
    for (int i = 0; i < 3; ++i) {
        SendMessageA(app.Item(kSegmentSpin), WM_LBUTTONDOWN, MK_LBUTTON, upperHalf);
        SendMessageA(app.Item(kSegmentSpin), WM_LBUTTONUP, 0, upperHalf);
    }
    EXPECT_EQ(app.Text(kSegment), "3");
    EXPECT_EQ(Launches(), 1); // nothing yet: the layout timer waits for quiet
    Sleep(1000);
    EXPECT_EQ(Launches(), 2);
    EXPECT_EQ(LastCommand(), "xybioszz 3 0 1");
}

TEST_F(RomProbe, SystemModeReplacesTheDump) {
    Result(kDumpVariable, "AB\r\n");
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    app.Click(kRamInfo);
    app.Click(kHexDump);
    EXPECT_EQ(LastCommand(), "xybioszz 0 0 1"); // the dump still runs
    EXPECT_FALSE(PathExists(File(app, "XYBIOSZZ.$$$")));
    EXPECT_EQ(app.Report().find("Memory-Content"), std::string::npos);
}

// A Romprobe.exe that Windows cannot start (no program at all): the Windows error is named.
TEST_F(RomProbe, HelperThatCannotStartIsNamed) {
    WriteBytes(folder_ + "\\ROMPROBE.exe", "no program");
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    app.Click(kRomDates);
    EXPECT_EQ(app.Report(), kHeadEnglish + RegistryValuesEnglish() +
                                OwnProbeFailure(kHelperNotStarted, ERROR_BAD_EXE_FORMAT) +
                                kVersions + "\r\n\r\n");
    app.Click(kRomDates);
    app.Click(kHexDump);
    EXPECT_EQ(app.Report(),
              kDumpHeadEnglish + OwnDumpError(kHelperNotStarted, ERROR_BAD_EXE_FORMAT) + "\r\n");
}

// Started by WinExec, which gives nothing to wait for, the helper is still at work when
// Firmlook looks; its late result lands in this process's folder, where the next run
// removes it first.
TEST_F(RomProbe, HelperUnfinishedAfterWinExecIsNamed) {
    SetReportedWindowsVersion("nt40");
    Result(kDumpVariable, "AB\r\n");
    SetEnvironmentVariableA("ROMPROBE_SLEEP_MS", "2500");
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    app.Click(kHexDump);
    EXPECT_EQ(app.Report(), kDumpHeadEnglish + OwnDumpError(kHelperUnfinished, 0) + "\r\n");
    EXPECT_TRUE(WaitFor([&] { return PathExists(File(app, "XYBIOSZZ.$$$")); }, 5000));
}

// Two Firmlook windows dump different segments at the same moment: the first one's helper
// holds its written result a while, and the second window runs meanwhile. Each shows its
// own dump, and neither leaves its folder behind.
TEST_F(RomProbe, TwoWindowsDumpAtOnce) {
    Result(kDumpVariable, "first\r\n");
    const std::string doneLog = folder_ + "\\done.log";
    SetEnvironmentVariableA("ROMPROBE_DONE_LOG", doneLog.c_str());
    SetEnvironmentVariableA("ROMPROBE_LINGER_MS", "1500");
    Firmlook first;
    ASSERT_TRUE(first.Start(folder_));
    const std::string other = NewWorkFolder();
    InstallRomprobe(other);
    WriteBytes(other + "\\fixture", "second\r\n");
    SetEnvironmentVariableA(kDumpVariable, (other + "\\fixture").c_str());
    SetEnvironmentVariableA("ROMPROBE_DONE_LOG", NULL);
    SetEnvironmentVariableA("ROMPROBE_LINGER_MS", NULL);
    Firmlook second;
    ASSERT_TRUE(second.Start(other));
    SetWindowTextA(second.Item(kSegment), "6");

    PostMessageA(first.Item(kHexDump), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return PathExists(doneLog); }, 5000)); // its result is written
    second.Click(kHexDump);
    EXPECT_EQ(second.Report(), std::string(kDumpHeadEnglish) + "second\r\n \r\n");
    EXPECT_EQ(LastCommand(), "xybioszz 6 0 1");
    EXPECT_TRUE(WaitFor(
        [&] { return first.Report() == std::string(kDumpHeadEnglish) + "first\r\n \r\n"; }, 5000))
        << first.Report();
    EXPECT_NE(Log().find("xybioszz 0 0 1\n"), std::string::npos);
    EXPECT_FALSE(PathExists(ProcessWorkFolder(first)));
    EXPECT_FALSE(PathExists(ProcessWorkFolder(second)));
}

// Firmlook unpacked into a folder whose name cmd would change on its command line runs its
// own helper by either method, the interpreter's with delayed expansion on.
TEST_F(RomProbe, FoldersNamedWithPercentOrBang) {
    Result(kProbeVariable, kProbeRecord);
    char comspec[MAX_PATH] = "";
    GetEnvironmentVariableA("COMSPEC", comspec, sizeof comspec);
    InstallDouble("delayed\\cmd.exe", folder_);
    SetEnvironmentVariableA("COMSPEC", (folder_ + "\\cmd.exe").c_str());
    for (const char *name : {"100%", "%OS%", "new!", "!OS!"}) {
        SCOPED_TRACE(name);
        const std::string program = folder_ + "\\" + name;
        ASSERT_TRUE(CreateDirectoryA(program.c_str(), NULL));
        InstallRomprobe(program);
        Firmlook app;
        ASSERT_TRUE(app.StartCopy(folder_, program));
        app.Click(kRomDates);
        EXPECT_NE(app.Report().find(RomLinesEnglish()), std::string::npos) << app.Report();
        app.Click(kOldMethod);
        EXPECT_NE(app.Report().find(RomLinesEnglish()), std::string::npos) << app.Report();
    }
    SetEnvironmentVariableA("COMSPEC", *comspec != '\0' ? comspec : NULL);
    EXPECT_EQ(Launches(), 8);
}

// The German pass.
class GermanRom : public RomProbe {};

TEST_F(GermanRom, RomLinesAndDumpTexts) {
    Result(kProbeVariable, std::string("03/15/11 + 12/24/2010"));
    Firmlook app;
    ASSERT_TRUE(app.Start(folder_));
    app.Click(kRomDates);
    EXPECT_NE(
        app.Report().find(
            "\r\n Video-BIOS-Datum:       11/03/17    -->  03. Nov. 2017  [Freitag]     " +
            AgeText(2017, 11, 3, true) +
            "\r\n\r\n ROM-System-BIOS-Datum:  03/15/11    -->  15. M\xE4rz 2011  [Dienstag]    " +
            AgeText(2011, 3, 15, true) +
            "\r\n ROM-Video-BIOS-Datum:   12/24/2010  -->  24. Dez. 2010  [Freitag]     " +
            AgeText(2010, 12, 24, true) + "\r\n\r\n System-BIOS-Version: "),
        std::string::npos);
    app.Click(kRomDates);
    app.Click(kHexDump);
    EXPECT_EQ(app.Report(), "\r\n Speicher-Inhalt (4kB Block vom ersten Megabyte): "
                            "\r\n ================================================\r\n\r\n " +
                                OwnDumpError(kHelperEnded, kHelperExitNoRomWindow, 1) + "\r\n");
}

} // namespace
