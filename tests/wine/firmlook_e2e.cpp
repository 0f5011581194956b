// End-to-end tests of Firmlook.exe under Wine. The program runs in its own process; these
// tests seed the registry, start it, read its report window and press its controls.
// The test run is made once per language: the user language comes from LC_ALL.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string.h>
#include <string>

#include "driver.h"

namespace {

const int kLanguageButton = 10, kFontButton = 11, kAboutButton = 12, kRefreshButton = 14,
          kColourButton = 15, kRamInfo = 17, kRomDates = 18, kNoNotes = 19, kHexDump = 20,
          kOldMethod = 21, kSegmentBox = 22, kReport = 1000;

const char kRegistryHeadEnglish[] =
    "\r\n Values from the Registry: (HKLM\\HARDWARE\\DESCRIPTION\\SYSTEM) \r\n";
const char kRegistryHeadGerman[] =
    "\r\n Werte aus der Registry: (HKLM\\HARDWARE\\DESCRIPTION\\SYSTEM) \r\n";

std::string TypicalValuesEnglish() {
    return std::string("\r\n System-Identifier:        AT/AT COMPATIBLE      "
                       "\r\n\r\n System-BIOS-Date:         06/20/19    -->  June 20th 2019"
                       "  [Thursday]    ") +
           AgeText(2019, 6, 20, false) +
           "\r\n Video-BIOS-Date:          11/03/17    -->  Nov.  3rd 2017  [Friday]      " +
           AgeText(2017, 11, 3, false);
}

const char kNotesEnglish[] =
    "\r\n\r\n If the BIOS was updated after the Installation of Windows "
    "\r\n then it's possible that the old Values are in the Registry! "
    "\r\n"
    "\r\n If the Checkbox \"Try to read BIOS directly from the ROM\" "
    "\r\n is activated, then the values are tryed to be accessed directly "
    "\r\n from the ROM. (Works only with 32Bit Versions of Windows!) "
    "\r\n (The 16Bit MS-DOS-Program \"Romprobe.exe\" is needed for Function.) "
    "\r\n (Doesn't work with 64Bit-Windows!) ";

const char kNotesGerman[] =
    "\r\n\r\n Wenn das BIOS erst nach der Windowsinstallation aktualisiert "
    "\r\n worden ist, dann k\xF6nnen noch die alten Werte drinnen stehen! "
    "\r\n"
    "\r\n Wenn die Checkbox \"BIOS direkt vom ROM auslesen versuchen\" "
    "\r\n aktiviert ist, dann wird versucht, die Werte direkt vom ROM "
    "\r\n auszulesen. (Funktioniert nur bei 32Bit-Windows-Versionen!) "
    "\r\n (Ben\xF6tigt das 16Bit MS-DOS-Programm \"Romprobe.exe\" zur Funktion.) "
    "\r\n (Funktioniert nicht mit 64Bit-Windows!) ";

const char kTypicalVersions[] = "\r\n\r\n System-BIOS-Version: \r\n"
                                "\r\n DELL   - 1072009         "
                                "\r\n 1.9.1         "
                                "\r\n American Megatrends - 5000C         "
                                "\r\n\r\n Video-BIOS-Version: \r\n"
                                "\r\n Hardware Version 0.0         ";

class FirmwareReport : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteSettings();
        SeedTypicalFirmware();
    }
};

TEST_F(FirmwareReport, TypicalValuesExactBytes) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.Report(), kRegistryHeadEnglish + TypicalValuesEnglish() + kNotesEnglish +
                                kTypicalVersions + "\r\n\r\n");
}

TEST_F(FirmwareReport, RomAndNotesCheckBoxCombinations) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    const std::string withNotes = kRegistryHeadEnglish + TypicalValuesEnglish() + kNotesEnglish +
                                  kTypicalVersions + "\r\n\r\n";
    // No DOS subprogram is reachable here, so the ROM probe adds no lines.
    const std::string withoutNotes =
        kRegistryHeadEnglish + TypicalValuesEnglish() + kTypicalVersions + "\r\n\r\n";
    app.Click(kNoNotes); // 19 on
    EXPECT_EQ(app.Report(), withoutNotes);
    app.Click(kRomDates); // 18 and 19 on
    EXPECT_EQ(app.Report(), withoutNotes);
    app.Click(kNoNotes); // 18 on: notes never shown
    EXPECT_EQ(app.Report(), withoutNotes);
    app.Click(kRomDates); // both off
    EXPECT_EQ(app.Report(), withNotes);
}

TEST_F(FirmwareReport, MissingValuesShowNotAvailable) {
    ClearFirmwareValues();
    Firmlook app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.Report(), std::string(kRegistryHeadEnglish) +
                                "\r\n System-Identifier:        - Value is not available       "
                                "\r\n\r\n System-BIOS-Date:         - Value is not available     "
                                "\r\n Video-BIOS-Date:          - Value is not available     " +
                                kNotesEnglish + "\r\n\r\n");
}

TEST_F(FirmwareReport, OversizedOddlyTypedAndLongValues) {
    // 499 bytes are read, 500 are left out with their label; a 10-character date is shown
    // undecorated; a non-terminated binary date and a DWORD show their bytes as text.
    SetFirmwareString("Identifier", std::string(498, 'I'));
    SetFirmwareString("SystemBiosDate", "06/20/2019");
    SetFirmwareValue("VideoBiosDate", REG_BINARY, "11/03/17");
    SetFirmwareValue("SystemBiosVersion", REG_MULTI_SZ, std::string(499, 'V') + '\0');
    SetFirmwareValue("VideoBiosVersion", REG_DWORD, std::string("ABC\0", 4));
    Firmlook app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.Report(),
              kRegistryHeadEnglish +
                  ("\r\n System-Identifier:        " + std::string(498, 'I') + "      ") +
                  "\r\n\r\n System-BIOS-Date:         06/20/2019    "
                  "\r\n Video-BIOS-Date:          11/03/17    -->  Nov.  3rd 2017"
                  "  [Friday]      " +
                  AgeText(2017, 11, 3, false) + kNotesEnglish +
                  "\r\n\r\n Video-BIOS-Version: \r\n\r\n ABC         \r\n\r\n");
}

TEST_F(FirmwareReport, ValuesOfFiveHundredBytesOrMoreAreLeftOut) {
    SetFirmwareString("Identifier", std::string(499, 'I'));
    SetFirmwareString("SystemBiosDate", std::string(4000, '1'));
    SetFirmwareValue("VideoBiosVersion", REG_BINARY, std::string(70000, 'B'));
    Firmlook app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.Report(), kRegistryHeadEnglish +
                                std::string("\r\n Video-BIOS-Date:          11/03/17    -->  "
                                            "Nov.  3rd 2017  [Friday]      ") +
                                AgeText(2017, 11, 3, false) + kNotesEnglish +
                                "\r\n\r\n System-BIOS-Version: \r\n"
                                "\r\n DELL   - 1072009         \r\n 1.9.1         "
                                "\r\n American Megatrends - 5000C         \r\n\r\n");
}

TEST_F(FirmwareReport, UnreadableRegistryKeyShowsTheErrorLine) {
    // Without the key there are no values and no version lists; the notes text still follows.
    // The seeding of the next test creates the key again.
    ASSERT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System"), ERROR_SUCCESS);
    Firmlook app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.Report(), std::string(kRegistryHeadEnglish) +
                                "\r\n Error: Unable to read Registrypath! " + kNotesEnglish +
                                "\r\n\r\n");
    app.Click(kNoNotes);
    EXPECT_EQ(app.Report(), std::string(kRegistryHeadEnglish) +
                                "\r\n Error: Unable to read Registrypath! \r\n\r\n");
}

TEST_F(FirmwareReport, RefreshRereadsTheRegistry) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    SetFirmwareString("Identifier", "Changed");
    EXPECT_EQ(app.Report().find("Changed"), std::string::npos);
    app.Click(kRefreshButton);
    EXPECT_NE(app.Report().find("\r\n System-Identifier:        Changed      "), std::string::npos);
}

TEST_F(FirmwareReport, DumpAndSystemModesReplaceTheFirmwareReport) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    app.Click(kHexDump);
    EXPECT_EQ(app.Report().find("System-Identifier"), std::string::npos);
    EXPECT_EQ(app.Report().substr(app.Report().size() - 2), "\r\n");
    app.Click(kRamInfo);
    EXPECT_EQ(app.Report().find("System-Identifier"), std::string::npos);
    app.Click(kHexDump);
    app.Click(kRamInfo);
    EXPECT_NE(app.Report().find("System-Identifier"), std::string::npos);
}

// The number boxes rebuild 250 ms after the last change, once; a resize in between turns
// that into a repaint without a rebuild.
TEST_F(FirmwareReport, NumberBoxChangesRebuildOnceQuiet) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    SetFirmwareString("Identifier", "After the burst");
    for (int i = 0; i < 3; ++i) {
        SetWindowTextA(app.Item(kSegmentBox), std::to_string(i + 1).c_str());
        Sleep(60);
    }
    EXPECT_EQ(app.Report().find("After the burst"), std::string::npos);
    EXPECT_TRUE(
        WaitFor([&] { return app.Report().find("After the burst") != std::string::npos; }, 2000));

    SetFirmwareString("Identifier", "Not rebuilt");
    SetWindowTextA(app.Item(kSegmentBox), "5");
    RECT outer;
    GetWindowRect(app.dialog(), &outer);
    SetWindowPos(app.dialog(), NULL, 0, 0, outer.right - outer.left + 10,
                 outer.bottom - outer.top + 10, SWP_NOMOVE | SWP_NOZORDER);
    Sleep(700);
    EXPECT_EQ(app.Report().find("Not rebuilt"), std::string::npos);
}

class Shell : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteSettings();
        SeedTypicalFirmware();
    }
};

// Where the report window puts a character on its fourth line, for the program's report and
// for a reference edit control of this process in a known stock font. Font handles do not
// cross processes, so the font is recognised by its effect on the text.
LRESULT CharacterPosition(HWND edit) {
    return SendMessageA(edit, EM_POSFROMCHAR, 160, 0);
}

LRESULT ReferencePosition(const std::string &text, RECT size, int stockFont) {
    HWND edit = CreateWindowExA(WS_EX_STATICEDGE, "Edit", "",
                                WS_POPUP | ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_HSCROLL, 0,
                                0, size.right - size.left, size.bottom - size.top, NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(stockFont)), TRUE);
    SetWindowTextA(edit, text.c_str());
    LRESULT position = CharacterPosition(edit);
    DestroyWindow(edit);
    return position;
}

TEST_F(Shell, FontButtonCyclesTheStockFonts) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    const std::string text = app.Report();
    RECT size;
    GetWindowRect(app.Item(kReport), &size);
    const int cycle[] = {ANSI_FIXED_FONT, DEFAULT_GUI_FONT, SYSTEM_FIXED_FONT,
                         SYSTEM_FONT,     ANSI_FIXED_FONT,  DEFAULT_GUI_FONT};
    // The fixed and proportional fonts must be told apart, or this test proves nothing.
    ASSERT_NE(ReferencePosition(text, size, ANSI_FIXED_FONT),
              ReferencePosition(text, size, DEFAULT_GUI_FONT));
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            app.Click(kFontButton);
        EXPECT_EQ(CharacterPosition(app.Item(kReport)), ReferencePosition(text, size, cycle[i]))
            << "press " << i;
    }
}

TEST_F(Shell, LanguageButtonSwitchesCaptionsAndReport) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.Text(1), "Close");
    EXPECT_EQ(app.Text(kLanguageButton), "Deutsch");
    app.Click(kLanguageButton);
    EXPECT_EQ(app.Text(1), "Beenden");
    EXPECT_EQ(app.Text(kAboutButton), "\xDC"
                                      "ber...");
    EXPECT_EQ(app.Text(kLanguageButton), "English");
    EXPECT_EQ(app.Text(102), "Schritt:");
    EXPECT_EQ(app.Report().substr(0, sizeof kRegistryHeadGerman - 1), kRegistryHeadGerman);
    app.Click(kLanguageButton);
    EXPECT_EQ(app.Text(1), "Close");
    EXPECT_EQ(app.Text(kRomDates), "Try to read BIOS-Info directly from the ROM");
    EXPECT_EQ(app.Text(kOldMethod), "Try old Program Call Method");
    EXPECT_EQ(app.Text(102), "Step:");
    EXPECT_EQ(app.Report().substr(0, sizeof kRegistryHeadEnglish - 1), kRegistryHeadEnglish);
    // The fixed captions keep their template texts.
    EXPECT_EQ(app.Text(kFontButton), "Font <->");
    EXPECT_EQ(app.Text(kColourButton), "Col");
    EXPECT_EQ(app.Text(16), "WWW");
}

TEST_F(Shell, TemplateControlsAndNumberBoxes) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    int controls = 0;
    for (HWND child = GetWindow(app.dialog(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        ++controls;
    EXPECT_EQ(controls, 23);
    EXPECT_EQ(app.Text(26), "1");
    EXPECT_EQ(app.Text(24), "0");
    EXPECT_EQ(app.Text(22), "0");
    EXPECT_EQ(SendMessageA(app.Item(27), UDM_GETRANGE, 0, 0), MAKELONG(5, 0));
    EXPECT_EQ(SendMessageA(app.Item(25), UDM_GETRANGE, 0, 0), MAKELONG(7, 0));
    EXPECT_EQ(SendMessageA(app.Item(23), UDM_GETRANGE, 0, 0), MAKELONG(7, 0));
    EXPECT_EQ(SendMessageA(app.Item(22), EM_GETLIMITTEXT, 0, 0), 1);
    EXPECT_TRUE(GetWindowLongA(app.Item(kReport), GWL_STYLE) & ES_READONLY);
}

// The colour of a point of the dialog as the screen shows it.
COLORREF ScreenColour(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(NULL);
    COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(NULL, screen);
    return colour;
}

TEST_F(Shell, ColourButtonTogglesTheColours) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    SetForegroundWindow(app.dialog());
    Sleep(300);
    const COLORREF normal = ScreenColour(app.dialog(), 3, 3);
    const std::string before = app.Report();
    app.Click(kColourButton);
    Sleep(500);
    EXPECT_EQ(ScreenColour(app.dialog(), 3, 3), RGB(180, 250, 120)); // dialog background
    RECT report = app.ChildRect(kReport);
    // The read-only report window takes the static colours: green ground.
    EXPECT_EQ(ScreenColour(app.dialog(), report.right - 40, report.bottom - 40),
              RGB(180, 250, 120));
    RECT segment = app.ChildRect(kSegmentBox);
    EXPECT_EQ(ScreenColour(app.dialog(), segment.left + 4, segment.top + 4), RGB(70, 70, 200));
    EXPECT_EQ(app.Report(), before); // no rebuild
    app.Click(kColourButton);
    Sleep(500);
    EXPECT_EQ(ScreenColour(app.dialog(), 3, 3), normal);
}

// Run at 96 DPI in the English pass and at 192 in the pass wine_dpi.
TEST_F(Shell, ResizeLaysOutTheBottomRowAndReportWindow) {
    SetProcessDPIAware(); // the dialog's own pixels, not ones scaled for this process
    Firmlook app;
    ASSERT_TRUE(app.Start());
    const int dpi = GetDpiForWindow(app.dialog());
    RECT outer;
    GetWindowRect(app.dialog(), &outer);
    const int startWidth = outer.right - outer.left, startHeight = outer.bottom - outer.top;
    SetWindowPos(app.dialog(), NULL, 0, 0, startWidth + 123, startHeight + 77,
                 SWP_NOMOVE | SWP_NOZORDER);
    RECT client;
    GetClientRect(app.dialog(), &client);
    RECT about = app.ChildRect(kAboutButton);
    const int w = about.right - about.left, h = about.bottom - about.top;
    const int rowY = client.bottom - (3 * h) / 2;
    const struct {
        int id, k;
    } buttons[] = {{12, 15}, {16, 33}, {13, 51}, {11, 69}, {10, 87}, {14, 105}};
    for (const auto &b : buttons) {
        RECT r = app.ChildRect(b.id);
        EXPECT_EQ(r.left, client.right - (b.k * w) / 13) << b.id;
        EXPECT_EQ(r.top, rowY) << b.id;
    }
    RECT close = app.ChildRect(1);
    EXPECT_EQ(close.left, MulDiv(12, dpi, 96));
    EXPECT_EQ(close.top, rowY);
    RECT report = app.ChildRect(kReport);
    EXPECT_EQ(report.right - report.left, client.right - MulDiv(26, dpi, 96));
    EXPECT_EQ(rowY - report.bottom, MulDiv(14, dpi, 96)); // the gap above the bottom row
    // Every control lies inside the client area.
    for (HWND c = GetWindow(app.dialog(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r = app.ChildRect(GetDlgCtrlID(c)), in;
        EXPECT_TRUE(IntersectRect(&in, &r, &client) && EqualRect(&in, &r)) << GetDlgCtrlID(c);
    }

    // Too small a size is held at 95% x 60% of the start size.
    SetWindowPos(app.dialog(), NULL, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(app.dialog(), &outer);
    EXPECT_EQ(outer.right - outer.left, startWidth * 950 / 1000);
    EXPECT_EQ(outer.bottom - outer.top, startHeight * 600 / 1000);
    // Up to twice the screen width and the screen height.
    SetWindowPos(app.dialog(), NULL, 0, 0, 5 * GetSystemMetrics(SM_CXSCREEN),
                 5 * GetSystemMetrics(SM_CYSCREEN), SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(app.dialog(), &outer);
    EXPECT_EQ(outer.right - outer.left, 2 * GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(outer.bottom - outer.top, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(Shell, EveryClosePathEndsTheProcessWithZero) {
    const struct {
        const char *name;
        void (*close)(Firmlook &);
    } paths[] = {
        {"Close button", [](Firmlook &app) { PostMessageA(app.Item(1), BM_CLICK, 0, 0); }},
        {"Enter",
         [](Firmlook &app) {
             SetForegroundWindow(app.dialog());
             PostMessageA(app.Item(1), WM_KEYDOWN, VK_RETURN, 0);
         }},
        {"Escape", [](Firmlook &app) { PostMessageA(app.Item(1), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"WM_CLOSE", [](Firmlook &app) { PostMessageA(app.dialog(), WM_CLOSE, 0, 0); }},
        {"system menu close",
         [](Firmlook &app) { PostMessageA(app.dialog(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto &path : paths) {
        Firmlook app;
        ASSERT_TRUE(app.Start()) << path.name;
        path.close(app);
        DWORD code = 12345;
        EXPECT_TRUE(app.WaitForExit(5000, &code)) << path.name;
        EXPECT_EQ(code, 0u) << path.name;
    }
}

BOOL CALLBACK LongestStatic(HWND child, LPARAM value) {
    std::string *longest = reinterpret_cast<std::string *>(value);
    char className[16] = "", text[1024] = "";
    GetClassNameA(child, className, sizeof className);
    SendMessageA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    if (lstrcmpiA(className, "Static") == 0 && strlen(text) > longest->size())
        *longest = text;
    return TRUE;
}

// Finds the message box that the program shows, returns "caption|text" and closes it.
std::string ReadMessageBox(Firmlook &app) {
    HWND box = NULL;
    WaitFor([&] {
        box = FindProcessWindow(ProcessOf(app.dialog()), "#32770", NULL, {app.dialog()});
        return box != NULL;
    });
    if (box == NULL)
        return "";
    char caption[64] = "";
    GetWindowTextA(box, caption, sizeof caption);
    std::string text;
    EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&text));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitFor([&] { return !IsWindow(box); });
    return std::string(caption) + "|" + text;
}

TEST_F(Shell, AboutBoxInBothLanguages) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    PostMessageA(app.dialog(), WM_COMMAND, kAboutButton, 0);
    std::string english = ReadMessageBox(app);
    EXPECT_EQ(english.substr(0, 40), " Firmlook|\n  Firmlook  (Second Edition) ");
    EXPECT_NE(english.find("\n (Window Size is variable) \n\n"), std::string::npos);
    EXPECT_NE(english.find("\n\n 32Bit-Windows-Version \n\n This Program is provided"),
              std::string::npos);
    app.Click(kLanguageButton);
    PostMessageA(app.dialog(), WM_SYSCOMMAND, 1, 0);
    std::string german = ReadMessageBox(app);
    EXPECT_NE(german.find("\n (Fenstergr\xF6\xDF"
                          "e ist ver\xE4nderbar) \n\n"),
              std::string::npos);
    EXPECT_NE(german.find(" Garantie zur Verf\xFCgung gestellt. Es k\xF6nnte             \n"),
              std::string::npos);
}

class StoredSetting : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteSettings();
        SeedTypicalFirmware();
    }
    void TearDown() override { DeleteSettings(); }
    static int StartsTicked() {
        Firmlook app;
        if (!app.Start())
            return -1;
        return app.Checked(kNoNotes);
    }
};

TEST_F(StoredSetting, ClickStoresAndNextStartRestores) {
    {
        Firmlook app;
        ASSERT_TRUE(app.Start());
        EXPECT_EQ(app.Checked(kNoNotes), BST_UNCHECKED);
        EXPECT_EQ(ReadShowNoInfo(), -1);
        app.Click(kNoNotes);
        EXPECT_EQ(ReadShowNoInfo(), 1);
        EXPECT_EQ(app.Report().find("If the BIOS was updated"), std::string::npos);
    }
    EXPECT_EQ(StartsTicked(), BST_CHECKED);
    {
        Firmlook app;
        ASSERT_TRUE(app.Start());
        EXPECT_EQ(app.Report().find("If the BIOS was updated"), std::string::npos);
        app.Click(kNoNotes);
        EXPECT_EQ(ReadShowNoInfo(), 0);
        EXPECT_NE(app.Report().find("If the BIOS was updated"), std::string::npos);
    }
    EXPECT_EQ(StartsTicked(), BST_UNCHECKED);
}

TEST_F(StoredSetting, ValuesOfOtherTypesAndSizes) {
    SetShowNoInfo(REG_SZ, std::string("1\0", 2)); // any non-zero byte in at most 4 bytes
    EXPECT_EQ(StartsTicked(), BST_CHECKED);
    SetShowNoInfo(REG_DWORD, std::string("\0\0\0\0", 4));
    EXPECT_EQ(StartsTicked(), BST_UNCHECKED);
    SetShowNoInfo(REG_DWORD, std::string("\0\0\2\0", 4));
    EXPECT_EQ(StartsTicked(), BST_CHECKED);
    SetShowNoInfo(REG_BINARY, std::string("\1\1\1\1\1", 5)); // more than 4 bytes
    EXPECT_EQ(StartsTicked(), BST_UNCHECKED);
    SetShowNoInfo(REG_SZ, std::string(""));
    EXPECT_EQ(StartsTicked(), BST_UNCHECKED);
}

// The German pass (LC_ALL=de_DE.UTF-8).
class German : public FirmwareReport {};

TEST_F(German, TypicalValuesExactBytes) {
    Firmlook app;
    ASSERT_TRUE(app.Start());
    const std::string values =
        std::string("\r\n System-Identifier:      AT/AT COMPATIBLE      "
                    "\r\n\r\n System-BIOS-Datum:      06/20/19    -->  20. Juni 2019"
                    "  [Donnerstag]  ") +
        AgeText(2019, 6, 20, true) +
        "\r\n Video-BIOS-Datum:       11/03/17    -->  03. Nov. 2017  [Freitag]     " +
        AgeText(2017, 11, 3, true);
    EXPECT_EQ(app.Report(),
              kRegistryHeadGerman + values + kNotesGerman + kTypicalVersions + "\r\n\r\n");
    EXPECT_EQ(app.Text(1), "Beenden");
    EXPECT_EQ(app.Text(kNoNotes), "Hinweise nicht mehr anzeigen");
    EXPECT_EQ(app.Text(kLanguageButton), "English");
}

TEST_F(German, MissingValuesAndLanguageSwitch) {
    ClearFirmwareValues();
    Firmlook app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(app.Report(), std::string(kRegistryHeadGerman) +
                                "\r\n System-Identifier:      - Wert nicht verf\xFCgbar       "
                                "\r\n\r\n System-BIOS-Datum:      - Wert nicht verf\xFCgbar     "
                                "\r\n Video-BIOS-Datum:       - Wert nicht verf\xFCgbar     " +
                                kNotesGerman + "\r\n\r\n");
    app.Click(kLanguageButton);
    EXPECT_EQ(app.Text(1), "Close");
    EXPECT_EQ(app.Report().substr(0, sizeof kRegistryHeadEnglish - 1), kRegistryHeadEnglish);
}

} // namespace

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Firmlook takes its language from the user language of this Wine session, so each
    // pass runs the tests written for that language.
    if (::testing::GTEST_FLAG(filter) == "*")
        ::testing::GTEST_FLAG(filter) =
            GetUserDefaultLangID() == 0x0407 ? "German*" : "-German*:Printing.*";
    return RUN_ALL_TESTS();
}
