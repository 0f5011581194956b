// Formatting into a fixed buffer for the few conversions the reports use, so that no C
// library printf (and its floating-point machinery) is linked into the deliverables.
#ifndef FIRMLOOK_FORMAT_TEXT_H
#define FIRMLOOK_FORMAT_TEXT_H

#include <stdarg.h>

// Writes format into buffer (size bytes in all, always terminated when size > 0), with
// these conversions: %d and %i (int) and %s (string), each with an optional flag '0' (zero
// fill, numbers only) or '-' (left-justify) and a decimal width; %% for a percent sign.
// Text that does not fit is dropped. Returns the number of characters stored.
int FormatText(char *buffer, int size, const char *format, ...)
    __attribute__((format(printf, 3, 4)));
int FormatTextV(char *buffer, int size, const char *format, va_list args);

#endif
