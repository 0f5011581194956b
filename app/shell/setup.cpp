// Dialog start-up: placement, language, captions, system menu, number boxes, icons, the
// stored ShowNoInfo setting, and the about box.
#include <windows.h>
#include <commctrl.h>
#include <string.h>

#include "../resources/resource.h"
#include "layout.h"
#include "shell.h"
#include "language.h"
#include "shell_texts.h"

namespace {

const char kSettingsKey[] = "Software\\Tolvo\\Firmlook";
const char kMakerKey[] = "Software\\Tolvo\\";
const char kProgramKey[] = "Firmlook";
const char kShowNoInfo[] = "ShowNoInfo";

// One character, and a spin range from 0 to upper (upper bound in the low word).
void LimitNumberBox(HWND dialog, int editId, int spinId, int upper) {
    SendDlgItemMessageA(dialog, editId, EM_LIMITTEXT, 1, 0);
    SendDlgItemMessageA(dialog, spinId, UDM_SETRANGE, 0, MAKELPARAM(upper, 0));
}

void SetIcons(HWND dialog) {
    HICON classIcon = LoadIconA(g_instance, MAKEINTRESOURCEA(IDI_MAIN));
#ifdef _WIN64
    SetClassLongPtrA(dialog, GCLP_HICON, reinterpret_cast<LONG_PTR>(classIcon));
#else
    SetClassLongA(dialog, GCL_HICON, reinterpret_cast<LONG>(classIcon));
#endif
    HANDLE bigIcon =
        LoadImageA(g_instance, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON, 48, 48, LR_DEFAULTSIZE);
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
}

void LoadShowNoInfo(HWND dialog) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    // A value of more than four bytes makes the query fail and leaves the box clear.
    DWORD data = 0, type = 0, size = sizeof data;
    if (RegQueryValueExA(key, kShowNoInfo, NULL, &type, reinterpret_cast<BYTE *>(&data), &size) ==
            ERROR_SUCCESS &&
        data != 0)
        SendMessageA(GetDlgItem(dialog, IDC_NONOTES), BM_SETCHECK, BST_CHECKED, 0);
    RegCloseKey(key);
}

} // namespace

void CentreWindow(HWND window) {
    if (window == NULL)
        return;
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    HWND reference = GetParent(window);
    if (reference == NULL)
        reference = GetDesktopWindow();
    RECT referenceRect;
    GetWindowRect(reference, &referenceRect);
    HDC dc = GetDC(window);
    int screenWidth = GetDeviceCaps(dc, HORZRES);
    int screenHeight = GetDeviceCaps(dc, VERTRES);
    ReleaseDC(window, dc);
    int x = CentredCoordinate(referenceRect.left, referenceRect.right - referenceRect.left, width,
                              screenWidth);
    int y = CentredCoordinate(referenceRect.top, referenceRect.bottom - referenceRect.top, height,
                              screenHeight);
    SetWindowPos(window, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void SetupDialog(HWND dialog) {
    CentreWindow(dialog);
    g_languageFlag = LanguageFlagFor(GetUserDefaultLangID());
    ApplyCaptions(dialog);
    LimitNumberBox(dialog, IDC_STEP, IDC_STEP_SPIN, 5);
    LimitNumberBox(dialog, IDC_OFFSET, IDC_OFFSET_SPIN, 7);
    LimitNumberBox(dialog, IDC_SEGMENT, IDC_SEGMENT_SPIN, 7);
    // Each write raises EN_CHANGE, which starts the layout timer.
    SetDlgItemInt(dialog, IDC_STEP, 1, FALSE);
    SetDlgItemInt(dialog, IDC_OFFSET, 0, FALSE);
    SetDlgItemInt(dialog, IDC_SEGMENT, 0, FALSE);
    SetIcons(dialog);
    LoadShowNoInfo(dialog);
}

void ApplyCaptions(HWND dialog) {
    for (int i = 0; i < kCaptionCount; ++i)
        SetDlgItemTextA(dialog, kCaptions[i].id,
                        g_languageFlag == 1 ? kCaptions[i].german : kCaptions[i].english);
    AddSystemMenuEntries(dialog);
}

void AddSystemMenuEntries(HWND dialog) {
    // Reverting first drops the entries of any earlier call.
    GetSystemMenu(dialog, TRUE);
    HMENU menu = GetSystemMenu(dialog, FALSE);
    char text[64];
    AppendMenuA(menu, MF_SEPARATOR, 0, NULL);
    lstrcpynA(text, PrintMenuText(g_languageFlag), sizeof text);
    AppendMenuA(menu, MF_STRING, IDM_PRINT, text);
    lstrcpynA(text, AboutMenuText(g_languageFlag), sizeof text);
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, text);
}

void ShowAboutBox(HWND owner) {
    char caption[kAboutCaptionSize];
    char text[kAboutTextSize];
    lstrcpynA(caption, kAboutCaption, sizeof caption);
    ComposeAboutText(g_languageFlag, text);
    MessageBoxA(owner, text, caption, MB_OK | MB_ICONINFORMATION);
}

void SaveShowNoInfo(HWND dialog) {
    HKEY makerKey;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kMakerKey, 0, NULL, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, NULL, &makerKey, NULL) == ERROR_SUCCESS) {
        HKEY programKey;
        if (RegCreateKeyExA(makerKey, kProgramKey, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                            NULL, &programKey, NULL) == ERROR_SUCCESS)
            RegCloseKey(programKey);
        RegCloseKey(makerKey);
    }
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    DWORD value = static_cast<DWORD>(IsButtonChecked(dialog, IDC_NONOTES));
    RegSetValueExA(key, kShowNoInfo, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value),
                   sizeof value);
    RegCloseKey(key);
}
