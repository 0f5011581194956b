// The dialog template reader, dialog units and the report font's choice at a DPI.
#include <gtest/gtest.h>

#include <vector>

#include "../../app/report/report_font.h"
#include "../../app/shell/dialog_template.h"
#include "../../app/shell/layout.h"

namespace {

struct Bytes : std::vector<unsigned char> {
    Bytes &Word(unsigned w) { return push_back(w & 0xFF), push_back(w >> 8), *this; }
    Bytes &Text(const char *s) {
        for (; *s; ++s)
            Word(static_cast<unsigned char>(*s));
        return Word(0);
    }
};

// An extended template with the font and two controls: a class by name, and one by ordinal
// with creation data (each item starts on a 4-byte boundary).
Bytes SmallTemplate() {
    Bytes b;
    b.Word(1).Word(0xFFFF).Word(0).Word(0).Word(0).Word(0).Word(0x40).Word(0x80C8).Word(2);
    b.Word(0).Word(0).Word(490).Word(340).Word(0).Word(0).Text(" Firmlook");
    b.Word(8).Word(0).Word(0).Text("MS Shell Dlg").Word(0);
    b.Word(0).Word(0).Word(0).Word(0).Word(0).Word(0).Word(7).Word(320).Word(50).Word(14);
    b.Word(1).Word(0).Text("Button").Text("Beenden").Word(0);
    b.Word(0).Word(0).Word(0).Word(0).Word(0).Word(0).Word(0xFFFF).Word(68).Word(476).Word(242);
    b.Word(1000).Word(0).Word(0xFFFF).Word(0x81).Word(0).Word(2).Word(0xABCD);
    return b;
}

} // namespace

TEST(Dpi, TemplatePlacesDialogUnitsAndReportFont) {
    Bytes bytes = SmallTemplate();
    DialogTemplate read;
    ASSERT_TRUE(ReadDialogTemplate(bytes.data(), bytes.size(), &read));
    EXPECT_TRUE(read.pointSize == 8 && read.itemCount == 2 && read.cx == 490 && read.cy == 340);
    EXPECT_TRUE(read.items[1].x == -1 && read.items[1].y == 68 && read.items[1].cy == 242);
    EXPECT_FALSE(ReadDialogTemplate(bytes.data(), bytes.size() - 1, &read)); // cut short

    const BaseUnits units = FontBaseUnits(312, 13); // x: (312 / 26 + 1) / 2 = 6
    PixelRect about = ItemPixels(TemplateItem{433, 320, 50, 14}, units);
    EXPECT_TRUE(about.left == 650 && about.top == 520 && about.width == 75 && about.height == 23);
    const PixelRect client = TemplateClient(read, units);
    EXPECT_TRUE(IsTemplateSize(client, 736, 552) && !IsTemplateSize(client, 737, 552));
    EXPECT_TRUE(ReportHeight(518, 111, 96) == 393 && ReportHeight(518, 111, 192) == 379);

    // The report font: the stock font at 96 DPI on a 96-DPI screen, else its height scaled.
    const struct {
        int index, dpi, screenDpi, stockHeight;
        ReportFontKind kind;
        int height;
    } cases[] = {{0, 96, 96, 16, kStockReportFont, 0},  {1, 192, 192, 0, kFixedPitchFace, 24},
                 {3, 144, 96, 15, kFixedPitchFace, 23}, {0, 240, 240, 0, kMessageFace, 40},
                 {2, 288, 288, 0, kDialogFont, 0},      {1, 96, 144, 0, kFixedPitchFace, 12}};
    for (const auto &c : cases) {
        ReportFontChoice choice = ChooseReportFont(c.index, c.dpi, c.screenDpi, c.stockHeight);
        EXPECT_TRUE(choice.kind == c.kind && choice.height == c.height) << c.index << " " << c.dpi;
    }
}
