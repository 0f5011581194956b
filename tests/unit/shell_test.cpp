#include <gtest/gtest.h>

#include <string.h>
#include <string>

#include "shell/layout.h"
#include "language.h"
#include "shell/shell_texts.h"

namespace {

TEST(Language, OnlyTheFiveGermanLocalesChooseGerman) {
    for (unsigned short id : {0x0407, 0x0807, 0x0C07, 0x1007, 0x1407})
        EXPECT_EQ(LanguageFlagFor(id), 1) << std::hex << id;
    for (unsigned short id : {0x0409, 0x0007, 0x0410, 0x1807, 0x0000, 0xFFFF})
        EXPECT_EQ(LanguageFlagFor(id), 0) << std::hex << id;
}

TEST(Captions, LanguageButtonNamesTheOtherLanguage) {
    bool found = false;
    for (const CaptionRow &row : kCaptions) {
        if (row.id == 10) {
            EXPECT_STREQ(row.german, "English");
            EXPECT_STREQ(row.english, "Deutsch");
            found = true;
        }
        if (row.id == 12) {
            EXPECT_EQ(static_cast<unsigned char>(row.german[0]), 0xDCu);
        }
    }
    EXPECT_TRUE(found);
}

TEST(AboutBox, TextsFitTheirBuffer) {
    char text[kAboutTextSize + 16];
    memset(text, 'x', sizeof text);
    ComposeAboutText(1, text);
    size_t german = strlen(text);
    EXPECT_LT(german, static_cast<size_t>(kAboutTextSize));
    EXPECT_EQ(std::string(text).substr(0, 30), "\n  Firmlook  (Second Edition) ");
    EXPECT_NE(std::string(text).find("(Fenstergr\xF6\xDF"
                                     "e ist ver\xE4nderbar)"),
              std::string::npos);
    ComposeAboutText(0, text);
    EXPECT_LT(strlen(text), static_cast<size_t>(kAboutTextSize));
    std::string english(text);
    EXPECT_NE(english.find("\n\n 32Bit-Windows-Version \n\n This Program is provided as it is,"
                           "             \n without any Guarantee made."),
              std::string::npos);
    EXPECT_EQ(english.substr(english.size() - 29), "\n Tool is at your own Risk. \n");
}

TEST(Layout, MinimumTrackSize) {
    TrackSize size = MinimumTrackSize(751, 553);
    EXPECT_EQ(size.width, 713);  // 713.45 truncated
    EXPECT_EQ(size.height, 331); // 331.8 truncated
    size = MinimumTrackSize(0, 0);
    EXPECT_EQ(size.width, 0);
    EXPECT_EQ(size.height, 0);
}

TEST(Layout, BottomRowIsRightAligned) {
    // A 75 x 23 pixel button in a 735 x 552 client area.
    EXPECT_EQ(ButtonRowY(552, 23), 552 - 34);
    EXPECT_EQ(ButtonX(735, 15, 75), 735 - 86);
    EXPECT_EQ(ButtonX(735, 105, 75), 735 - 605);
    // Neighbouring buttons stand 18/13 of a button width apart.
    for (int i = 1; i < kRightButtonCount; ++i)
        EXPECT_EQ(kRightButtons[i].k - kRightButtons[i - 1].k, 18);
    // A layout before the controls exist works on zero sizes.
    EXPECT_EQ(ButtonRowY(100, 0), 100);
    EXPECT_EQ(ButtonX(100, 105, 0), 100);
    // Narrow windows give negative positions rather than wrapping.
    EXPECT_EQ(ButtonX(10, 105, 75), 10 - 605);
    // The pixel distances at 96, 192 and 288 DPI; at 120 DPI the 26 px of the report's margin
    // are 32.5, which rounds away from zero as in MulDiv.
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(CloseButtonX(96 * i) == 12 * i && ReportWidth(858, 96 * i) == 858 - 26 * i);
    EXPECT_EQ(ReportWidth(858, 120), 858 - 33);
}

TEST(Layout, CentringKeepsTheWindowOnScreen) {
    EXPECT_EQ(CentredCoordinate(0, 1024, 750, 1024), 137);
    EXPECT_EQ(CentredCoordinate(0, 1024, 751, 1024), 136);   // odd difference truncates
    EXPECT_EQ(CentredCoordinate(-500, 600, 750, 1024), 0);   // left of the origin
    EXPECT_EQ(CentredCoordinate(600, 1000, 400, 1024), 624); // past the right edge
    // Larger than the screen: set to 0 and not compared with the far edge again.
    EXPECT_EQ(CentredCoordinate(0, 800, 1200, 800), 0);
    EXPECT_EQ(CentredCoordinate(0, 801, 800, 800), 0);
}

} // namespace

#include "shell/tooltip_texts.h"

namespace {

TEST(Tooltips, TextTableCoversButtonsBoxesAndSpinsOnly) {
    EXPECT_STREQ(TooltipText(2, 0), "This Button ends the Program"); // Escape shares Close's
    EXPECT_STREQ(TooltipText(26, 1), TooltipText(27, 1));
    EXPECT_STREQ(TooltipText(22, 0),
                 "Segment-Adress 0 = C000h, 1 = C800h, 2 = D000h, ..., 6 = F000h, 7 = F800h");
    EXPECT_STREQ(TooltipText(16, 1), "Diesen Button dr\xFC"
                                     "cken f\xFCr die Homepage im Internet");
    for (int id : {0, 3, 9, 28, 102, 1000, -1, 0xFFFF})
        EXPECT_EQ(TooltipText(id, 0), nullptr) << id;
}

TEST(Tooltips, OnlyTheFiveMouseMessagesOfChildrenAreRelayed) {
    for (unsigned message : {0x200u, 0x201u, 0x202u, 0x204u, 0x205u})
        EXPECT_TRUE(ShouldRelayToTooltip(0, true, 13, message, true)) << message;
    for (unsigned message : {0x203u, 0x206u, 0x207u, 0x20Au, 0x100u, 0x0Fu})
        EXPECT_FALSE(ShouldRelayToTooltip(0, true, 13, message, true)) << message;
    EXPECT_FALSE(ShouldRelayToTooltip(-1, true, 13, 0x200, true));
    EXPECT_FALSE(ShouldRelayToTooltip(0, false, 13, 0x200, true));
    EXPECT_FALSE(ShouldRelayToTooltip(0, true, 0x7FFF, 0x200, true));
    EXPECT_FALSE(ShouldRelayToTooltip(0, true, 13, 0x200, false));
}

} // namespace
