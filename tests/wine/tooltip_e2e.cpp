// Tooltips under Wine: the pointer is moved over a control of the running program and the
// text of its visible tooltip window is read.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "driver.h"

namespace {

// Points at the middle of a control and returns the tip shown for it ("" for none).
std::string TipFor(const Firmlook &app, int id) {
    POINT away = {2, 2};
    SetCursorPos(away.x, away.y);
    Sleep(300);
    RECT rect;
    GetWindowRect(app.Item(id), &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    Sleep(50);
    SetCursorPos((rect.left + rect.right) / 2 + 1, (rect.top + rect.bottom) / 2);
    std::string text;
    WaitFor(
        [&] {
            HWND tip = FindProcessWindow(ProcessOf(app.dialog()), "tooltips_class32", NULL);
            char buffer[256] = "";
            if (tip != NULL)
                SendMessageA(tip, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
            text = buffer;
            return !text.empty();
        },
        2500);
    return text;
}

TEST(Tooltips, TipsFollowTheLanguageWithoutReRegistering) {
    DeleteSettings();
    SeedTypicalFirmware();
    Firmlook app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(TipFor(app, 13), "Print Content of the Output Window");
    EXPECT_EQ(TipFor(app, 25), "Offset-Adress 0 = 0000h, 1 = 1000h, ..., 7 = 7000h");
    EXPECT_EQ(TipFor(app, 1000), ""); // the report window has no tip
    app.Click(10);
    EXPECT_EQ(TipFor(app, 13), "Inhalt des Ausgabefensters ausdrucken");
    EXPECT_EQ(TipFor(app, 10), "Change Language / Sprache \xE4ndern");
}

} // namespace
