// The floor under Firmlook's start-up time: the common controls and Firmlook's own dialog
// template and manifest, with no start-up work but one line put into the report window.
// startup_bench.exe times it the same way as Firmlook.
#include <windows.h>
#include <commctrl.h>

#include "../../app/resources/resource.h"

namespace {

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetDlgItemTextA(dialog, IDC_REPORT, "Start-up floor");
        return TRUE;
    }
    if (message == WM_CLOSE)
        EndDialog(dialog, 0);
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), NULL, BareDialogProc, 0);
    return 0;
}
