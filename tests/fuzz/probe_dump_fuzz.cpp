// Romprobe's dump of any 4 kB block of the ROM window at any segment, offset and line width
// into a text buffer of any size, and its command-line numbers from any text.
//
// Input: segment, offset and step (32 bits each), text buffer size (16 bits, 0 for the
// program's own), fill byte, then the rest, which is written at the dumped block (the rest of
// the 256 kB window holds the fill byte) and read as one command-line number.
#include <stdlib.h>

#include "fuzz_support.h"
#include "probe_text.h"
#include "report/rom_text.h"

namespace {

const unsigned kCountCap = 1000000;

bool IsDigitAt(const char *text, int i) {
    return text[i] >= '0' && text[i] <= '9';
}

// A command-line number is its leading digit run, held to the top of its range.
void CheckParseCount(const uint8_t *data, size_t size) {
    char *text = static_cast<char *>(malloc(size + 1));
    memcpy(text, data, size);
    text[size] = '\0';
    unsigned count = ParseCount(text);
    FUZZ_CHECK(count <= kCountCap);
    if (IsDigitAt(text, 0)) {
        int first = 0, end = 0;
        while (text[first] == '0')
            ++first;
        for (end = first; IsDigitAt(text, end); ++end) {
        }
        unsigned long long value = end - first > 18 ? kCountCap : strtoull(text, NULL, 10);
        FUZZ_CHECK(count == (value < kCountCap ? value : kCountCap));
    } else {
        FUZZ_CHECK(count == 0);
    }
    free(text);
}

unsigned HexValue(const char *p) {
    unsigned value = 0;
    for (int i = 0; i < 2; ++i) {
        char c = p[i];
        FUZZ_CHECK((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
        value = value * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : c - 'A' + 10);
    }
    return value;
}

// Every line gives its address and the block's bytes back; the whole text fits the program's
// buffer and lies below the 31,999 bytes that Firmlook reads at most.
void CheckDump(const unsigned char *window, unsigned segment, unsigned offset, unsigned step,
               int textSize) {
    char *text = static_cast<char *>(malloc(static_cast<size_t>(textSize)));
    int length = FormatDumpBlock(window, kRomWindowSize, segment, offset, step, text, textSize);
    if (textSize >= kDumpTextSize)
        FUZZ_CHECK(length >= 0);
    if (length < 0) {
        free(text);
        return;
    }
    FUZZ_CHECK(length < textSize && strlen(text) == static_cast<size_t>(length));
    FUZZ_CHECK(length < kDumpByteLimit);

    const unsigned seg = 0xC000 + 0x800 * (segment < 7 ? segment : 7);
    const unsigned off = 0x1000 * (offset < 7 ? offset : 7);
    const unsigned perLine = 8 * ((step < 5 ? step : 5) + 1);
    const unsigned char *block = window + seg * 16 + off - kRomWindowBase;
    const char *line = text;
    for (unsigned at = 0; at < kRomBlockSize; at += perLine) {
        char address[16];
        snprintf(address, sizeof address, "%04X:%04X ", seg, off + at);
        FUZZ_CHECK(strncmp(line, address, 10) == 0);
        unsigned count = kRomBlockSize - at < perLine ? kRomBlockSize - at : perLine;
        for (unsigned i = 0; i < count; ++i) {
            FUZZ_CHECK(line[10 + 3 * i] == ' ');
            FUZZ_CHECK(HexValue(line + 11 + 3 * i) == block[at + i]);
        }
        line += 10 + 3 * perLine + 2 + count;
        FUZZ_CHECK(line[0] == '\r' && line[1] == '\n');
        line += 2;
    }
    FUZZ_CHECK(line == text + length);

    free(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static unsigned char *window = static_cast<unsigned char *>(malloc(kRomWindowSize));
    FuzzInput in = {data, size};
    unsigned segment = Take32(&in);
    unsigned offset = Take32(&in);
    unsigned step = Take32(&in);
    int textSize = Take16(&in);
    if (textSize == 0)
        textSize = kDumpTextSize;
    memset(window, Take8(&in), kRomWindowSize);
    const unsigned blockAt =
        0x8000 * (segment < 7 ? segment : 7) + 0x1000 * (offset < 7 ? offset : 7);
    memcpy(window + blockAt, in.data, in.size < kRomBlockSize ? in.size : kRomBlockSize);

    CheckParseCount(in.data, in.size);
    // A window of any other size is no window, whatever room the text has.
    static char text[kDumpTextSize];
    const int wrongSizes[4] = {kRomWindowSize - 1, kRomWindowSize + 1, 0, -1};
    for (int wrong : wrongSizes)
        FUZZ_CHECK(FormatDumpBlock(window, wrong, segment, offset, step, text, sizeof text) == -1);
    CheckDump(window, segment, offset, step, textSize);
    return 0;
}
