#include "output.h"

#include "text_helpers.h"

#include <string.h>

void OutputStart(Output *out, OutputSink sink, void *context) {
    out->used = 0;
    out->sink = sink;
    out->context = context;
}

void OutputFlush(Output *out) {
    if (out->used > 0)
        out->sink(out->context, out->buffer, out->used);
    out->used = 0;
}

void OutputBytes(Output *out, const char *bytes, int count) {
    for (int i = 0; i < count; ++i) {
        if (out->used == static_cast<int>(sizeof out->buffer))
            OutputFlush(out);
        out->buffer[out->used++] = bytes[i];
    }
}

void OutputText(Output *out, const char *text) {
    OutputBytes(out, text, static_cast<int>(strlen(text)));
}

void OutputChar(Output *out, char c) {
    OutputBytes(out, &c, 1);
}

char *DecimalText(char *text, unsigned long long value) {
    static const unsigned long long kPowers[20] = {1ull,
                                                   10ull,
                                                   100ull,
                                                   1000ull,
                                                   10000ull,
                                                   100000ull,
                                                   1000000ull,
                                                   10000000ull,
                                                   100000000ull,
                                                   1000000000ull,
                                                   10000000000ull,
                                                   100000000000ull,
                                                   1000000000000ull,
                                                   10000000000000ull,
                                                   100000000000000ull,
                                                   1000000000000000ull,
                                                   10000000000000000ull,
                                                   100000000000000000ull,
                                                   1000000000000000000ull,
                                                   10000000000000000000ull};
    int top = 0;
    while (top < 19 && value >= kPowers[top + 1])
        ++top;
    for (int i = top; i >= 0; --i) {
        char digit = '0';
        for (; value >= kPowers[i]; value -= kPowers[i])
            ++digit;
        *text++ = digit;
    }
    *text = '\0';
    return text;
}

void OutputNumber(Output *out, long long value) {
    unsigned long long magnitude = value < 0 ? 0 - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    if (value < 0)
        OutputChar(out, '-');
    char digits[24];
    OutputBytes(out, digits, static_cast<int>(DecimalText(digits, magnitude) - digits));
}

void OutputMegabytes(Output *out, long long kilobytes) {
    OutputNumber(out, kilobytes / 1024);
    int rest = static_cast<int>(kilobytes % 1024);
    if (rest != 0)
        OutputChar(out, '.');
    while (rest != 0) { // ends within ten digits: 1024 is a power of two
        rest *= 10;
        OutputChar(out, static_cast<char>('0' + rest / 1024));
        rest %= 1024;
    }
}
