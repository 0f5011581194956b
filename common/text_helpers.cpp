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
