#include "probe_text.h"

#include <string.h>

#include "release_date.h"
#include "smbios.h"
#include "text_helpers.h"

namespace {

const int kSystemDateAt = 0xFFFF5 - kRomWindowBase;
const int kSmbiosReleaseDateField = 8; // string number of the BIOS release date

bool IsMonthAndDay(const unsigned char *month, const unsigned char *day) {
    int m = DigitsValue(month, 2), d = DigitsValue(day, 2);
    return m >= 1 && m <= 12 && d >= 1 && d <= 31;
}

// "dd/dd/" followed by yearDigits digits.
bool IsMonthDayYearForm(const unsigned char *p, int length, int yearDigits) {
    return length >= 6 + yearDigits && AreDigits(p, 2) && p[2] == '/' && AreDigits(p + 3, 2) &&
           p[5] == '/' && AreDigits(p + 6, yearDigits);
}

// The same with a valid month and day.
bool IsMonthDayYear(const unsigned char *p, int length, int yearDigits) {
    return IsMonthDayYearForm(p, length, yearDigits) && IsMonthAndDay(p, p + 3);
}

bool IsYearMonthDay(const unsigned char *p, int length) {
    return length >= 10 && AreDigits(p, 4) && p[4] == '-' && AreDigits(p + 5, 2) && p[7] == '-' &&
           AreDigits(p + 8, 2) && IsMonthAndDay(p + 5, p + 8);
}

void CopyText(const unsigned char *from, int count, char *to) {
    memcpy(to, from, static_cast<size_t>(count));
    to[count] = '\0';
}

} // namespace

bool WindowSystemDate(const unsigned char *window, int size, char *date) {
    if (window == NULL || size != kRomWindowSize)
        return false;
    const unsigned char *p = window + kSystemDateAt;
    if (!AreDigits(p, 2) || !AreDigits(p + 3, 2) || !AreDigits(p + 6, 2))
        return false;
    CopyText(p, 8, date);
    return true;
}

bool SmbiosBiosDate(const unsigned char *data, int size, char *date) {
    // The date comes only from a whole table: one cut short may hold a stale piece.
    SmbiosTable table;
    SmbiosStructure bios;
    int offset = 0;
    CalendarDate day;
    if (!SmbiosFromBytes(data, size, &table) || table.cut ||
        !SmbiosFind(&table, 0, &offset, &bios) ||
        !ReadReleaseDate(SmbiosString(&bios, kSmbiosReleaseDateField), &day))
        return false;
    // The record holds "MM/DD/YY", which Firmlook reads as 1980 to 2079.
    const int fields[3] = {day.month, day.day, day.year % 100};
    for (int i = 0; i < 3; ++i) {
        date[3 * i] = static_cast<char>('0' + fields[i] / 10);
        date[3 * i + 1] = static_cast<char>('0' + fields[i] % 10);
        date[3 * i + 2] = i < 2 ? '/' : '\0';
    }
    return true;
}

char VideoBiosDate(const unsigned char *window, int size, char *date) {
    if (window == NULL || size != kRomWindowSize || window[0] != 0x55 || window[1] != 0xAA)
        return 0;
    int length = window[2] * 512;
    if (length > size)
        length = size;
    for (int i = 0; i < length; ++i) {
        const unsigned char *p = window + i;
        int left = length - i;
        if (IsMonthDayYear(p, left, 4)) {
            CopyText(p, 10, date);
            return '+';
        }
        if (IsMonthDayYear(p, left, 2) && (left == 8 || !AreDigits(p + 8, 1))) {
            CopyText(p, 8, date);
            return ' ';
        }
        if (IsYearMonthDay(p, left)) {
            CopyText(p, 10, date);
            return '-';
        }
    }
    return 0;
}

int FormatProbeRecord(const char *systemDate, char marker, const char *videoDate, char *record) {
    // Fixed widths: Firmlook reads the record by position, and a separator byte of the ROM's
    // system date may be anything, a zero byte included.
    char *out = record;
    memcpy(out, systemDate, 8);
    out += 8;
    if (marker != 0) {
        *out++ = ' ';
        *out++ = marker;
        *out++ = ' ';
        const int videoLength = marker == ' ' ? 8 : 10;
        memcpy(out, videoDate, static_cast<size_t>(videoLength));
        out += videoLength;
    }
    *out++ = '\r';
    *out++ = '\n';
    return static_cast<int>(out - record);
}

unsigned ParseCount(const char *text) {
    unsigned value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + static_cast<unsigned>(*text - '0');
        if (value > 1000000)
            value = 1000000; // anything this large is held to the top of its range anyway
    }
    return value;
}

int FormatDumpBlock(const unsigned char *window, int size, unsigned segment, unsigned offset,
                    unsigned step, char *text, int textSize) {
    if (window == NULL || size != kRomWindowSize)
        return -1;
    if (segment > 7)
        segment = 7;
    if (offset > 7)
        offset = 7;
    if (step > 5)
        step = 5;
    const unsigned seg = 0xC000 + segment * 0x800, off = offset * 0x1000;
    const unsigned perLine = (step + 1) * 8;
    // The longest line: address, two blanks, hex column, two blanks, characters, CR LF.
    const int lineMax =
        9 + 2 + static_cast<int>(perLine) * 3 - 1 + 2 + static_cast<int>(perLine) + 2;
    const int lines = (kRomBlockSize + static_cast<int>(perLine) - 1) / static_cast<int>(perLine);
    if (textSize < lines * lineMax + 1)
        return -1;
    const unsigned char *block = window + (seg * 16 + off - kRomWindowBase);
    char *out = text;
    for (unsigned at = 0; at < kRomBlockSize; at += perLine) {
        unsigned count = kRomBlockSize - at < perLine ? kRomBlockSize - at : perLine;
        out = PutHex(out, seg, 4);
        *out++ = ':';
        out = PutHex(out, off + at, 4);
        *out++ = ' ';
        for (unsigned i = 0; i < perLine; ++i) {
            *out++ = ' ';
            if (i < count) {
                out = PutHex(out, block[at + i], 2);
            } else {
                *out++ = ' ';
                *out++ = ' ';
            }
        }
        *out++ = ' ';
        *out++ = ' ';
        for (unsigned i = 0; i < count; ++i) {
            unsigned char c = block[at + i];
            *out++ = c >= 0x20 && c <= 0x7E ? static_cast<char>(c) : '.';
        }
        *out++ = '\r';
        *out++ = '\n';
    }
    *out = '\0';
    return static_cast<int>(out - text);
}
