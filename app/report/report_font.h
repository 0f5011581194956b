// Which font the report window shows for the font index at the dialog's DPI. Pure code
// without <windows.h>.
#ifndef FIRMLOOK_REPORT_FONT_H
#define FIRMLOOK_REPORT_FONT_H

enum ReportFontKind {
    kStockReportFont, // the stock object itself
    kFixedPitchFace,  // kFixedPitchFaceName at the height given
    kDialogFont,      // the dialog's own font at its DPI
    kMessageFace,     // the face of the system's message font at the height given
};

extern const char kFixedPitchFaceName[];

struct ReportFontChoice {
    ReportFontKind kind;
    int height; // character cell height in pixels, for the faces
};

// Index 0 is the system font, 1 the fixed ANSI font, 2 the GUI font and 3 the fixed system
// font. At 96 DPI on a 96-DPI screen these are the stock fonts themselves, so their look and
// the report's columns stay as they always were. At any other DPI the stock font's height at
// 96 DPI is scaled: stockHeight when the screen is at 96 DPI and it could be measured there,
// else (0) the height the stock font is made with at 96 DPI.
ReportFontChoice ChooseReportFont(int fontIndex, int dpi, int screenDpi, int stockHeight);

#endif
