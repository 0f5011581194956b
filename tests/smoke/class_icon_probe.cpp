// Hook library for the smoke run. Loaded into Firmlook's process by a WH_GETMESSAGE hook, it
// compares the dialog class's icon with the program's icon resource and leaves the verdict
// as a window property, which the test reads from its own process.
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ClassIconHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT probe = RegisterWindowMessageA("FirmlookClassIconProbe");
    MSG *message = reinterpret_cast<MSG *>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == probe) {
#ifdef _WIN64
        ULONG_PTR icon = GetClassLongPtrA(message->hwnd, GCLP_HICON);
#else
        ULONG_PTR icon = GetClassLongA(message->hwnd, GCL_HICON);
#endif
        // LoadIcon hands out the shared handle, the same one the program set.
        HICON own = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(101));
        INT_PTR verdict = icon == 0 ? 1 : reinterpret_cast<HICON>(icon) == own ? 2 : 3;
        SetPropA(message->hwnd, "FirmlookClassIcon", reinterpret_cast<HANDLE>(verdict));
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}
