// Romprobe with any ROM image: the system and video date search, and the result record as
// Firmlook reads it back.
//
// Input: a fill byte, 16 bytes for FFFF0h to FFFFFh (the system date lies at FFFF5h), then the
// video option ROM at C0000h (at most 64 kB). The rest of the 256 kB window holds the fill byte.
#include <stdlib.h>

#include "fuzz_support.h"
#include "probe_text.h"
#include "report/rom_text.h"

namespace {

// The video date is one of the three forms and lies inside the option ROM's length.
char CheckVideoDate(const unsigned char *window, char *date) {
    char marker = VideoBiosDate(window, kRomWindowSize, date);
    if (marker == 0)
        return 0;
    FUZZ_CHECK(marker == '+' || marker == ' ' || marker == '-');
    size_t length = strlen(date);
    FUZZ_CHECK(length == (marker == ' ' ? 8u : 10u));
    if (marker == '-') {
        FUZZ_CHECK(date[4] == '-' && date[7] == '-');
    } else {
        FUZZ_CHECK(date[2] == '/' && date[5] == '/');
    }
    FUZZ_CHECK(window[0] == 0x55 && window[1] == 0xAA);
    const size_t romLength = window[2] * 512u;
    FUZZ_CHECK(memmem(window, romLength, date, length) != NULL);
    return marker;
}

// The record that Firmlook reads holds the system date in bytes 1-8, the marker in byte 10
// and the video date from byte 12 on, and Firmlook's date lines show both dates.
void CheckRecord(const char *systemDate, char marker, const char *videoDate) {
    char *record = static_cast<char *>(malloc(kProbeRecordSize));
    int length = FormatProbeRecord(systemDate, marker, videoDate, record);
    FUZZ_CHECK(length >= 2 && length <= kProbeRecordSize - 1);
    FUZZ_CHECK(record[length - 2] == '\r' && record[length - 1] == '\n');

    RomRecord read;
    RomRecordClear(&read);
    for (int i = 0; i < length; ++i)
        RomRecordStore(&read, static_cast<unsigned char>(record[i]));
    free(record);
    FUZZ_CHECK(memcmp(read.bytes, systemDate, 8) == 0);
    if (marker != 0) {
        FUZZ_CHECK(read.bytes[9] == static_cast<unsigned char>(marker));
        FUZZ_CHECK(memcmp(read.bytes + 11, videoDate, strlen(videoDate)) == 0);
    }
    static ReportText report;
    ReportReset(&report);
    const CalendarDate today = {2026, 12, 7};
    AppendRomDateLines(&read, today, 0, &report);
    CheckReport(&report);
    // The system line shows the date's bytes up to a zero byte.
    char shown[9];
    memcpy(shown, systemDate, 8);
    shown[8] = '\0';
    FUZZ_CHECK(strstr(report.text, shown) != NULL);
    if (marker != 0)
        FUZZ_CHECK(strstr(report.text, videoDate) != NULL);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static unsigned char *window = static_cast<unsigned char *>(malloc(kRomWindowSize));
    FuzzInput in = {data, size};
    memset(window, Take8(&in), kRomWindowSize);
    for (int i = 0; i < 16; ++i)
        window[kRomWindowSize - 16 + i] = Take8(&in);
    memcpy(window, in.data, in.size < 0x10000 ? in.size : 0x10000);

    // A window of any other size is no window.
    char *systemDate = static_cast<char *>(malloc(kRomDateSize));
    char *videoDate = static_cast<char *>(malloc(kRomDateSize));
    const int wrongSizes[4] = {kRomWindowSize - 1, kRomWindowSize + 1, 0, -1};
    for (int wrong : wrongSizes) {
        FUZZ_CHECK(!WindowSystemDate(window, wrong, systemDate));
        FUZZ_CHECK(VideoBiosDate(window, wrong, videoDate) == 0);
    }

    bool haveSystemDate = WindowSystemDate(window, kRomWindowSize, systemDate);
    char marker = CheckVideoDate(window, videoDate);
    if (haveSystemDate)
        CheckRecord(systemDate, marker, videoDate);
    free(systemDate);
    free(videoDate);
    return 0;
}
