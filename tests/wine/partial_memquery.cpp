// A memquery.dll stand-in with only two of the memory exports and no _TickRate, for the
// system report's handling of a library that lacks some exports.
extern "C" {
__declspec(dllexport) int __cdecl _GetRamEx0(void) {
    return 42;
}
__declspec(dllexport) int __cdecl _GetRamEx3(void) {
    return 777;
}
}
