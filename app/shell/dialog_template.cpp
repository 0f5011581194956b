#include "dialog_template.h"

#include "mul_div.h"

namespace {

const unsigned kSetFont = 0x40; // DS_SETFONT, also part of DS_SHELLFONT

struct Reader {
    const unsigned char *bytes;
    size_t size;
    size_t at;
    bool ok;

    unsigned Word() {
        if (at + 2 > size) {
            ok = false;
            return 0;
        }
        unsigned value = bytes[at] | (bytes[at + 1] << 8);
        at += 2;
        return value;
    }
    int Signed() { return static_cast<short>(Word()); }
    void Skip(size_t count) {
        if (at + count > size)
            ok = false;
        else
            at += count;
    }
    // A string of 16-bit characters up to its NUL.
    void SkipString() {
        while (ok && Word() != 0) {
        }
    }
    // A name or an ordinal: 0 alone, 0xFFFF and a number, or a string.
    void SkipNameOrOrdinal() {
        if (at + 2 <= size && bytes[at] == 0xFF && bytes[at + 1] == 0xFF)
            Skip(4);
        else
            SkipString();
    }
    void AlignToDword() { Skip((4 - at % 4) % 4); }
};

} // namespace

bool ReadDialogTemplate(const unsigned char *bytes, size_t size, DialogTemplate *out) {
    Reader in = {bytes, size, 0, true};
    if (in.Word() != 1 || in.Word() != 0xFFFF)
        return false;
    in.Skip(8); // help id, extended style
    unsigned style = in.Word();
    in.Skip(2);
    int count = static_cast<int>(in.Word());
    in.Skip(4); // the dialog's own place
    out->cx = in.Signed();
    out->cy = in.Signed();
    in.SkipNameOrOrdinal(); // menu
    in.SkipNameOrOrdinal(); // class
    in.SkipString();        // caption
    if (!(style & kSetFont) || count > kMaxTemplateItems)
        return false;
    out->pointSize = static_cast<int>(in.Word());
    in.Skip(4); // weight, italic, character set
    in.SkipString();
    for (int i = 0; i < count && in.ok; ++i) {
        in.AlignToDword();
        in.Skip(12); // help id, extended style, style
        TemplateItem &item = out->items[i];
        item.x = in.Signed();
        item.y = in.Signed();
        item.cx = in.Signed();
        item.cy = in.Signed();
        in.Skip(4);             // id
        in.SkipNameOrOrdinal(); // class
        in.SkipNameOrOrdinal(); // text
        in.Skip(in.Word());     // creation data
    }
    out->itemCount = count;
    return in.ok;
}

BaseUnits FontBaseUnits(int letterWidth, int charHeight) {
    BaseUnits units = {(letterWidth / 26 + 1) / 2, charHeight};
    return units;
}

PixelRect ItemPixels(const TemplateItem &item, BaseUnits units) {
    PixelRect rect = {RoundedMulDiv(item.x, units.x, 4), RoundedMulDiv(item.y, units.y, 8),
                      RoundedMulDiv(item.cx, units.x, 4), RoundedMulDiv(item.cy, units.y, 8)};
    return rect;
}

PixelRect TemplateClient(const DialogTemplate &dialogTemplate, BaseUnits units) {
    TemplateItem whole = {0, 0, dialogTemplate.cx, dialogTemplate.cy};
    return ItemPixels(whole, units);
}

bool IsTemplateSize(const PixelRect &templateClient, int width, int height) {
    int dx = width - templateClient.width, dy = height - templateClient.height;
    return dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
}

int DialogFontHeight(int pointSize, int dpi) {
    return -RoundedMulDiv(pointSize, dpi, 72);
}
