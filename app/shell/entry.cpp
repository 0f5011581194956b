// The process entry point. Firmlook needs none of the C runtime's start-up work: it reads
// no command-line arguments, has no global objects to construct and no thread-local data,
// and msvcrt.dll sets itself up when it is loaded. Starting here keeps that code, its
// exception-table registration and its error reporting out of the program.
#include <windows.h>

namespace {

typedef BOOL(WINAPI *SetDefaultDllDirectoriesFunction)(DWORD);
typedef BOOL(WINAPI *SetDllDirectoryFunction)(LPCSTR);

// Libraries loaded by name (memquery.dll, tickrate.dll, shell32.dll, comdlg32.dll) come
// only from Firmlook's own folder and the system folders, never from the current folder or
// the PATH, where anyone may have put a file of that name. Windows 8 and later (Vista and 7
// with update 2533623) have SetDefaultDllDirectories; older systems from XP SP1 on can at
// least take the current folder out of the search.
void RestrictLibrarySearch() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    SetDefaultDllDirectoriesFunction setDefault =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(
            reinterpret_cast<void *>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault != NULL && setDefault(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS))
        return;
    SetDllDirectoryFunction setDirectory = reinterpret_cast<SetDllDirectoryFunction>(
        reinterpret_cast<void *>(GetProcAddress(kernel, "SetDllDirectoryA")));
    if (setDirectory != NULL)
        setDirectory("");
}

} // namespace

extern "C" {

#ifdef __i386__
// Windows guarantees the entry only a 4-byte aligned stack.
__attribute__((force_align_arg_pointer))
#endif
void WinMainCRTStartup() {
    static char noArguments[1];
    RestrictLibrarySearch();
    ExitProcess(
        static_cast<UINT>(WinMain(GetModuleHandleA(NULL), NULL, noArguments, SW_SHOWDEFAULT)));
}

} // extern "C"
