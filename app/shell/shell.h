// Process-wide state of the dialog shell and the operations of the shell that other
// parts of the program call.
#ifndef FIRMLOOK_SHELL_H
#define FIRMLOOK_SHELL_H

#include <windows.h>

extern HINSTANCE g_instance;
extern HWND g_mainDialog;
extern int g_languageFlag;    // 1 = German, 0 = English
extern int g_reportFontIndex; // 0..3
extern DWORD g_programStartSecond;

// 1 when the check box is ticked (BST_CHECKED exactly), else 0.
int IsButtonChecked(HWND dialog, int controlId);

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up work, captions, system menu, about box and the stored setting.
void SetupDialog(HWND dialog);
void CentreWindow(HWND window);
void ApplyCaptions(HWND dialog);
void AddSystemMenuEntries(HWND dialog);
void ShowAboutBox(HWND owner);
void SaveShowNoInfo(HWND dialog);

// Tooltips of the dialog's controls.
int InstallTooltips();
BOOL CALLBACK AddChildTool(HWND child, LPARAM value);
LRESULT CALLBACK TooltipRelayHook(int code, WPARAM wParam, LPARAM lParam);
void SupplyTooltipText(NMHDR *header);
void RemoveTooltips();

#endif
