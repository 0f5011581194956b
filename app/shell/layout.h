// Window layout arithmetic of the main dialog. Pure code without <windows.h>.
#ifndef FIRMLOOK_LAYOUT_H
#define FIRMLOOK_LAYOUT_H

struct TrackSize {
    int width;
    int height;
};

// The dialog may not be dragged narrower than 95% or lower than 60% of its start size.
TrackSize MinimumTrackSize(int outerWidth, int outerHeight);

// Bottom row of buttons for a client area of the given height.
int ButtonRowY(int clientHeight, int buttonHeight);
// x of a bottom-row button whose factor is k (15, 33, ... in steps of 18).
int ButtonX(int clientWidth, int k, int buttonWidth);

struct ButtonPlace {
    int id;
    int k;
};
enum { kRightButtonCount = 6 };
// The right-aligned bottom buttons, in the order they are moved.
extern const ButtonPlace kRightButtons[kRightButtonCount];

// Pixels at 96 DPI at the given DPI, rounded as MulDiv rounds: to the nearest pixel, halves
// away from zero.
int ScaleToDpi(int pixels, int dpi);

// The pixel distances of the layout are those at 96 DPI. Button sizes follow the dialog's
// font and so its DPI already.
enum { kCloseButtonX = 12, kReportWidthMargin = 26, kReportGap = 14 };

// x of the Close button, width of the report window, and its height from its top down to the
// gap above the bottom row, at the dialog's DPI.
int CloseButtonX(int dpi);
int ReportWidth(int clientWidth, int dpi);
int ReportHeight(int rowY, int reportTop, int dpi);

// One axis of centring: origin and extent of the reference window, extent of the window,
// extent of the screen. Left or above the origin gives 0; past the far edge, the window
// is moved back to end there.
int CentredCoordinate(int referenceOrigin, int referenceExtent, int extent, int screenExtent);

#endif
