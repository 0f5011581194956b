// memquery.dll: the processor's time-stamp clock rate and the extended memory status, as
// eight parameterless cdecl exports returning int. Nothing is cached between calls.
#include <windows.h>
#include <x86intrin.h>
#include <string.h>

namespace {

unsigned long long rdtsc() {
    return __rdtsc();
}

// One GlobalMemoryStatusEx query: the memory load (index 0) or a size in MiB (1..6).
int memstatxhelp(int index) {
    MEMORYSTATUSEX status;
    memset(&status, 0, sizeof status);
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return 0;
    const DWORDLONG mebibyte = 0x100000;
    switch (index) {
    case 0:
        return static_cast<int>(status.dwMemoryLoad);
    case 1:
        return static_cast<int>(status.ullTotalPhys / mebibyte);
    case 2:
        return static_cast<int>(status.ullAvailPhys / mebibyte);
    case 3:
        return static_cast<int>(status.ullTotalPageFile / mebibyte);
    case 4:
        return static_cast<int>(status.ullAvailPageFile / mebibyte);
    case 5:
        return static_cast<int>(status.ullTotalVirtual / mebibyte);
    case 6:
        return static_cast<int>(status.ullAvailVirtual / mebibyte);
    default:
        return 0;
    }
}

} // namespace

extern "C" {

// Time-stamp ticks during a tenth of a second of performance-counter time, in MHz.
__declspec(dllexport) int __cdecl _TickRate(void) {
    HANDLE thread = GetCurrentThread();
    int priority = GetThreadPriority(thread);
    LARGE_INTEGER frequency;
    frequency.QuadPart = 0;
    QueryPerformanceFrequency(&frequency);
    const long long limit = frequency.QuadPart / 10;
    SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST);
    unsigned long long first = rdtsc();
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    do {
        QueryPerformanceCounter(&now);
    } while (now.QuadPart - start.QuadPart < limit);
    unsigned long long ticks = rdtsc() - first;
    int rate = static_cast<int>(static_cast<unsigned>(ticks / 100000ull));
    SetThreadPriority(thread, priority);
    return rate;
}

__declspec(dllexport) int __cdecl _GetRamEx0(void) {
    return memstatxhelp(0);
}
__declspec(dllexport) int __cdecl _GetRamEx1(void) {
    return memstatxhelp(1);
}
__declspec(dllexport) int __cdecl _GetRamEx2(void) {
    return memstatxhelp(2);
}
__declspec(dllexport) int __cdecl _GetRamEx3(void) {
    return memstatxhelp(3);
}
__declspec(dllexport) int __cdecl _GetRamEx4(void) {
    return memstatxhelp(4);
}
__declspec(dllexport) int __cdecl _GetRamEx5(void) {
    return memstatxhelp(5);
}
__declspec(dllexport) int __cdecl _GetRamEx6(void) {
    return memstatxhelp(6);
}

// The library's entry point (see CMakeLists.txt): nothing to set up or tear down.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}

} // extern "C"
