// Process entry and the main dialog's procedure: layout, size limits, colours, the
// layout timer and the command table.
#include <windows.h>
#include <commctrl.h>

#include "../output/print.h"
#include "../report/report.h"
#include "../resources/resource.h"
#include "../sysinfo/sysinfo.h"
#include "../sysinfo/system_text.h"
#include "layout.h"
#include "record_sizes.h"
#include "shell.h"
#include "shell_texts.h"

HINSTANCE g_instance;
HWND g_mainDialog;
// Both start at 1, set by WinMain: a section of initialised data would weigh 512 bytes.
int g_languageFlag;
int g_reportFontIndex;
DWORD g_programStartSecond;

namespace {

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

const UINT_PTR kLayoutTimer = 1;
const UINT kLayoutDelayMs = 250;

HBRUSH g_greenBrush;
HBRUSH g_blueBrush;
int g_colourMode;
int g_resizeCount;
TrackSize g_minimumTrack = {0, 0};

typedef HINSTANCE(WINAPI *ShellExecuteFunction)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// The shell is loaded only for this: linked in, it would lengthen every start. Once loaded
// it stays until the process ends, as ShellExecuteA may still be at work on a thread of its
// own after it returns.
HMODULE g_shell;

void OpenDownloadPage(HWND dialog) {
    if (g_shell == NULL)
        g_shell = LoadLibraryA("shell32.dll");
    if (g_shell == NULL)
        return;
    ShellExecuteFunction shellExecute = reinterpret_cast<ShellExecuteFunction>(
        reinterpret_cast<void *>(GetProcAddress(g_shell, "ShellExecuteA")));
    if (shellExecute != NULL)
        shellExecute(dialog, NULL, DownloadPage(g_languageFlag), NULL, NULL, SW_SHOW);
}

void CloseMainDialog(HWND dialog) {
    RemoveTooltips();
    EndDialog(dialog, 0);
}

void RestartLayoutTimer(HWND dialog) {
    KillTimer(dialog, kLayoutTimer);
    SetTimer(dialog, kLayoutTimer, kLayoutDelayMs, NULL);
}

void MoveControl(HWND dialog, int id, int x, int y) {
    SetWindowPos(GetDlgItem(dialog, id), NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void LayOut(HWND dialog, int width, int height) {
    ++g_resizeCount;
    KillTimer(dialog, kLayoutTimer);
    // All seven bottom buttons have the size of the About button.
    RECT button = {0, 0, 0, 0};
    GetClientRect(GetDlgItem(dialog, IDC_ABOUT), &button);
    int buttonWidth = button.right - button.left;
    int buttonHeight = button.bottom - button.top;
    int rowY = ButtonRowY(height, buttonHeight);
    for (int i = 0; i < kRightButtonCount; ++i)
        MoveControl(dialog, kRightButtons[i].id, ButtonX(width, kRightButtons[i].k, buttonWidth),
                    rowY);
    int dpi = DialogDpi(dialog);
    MoveControl(dialog, IDC_CLOSE, CloseButtonX(dpi), rowY);
    HWND report = GetDlgItem(dialog, IDC_REPORT);
    RECT place = {0, 0, 0, 0};
    GetWindowRect(report, &place);
    MapWindowPoints(NULL, dialog, reinterpret_cast<POINT *>(&place), 2);
    SetWindowPos(report, NULL, 0, 0, ReportWidth(width, dpi), ReportHeight(rowY, place.top, dpi),
                 SWP_NOMOVE | SWP_NOZORDER);
    SetTimer(dialog, kLayoutTimer, kLayoutDelayMs, NULL);
}

void OnLayoutTimer(HWND dialog) {
    KillTimer(dialog, kLayoutTimer);
    if (g_resizeCount != 0) {
        // Resizing has been quiet for a while: one repaint, no rebuild.
        g_resizeCount = 0;
        InvalidateRect(dialog, NULL, FALSE);
    } else {
        BuildReport(dialog);
    }
}

// The dialog moved to a monitor of another scale: the window rectangle Windows suggests, then
// controls and fonts for the new DPI. At the template's size the controls keep their template
// places, as at a start there; at any other they are laid out for it. The size limit is that
// of a start there too.
void OnDpiChanged(HWND dialog, int dpi, const RECT *suggested) {
    g_minimumTrack.width = g_minimumTrack.height = 0;
    SetWindowPos(dialog, NULL, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    SIZE start = {0, 0};
    bool templateSize = ChangeDialogDpi(dialog, dpi, &start);
    RECT outer, client;
    GetWindowRect(dialog, &outer);
    GetClientRect(dialog, &client);
    g_minimumTrack = MinimumTrackSize(start.cx + outer.right - outer.left - client.right,
                                      start.cy + outer.bottom - outer.top - client.bottom);
    if (!templateSize)
        LayOut(dialog, client.right, client.bottom);
    ApplyReportFont(dialog);
}

void OnInitDialog(HWND dialog) {
    g_mainDialog = dialog;
    StartDialogDpi(dialog);
    SetupDialog(dialog);
    RECT outer;
    GetWindowRect(dialog, &outer);
    g_minimumTrack = MinimumTrackSize(outer.right - outer.left, outer.bottom - outer.top);
    InstallTooltips();
    BuildReport(dialog);
}

void OnCommand(HWND dialog, int id, int notification) {
    switch (id) {
    case IDC_CLOSE:
    case IDC_CANCEL:
        CloseMainDialog(dialog);
        return;
    case IDC_LANGUAGE:
        g_languageFlag = 1 - g_languageFlag;
        ApplyCaptions(dialog);
        break;
    case IDC_FONT:
        if (++g_reportFontIndex > 3)
            g_reportFontIndex = 0;
        break;
    case IDC_ABOUT:
        ShowAboutBox(dialog);
        return;
    case IDC_PRINT:
        PrintReport(dialog, GetDlgItem(dialog, IDC_REPORT), "Firmlook");
        return;
    case IDC_REFRESH:
        break;
    case IDC_COLOUR:
        g_colourMode = 1 - g_colourMode;
        InvalidateRect(dialog, NULL, TRUE);
        return;
    case IDC_WWW:
        OpenDownloadPage(dialog);
        return;
    case IDC_RAMINFO:
    case IDC_ROMDATES:
    case IDC_HEXDUMP:
    case IDC_OLDMETHOD:
        break;
    case IDC_NONOTES:
        SaveShowNoInfo(dialog);
        break;
    case IDC_SEGMENT:
    case IDC_OFFSET:
    case IDC_STEP:
        // A burst of typing or spin clicks ends in one rebuild.
        if (notification == EN_CHANGE)
            RestartLayoutTimer(dialog);
        return;
    default:
        return;
    }
    BuildReport(dialog);
}

} // namespace

int IsButtonChecked(HWND dialog, int controlId) {
    return SendMessageA(GetDlgItem(dialog, controlId), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_DPICHANGED:
        OnDpiChanged(dialog, LOWORD(wParam), reinterpret_cast<const RECT *>(lParam));
        return TRUE;
    case WM_SIZE:
        LayOut(dialog, LOWORD(lParam), HIWORD(lParam));
        return FALSE;
    case WM_TIMER:
        if (wParam == kLayoutTimer)
            OnLayoutTimer(dialog);
        return FALSE;
    case WM_GETMINMAXINFO: {
        MINMAXINFO *info = reinterpret_cast<MINMAXINFO *>(lParam);
        info->ptMinTrackSize.x = g_minimumTrack.width;
        info->ptMinTrackSize.y = g_minimumTrack.height;
        info->ptMaxTrackSize.x = 2 * GetSystemMetrics(SM_CXSCREEN);
        info->ptMaxTrackSize.y = GetSystemMetrics(SM_CYSCREEN);
        return FALSE;
    }
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    case WM_SYSCOMMAND:
        if (wParam == IDM_ABOUT)
            ShowAboutBox(dialog);
        else if (wParam == IDM_PRINT)
            PrintReport(dialog, GetDlgItem(dialog, IDC_REPORT), "Firmlook");
        return FALSE;
    case WM_NOTIFY:
        SupplyTooltipText(reinterpret_cast<NMHDR *>(lParam));
        return FALSE;
    case WM_CLOSE:
        CloseMainDialog(dialog);
        return FALSE;
    case WM_CTLCOLORDLG:
        return g_colourMode ? reinterpret_cast<INT_PTR>(g_greenBrush) : FALSE;
    case WM_CTLCOLOREDIT:
        if (!g_colourMode)
            return FALSE;
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(230, 230, 230));
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(g_blueBrush);
    case WM_CTLCOLORSTATIC:
        if (!g_colourMode)
            return FALSE;
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(250, 10, 10));
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(g_greenBrush);
    default:
        return FALSE;
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    g_instance = instance;
    g_languageFlag = g_reportFontIndex = 1;
    InitCommonControls();
    g_programStartSecond = TickSeconds(ReadTickCount());
    g_greenBrush = CreateSolidBrush(RGB(180, 250, 120));
    g_blueBrush = CreateSolidBrush(RGB(70, 70, 200));
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), NULL, MainDialogProc, 0);
    DeleteObject(g_greenBrush);
    DeleteObject(g_blueBrush);
    ReleaseReportFont();
    ReleaseDialogFont();
    return 0;
}
