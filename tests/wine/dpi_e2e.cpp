// The report font and the layout at the screen's DPI and after WM_DPICHANGED. tests/wine/
// dpi-passes.sh runs this at 96 DPI first, which leaves its figures in dpi-96.txt; the passes
// at other DPIs compare with them.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdio.h>
#include <string>
#include <vector>

#include "driver.h"

namespace {

const int kFontButton = 11, kHexDump = 20, kReport = 1000;

struct Figures {
    int lineHeight[4]; // by font index
    RECT client;
    std::vector<RECT> controls; // in child order
};

int Position(HWND edit, size_t at, bool y) {
    LRESULT point = SendMessageA(edit, EM_POSFROMCHAR, at, 0);
    return static_cast<short>(y ? HIWORD(point) : LOWORD(point));
}

size_t LineStart(HWND edit, int line) {
    return SendMessageA(edit, EM_LINEINDEX, line, 0);
}

// Firmware report or hex dump, with the fixed fonts: the dates' values in one column, the
// dump's full lines equally long.
void ExpectFixedPitch(const Firmlook &app, bool dump) {
    HWND edit = app.Item(kReport);
    const std::string text = app.Report();
    ASSERT_NE(text.find(dump ? "F000:00F0" : "11/03/17"), std::string::npos) << text;
    std::vector<int> x;
    for (const char *value : {"AT/AT", "06/20/19", "11/03/17"})
        if (!dump)
            x.push_back(Position(edit, text.find(value), false));
    for (int line = 4; dump && line < 20; ++line)
        x.push_back(Position(edit, LineStart(edit, line + 1) - 3, false));
    for (int each : x)
        EXPECT_EQ(each, x[0]) << (dump ? "dump" : "dates");
}

// Line heights by a round of the Font button (index 1 at the start), controls and client area.
Figures Measure(const Firmlook &app, bool fixedPitch) {
    Figures figures;
    HWND edit = app.Item(kReport);
    for (int press = 0, index = 1; press < 4; ++press, index = (index + 1) % 4) {
        figures.lineHeight[index] =
            Position(edit, LineStart(edit, 2), true) - Position(edit, LineStart(edit, 1), true);
        if (fixedPitch && index % 2 == 1)
            ExpectFixedPitch(app, false);
        app.Click(kFontButton);
    }
    GetClientRect(app.dialog(), &figures.client);
    for (HWND c = GetWindow(app.dialog(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        figures.controls.push_back(app.ChildRect(GetDlgCtrlID(c)));
    return figures;
}

void ExpectNear(const RECT &a, const RECT &b, size_t i) {
    EXPECT_TRUE(abs(a.left - b.left) <= 1 && abs(a.top - b.top) <= 1 &&
                abs(a.right - b.right) <= 1 && abs(a.bottom - b.bottom) <= 1)
        << "control " << i << " at " << a.left << "," << a.top << "-" << a.right << "," << a.bottom
        << " where a fresh start has " << b.left << "," << b.top << "-" << b.right << ","
        << b.bottom;
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
    const Figures now = Measure(app, true);
    app.Click(kHexDump);
    for (int press = 0; press < 4; ++press, app.Click(kFontButton))
        if (press % 2 == 0) // indices 1 and 3
            ExpectFixedPitch(app, true);
    app.Click(kHexDump);
    SetEnvironmentVariableA("ROMPROBE_DUMP_FILE", NULL);

    FILE *file = fopen("dpi-96.txt", dpi == 96 ? "w" : "r");
    ASSERT_NE(file, nullptr) << "the 96-DPI pass leaves dpi-96.txt";
    Figures base = now;
    for (int &value : base.lineHeight)
        dpi == 96 ? fprintf(file, "%d\n", value) : fscanf(file, "%d", &value);
    for (RECT &r : base.controls)
        dpi == 96 ? fprintf(file, "%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom)
                  : fscanf(file, "%ld %ld %ld %ld", &r.left, &r.top, &r.right, &r.bottom);
    dpi == 96 ? fprintf(file, "%ld %ld\n", now.client.right, now.client.bottom)
              : fscanf(file, "%ld %ld", &base.client.right, &base.client.bottom);
    fclose(file);
    if (dpi == 96)
        return;
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(now.lineHeight[i], base.lineHeight[i] * dpi / 96.0, 1.0) << "font " << i;

    // Moved to a 96-DPI monitor, with the client area of a fresh start there.
    RECT outer;
    GetWindowRect(app.dialog(), &outer);
    RECT suggested = {outer.left, outer.top, outer.right + base.client.right - now.client.right,
                      outer.bottom + base.client.bottom - now.client.bottom};
    // The rectangle goes into Firmlook's memory: Wine does not carry it across processes.
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, ProcessOf(app.dialog()));
    void *there = VirtualAllocEx(process, NULL, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
    ASSERT_TRUE(WriteProcessMemory(process, there, &suggested, sizeof suggested, NULL));
    SendMessageA(app.dialog(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(there));
    VirtualFreeEx(process, there, 0, MEM_RELEASE);
    CloseHandle(process);
    const Figures moved = Measure(app, false);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(moved.lineHeight[i], base.lineHeight[i], 1) << "font " << i;
    ASSERT_EQ(moved.controls.size(), base.controls.size());
    for (size_t i = 0; i < base.controls.size(); ++i)
        ExpectNear(moved.controls[i], base.controls[i], i);
}
