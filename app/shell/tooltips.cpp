// Tooltips for the dialog's controls.
#include "shell.h"

int InstallTooltips() {
    return 0;
}

BOOL CALLBACK AddChildTool(HWND, LPARAM) {
    return TRUE;
}

LRESULT CALLBACK TooltipRelayHook(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(NULL, code, wParam, lParam);
}

void SupplyTooltipText(NMHDR *) {}

void RemoveTooltips() {
    g_mainDialog = NULL;
}
