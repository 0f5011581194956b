// The main dialog's template as the resource holds it (an extended dialog template), read to
// lay the dialog out again at another DPI, and the dialog-unit arithmetic of the dialog
// manager. Pure code without <windows.h>.
#ifndef FIRMLOOK_DIALOG_TEMPLATE_H
#define FIRMLOOK_DIALOG_TEMPLATE_H

#include <stddef.h>

enum { kMaxTemplateItems = 32 };

// A control's place in dialog units.
struct TemplateItem {
    int x, y, cx, cy;
};

struct DialogTemplate {
    int cx, cy;    // the client area
    int pointSize; // of the dialog's font
    int itemCount;
    TemplateItem items[kMaxTemplateItems];
};

// Reads the font size and the controls' places, in template order (the order in which the
// dialog manager creates the controls). False when the bytes are no extended template with a
// font, hold more than kMaxTemplateItems controls or end too early.
bool ReadDialogTemplate(const unsigned char *bytes, size_t size, DialogTemplate *out);

struct BaseUnits {
    int x, y;
};

// A font's dialog base units: from the width of the 52 letters A-Z a-z in one line and the
// font's character height, as the dialog manager counts them.
BaseUnits FontBaseUnits(int letterWidth, int charHeight);

struct PixelRect {
    int left, top, width, height;
};
PixelRect ItemPixels(const TemplateItem &item, BaseUnits units);

// The template's client area at these base units, and whether a client area is that, to a
// pixel: the size at which the controls keep their template places, as at the start.
PixelRect TemplateClient(const DialogTemplate &dialogTemplate, BaseUnits units);
bool IsTemplateSize(const PixelRect &templateClient, int width, int height);

// lfHeight of a dialog font of this point size at the DPI (negative: the character height).
int DialogFontHeight(int pointSize, int dpi);

#endif
