// A tickrate.dll stand-in: _TickRate returns the MHz figure in TICKRATE_MHZ (0 when unset).
#include <windows.h>
#include <stdlib.h>

extern "C" __declspec(dllexport) int __cdecl _TickRate(void) {
    char value[32];
    DWORD n = GetEnvironmentVariableA("TICKRATE_MHZ", value, sizeof value);
    return n > 0 && n < sizeof value ? atoi(value) : 0;
}
