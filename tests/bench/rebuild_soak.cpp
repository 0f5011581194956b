// Clicks through many rebuilds of each report kind in a running Firmlook.exe under Wine and
// prints the resident memory of its Wine process, read from /proc (through Wine's Z: drive),
// and its GDI objects, before and after each kind. A figure printer, not a test; see
// rebuild-soak.sh (at a DPI above 96 the font switch and the DPI changes make fonts).
//   rebuild_soak.exe [REBUILDS [KIND]]   (1000 rebuilds unless given; KIND: only the report
//                                        kinds whose name holds this text)
#include <windows.h>
#include <winternl.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "../wine/driver.h"

namespace {

const int kLanguage = 10, kFont = 11, kRefresh = 14, kRamInfo = 17, kRomDates = 18, kNoNotes = 19,
          kHexDump = 20, kOldMethod = 21;
const int kWarmUp = 20;

std::string ReadProcFile(const std::string &path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return "";
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, NULL) && read > 0)
        text.append(buffer, read);
    CloseHandle(file);
    return text;
}

// The Linux process whose command line holds this text and, when entry is not empty, whose
// environment holds this entry.
long FindUnixProcess(const std::string &text, const std::string &entry) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    long pid = 0;
    do {
        char *end;
        long candidate = strtol(found.cFileName, &end, 10);
        if (*end != '\0' || candidate <= 0)
            continue;
        std::string base = "Z:\\proc\\" + std::string(found.cFileName);
        if (ReadProcFile(base + "\\cmdline").find(text) == std::string::npos)
            continue;
        if (entry.empty() ||
            ReadProcFile(base + "\\environ").find(entry + '\0') != std::string::npos) {
            pid = candidate;
            break;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return pid;
}

// A field of /proc/PID/status in kB ("VmRSS", "RssAnon"); -1 when missing.
long StatusKb(long pid, const char *field) {
    std::string status = ReadProcFile("Z:\\proc\\" + std::to_string(pid) + "\\status");
    size_t at = status.find(std::string("\n") + field + ":");
    if (at == std::string::npos)
        return -1;
    return strtol(status.c_str() + at + strlen(field) + 2, NULL, 10);
}

// Open file descriptors of the process: a leaked file or handle often shows here.
int OpenDescriptors(long pid) {
    WIN32_FIND_DATAA found;
    HANDLE search =
        FindFirstFileA(("Z:\\proc\\" + std::to_string(pid) + "\\fd\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return -1;
    int count = 0;
    do {
        if (found.cFileName[0] != '.')
            ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

// GDI objects of the process. Wine's GetGuiResources answers 0, so there the live entries of
// the process's GDI handle table are counted (its address at 0xF8 in the 64-bit PEB, 65,536
// entries of 24 bytes, the type byte at 14 is 0 in a free one).
long GdiObjects(HANDLE process) {
    DWORD count = GetGuiResources(process, GR_GDIOBJECTS);
    if (count != 0)
        return count;
    PROCESS_BASIC_INFORMATION basic;
    ULONG size = 0;
    void *table = NULL;
    std::vector<unsigned char> entries(0x10000 * 24);
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &size) ||
        !ReadProcessMemory(process, reinterpret_cast<char *>(basic.PebBaseAddress) + 0xF8, &table,
                           sizeof table, NULL) ||
        table == NULL || !ReadProcessMemory(process, table, entries.data(), entries.size(), NULL))
        return -1;
    for (size_t i = 0; i < 0x10000; ++i)
        count += entries[i * 24 + 14] != 0;
    return count;
}

struct Sample {
    long rss, anon;
    int descriptors;
    long serverRss; // the wineserver keeps handles, windows and other objects
    long gdi;
};

Sample Take(long pid, long server, HANDLE process) {
    return {StatusKb(pid, "VmRSS"), StatusKb(pid, "RssAnon"), OpenDescriptors(pid),
            server != 0 ? StatusKb(server, "VmRSS") : -1, GdiObjects(process)};
}

// WM_DPICHANGED to the dialog with its own rectangle, which goes into Firmlook's memory.
void ChangeDpi(HWND dialog, HANDLE process, int dpi) {
    RECT rect;
    GetWindowRect(dialog, &rect);
    void *there = VirtualAllocEx(process, NULL, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process, there, &rect, sizeof rect, NULL);
    SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(there));
    VirtualFreeEx(process, there, 0, MEM_RELEASE);
}

// A dump result like the real subprogram's: 4 kB as 256 lines of 16 bytes.
std::string DumpText() {
    std::string text;
    char line[128];
    for (int row = 0; row < 256; ++row) {
        int n = sprintf(line, "F000:%04X ", row * 16);
        for (int i = 0; i < 16; ++i)
            n += sprintf(line + n, " %02X", (row * 16 + i) & 0xFF);
        sprintf(line + n, "  ................\r\n");
        text += line;
    }
    return text;
}

int Launches(const std::string &log) {
    std::string text = ReadBytes(log);
    int count = 0;
    for (char c : text)
        count += c == '\n';
    return count;
}

struct Kind {
    const char *name;
    int options[2];     // check boxes held set during the run (0: none)
    int control;        // what is pressed for each rebuild (0: a change of DPI instead)
    const char *marker; // a text the last report must hold
};

} // namespace

int main(int argc, char **argv) {
    const int rebuilds = argc > 1 ? atoi(argv[1]) : 1000;
    const char *only = argc > 2 ? argv[2] : NULL;
    setvbuf(stdout, NULL, _IONBF, 0);

    DeleteSettings();
    SeedTypicalFirmware();
    SetReportedWindowsVersion("");
    const std::string folder = NewWorkFolder();
    InstallRomprobe(folder);
    const std::string log = folder + "\\romprobe.log";
    WriteBytes(folder + "\\probe.fixture", "03/15/11 - 2010-12-24");
    WriteBytes(folder + "\\dump.fixture", DumpText());
    SetEnvironmentVariableA("ROMPROBE_LOG", log.c_str());
    SetEnvironmentVariableA("ROMPROBE_PROBE_FILE", (folder + "\\probe.fixture").c_str());
    SetEnvironmentVariableA("ROMPROBE_DUMP_FILE", (folder + "\\dump.fixture").c_str());
    // A copy of the program in the fresh folder, so that its Wine process can be told apart by
    // its command line; memquery.dll beside it for the system report.
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, sizeof self);
    std::string built(self);
    built.resize(built.find_last_of('\\') + 1);
    CopyFileA((built + "memquery.dll").c_str(), (folder + "\\memquery.dll").c_str(), FALSE);

    Firmlook app;
    if (!app.StartCopy(folder)) {
        printf("Firmlook did not start\n");
        return 1;
    }
    const long pid = FindUnixProcess(folder + "\\Firmlook.exe", "");
    if (pid == 0) {
        printf("the Wine process of Firmlook.exe was not found under /proc\n");
        return 1;
    }
    char prefix[MAX_PATH] = "";
    GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
    const long server = FindUnixProcess("wineserver", std::string("WINEPREFIX=") + prefix);
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, ProcessOf(app.dialog()));
    Sample start = Take(pid, server, process);
    printf("Firmlook.exe: Linux pid %ld, %d rebuilds per kind (after %d to warm up)\n", pid,
           rebuilds, kWarmUp);
    printf("at start: VmRSS %ld kB, RssAnon %ld kB, %d descriptors; wineserver VmRSS %ld kB; "
           "%ld GDI objects at %u DPI\n\n",
           start.rss, start.anon, start.descriptors, start.serverRss, start.gdi,
           GetDpiForWindow(app.dialog()));
    printf("%-26s %8s %8s %6s %8s %8s %6s %5s %8s %6s %7s %5s\n", "report kind", "VmRSS", "VmRSS",
           "growth", "RssAnon", "RssAnon", "growth", "fds", "server", "growth", "GDI", "secs");
    printf("%-26s %8s %8s %6s %8s %8s %6s %5s %8s %6s %7s %5s\n", "", "before", "after", "",
           "before", "after", "", "b/a", "before", "", "b/a", "");

    const Kind kinds[] = {
        {"firmware", {0}, kRefresh, "System-BIOS-Version"},
        {"firmware, ROM dates (18)", {kRomDates}, kRefresh, "ROM-System-BIOS-Date"},
        {"ROM hex dump (20)", {kHexDump}, kRefresh, "F000:0FF0"},
        {"system report (17)", {kRamInfo}, kRefresh, "MHz"},
        {"language switch", {0}, kLanguage, "System-BIOS-Version"},
        {"font switch", {0}, kFont, "System-BIOS-Version"},
        {"notes box (19), saved", {0}, kNoNotes, "System-BIOS-Version"},
        {"ROM dates, old method (21)", {kRomDates, kOldMethod}, kRefresh, "ROM-System-BIOS-Date"},
        {"DPI change, font 1 (fixed)", {0}, 0, "System-BIOS-Version"},
        {"DPI change, font 2 (GUI)", {kFont}, 0, "System-BIOS-Version"},
    };
    int faults = 0;
    for (const Kind &kind : kinds) {
        if (only != NULL && strstr(kind.name, only) == NULL)
            continue;
        for (int option : kind.options)
            if (option != 0)
                app.Click(option);
        const int startDpi = GetDpiForWindow(app.dialog());
        auto step = [&](int i) {
            if (kind.control != 0)
                app.Click(kind.control);
            else
                ChangeDpi(app.dialog(), process, i % 2 ? startDpi : startDpi * 3 / 2);
        };
        for (int i = 0; i < kWarmUp; ++i)
            step(i);
        const int launchesBefore = Launches(log);
        Sample before = Take(pid, server, process);
        DWORD begin = GetTickCount();
        for (int i = 0; i < rebuilds; ++i)
            step(i);
        DWORD seconds = (GetTickCount() - begin + 500) / 1000;
        Sample after = Take(pid, server, process);
        const std::string report = app.Report();
        const bool rom = kind.options[0] == kRomDates || kind.options[0] == kHexDump;
        const int launches = Launches(log) - launchesBefore;
        printf("%-26s %8ld %8ld %+6ld %8ld %8ld %+6ld %2d/%-2d %8ld %+6ld %3ld/%-3ld %5lu\n",
               kind.name, before.rss, after.rss, after.rss - before.rss, before.anon, after.anon,
               after.anon - before.anon, before.descriptors, after.descriptors, before.serverRss,
               after.serverRss - before.serverRss, before.gdi, after.gdi, seconds);
        if (report.find(kind.marker) == std::string::npos) {
            printf("  the last report lacks \"%s\"\n", kind.marker);
            ++faults;
        }
        if (rom && launches != rebuilds) {
            printf("  %d subprogram launches for %d rebuilds\n", launches, rebuilds);
            ++faults;
        }
        for (int option : kind.options)
            if (option != 0)
                app.Click(option);
    }
    Sample end = Take(pid, server, process);
    printf("\nat end: VmRSS %ld kB, RssAnon %ld kB, %d descriptors; wineserver VmRSS %ld kB; "
           "%ld GDI objects\n(memory figures in kB)\n",
           end.rss, end.anon, end.descriptors, end.serverRss, end.gdi);
    return faults == 0 ? 0 : 1;
}
