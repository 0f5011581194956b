// Printing under Wine through CUPS to a PDF printer: the test answers the print-setup and
// font dialogs, lets Firmlook print and reads the PDF's text.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdlib.h>

#include <string>

#include "driver.h"

namespace {

TEST(Printing, ReportIsPrintedThroughBothDialogs) {
    DeleteSettings();
    SeedTypicalFirmware();
    Firmlook app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(PrintThroughDialogs(app, "Liberation Mono", "12"));

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
