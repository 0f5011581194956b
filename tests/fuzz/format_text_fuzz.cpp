// The report's own formatter with any numbers and texts, any buffer size and any format of the
// conversions it offers: it must write what the C library writes, cut at the same place.
//
// Input: buffer size (8 bits, 0 to 255), then up to eight formats, each a kind byte and its
// operands: a plain character, a conversion %d or %i of a 32-bit number, %s of a text (a
// length byte and its bytes), or %%. The kind byte also picks the flags ('0', '-'); a
// conversion takes a width byte (0 to 99) before its operand. Each format is checked on its
// own.
#include <stdlib.h>

#include "fuzz_support.h"
#include "report/format_text.h"

namespace {

const int kPieces = 8;

struct Piece {
    char format[16];
    bool isNumber, isText;
    int number;
    char text[256];
};

// One piece of the format and its argument.
void TakePiece(FuzzInput *in, Piece *piece) {
    uint8_t kind = Take8(in);
    piece->isNumber = piece->isText = false;
    char *f = piece->format;
    int type = kind & 3;
    if (type == 0) { // a plain character; '%' and NUL would be conversions or the end
        char c = static_cast<char>(Take8(in));
        *f++ = c == '%' || c == '\0' ? '.' : c;
        *f = '\0';
        return;
    }
    *f++ = '%';
    if (type == 3) {
        *f++ = '%';
        *f = '\0';
        return;
    }
    if (kind & 4)
        *f++ = '-';
    if ((kind & 8) && type == 1) // zero fill is for numbers only
        *f++ = '0';
    int width = Take8(in) % 100;
    if (width > 0)
        f += snprintf(f, 3, "%d", width);
    if (type == 1) {
        *f++ = (kind & 0x80) ? 'i' : 'd';
        piece->isNumber = true;
        piece->number = static_cast<int>(Take32(in));
    } else {
        *f++ = 's';
        piece->isText = true;
        TakeText(in, piece->text, sizeof piece->text - 1);
    }
    *f = '\0';
}

// The formatter and the C library give the same text, cut at the same place.
void CheckPiece(const Piece *piece, int bufferSize) {
    char *buffer =
        static_cast<char *>(malloc(static_cast<size_t>(bufferSize > 0 ? bufferSize : 1)));
    char expected[512];
    int length;
    if (piece->isNumber) {
        length = FormatText(buffer, bufferSize, piece->format, piece->number);
        snprintf(expected, sizeof expected, piece->format, piece->number);
    } else if (piece->isText) {
        length = FormatText(buffer, bufferSize, piece->format, piece->text);
        snprintf(expected, sizeof expected, piece->format, piece->text);
    } else {
        length = FormatText(buffer, bufferSize, piece->format, 0);
        snprintf(expected, sizeof expected, piece->format, 0);
    }
    if (bufferSize <= 0) {
        FUZZ_CHECK(length == 0);
    } else {
        if (static_cast<int>(strlen(expected)) > bufferSize - 1)
            expected[bufferSize - 1] = '\0';
        FUZZ_CHECK(strcmp(buffer, expected) == 0);
        FUZZ_CHECK(length == static_cast<int>(strlen(buffer)));
    }
    free(buffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in = {data, size};
    int bufferSize = Take8(&in);
    for (int i = 0; i < kPieces && in.size > 0; ++i) {
        Piece piece;
        TakePiece(&in, &piece);
        CheckPiece(&piece, bufferSize);
    }
    return 0;
}
