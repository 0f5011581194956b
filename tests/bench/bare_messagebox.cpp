// The start-up benchmark's baseline: a GUI program that shows one message box and nothing
// else, built with the deliverables' toolchain and flags.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(NULL, "Start-up baseline", "Bare", MB_OK);
    return 0;
}
