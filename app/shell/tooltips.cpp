// Tooltips for the dialog's controls: one tooltip window, tools identified by the child
// window handle with texts supplied on demand, and a message hook on the GUI thread that
// relays the mouse messages to the tooltip window.
#include <windows.h>
#include <commctrl.h>
#include <string.h>

#include "layout.h"
#include "record_sizes.h"
#include "shell.h"
#include "tooltip_texts.h"

namespace {

HWND g_tooltipWindow;
HHOOK g_tooltipHook;

// The widest tip at 96 DPI; the longest text is shorter, so a tip keeps to one line.
const int kTooltipWidth = 600;

} // namespace

int InstallTooltips() {
    g_tooltipWindow =
        CreateWindowExA(0, TOOLTIPS_CLASSA, NULL, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, g_mainDialog, NULL, g_instance, NULL);
    if (g_tooltipWindow == NULL)
        return 0;
    SetTooltipDpi(DialogFont(g_mainDialog), DialogDpi(g_mainDialog));
    if (!EnumChildWindows(g_mainDialog, AddChildTool, 0))
        return 0;
    g_tooltipHook = SetWindowsHookExA(WH_GETMESSAGE, TooltipRelayHook, NULL, GetCurrentThreadId());
    return g_tooltipHook != NULL ? 1 : 0;
}

void SetTooltipDpi(HFONT font, int dpi) {
    SendMessageA(g_tooltipWindow, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(g_tooltipWindow, TTM_SETMAXTIPWIDTH, 0, ScaleToDpi(kTooltipWidth, dpi));
}

BOOL CALLBACK AddChildTool(HWND child, LPARAM) {
    char className[64];
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpA(className, "STATIC") == 0)
        return TRUE;
    TOOLINFOA tool;
    memset(&tool, 0, sizeof tool);
    tool.cbSize = TOOLINFO_RECORD_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = g_mainDialog;
    tool.uId = reinterpret_cast<UINT_PTR>(child);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(g_tooltipWindow, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    return TRUE;
}

LRESULT CALLBACK TooltipRelayHook(int code, WPARAM wParam, LPARAM lParam) {
    const MSG *message = reinterpret_cast<const MSG *>(lParam);
    if (code >= 0 && message != NULL) {
        int id = GetDlgCtrlID(message->hwnd);
        if (ShouldRelayToTooltip(code, IsChild(g_mainDialog, message->hwnd) != FALSE, id,
                                 message->message, g_tooltipWindow != NULL)) {
            MSG copy = *message;
            SendMessageA(g_tooltipWindow, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
        }
    }
    return CallNextHookEx(g_tooltipHook, code, wParam, lParam);
}

void SupplyTooltipText(NMHDR *header) {
    if (header == NULL || header->code != TTN_NEEDTEXTA)
        return;
    // The tool's id is the child window's handle.
    int id = GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom));
    const char *text = TooltipText(id, g_languageFlag);
    if (text != NULL)
        reinterpret_cast<NMTTDISPINFOA *>(header)->lpszText = const_cast<char *>(text);
}

void RemoveTooltips() {
    g_mainDialog = NULL;
    g_tooltipWindow = NULL;
    if (g_tooltipHook != NULL) {
        UnhookWindowsHookEx(g_tooltipHook);
        g_tooltipHook = NULL;
    }
}
