#include "print_layout.h"

int PrintFontHeight(int pointSizeTenths, int pixelsPerInchY) {
    return -RoundedMulDiv(pointSizeTenths / 10, pixelsPerInchY, 72);
}

bool ComputePrintLayout(int lineCount, int textHeight, int externalLeading, int pageWidth,
                        int pageHeight, int averageCharWidth, PrintLayout *layout) {
    layout->lineHeight = textHeight + externalLeading;
    if (layout->lineHeight <= 0 || averageCharWidth <= 0)
        return false;
    layout->charsPerLine = pageWidth / averageCharWidth;
    layout->linesPerPage = pageHeight / layout->lineHeight;
    if (layout->charsPerLine <= 0 || layout->linesPerPage <= 0)
        return false;
    if (layout->charsPerLine > 65535)
        layout->charsPerLine = 65535;
    layout->pageCount = (lineCount + layout->linesPerPage - 1) / layout->linesPerPage;
    return true;
}

int OuterPasses(int copies, bool collate) {
    return collate ? copies : 1;
}

int PageRepeats(int copies, bool collate) {
    return collate ? 1 : copies;
}
