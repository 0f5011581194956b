// Smoke run of a Firmlook build and its memquery.dll, for the 32-bit deliverables in the
// emulated guest and for the x86_64 twin. Every step prints "ok" or "FAIL"; the firmware
// reports are written to OUT_DIR so that the two builds' bytes can be compared.
// usage: firmlook_smoke.exe OUT_DIR [--print] [--firmware-date MM/DD/YY] [--rom-image PATH]
//        firmlook_smoke.exe --hold-desktop
//        firmlook_smoke.exe --read-only-folder  (run by tests/support/read-only-folder.sh)
// With --print the report is also printed to the default printer through both dialogs.
// --firmware-date is the BIOS date that the machine's SMBIOS tables hold, and --rom-image a
// copy of its ROM window C0000h to FFFFFh: Romprobe.exe must find the first in the firmware
// and read the second as it reads an image. FIRMLOOK_EXE names the Firmlook.exe to test;
// memquery.dll and Romprobe.exe are taken from its folder.
#include <windows.h>
#include <commctrl.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "../wine/driver.h"
#include "../wine/report_texts.h"

namespace {

const int kClose = 1, kLanguageButton = 10, kPrintButton = 13, kRefreshButton = 14, kRamInfo = 17,
          kRomDates = 18, kHexDump = 20, kOldMethod = 21, kSegment = 22, kOffset = 24, kStep = 26;
const unsigned kWindowBase = 0xC0000, kWindowSize = 0x40000;

int g_failures = 0;

void Check(bool passed, const std::string &what, const std::string &detail = "") {
    printf("%s %s%s%s\n", passed ? "ok  " : "FAIL", what.c_str(), passed ? "" : ": ",
           passed ? "" : detail.c_str());
    fflush(stdout);
    if (!passed)
        ++g_failures;
}

bool German() {
    return PRIMARYLANGID(GetUserDefaultLangID()) == LANG_GERMAN;
}

// Values a real machine could hold that exercise the buffer handling: a 498-character
// identifier, a 10-character date, a binary date without its NUL and a DWORD version.
void SeedOddFirmware() {
    ClearFirmwareValues();
    SetFirmwareString("Identifier", std::string(498, 'I'));
    SetFirmwareString("SystemBiosDate", "06/20/2019");
    SetFirmwareValue("VideoBiosDate", REG_BINARY, "11/03/17");
    SetFirmwareValue("SystemBiosVersion", REG_MULTI_SZ, std::string(499, 'V') + '\0');
    SetFirmwareValue("VideoBiosVersion", REG_DWORD, std::string("ABC\0", 4));
}

// Asks a hook library, loaded into Firmlook's own process, what the dialog class's icon is:
// 2 when it is the program's icon resource, 1 when there is none, 3 for another one.
int ClassIconVerdict(HWND dialog) {
    HMODULE probe = LoadLibraryA("class_icon_probe.dll");
    HOOKPROC hook = probe ? reinterpret_cast<HOOKPROC>(
                                reinterpret_cast<void *>(GetProcAddress(probe, "ClassIconHook")))
                          : NULL;
    if (hook == NULL)
        return -1;
    DWORD thread = GetWindowThreadProcessId(dialog, NULL);
    HHOOK handle = SetWindowsHookExA(WH_GETMESSAGE, hook, probe, thread);
    int verdict = 0;
    if (handle != NULL) {
        PostMessageA(dialog, RegisterWindowMessageA("FirmlookClassIconProbe"), 0, 0);
        WaitFor(
            [&] {
                verdict = static_cast<int>(
                    reinterpret_cast<INT_PTR>(GetPropA(dialog, "FirmlookClassIcon")));
                return verdict != 0;
            },
            20000);
        UnhookWindowsHookEx(handle);
    }
    FreeLibrary(probe);
    return verdict;
}

// A ROM window image with a video BIOS date and the system date at FFFF5h.
std::string RomImage() {
    std::string image(kWindowSize, '\xFF');
    const std::string video = "\x55\xAA\x40\xE9 VGA BIOS 12/24/2010 ";
    image.replace(0, video.size(), video);
    image.replace(0xFFFF5 - kWindowBase, 8, "03/15/11");
    return image;
}

// Starts the program beside its Romprobe.exe in a fresh working folder, with this ROM image
// (none: the firmware).
bool StartWithRom(Firmlook *app, const std::string &image) {
    const std::string folder = NewWorkFolder();
    if (image.empty()) {
        SetEnvironmentVariableA("ROMPROBE_IMAGE", NULL);
    } else {
        WriteBytes(folder + "\\rom.img", image);
        SetEnvironmentVariableA("ROMPROBE_IMAGE", (folder + "\\rom.img").c_str());
    }
    return app->StartInPlace(folder);
}

// The machine's own firmware: the SMBIOS date when no ROM window is readable, then the copy
// of its ROM window as an image: the system date at FFFF5h and the block at FE000h.
void MachineRomSmoke(const std::string &out, const std::string &firmwareDate,
                     const std::string &imagePath) {
    const bool german = German();
    const std::string label =
        german ? "\r\n\r\n ROM-System-BIOS-Datum:  " : "\r\n\r\n ROM-System-BIOS-Date:     ";
    if (!firmwareDate.empty()) {
        Firmlook app;
        Check(StartWithRom(&app, ""), "Firmlook.exe starts beside Romprobe.exe", app.StartError());
        app.Click(kRomDates);
        const std::string report = app.Report();
        WriteBytes(out + "\\firmware-rom.txt", report);
        const int month = atoi(firmwareDate.substr(0, 2).c_str());
        const int day = atoi(firmwareDate.substr(3, 2).c_str());
        const int year = 2000 + atoi(firmwareDate.substr(6, 2).c_str());
        Check(report.find(label + firmwareDate + "    -->  ") != std::string::npos &&
                  report.find(AgeText(year, month, day, german)) != std::string::npos,
              "Romprobe.exe reads the BIOS date from the SMBIOS tables", report);
        app.Click(kRomDates);
        app.Click(kHexDump);
        Check(app.Report().find(OwnDumpError(kHelperEnded, kHelperExitNoRomWindow,
                                             german ? 1 : 0)) != std::string::npos,
              "without a ROM window the dump names the firmware", app.Report());
        app.Click(kClose);
    }
    if (imagePath.empty())
        return;
    const std::string image = ReadBytes(imagePath);
    Check(image.size() == kWindowSize, "the ROM window copy has 256 kB",
          std::to_string(image.size()));
    if (image.size() != kWindowSize)
        return;
    Firmlook app;
    Check(StartWithRom(&app, image), "Firmlook.exe starts with the ROM image", app.StartError());
    app.Click(kRomDates);
    const std::string report = app.Report();
    WriteBytes(out + "\\image-rom.txt", report);
    const std::string systemDate = image.substr(0xFFFF5 - kWindowBase, 8);
    Check(report.find(label + systemDate + "    -->  ") != std::string::npos,
          "the ROM system date is the 8 bytes at FFFF5h (" + systemDate + ")", report);
    app.Click(kRomDates);
    SetWindowTextA(app.Item(kSegment), "7");
    SetWindowTextA(app.Item(kOffset), "6");
    SetWindowTextA(app.Item(kStep), "1");
    app.Click(kHexDump);
    std::string expected;
    for (char c : HexDumpText(image.substr(0xFE000 - kWindowBase, 0x1000), 0xF800, 0x6000, 16))
        expected += c == '\n' ? "\n " : std::string(1, c);
    const std::string dump = app.Report();
    WriteBytes(out + "\\image-dump.txt", dump);
    Check(dump.size() > expected.size() &&
              dump.compare(dump.size() - expected.size() - 2, expected.size(), expected) == 0,
          "the dump of FE000h equals an independent hex dump of the image", dump.substr(0, 300));
    app.Click(kClose);
}

void FirmlookSmoke(const std::string &out, bool print) {
    DeleteSettings();
    SeedTypicalFirmware();
    Firmlook app;
    if (!StartWithRom(&app, RomImage())) {
        Check(false, "Firmlook.exe starts and shows its dialog", app.StartError());
        return;
    }
    int controls = 0;
    for (HWND child = GetWindow(app.dialog(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        ++controls;
    Check(controls == 23, "the dialog has 23 controls", std::to_string(controls));

    const std::string typical = app.Report();
    WriteBytes(out + "\\typical.txt", typical);
    Check(typical.find("06/20/19    -->  ") != std::string::npos,
          "the report shows the seeded BIOS date", typical);
    if (print) {
        Check(PrintThroughDialogs(app, "Liberation Mono", "12", 120000),
              "the report goes through the print-setup and font dialogs");
        // Answered once the print loop in the program's thread has finished.
        WriteBytes(out + "\\printed.txt", app.Report());
    }
    app.Click(kRomDates);
    const std::string rom = app.Report();
    WriteBytes(out + "\\rom.txt", rom);
    Check(rom.find("03/15/11    -->  ") != std::string::npos &&
              rom.find("12/24/2010  -->  ") != std::string::npos,
          "the ROM dates come from Romprobe.exe", rom);
    app.Click(kRomDates);
    SeedOddFirmware();
    app.Click(kRefreshButton);
    WriteBytes(out + "\\odd.txt", app.Report());

    const bool german = German();
    Check(typical.find(NotesText(german ? 1 : 0, true)) != std::string::npos,
          "the notes tell what Romprobe.exe does", typical);
    Check(app.Text(kClose) == (german ? "Beenden" : "Close"), "the captions follow the locale",
          app.Text(kClose));
    app.Click(kLanguageButton);
    Check(app.Text(kClose) == (german ? "Close" : "Beenden"),
          "the language button switches the captions", app.Text(kClose));
    WriteBytes(out + "\\switched.txt", app.Report());

    const int icon = ClassIconVerdict(app.dialog());
    Check(icon == 2, "the dialog class has the program's icon", std::to_string(icon));
    const std::string tip = TipFor(app, kPrintButton, 10000);
    Check(tip == (german ? "Print Content of the Output Window"
                         : "Inhalt des Ausgabefensters ausdrucken"),
          "the print button's tip is in the switched language", tip);

    app.Click(kLanguageButton);
    app.Click(kRamInfo);
    const std::string system = app.Report();
    WriteBytes(out + "\\system.txt", system);
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    const std::string versionLine =
        (german ? " Hauptversion: " : " Major Version: ") + std::to_string(version.dwMajorVersion) +
        (german ? " - Unterversion: " : " - Minor Version: ") +
        std::to_string(version.dwMinorVersion) +
        " - Build: " + std::to_string(version.dwBuildNumber & 0xFFFF) + " \r\n";
    Check(system.find("Win-API \"GlobalMemoryStatusEx\" \r\n") != std::string::npos,
          "the system report's memory note names GlobalMemoryStatusEx", system);
    Check(system.find(versionLine) != std::string::npos,
          "the system report shows the Windows version", versionLine);

    app.Click(kClose);
    DWORD exitCode = 99;
    Check(app.WaitForExit(60000, &exitCode) && exitCode == 0, "Close ends the process with 0",
          std::to_string(exitCode));
}

// Firmlook started in the read-only folder FIRMLOOK_READ_ONLY, beside its helper, with the ROM
// image ROMPROBE_IMAGE (both set by tests/support/read-only-folder.sh): both launch methods
// give the image's ROM date and dump. A result file with another date, planted where the
// helper works and in the current folder (through FIRMLOOK_READ_ONLY_SOURCE), never shows,
// also once the image is gone and the helper fails.
int ReadOnlyFolderSmoke() {
    const std::string folder = getenv("FIRMLOOK_READ_ONLY"), rom = getenv("ROMPROBE_IMAGE");
    const std::string source = getenv("FIRMLOOK_READ_ONLY_SOURCE");
    const std::string image = ReadBytes(rom), date = image.substr(0x3FFF5, 8) + "    -->  ";
    std::string dump;
    for (char c : HexDumpText(image.substr(0, 0x1000), 0xC000, 0, 16))
        dump += c == '\n' ? "\n " : std::string(1, c);
    Firmlook app;
    Check(app.StartAt(folder + "\\Firmlook.exe", folder), "Firmlook starts in " + folder);
    // Runs 0 and 2 by the old method, 1 and 3 by CreateProcessA; 2 and 3 without the image.
    for (int run = 0; run < 4; ++run) {
        if (run == 2)
            DeleteFileA(rom.c_str());
        CreateDirectoryA(ProcessWorkFolder(app).c_str(), NULL);
        for (const std::string &at : {ProcessWorkFolder(app), source})
            WriteBytes(at + "\\XYBIOSXY.$$$", "01/02/98\r\n");
        app.Click(kOldMethod);
        app.Click(kRomDates);
        const std::string report = app.Report();
        app.Click(kRomDates);
        app.Click(kHexDump);
        Check((report.find(date) != std::string::npos) == (run < 2) &&
                  report.find("01/02/98") == std::string::npos &&
                  (run >= 2 || app.Report().find(dump) != std::string::npos),
              "run " + std::to_string(run) + ": the image's ROM date and dump, none planted",
              report + app.Report());
        app.Click(kHexDump);
    }
    return g_failures ? 1 : 0;
}

typedef int(__cdecl *IntExport)(void);

int MiB(DWORDLONG bytes) {
    return static_cast<int>(bytes / 1048576);
}

void MemQuerySmoke() {
    HMODULE library = LoadLibraryA((ProgramFolder() + "memquery.dll").c_str());
    Check(library != NULL, "memquery.dll loads by name");
    if (library == NULL)
        return;
    const char *names[8] = {"_TickRate",  "_GetRamEx0", "_GetRamEx1", "_GetRamEx2",
                            "_GetRamEx3", "_GetRamEx4", "_GetRamEx5", "_GetRamEx6"};
    IntExport exports[8];
    std::string missing;
    for (int i = 0; i < 8; ++i) {
        exports[i] = reinterpret_cast<IntExport>(
            reinterpret_cast<void *>(GetProcAddress(library, names[i])));
        if (exports[i] == NULL)
            missing += std::string(" ") + names[i];
    }
    Check(missing.empty(), "GetProcAddress finds the eight undecorated names", missing);
    if (!missing.empty())
        return;

    const int mhz = exports[0](), own = OwnMhz();
    Check(mhz > 0 && abs(mhz - own) <= own / 4, "_TickRate returns the clock",
          std::to_string(mhz) + " MHz, own measurement " + std::to_string(own) + " MHz");

    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    const int totals[3] = {exports[2](), exports[4](), exports[6]()};
    const int own3[3] = {MiB(status.ullTotalPhys), MiB(status.ullTotalPageFile),
                         MiB(status.ullTotalVirtual)};
    Check(totals[0] == own3[0] && totals[1] == own3[1] && totals[2] == own3[2],
          "the memory totals match GlobalMemoryStatusEx",
          std::to_string(totals[0]) + "/" + std::to_string(totals[1]) + "/" +
              std::to_string(totals[2]) + " vs " + std::to_string(own3[0]) + "/" +
              std::to_string(own3[1]) + "/" + std::to_string(own3[2]));
    Check(abs(exports[1]() - static_cast<int>(status.dwMemoryLoad)) <= 5 &&
              abs(exports[3]() - MiB(status.ullAvailPhys)) <= 64,
          "the memory load and free memory match GlobalMemoryStatusEx");
    FreeLibrary(library);
}

// Wine starts its desktop process for the first program that needs a display and waits 10 s
// for it; an emulated machine under load can miss that, and the program is left without a
// display for good. This holds the desktop for a whole run, so that every program after it
// finds it up: it says whether it got a display, then waits until it is ended.
int HoldDesktop() {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    printf("%s\n", window != NULL ? "desktop ready" : "no display");
    fflush(stdout);
    if (window == NULL)
        return 1;
    Sleep(INFINITE);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 2 && strcmp(argv[1], "--hold-desktop") == 0)
        return HoldDesktop();
    if (argc == 2 && strcmp(argv[1], "--read-only-folder") == 0)
        return ReadOnlyFolderSmoke();
    bool print = false;
    std::string firmwareDate, imagePath;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--print")
            print = true;
        else if (option == "--firmware-date" && i + 1 < argc)
            firmwareDate = argv[++i];
        else if (option == "--rom-image" && i + 1 < argc)
            imagePath = argv[++i];
        else
            argc = 0;
    }
    if (argc < 2) {
        fprintf(stderr, "usage: firmlook_smoke OUT_DIR [--print] [--firmware-date MM/DD/YY] "
                        "[--rom-image PATH]\n");
        return 2;
    }
    const std::string out = argv[1];
    CreateDirectoryA(out.c_str(), NULL);
    printf("Firmlook smoke run, %d-bit, user language %04x\n", static_cast<int>(sizeof(void *) * 8),
           GetUserDefaultLangID());
    FirmlookSmoke(out, print);
    MachineRomSmoke(out, firmwareDate, imagePath);
    MemQuerySmoke();
    printf("%s: %d failed\n", g_failures ? "FAILED" : "passed", g_failures);
    return g_failures ? 1 : 0;
}
