// The report font, the tooltips and the layout at the screen's DPI and after WM_DPICHANGED.
// The ctest entry wine_dpi runs this at 96 DPI first, which leaves its figures in dpi-96.txt;
// the passes at other DPIs compare with them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <stdio.h>
#include <string>
#include <vector>

#include "driver.h"

namespace {

const int kFontButton = 11, kHexDump = 20, kReport = 1000;

// x or y of a character of the report window: at an index, or back from a line's start.
int Position(HWND edit, size_t at, bool y, int line = -1) {
    at = line < 0 ? at : SendMessageA(edit, EM_LINEINDEX, line, 0) - at;
    LRESULT point = SendMessageA(edit, EM_POSFROMCHAR, at, 0);
    return static_cast<short>(y ? HIWORD(point) : LOWORD(point));
}

// With a fixed font the dates' values stand in one column and the dump's lines end alike.
void ExpectFixedPitch(const Firmlook &app, bool dump) {
    HWND edit = app.Item(kReport);
    const std::string text = app.Report();
    ASSERT_NE(text.find(dump ? "F000:00F0" : "11/03/17"), std::string::npos) << text;
    std::vector<int> x;
    for (const char *value : {"AT/AT", "06/20/19", "11/03/17"})
        if (!dump)
            x.push_back(Position(edit, text.find(value), false));
    for (int line = 5; dump && line < 21; ++line) // last character before the CR LF
        x.push_back(Position(edit, 3, false, line));
    for (int each : x)
        EXPECT_EQ(each, x[0]) << (dump ? "dump" : "dates");
}

// The line heights by font index over a round of the Font button, the tooltips' width, the
// client area's size, then the edges of each control in child order.
std::vector<long> Measure(const Firmlook &app, bool fixedPitch) {
    std::vector<long> figures(4);
    HWND edit = app.Item(kReport);
    for (int press = 0, index = 1; press < 4; ++press, index = (index + 1) % 4) {
        figures[index] = Position(edit, 0, true, 2) - Position(edit, 0, true, 1);
        if (fixedPitch && index % 2 == 1)
            ExpectFixedPitch(app, false);
        app.Click(kFontButton);
    }
    HWND tip = NULL; // the dialog's tooltip window
    while ((tip = FindWindowExA(NULL, tip, TOOLTIPS_CLASSA, NULL)) &&
           GetWindow(tip, GW_OWNER) != app.dialog()) {
    }
    figures.push_back(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0));
    RECT r;
    GetClientRect(app.dialog(), &r);
    figures.insert(figures.end(), {r.right, r.bottom});
    for (HWND c = GetWindow(app.dialog(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        r = app.ChildRect(GetDlgCtrlID(c));
        figures.insert(figures.end(), {r.left, r.top, r.right, r.bottom});
    }
    return figures;
}

} // namespace

TEST(Dpi, ReportFontAndLayoutFollowTheDpi) {
    SetProcessDPIAware(); // the dialog's own pixels
    DeleteSettings();
    SeedTypicalFirmware();
    const std::string folder = NewWorkFolder();
    InstallRomprobe(folder);
    std::string block;
    for (int i = 0; i < 256; ++i)
        block += static_cast<char>(i);
    WriteBytes(folder + "\\dump", HexDumpText(block, 0xF000, 0, 16));
    SetEnvironmentVariableA("ROMPROBE_DUMP_FILE", (folder + "\\dump").c_str());
    Firmlook app;
    ASSERT_TRUE(app.Start(folder));
    const int dpi = GetDpiForWindow(app.dialog());
    const std::vector<long> now = Measure(app, true);
    app.Click(kHexDump);
    for (int press = 0; press < 4; ++press, app.Click(kFontButton))
        if (press % 2 == 0) // font indices 1 and 3
            ExpectFixedPitch(app, true);
    app.Click(kHexDump);
    SetEnvironmentVariableA("ROMPROBE_DUMP_FILE", NULL);

    std::vector<long> base(now.size());
    FILE *file = fopen("dpi-96.txt", dpi == 96 ? "w" : "r");
    ASSERT_NE(file, nullptr) << "the 96-DPI pass leaves dpi-96.txt";
    for (size_t i = 0; i < now.size(); ++i)
        dpi == 96 ? fprintf(file, "%ld\n", now[i]) : fscanf(file, "%ld", &base[i]);
    fclose(file);
    if (dpi == 96)
        return;
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(now[i], base[i] * dpi / 96.0, 1.0) << "font " << i << " (4: the tooltips)";

    // Moved to a 96-DPI monitor, with the client area of a start there. The rectangle goes
    // into Firmlook's memory: Wine does not carry it across processes.
    RECT outer;
    GetWindowRect(app.dialog(), &outer);
    RECT suggested = {outer.left, outer.top, outer.right + base[5] - now[5],
                      outer.bottom + base[6] - now[6]};
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, ProcessOf(app.dialog()));
    void *there = VirtualAllocEx(process, NULL, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
    ASSERT_TRUE(WriteProcessMemory(process, there, &suggested, sizeof suggested, NULL));
    SendMessageA(app.dialog(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(there));
    CloseHandle(process);
    const std::vector<long> moved = Measure(app, false);
    for (size_t i = 0; i < base.size(); ++i)
        EXPECT_NEAR(moved[i], base[i], 1) << "figure " << i << ": 4 line heights, the tooltips, "
                                          << "the client area, then 4 edges of each control";
}
