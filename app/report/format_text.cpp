#include "format_text.h"

namespace {

struct Output {
    char *buffer;
    int room; // characters that still fit before the terminating NUL
    int length;
};

void Put(Output *out, char c) {
    if (out->length < out->room)
        out->buffer[out->length++] = c;
}

void PutRepeated(Output *out, char c, int count) {
    for (; count > 0; --count)
        Put(out, c);
}

// Writes the body of a field (sign, zeros, text) padded with blanks to width.
void PutField(Output *out, const char *sign, int zeros, const char *text, int textLength, int width,
              bool left) {
    int signLength = sign[0] != '\0' ? 1 : 0;
    int blanks = width - signLength - zeros - textLength;
    if (!left)
        PutRepeated(out, ' ', blanks);
    if (signLength)
        Put(out, sign[0]);
    PutRepeated(out, '0', zeros);
    for (int i = 0; i < textLength; ++i)
        Put(out, text[i]);
    if (left)
        PutRepeated(out, ' ', blanks);
}

} // namespace

int FormatTextV(char *buffer, int size, const char *format, va_list args) {
    if (size <= 0)
        return 0;
    Output out = {buffer, size - 1, 0};
    for (const char *p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            Put(&out, *p);
            continue;
        }
        const char *start = p++;
        bool zeroFill = false, left = false;
        for (;; ++p) {
            if (*p == '0')
                zeroFill = true;
            else if (*p == '-')
                left = true;
            else
                break;
        }
        int width = 0;
        for (; *p >= '0' && *p <= '9'; ++p)
            width = width * 10 + (*p - '0');
        if (*p == 'd' || *p == 'i') {
            int value = va_arg(args, int);
            // The magnitude as unsigned, so that the most negative int needs no special case.
            unsigned magnitude =
                value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
            char digits[12];
            int n = sizeof digits;
            do {
                digits[--n] = static_cast<char>('0' + magnitude % 10);
                magnitude /= 10;
            } while (magnitude != 0);
            const char *sign = value < 0 ? "-" : "";
            int textLength = static_cast<int>(sizeof digits) - n;
            int zeros = 0;
            if (zeroFill && !left)
                zeros = width - (value < 0 ? 1 : 0) - textLength;
            PutField(&out, sign, zeros > 0 ? zeros : 0, digits + n, textLength, width, left);
        } else if (*p == 's') {
            const char *text = va_arg(args, const char *);
            if (text == nullptr)
                text = "";
            int textLength = 0;
            while (text[textLength] != '\0')
                ++textLength;
            PutField(&out, "", 0, text, textLength, width, left);
        } else if (*p == '%') {
            Put(&out, '%');
        } else {
            // Not a conversion of this formatter: the text stands as written.
            for (const char *q = start; q <= p && *q != '\0'; ++q)
                Put(&out, *q);
            if (*p == '\0')
                break;
        }
    }
    buffer[out.length] = '\0';
    return out.length;
}

int FormatText(char *buffer, int size, const char *format, ...) {
    va_list args;
    va_start(args, format);
    int length = FormatTextV(buffer, size, format, args);
    va_end(args);
    return length;
}
