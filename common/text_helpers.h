// Small text helpers shared by Firmlook and Romprobe. Plain code without <windows.h>.
#ifndef COMMON_TEXT_HELPERS_H
#define COMMON_TEXT_HELPERS_H

// A–Z as a–z; every other byte as it is.
char LowerAscii(char c);
// Whether a and b are the same text, ASCII letters compared without case.
bool EqualIgnoringCase(const char *a, const char *b);

// Whether the count bytes are all the digits 0 to 9.
bool AreDigits(const unsigned char *bytes, int count);
// The value of count digits (check them with AreDigits first).
int DigitsValue(const unsigned char *bytes, int count);

// Writes the low digits hex digits of value, upper case unless lower; returns the end.
char *PutHex(char *out, unsigned value, int digits, bool lower = false);

#endif
