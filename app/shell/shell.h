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
extern int g_dialogDpi; // the DPI the dialog is laid out for

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

// The dialog at its DPI: the screen's DPI, the DPI taken at the start and the one the dialog
// is laid out for now (the start one until WM_DPICHANGED names another), the dialog's font at
// that DPI, the move to another DPI (controls at their template places, fonts, tooltips; gives
// the template's client size there, and true when the client area has it) and the end of the
// fonts.
int ScreenDpi();
// A font's character height and, when asked, the width of the 52 letters A-Z a-z.
int CharHeight(HGDIOBJ font, int *letterWidth);
void StartDialogDpi(HWND dialog);
int DialogDpi(HWND dialog);
HFONT DialogFont(HWND dialog);
bool ChangeDialogDpi(HWND dialog, int dpi, SIZE *templateSize);
void ReleaseDialogFont();

// Tooltips of the dialog's controls; their font and width follow the dialog's DPI.
int InstallTooltips();
void SetTooltipDpi(HFONT font, int dpi);
BOOL CALLBACK AddChildTool(HWND child, LPARAM value);
LRESULT CALLBACK TooltipRelayHook(int code, WPARAM wParam, LPARAM lParam);
void SupplyTooltipText(NMHDR *header);
void RemoveTooltips();

#endif
