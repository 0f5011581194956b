// Printing under Wine through CUPS to a PDF printer: the test answers the print-setup and
// font dialogs, lets Firmlook print and reads the PDF's text.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "driver.h"

namespace {

// Waits for a dialog of the program other than those in skip.
HWND WaitForDialog(const Firmlook &app, std::vector<HWND> skip, DWORD milliseconds = 10000) {
    HWND found = NULL;
    WaitFor(
        [&] {
            found = FindProcessWindow(ProcessOf(app.dialog()), "#32770", NULL, skip);
            return found != NULL;
        },
        milliseconds);
    return found;
}

std::string Title(HWND window) {
    char text[128] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Selects an entry of one of the font dialog's combo boxes as a user would.
void Choose(HWND dialog, int comboId, const char *entry) {
    HWND combo = GetDlgItem(dialog, comboId);
    LRESULT index = SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(entry));
    printf("select %s: %ld\n", entry, static_cast<long>(index));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    Sleep(200);
}

TEST(Printing, ReportIsPrintedThroughBothDialogs) {
    DeleteSettings();
    SeedTypicalFirmware();
    Firmlook app;
    ASSERT_TRUE(app.Start());
    PostMessageA(app.dialog(), WM_COMMAND, 13, 0);
    HWND setup = WaitForDialog(app, {app.dialog()});
    ASSERT_NE(setup, nullptr);
    printf("setup dialog: %s\n", Title(setup).c_str());
    PostMessageA(setup, WM_COMMAND, IDOK, 0);
    WaitFor([&] { return !IsWindow(setup); });
    HWND font = WaitForDialog(app, {app.dialog(), setup});
    ASSERT_NE(font, nullptr);
    printf("font dialog: %s\n", Title(font).c_str());
    Choose(font, 0x470, "Liberation Mono"); // face
    Choose(font, 0x472, "12");              // size
    PostMessageA(font, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(font); }));

    // What the PDF must hold: the report's lines, on as many pages as this process's own
    // layout of the same printer and font gives.
    char printer[256] = "";
    DWORD size = sizeof printer;
    ASSERT_TRUE(GetDefaultPrinterA(printer, &size));
    HDC dc = CreateDCA(NULL, printer, NULL, NULL);
    ASSERT_NE(dc, nullptr);
    LOGFONTA logFont = {};
    logFont.lfHeight = -MulDiv(12, GetDeviceCaps(dc, LOGPIXELSY), 72);
    logFont.lfWeight = FW_NORMAL;
    lstrcpyA(logFont.lfFaceName, "Liberation Mono");
    HFONT printFont = CreateFontIndirectA(&logFont);
    HGDIOBJ old = SelectObject(dc, printFont);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int linesPerPage =
        GetDeviceCaps(dc, VERTRES) / (metrics.tmHeight + metrics.tmExternalLeading);
    const int charsPerLine = GetDeviceCaps(dc, HORZRES) / metrics.tmAveCharWidth;
    SelectObject(dc, old);
    DeleteObject(printFont);
    DeleteDC(dc);
    const std::string report = app.Report();
    int lines = 1;
    for (size_t i = 0; i + 1 < report.size(); ++i)
        lines += report.compare(i, 2, "\r\n") == 0;
    const char *expected = getenv("FIRMLOOK_PRINT_EXPECTED");
    ASSERT_NE(expected, nullptr);
    WriteBytes(expected, "pages " + std::to_string((lines + linesPerPage - 1) / linesPerPage) +
                             " chars " + std::to_string(charsPerLine) + "\n" + report);
}

} // namespace
