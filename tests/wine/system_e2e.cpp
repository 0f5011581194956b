// End-to-end tests of memquery.dll and of the system report ("Extra: Show RAM-Info"),
// compared with what this test process reads from the platform itself.
#include <gtest/gtest.h>

#include <windows.h>
#include <stdlib.h>

#include <regex>
#include <string>

#include "driver.h"

namespace {

const int kRamInfo = 17, kLanguageButton = 10;

typedef int(__cdecl *IntExport)(void);

std::string Escape(const std::string &text) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    return std::regex_replace(text, special, R"(\$&)");
}

// The report's text between two fixed pieces.
std::string Between(const std::string &text, const std::string &before, const std::string &after) {
    size_t start = text.find(before);
    if (start == std::string::npos)
        return "<missing " + before + ">";
    start += before.size();
    size_t end = text.find(after, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

int MemoryFigure(const std::string &report, const std::string &label) {
    std::smatch match;
    std::regex line(Escape("\r\n " + label + " ") + " *(-?[0-9]+) MB ");
    return std::regex_search(report, match, line) ? std::stoi(match[1]) : -999999;
}

MEMORYSTATUSEX OwnMemoryStatus() {
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    return status;
}

int MiB(DWORDLONG bytes) {
    return static_cast<int>(bytes / 1048576);
}

TEST(MemQuery, ExportsMatchTheProcessOwnQueries) {
    HMODULE library = LoadLibraryA("memquery.dll");
    ASSERT_NE(library, nullptr);
    IntExport exports[8];
    const char *names[8] = {"_TickRate",  "_GetRamEx0", "_GetRamEx1", "_GetRamEx2",
                            "_GetRamEx3", "_GetRamEx4", "_GetRamEx5", "_GetRamEx6"};
    for (int i = 0; i < 8; ++i) {
        exports[i] = reinterpret_cast<IntExport>(
            reinterpret_cast<void *>(GetProcAddress(library, names[i])));
        ASSERT_NE(exports[i], nullptr) << names[i];
    }
    EXPECT_EQ(GetProcAddress(library, "TickRate"), nullptr);
    EXPECT_EQ(GetProcAddress(library, "__TickRate"), nullptr);
    MEMORYSTATUSEX own = OwnMemoryStatus();
    EXPECT_EQ(exports[2](), MiB(own.ullTotalPhys));
    EXPECT_EQ(exports[4](), MiB(own.ullTotalPageFile));
    EXPECT_EQ(exports[6](), MiB(own.ullTotalVirtual));
    EXPECT_NEAR(exports[1](), static_cast<int>(own.dwMemoryLoad), 5);
    EXPECT_NEAR(exports[3](), MiB(own.ullAvailPhys), 64);
    EXPECT_NEAR(exports[5](), MiB(own.ullAvailPageFile), 64);
    EXPECT_NEAR(exports[7](), MiB(own.ullAvailVirtual), 64);
    FreeLibrary(library);
}

TEST(MemQuery, TickRateIsTheClockAndRestoresThePriority) {
    HMODULE library = LoadLibraryA("memquery.dll");
    ASSERT_NE(library, nullptr);
    IntExport tickRate =
        reinterpret_cast<IntExport>(reinterpret_cast<void *>(GetProcAddress(library, "_TickRate")));
    ASSERT_NE(tickRate, nullptr);
    for (int priority : {THREAD_PRIORITY_NORMAL, THREAD_PRIORITY_BELOW_NORMAL}) {
        SetThreadPriority(GetCurrentThread(), priority);
        // On a loaded machine one short measurement can be thrown off by preemption; a wrong
        // clock is off in every try.
        int mhz = 0, own = 0;
        for (int attempt = 0; attempt < 3; ++attempt) {
            DWORD start = GetTickCount();
            mhz = tickRate();
            DWORD elapsed = GetTickCount() - start;
            own = OwnMhz();
            EXPECT_GE(elapsed, 90u);
            EXPECT_EQ(GetThreadPriority(GetCurrentThread()), priority);
            if (abs(mhz - own) <= own / 20)
                break;
        }
        EXPECT_NEAR(mhz, own, own / 20) << "priority " << priority;
    }
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
    FreeLibrary(library);
}

std::string OwnName(int which) {
    char value[256] = "";
    DWORD size = sizeof value;
    if (which == 0)
        GetUserNameA(value, &size);
    else if (which == 1)
        GetComputerNameA(value, &size);
    else
        GetProfileStringA("windows", "device", "", value, sizeof value);
    return value;
}

class SystemReport : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteSettings();
        SeedTypicalFirmware();
        SetEnvironmentVariableA("TICKRATE_MHZ", NULL);
    }
    void TearDown() override { SetEnvironmentVariableA("TICKRATE_MHZ", NULL); }
};

TEST_F(SystemReport, EnglishWithMemQuery) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    app.Click(kRamInfo);
    const std::string report = app.Report();
    SYSTEM_INFO system = {};
    GetSystemInfo(&system);
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    MEMORYSTATUSEX own = OwnMemoryStatus();

    EXPECT_EQ(MemoryFigure(report, "Physical Memory:     "), MiB(own.ullTotalPhys));
    EXPECT_EQ(MemoryFigure(report, "Maximum Page Memory: "), MiB(own.ullTotalPageFile));
    EXPECT_EQ(MemoryFigure(report, "Virtual Memory:      "), MiB(own.ullTotalVirtual));
    EXPECT_NEAR(MemoryFigure(report, "Free Physical Memory:"), MiB(own.ullAvailPhys), 64);

    const std::string processors = std::to_string(system.dwNumberOfProcessors);
    const std::string pattern =
        "\r\n Used Memory: [0-9]+% \r\n"
        "\r\n Physical Memory:       +[0-9]+ MB \r\n Free Physical Memory:  +[0-9]+ MB "
        "\r\n Maximum Page Memory:   +[0-9]+ MB \r\n Free Page Memory:      +[0-9]+ MB "
        "\r\n Virtual Memory:        +[0-9]+ MB \r\n Free Virtual Memory:   +[0-9]+ MB " +
        Escape("\r\n\r\n Values acc. to Win-API \"GlobalMemoryStatusEx\" \r\n (de facto more "
               "installed RAM is possible) ") +
        Escape("\r\n\r\n Number of Processors: " + processors + " ") +
        "\r\n Actual CPU-Frequency: ~[1-9][0-9]* MHz" +
        (system.dwNumberOfProcessors > 1
             ? Escape("\r\n (only one Processor is used by the Program) ")
             : std::string()) +
        Escape("\r\n\r\n System-BIOS-Date:     06/20/19\r\n Video-BIOS-Date:      11/03/17") +
        Escape("\r\n\r\n Operating System Version: \r\n Major Version: " +
               std::to_string(version.dwMajorVersion) +
               " - Minor Version: " + std::to_string(version.dwMinorVersion) +
               " - Build: " + std::to_string(version.dwBuildNumber & 0xFFFF) + " \r\n = Windows ") +
        "[^\r\n]*" + Escape(" (32Bit Windows Version) " + std::string(version.szCSDVersion)) +
        Escape("\r\n\r\n User     Name    = " + OwnName(0) +
               "\r\n Computer Name    = " + OwnName(1) + "\r\n Default  Printer = " + OwnName(2)) +
        "\r\n\r\n Windows Uptime: ([0-9]+ Days? )?[ 0-9][0-9] Hours? +[ 0-9][0-9] Minutes? +"
        "[ 0-9][0-9] Seconds? \r\n Program Uptime: ([0-9]+ Days? )?"
        " 0 Hours +[ 0-9][0-9] Minutes? +[ 0-9][0-9] Seconds? \r\n";
    EXPECT_TRUE(std::regex_match(report, std::regex(pattern))) << report;
    // Wine's own Windows 7 default, named by the program.
    EXPECT_EQ(Between(report, "\r\n = Windows ", " (").substr(0, 5), "Seven");
}

TEST_F(SystemReport, FallbackWithoutMemQuery) {
    std::string folder = NewWorkFolder();
    Firmlook app;
    ASSERT_TRUE(app.StartCopy(folder));
    app.Click(kRamInfo);
    const std::string report = app.Report();
    MEMORYSTATUS status = {};
    GlobalMemoryStatus(&status);
    // The platform's byte counts as 32-bit values, shifted down to MB.
    EXPECT_EQ(MemoryFigure(report, "Physical Memory:     "),
              static_cast<int>(static_cast<unsigned>(status.dwTotalPhys) >> 20));
    EXPECT_NE(report.find("Win-API \"GlobalMemoryStatus\" \r\n"), std::string::npos);
    EXPECT_EQ(report.find("CPU-Frequency"), std::string::npos); // no library gives a clock
    EXPECT_NE(report.find("\r\n\r\n Number of Processors: "), std::string::npos);
}

TEST_F(SystemReport, PartialMemQueryAndTickRate) {
    std::string folder = NewWorkFolder();
    InstallDouble("partial\\memquery.dll", folder);
    InstallDouble("tickrate\\tickrate.dll", folder);
    SetEnvironmentVariableA("TICKRATE_MHZ", "1234");
    Firmlook app;
    ASSERT_TRUE(app.StartCopy(folder));
    app.Click(kRamInfo);
    const std::string report = app.Report();
    EXPECT_EQ(report.substr(0, 20), "\r\n Used Memory: 42% ");
    EXPECT_EQ(MemoryFigure(report, "Physical Memory:     "), 0);
    EXPECT_EQ(MemoryFigure(report, "Maximum Page Memory: "), 777);
    EXPECT_EQ(MemoryFigure(report, "Free Virtual Memory: "), 0);
    EXPECT_NE(report.find("Win-API \"GlobalMemoryStatusEx\" \r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\n Actual CPU-Frequency: ~1234 MHz"), std::string::npos);
}

TEST_F(SystemReport, FirmwareDatesPresentAbsentAndTooLong) {
    SetFirmwareString("SystemBiosDate", std::string(40, '1'));           // longer than 32 bytes
    SetFirmwareValue("VideoBiosDate", REG_BINARY, std::string(32, '7')); // exactly 32, no NUL
    Firmlook app;
    ASSERT_TRUE(app.Start());
    app.Click(kRamInfo);
    std::string report = app.Report();
    EXPECT_EQ(report.find("System-BIOS-Date"), std::string::npos);
    EXPECT_NE(
        report.find("\r\n Video-BIOS-Date:      " + std::string(32, '7') + "\r\n\r\n Operating"),
        std::string::npos);
    ClearFirmwareValues();
    app.Click(kRamInfo);
    app.Click(kRamInfo);
    report = app.Report();
    EXPECT_EQ(report.find("BIOS-Date"), std::string::npos);
    EXPECT_NE(report.find("\r\n\r\n Operating System Version: "), std::string::npos);
}

// Wine told to report Windows 10 to Firmlook.exe: the manifest's list of supported systems
// lets the real numbers through (without it they would read 6.2 build 9200), and a 10.0
// below build 22000 is named Windows 10, with its edition.
class WindowsTen : public SystemReport {
  protected:
    void SetUp() override {
        SystemReport::SetUp();
        SetReportedWindowsVersion("win10");
    }
    void TearDown() override {
        SetReportedWindowsVersion("");
        SystemReport::TearDown();
    }
};

TEST_F(WindowsTen, VersionLinesShowTheRealVersion) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    app.Click(kRamInfo);
    const std::string report = app.Report();
    std::smatch match;
    ASSERT_TRUE(std::regex_search(
        report, match,
        std::regex(Escape("\r\n\r\n Operating System Version: \r\n Major Version: 10 - Minor "
                          "Version: 0 - Build: ") +
                   "([0-9]+) " + Escape("\r\n = Windows 10") + "( [A-Za-z ]+)? " +
                   Escape("(32Bit Windows Version) ") + "\r\n")))
        << report;
    EXPECT_GE(std::stoi(match[1]), 10240) << "the first build of Windows 10";
}

// The German pass.
class GermanSystem : public SystemReport {};

TEST_F(GermanSystem, GermanTexts) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    app.Click(kRamInfo);
    const std::string report = app.Report();
    EXPECT_EQ(report.substr(0, 21), "\r\n Speicherbelegung: ");
    for (const char *piece :
         {"\r\n Physikalischer Speicher:        ", "\r\n Freier Virtueller Speicher:     ",
          "\r\n\r\n Werte gem\xE4\xDF Win-API \"GlobalMemoryStatusEx\" \r\n (es kann aber mehr "
          "RAM-Speicher installiert sein) ",
          "\r\n\r\n Anzahl der Prozessoren: ", "\r\n Aktuelle CPU-Frequenz:  ~",
          "\r\n\r\n System-BIOS-Datum:      06/20/19\r\n Video-BIOS-Datum:       11/03/17",
          "\r\n\r\n Betriebssystem Version: \r\n Hauptversion: ", " - Unterversion: ",
          "\r\n\r\n User     Name    = ", "\r\n\r\n Windows Uptime: ", " Sekunde",
          "\r\n Program Uptime: "})
        EXPECT_NE(report.find(piece), std::string::npos) << piece;
    app.Click(kLanguageButton);
    EXPECT_EQ(app.Report().substr(0, 16), "\r\n Used Memory: ");
}

} // namespace
