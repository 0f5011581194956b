// Tooltips under Wine: the pointer is moved over a control of the running program and the
// text of its visible tooltip window is read.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "driver.h"

namespace {

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
