// Page layout of a printout: font height, lines and characters per page, page count and
// the order of pages and copies. Pure code without <windows.h>.
#ifndef FIRMLOOK_PRINT_LAYOUT_H
#define FIRMLOOK_PRINT_LAYOUT_H

#include "mul_div.h"

// lfHeight of the print font: minus the whole points (tenths dropped) in device pixels.
int PrintFontHeight(int pointSizeTenths, int pixelsPerInchY);

struct PrintLayout {
    int lineHeight;
    int charsPerLine; // at most 65535: EM_GETLINE takes the capacity as a 16-bit word
    int linesPerPage;
    int pageCount;
};

// False for a degenerate layout (no whole line or character fits, or zero metrics); such a
// printout is not started.
bool ComputePrintLayout(int lineCount, int textHeight, int externalLeading, int pageWidth,
                        int pageHeight, int averageCharWidth, PrintLayout *layout);

// Collated copies repeat the whole document; uncollated ones repeat each page.
int OuterPasses(int copies, bool collate);
int PageRepeats(int copies, bool collate);

#endif
