// The system report: gathers memory, processor, firmware, version, name and uptime values
// and hands them to the text functions. memquery.dll and tickrate.dll are loaded by name
// and freed within each operation.
#include <windows.h>
#include <string.h>

#include "../shell/shell.h"
#include "sysinfo.h"
#include "system_text.h"

namespace {

typedef int(__cdecl *IntExport)(void);

int BasicMajorVersion() {
    OSVERSIONINFOA version;
    memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return 0;
    return static_cast<int>(version.dwMajorVersion);
}

IntExport FindExport(HMODULE library, const char *name) {
    return reinterpret_cast<IntExport>(reinterpret_cast<void *>(GetProcAddress(library, name)));
}

// Calls the library's parameterless _TickRate, if it has one; 0 otherwise.
int TickRateFrom(const char *libraryName) {
    HMODULE library = LoadLibraryA(libraryName);
    if (library == NULL)
        return 0;
    int rate = 0;
    IntExport tickRate = FindExport(library, "_TickRate");
    if (tickRate != NULL)
        rate = tickRate();
    FreeLibrary(library);
    return rate;
}

void GatherMemory(MemoryFigures *figures) {
    memset(figures, 0, sizeof *figures);
    if (BasicMajorVersion() >= 5) {
        HMODULE library = LoadLibraryA("memquery.dll");
        if (library != NULL) {
            for (int i = 0; i < kMemoryFigureCount; ++i) {
                char name[32];
                wsprintfA(name, "_GetRamEx%d", i);
                IntExport query = FindExport(library, name);
                if (query != NULL) {
                    figures->figure[i] = query();
                    ++figures->exportCount;
                }
            }
            FreeLibrary(library);
        }
    }
    if (figures->exportCount == 0) {
        MEMORYSTATUS status;
        memset(&status, 0, sizeof status);
        GlobalMemoryStatus(&status);
        MemoryFromStatus(figures, static_cast<unsigned>(status.dwMemoryLoad),
                         static_cast<unsigned>(status.dwTotalPhys),
                         static_cast<unsigned>(status.dwAvailPhys),
                         static_cast<unsigned>(status.dwTotalPageFile),
                         static_cast<unsigned>(status.dwAvailPageFile),
                         static_cast<unsigned>(status.dwTotalVirtual),
                         static_cast<unsigned>(status.dwAvailVirtual));
    }
}

void AppendFirmwareDates(ReportText *report, int language) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\SYSTEM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return;
    const char *const names[2] = {"SystemBiosDate", "VideoBiosDate"};
    for (int i = 0; i < 2; ++i) {
        // A value longer than the buffer fails to read and its line is left out; one byte
        // more than the read may fill keeps an unterminated value terminated.
        char value[33];
        memset(value, 0, sizeof value);
        DWORD type = 0, size = 32;
        if (RegQueryValueExA(key, names[i], NULL, &type, reinterpret_cast<BYTE *>(value), &size) ==
            ERROR_SUCCESS)
            AppendRawFirmwareDate(report, i, value, language);
    }
    RegCloseKey(key);
}

} // namespace

unsigned long long ReadTickCount() {
    typedef ULONGLONG(WINAPI * GetTickCount64Function)(void);
    GetTickCount64Function getTickCount64 = reinterpret_cast<GetTickCount64Function>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32"), "GetTickCount64")));
    return getTickCount64 != NULL ? getTickCount64() : GetTickCount();
}

int GetCpuMhz() {
    int rate = 0;
    if (BasicMajorVersion() >= 5)
        rate = TickRateFrom("memquery.dll");
    if (rate == 0)
        rate = TickRateFrom("tickrate.dll");
    return rate;
}

void BuildSystemSection(ReportText *report, int languageFlag) {
    const int language = languageFlag != 0 ? 1 : 0;
    MemoryFigures figures;
    GatherMemory(&figures);
    WriteMemorySection(report, &figures, language);

    int mhz = GetCpuMhz();
    SYSTEM_INFO system;
    memset(&system, 0, sizeof system);
    GetSystemInfo(&system);
    AppendProcessorLines(report, static_cast<int>(system.dwNumberOfProcessors), mhz, language);

    AppendFirmwareDates(report, language);

    char nameText[256];
    int major = 0, minor = 0, build = 0;
    if (GetWindowsVersionName(nameText, &major, &minor, &build) != 0)
        AppendVersionLines(report, major, minor, build, nameText, language);

    char value[1024];
    char emptyDefault[256];
    for (int i = 0; i < 3; ++i) {
        emptyDefault[0] = '\0';
        value[0] = '\0';
        DWORD size = 120;
        if (i == 0)
            GetUserNameA(value, &size);
        else if (i == 1)
            GetComputerNameA(value, &size);
        else
            GetProfileStringA("windows", "device", emptyDefault, value, 120);
        AppendNameLine(report, i, value);
    }

    AppendUptimes(report, ReadTickCount(), g_programStartSecond, language);
}
