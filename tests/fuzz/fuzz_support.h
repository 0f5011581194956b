// What the fuzz targets share: reading parameters off the front of an input, and the checks
// that every report text must pass whatever it was fed.
#ifndef FIRMLOOK_FUZZ_SUPPORT_H
#define FIRMLOOK_FUZZ_SUPPORT_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "report/dates.h"
#include "report/report_text.h"

// An input read from the front: fixed-size numbers first, the rest as bytes. Numbers past the
// end read as 0, so a short input is still a valid one.
struct FuzzInput {
    const uint8_t *data;
    size_t size;
};

inline uint32_t TakeBytes(FuzzInput *in, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count && in->size > 0; ++i, ++in->data, --in->size)
        value |= static_cast<uint32_t>(in->data[0]) << (8 * i);
    return value;
}
inline uint8_t Take8(FuzzInput *in) {
    return static_cast<uint8_t>(TakeBytes(in, 1));
}
inline uint16_t Take16(FuzzInput *in) {
    return static_cast<uint16_t>(TakeBytes(in, 2));
}
inline uint32_t Take32(FuzzInput *in) {
    return TakeBytes(in, 4);
}

// Copies a length byte's worth of bytes (at most max) into text and terminates it there; the
// text may hold NULs of its own.
// Any today that GetLocalTime could hand over: 16-bit year, month and day.
inline CalendarDate TakeToday(FuzzInput *in) {
    CalendarDate today;
    today.year = Take16(in);
    today.month = Take16(in);
    today.day = Take16(in);
    return today;
}

inline void TakeText(FuzzInput *in, char *text, size_t max) {
    size_t n = Take8(in);
    if (n > max)
        n = max;
    if (n > in->size)
        n = in->size;
    memcpy(text, in->data, n);
    text[n] = '\0';
    in->data += n;
    in->size -= n;
}

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);          \
            abort();                                                                               \
        }                                                                                          \
    } while (0)

// An output sink for Romprobe's writers: text without NULs.
inline void CheckNoNul(void *, const char *bytes, int count) {
    FUZZ_CHECK(memchr(bytes, '\0', static_cast<size_t>(count)) == NULL);
}

// The report text is terminated where its length says, holds no NUL before that and stays
// within 32,499 characters.
inline void CheckReport(const ReportText *report) {
    FUZZ_CHECK(report->length >= 0 && report->length <= kReportTextMax);
    FUZZ_CHECK(report->text[report->length] == '\0');
    FUZZ_CHECK(strlen(report->text) == static_cast<size_t>(report->length));
}

// How full the report is before the calls: empty for half the inputs, within 1,023
// characters of the limit for the other half.
inline int TakeFill(FuzzInput *in) {
    uint16_t raw = Take16(in);
    return raw < 0x8000 ? 0 : kReportTextMax - (raw & 1023);
}

// Fills the report with fill dots, so that appends run into the limit as well.
inline void PrefillReport(ReportText *report, int fill) {
    ReportReset(report);
    memset(report->text, '.', static_cast<size_t>(fill));
    report->text[fill] = '\0';
    report->length = fill;
}

// The dots of PrefillReport are still there, and what follows them is at most maxGrowth long.
inline void CheckAppended(const ReportText *report, int fill, int maxGrowth) {
    CheckReport(report);
    FUZZ_CHECK(report->length >= fill);
    static char dots[kReportTextSize];
    if (dots[0] != '.')
        memset(dots, '.', sizeof dots);
    FUZZ_CHECK(memcmp(report->text, dots, static_cast<size_t>(fill)) == 0);
    FUZZ_CHECK(report->length - fill <= maxGrowth);
}

#endif
