#include "report_font.h"

#include "../shell/layout.h"

// Courier New is on every Windows since 3.1, and every cell of it has the same width.
const char kFixedPitchFaceName[] = "Courier New";

namespace {

// Cell heights of the system, fixed ANSI, GUI and fixed system stock fonts at 96 DPI.
const int kStockHeights[4] = {16, 12, 13, 16};

} // namespace

ReportFontChoice ChooseReportFont(int fontIndex, int dpi, int screenDpi, int stockHeight) {
    ReportFontChoice choice = {kStockReportFont, 0};
    if (fontIndex < 0 || fontIndex > 3 || (dpi == 96 && screenDpi == 96))
        return choice;
    if (fontIndex == 2) {
        choice.kind = kDialogFont;
        return choice;
    }
    choice.kind = fontIndex == 0 ? kMessageFace : kFixedPitchFace;
    choice.height = ScaleToDpi(stockHeight > 0 ? stockHeight : kStockHeights[fontIndex], dpi);
    return choice;
}
