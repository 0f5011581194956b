// Gathers the version facts from the platform; the naming itself is ComposeWindowsVersionName.
// The WOW64 question is asked here for the firmware report's warning as well.
#include <windows.h>
#include <string.h>

#include "sysinfo.h"
#include "version_name.h"

namespace {

typedef BOOL(WINAPI *GetProductInfoFunction)(DWORD, DWORD, DWORD, DWORD, PDWORD);
typedef BOOL(WINAPI *IsWow64ProcessFunction)(HANDLE, PBOOL);

template <typename Function> Function Lookup(const char *module, const char *name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA(module), name)));
}

} // namespace

int RunsUnderWow64() {
    IsWow64ProcessFunction isWow64Process =
        Lookup<IsWow64ProcessFunction>("kernel32", "IsWow64Process");
    BOOL wow64 = FALSE;
    if (isWow64Process != NULL)
        isWow64Process(GetCurrentProcess(), &wow64);
    return wow64 ? 1 : 0;
}

int GetWindowsVersionName(char *nameText, int *majorVersion, int *minorVersion, int *build) {
    VersionFacts facts;
    memset(&facts, 0, sizeof facts);
    OSVERSIONINFOA basic;
    memset(&basic, 0, sizeof basic);
    basic.dwOSVersionInfoSize = sizeof basic;
    if (GetVersionExA(&basic)) {
        facts.queryCount = 1;
        facts.major = static_cast<int>(basic.dwMajorVersion);
        facts.minor = static_cast<int>(basic.dwMinorVersion);
        facts.build = static_cast<int>(basic.dwBuildNumber & 0xFFFF);
        facts.platformId = basic.dwPlatformId;
        lstrcpynA(facts.servicePack, basic.szCSDVersion, sizeof facts.servicePack);
    }
    WORD servicePackMajor = 0, servicePackMinor = 0;
    if (facts.queryCount == 1 && facts.major >= 5) {
        OSVERSIONINFOEXA extended;
        memset(&extended, 0, sizeof extended);
        extended.dwOSVersionInfoSize = sizeof extended;
        if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA *>(&extended))) {
            facts.queryCount = 2;
            facts.major = static_cast<int>(extended.dwMajorVersion);
            facts.minor = static_cast<int>(extended.dwMinorVersion);
            facts.build = static_cast<int>(extended.dwBuildNumber & 0xFFFF);
            facts.productType = extended.wProductType;
            servicePackMajor = extended.wServicePackMajor;
            servicePackMinor = extended.wServicePackMinor;
        }
    }
    if (NeedsProductInfo(&facts)) {
        GetProductInfoFunction getProductInfo =
            Lookup<GetProductInfoFunction>("kernel32.dll", "GetProductInfo");
        if (getProductInfo != NULL) {
            DWORD code = 0;
            getProductInfo(static_cast<DWORD>(facts.major), static_cast<DWORD>(facts.minor),
                           servicePackMajor, servicePackMinor, &code);
            facts.productCode = code;
        }
    }
    if (NeedsWow64Query(&facts))
        facts.wow64 = RunsUnderWow64();
    ComposeWindowsVersionName(&facts, nameText);
    *majorVersion = facts.major;
    *minorVersion = facts.minor;
    *build = facts.build;
    return facts.queryCount;
}
