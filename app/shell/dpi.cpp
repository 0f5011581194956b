// The dialog at its DPI: which DPI that is, the dialog's font made for it, and the controls
// placed again from the dialog template when the DPI changes (a move to a monitor of another
// scale). Fonts made here are deleted when replaced and when the dialog ends.
#include <windows.h>
#include <commctrl.h>

#include "../resources/resource.h"
#include "dialog_template.h"
#include "shell.h"

int g_dialogDpi;

namespace {

int g_startDpi;
// The dialog's font made for a DPI other than the start one; NULL while the dialog manager's
// own font is used.
HFONT g_madeDialogFont;

typedef UINT(WINAPI *GetDpiForWindowFunction)(HWND);

// The window's own DPI where user32 has GetDpiForWindow (Windows 10 from 1607 on), else the
// screen's.
int WindowDpi(HWND window) {
    GetDpiForWindowFunction getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void *>(
            GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    int dpi = getDpiForWindow != NULL ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : ScreenDpi();
}

bool ReadMainTemplate(DialogTemplate *dialogTemplate) {
    HRSRC resource = FindResourceA(g_instance, MAKEINTRESOURCEA(IDD_MAIN), RT_DIALOG);
    HGLOBAL loaded = resource != NULL ? LoadResource(g_instance, resource) : NULL;
    const void *bytes = loaded != NULL ? LockResource(loaded) : NULL;
    return bytes != NULL &&
           ReadDialogTemplate(static_cast<const unsigned char *>(bytes),
                              SizeofResource(g_instance, resource), dialogTemplate);
}

// Every control at its template place in the font's dialog units, with the font, as the
// dialog manager creates them; the up-down controls then sit down beside their buddies again.
// Gives the template's client area at the font.
PixelRect PlaceControls(HWND dialog, HFONT font, const DialogTemplate &dialogTemplate) {
    int letterWidth = 0;
    int height = CharHeight(font, &letterWidth);
    BaseUnits units = FontBaseUnits(letterWidth, height);
    int i = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != NULL && i < dialogTemplate.itemCount;
         child = GetWindow(child, GW_HWNDNEXT), ++i) {
        PixelRect place = ItemPixels(dialogTemplate.items[i], units);
        SetWindowPos(child, NULL, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    const int spins[3] = {IDC_SEGMENT_SPIN, IDC_OFFSET_SPIN, IDC_STEP_SPIN};
    for (int k = 0; k < 3; ++k) {
        HWND spin = GetDlgItem(dialog, spins[k]);
        SendMessageA(spin, UDM_SETBUDDY, SendMessageA(spin, UDM_GETBUDDY, 0, 0), 0);
    }
    return TemplateClient(dialogTemplate, units);
}

} // namespace

int CharHeight(HGDIOBJ font, int *letterWidth) {
    HDC screen = GetDC(NULL);
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA metrics;
    GetTextMetricsA(screen, &metrics);
    SIZE letters = {0, 0};
    if (letterWidth != NULL)
        GetTextExtentPoint32A(screen, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                              &letters);
    SelectObject(screen, old);
    ReleaseDC(NULL, screen);
    if (letterWidth != NULL)
        *letterWidth = letters.cx;
    return metrics.tmHeight;
}

// The screen's DPI stays what it was when Windows started the session.
int ScreenDpi() {
    static int dpi;
    if (dpi == 0) {
        HDC screen = GetDC(NULL);
        dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(NULL, screen);
    }
    return dpi;
}

void StartDialogDpi(HWND dialog) {
    g_dialogDpi = g_startDpi = WindowDpi(dialog);
}

int DialogDpi(HWND dialog) {
    return g_dialogDpi > 0 ? g_dialogDpi : WindowDpi(dialog);
}

HFONT DialogFont(HWND dialog) {
    return g_madeDialogFont != NULL
               ? g_madeDialogFont
               : reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
}

bool ChangeDialogDpi(HWND dialog, int dpi, SIZE *templateSize) {
    static DialogTemplate dialogTemplate;
    if (dpi <= 0 || !ReadMainTemplate(&dialogTemplate))
        return false;
    g_dialogDpi = dpi;
    HFONT own = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    HFONT made = NULL;
    if (dpi != g_startDpi) {
        LOGFONTA face;
        if (GetObjectA(own, sizeof face, &face) != 0) {
            face.lfHeight = DialogFontHeight(dialogTemplate.pointSize, dpi);
            face.lfWidth = 0;
            made = CreateFontIndirectA(&face);
        }
    }
    PixelRect client = PlaceControls(dialog, made != NULL ? made : own, dialogTemplate);
    SetTooltipDpi(made != NULL ? made : own, dpi);
    DeleteObject(g_madeDialogFont); // nothing when NULL
    g_madeDialogFont = made;
    templateSize->cx = client.width;
    templateSize->cy = client.height;
    RECT now;
    GetClientRect(dialog, &now);
    return IsTemplateSize(client, now.right, now.bottom);
}

void ReleaseDialogFont() {
    DeleteObject(g_madeDialogFont);
    g_madeDialogFont = NULL;
}
