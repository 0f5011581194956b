#include <gtest/gtest.h>

#include "output/print_layout.h"

namespace {

TEST(PrintLayout, FontHeightDropsTenthsThenRounds) {
    EXPECT_EQ(PrintFontHeight(105, 600), -83); // 10.5 pt prints at 10 pt: 83.3
    EXPECT_EQ(PrintFontHeight(120, 600), -100);
    EXPECT_EQ(PrintFontHeight(90, 300), -38); // 37.5 rounds away from zero
    EXPECT_EQ(RoundedMulDiv(-3, 5, 2), -8);
    EXPECT_EQ(RoundedMulDiv(7, 1, 0), -1);
    EXPECT_EQ(RoundedMulDiv(2000000000, 3, 4), 1500000000); // no 32-bit overflow
}

TEST(PrintLayout, PagesOfSixtyLines) {
    PrintLayout layout;
    // 100-pixel lines (95 + 5 leading) on a 6000 x 6050 page with 50-pixel characters.
    ASSERT_TRUE(ComputePrintLayout(125, 95, 5, 6000, 6050, 50, &layout));
    EXPECT_EQ(layout.lineHeight, 100);
    EXPECT_EQ(layout.linesPerPage, 60);
    EXPECT_EQ(layout.charsPerLine, 120);
    EXPECT_EQ(layout.pageCount, 3);
    ASSERT_TRUE(ComputePrintLayout(120, 95, 5, 6000, 6050, 50, &layout));
    EXPECT_EQ(layout.pageCount, 2);
    ASSERT_TRUE(ComputePrintLayout(1, 95, 5, 6000, 6050, 50, &layout));
    EXPECT_EQ(layout.pageCount, 1);
}

TEST(PrintLayout, CopyOrder) {
    EXPECT_EQ(OuterPasses(2, true), 2); // 1 2 3 1 2 3
    EXPECT_EQ(PageRepeats(2, true), 1);
    EXPECT_EQ(OuterPasses(2, false), 1); // 1 1 2 2 3 3
    EXPECT_EQ(PageRepeats(2, false), 2);
}

TEST(PrintLayout, DegenerateMetricsAreRefused) {
    PrintLayout layout;
    EXPECT_FALSE(ComputePrintLayout(10, 0, 0, 6000, 6000, 50, &layout));    // no line height
    EXPECT_FALSE(ComputePrintLayout(10, 95, 5, 6000, 99, 50, &layout));     // no line fits
    EXPECT_FALSE(ComputePrintLayout(10, 95, 5, 6000, 6000, 0, &layout));    // zero width
    EXPECT_FALSE(ComputePrintLayout(10, 95, 5, 49, 6000, 50, &layout));     // no character fits
    EXPECT_FALSE(ComputePrintLayout(10, -200, 5, 6000, 6000, 50, &layout)); // negative metrics
    // A capacity word of 16 bits bounds the characters per line.
    ASSERT_TRUE(ComputePrintLayout(10, 1, 0, 2000000000, 6000, 1, &layout));
    EXPECT_EQ(layout.charsPerLine, 65535);
}

} // namespace
