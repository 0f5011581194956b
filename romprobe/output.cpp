#include "output.h"

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

void OutputNumber(Output *out, long long value) {
    // Digits by subtracting powers of ten: a 64-bit division would pull in the runtime's
    // division routines, which weigh more than this.
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
    unsigned long long magnitude = value < 0 ? 0 - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    if (value < 0)
        OutputChar(out, '-');
    int top = 0;
    while (top < 19 && magnitude >= kPowers[top + 1])
        ++top;
    for (int i = top; i >= 0; --i) {
        char digit = '0';
        for (; magnitude >= kPowers[i]; magnitude -= kPowers[i])
            ++digit;
        OutputChar(out, digit);
    }
}

char *DecimalText(char *text, unsigned long value) {
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0)
        *text++ = digits[--count];
    *text = '\0';
    return text;
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
