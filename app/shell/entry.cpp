// The process entry point. Firmlook needs none of the C runtime's start-up work: it reads
// no command-line arguments, has no global objects to construct and no thread-local data,
// and msvcrt.dll sets itself up when it is loaded. Starting here keeps that code, its
// exception-table registration and its error reporting out of the program.
#include <windows.h>

extern "C" {

#ifdef __i386__
// Windows guarantees the entry only a 4-byte aligned stack.
__attribute__((force_align_arg_pointer))
#endif
void WinMainCRTStartup() {
    static char noArguments[1];
    ExitProcess(
        static_cast<UINT>(WinMain(GetModuleHandleA(NULL), NULL, noArguments, SW_SHOWDEFAULT)));
}

} // extern "C"
