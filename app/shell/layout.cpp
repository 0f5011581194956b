#include "layout.h"

#include "mul_div.h"

const ButtonPlace kRightButtons[kRightButtonCount] = {{12, 15}, {16, 33}, {13, 51},
                                                      {11, 69}, {10, 87}, {14, 105}};

TrackSize MinimumTrackSize(int outerWidth, int outerHeight) {
    TrackSize size = {outerWidth * 950 / 1000, outerHeight * 600 / 1000};
    return size;
}

int ButtonRowY(int clientHeight, int buttonHeight) {
    return clientHeight - ((3 * buttonHeight) >> 1);
}

int ButtonX(int clientWidth, int k, int buttonWidth) {
    return clientWidth - (k * buttonWidth) / 13;
}

int ScaleToDpi(int pixels, int dpi) {
    return RoundedMulDiv(pixels, dpi, 96);
}

int CloseButtonX(int dpi) {
    return ScaleToDpi(kCloseButtonX, dpi);
}

int ReportWidth(int clientWidth, int dpi) {
    return clientWidth - ScaleToDpi(kReportWidthMargin, dpi);
}

int ReportHeight(int rowY, int reportTop, int dpi) {
    return rowY - reportTop - ScaleToDpi(kReportGap, dpi);
}

int CentredCoordinate(int referenceOrigin, int referenceExtent, int extent, int screenExtent) {
    int position = referenceOrigin + (referenceExtent - extent) / 2;
    if (position < 0)
        position = 0;
    else if (position + extent > screenExtent)
        position = screenExtent - extent;
    return position;
}
