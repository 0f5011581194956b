#include "text_helpers.h"

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(const char *a, const char *b) {
    for (; LowerAscii(*a) == LowerAscii(*b); ++a, ++b) {
        if (*a == '\0')
            return true;
    }
    return false;
}

bool AreDigits(const unsigned char *bytes, int count) {
    for (int i = 0; i < count; ++i)
        if (bytes[i] < '0' || bytes[i] > '9')
            return false;
    return true;
}

int DigitsValue(const unsigned char *bytes, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i)
        value = value * 10 + (bytes[i] - '0');
    return value;
}

char *PutHex(char *out, unsigned value, int digits, bool lower) {
    static const char kHexDigits[] = "0123456789ABCDEF0123456789abcdef";
    for (int i = digits - 1; i >= 0; --i)
        *out++ = kHexDigits[((value >> (4 * i)) & 0xF) + (lower ? 16 : 0)];
    return out;
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
