#include <gtest/gtest.h>

#include <limits.h>
#include <stdio.h>
#include <string.h>
#include <string>

#include "report/format_text.h"

namespace {

std::string Formatted(const char *format, int value) {
    char text[64];
    FormatText(text, sizeof text, format, value);
    return text;
}

std::string Formatted(const char *format, const char *value) {
    char text[64];
    FormatText(text, sizeof text, format, value);
    return text;
}

// The C library's snprintf is the reference for every conversion the reports use.
TEST(FormatText, NumbersAsTheCLibraryFormatsThem) {
    const char *const formats[] = {"%d",   "%i",    "%2d", "%4d", "%5i",       "%02d",
                                   "%05i", "%-4d|", "%1d", "%0d", "(%d Day%%)"};
    const int values[] = {0, 7, -7, 42, -42, 123456, -123456, INT_MAX, INT_MIN};
    for (const char *format : formats) {
        for (int value : values) {
            char expected[64];
            snprintf(expected, sizeof expected, format, value);
            EXPECT_EQ(Formatted(format, value), expected) << format << " " << value;
        }
    }
}

TEST(FormatText, StringsAsTheCLibraryFormatsThem) {
    const char *const formats[] = {"%s", "[%s]", "%8s|", "%-8s|", "%2s", "%%%s%%"};
    const char *const values[] = {"", "Mai ", "Mittwoch", "Windows unknown Windows"};
    for (const char *format : formats) {
        for (const char *value : values) {
            char expected[64];
            snprintf(expected, sizeof expected, format, value);
            EXPECT_EQ(Formatted(format, value), expected) << format << " '" << value << "'";
        }
    }
    char text[64];
    FormatText(text, sizeof text, "\r\n %s %5i %s ", "Physical Memory:      ", 2047, "MB");
    EXPECT_STREQ(text, "\r\n Physical Memory:        2047 MB ");
}

TEST(FormatText, CutsAtTheBufferAndStaysTerminated) {
    char text[8];
    memset(text, 'x', sizeof text);
    EXPECT_EQ(FormatText(text, sizeof text, "ROMPROBE %d", 7), 7);
    EXPECT_STREQ(text, "ROMPROB");
    EXPECT_EQ(FormatText(text, 1, "%d", 12345), 0);
    EXPECT_STREQ(text, "");
    text[0] = 'x';
    EXPECT_EQ(FormatText(text, 0, "%d", 1), 0);
    EXPECT_EQ(text[0], 'x');
    // A conversion this formatter does not know stands as written.
    EXPECT_EQ(Formatted("%u|%", 5), "%u|%");
}

} // namespace
