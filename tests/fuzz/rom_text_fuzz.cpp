// What the DOS helper leaves behind: the date probe's record and its date lines, and the dump
// copy, each from any file; and the dump command line from any three numbers.
//
// Input: language, report fill (16 bits), today (three 16-bit numbers), segment, offset and
// step (32 bits each), command buffer size, then the file's bytes. Run with -max_len above
// 32,000 so that the dump's byte limit is reached.
#include "fuzz_support.h"
#include "report/rom_text.h"

namespace {

void CheckRomRecord(const uint8_t *file, size_t size, const CalendarDate &today, int language,
                    int fill) {
    RomRecord record;
    RomRecordClear(&record);
    for (size_t i = 0; i < size; ++i)
        RomRecordStore(&record, file[i]);
    // The first 24 bytes are kept, nothing is written past them.
    size_t kept = size < kRomRecordUsed ? size : kRomRecordUsed;
    FUZZ_CHECK(record.count == static_cast<int>(kept));
    FUZZ_CHECK(memcmp(record.bytes, file, kept) == 0);
    for (int i = kRomRecordUsed; i < kRomRecordSize; ++i)
        FUZZ_CHECK(record.bytes[i] == 0);

    static ReportText report;
    PrefillReport(&report, fill);
    AppendRomDateLines(&record, today, language, &report);
    // Two lines at most, each a label, ten characters of date and its decoration.
    CheckAppended(&report, fill, kept < 8 ? 0 : 2 * (30 + 10 + 9 + 3 * 127));
}

void CheckDumpCopy(const uint8_t *file, size_t size, int language) {
    static ReportText report;
    PrefillReport(&report, kReportTextMax);
    AppendDumpHeading(&report, language);
    CheckReport(&report);
    const int heading = report.length;

    // Reading stops at the byte that reaches the limit: at most 31,999 bytes are used.
    DumpCopier copier = {0};
    size_t used = 0;
    long expected = heading;
    while (used < size && DumpTakeByte(&copier, file[used], &report)) {
        FUZZ_CHECK(report.length <= kReportTextMax && report.text[report.length] == '\0');
        expected += file[used] == '\n' ? 3 : file[used] == '\r' || file[used] == 0 ? 0 : 1;
        ++used;
    }
    FUZZ_CHECK(used == (size < kDumpByteLimit - 1 ? size : kDumpByteLimit - 1));
    // LF becomes CR LF and a blank, CR and NUL vanish, everything else is copied; the text
    // stops at the report's limit.
    FUZZ_CHECK(report.length == (expected < kReportTextMax ? expected : kReportTextMax));
    for (int i = heading; i < report.length; ++i) {
        if (report.text[i] == '\r')
            FUZZ_CHECK(i + 1 == report.length || report.text[i + 1] == '\n');
    }
    CheckReport(&report);
}

// The command line fits any buffer and names segment and offset held to 7 and the step as is.
void CheckDumpCommand(unsigned segment, unsigned offset, unsigned step, int bufferSize) {
    char *buffer = static_cast<char *>(malloc(static_cast<size_t>(bufferSize)));
    FormatDumpCommand(buffer, bufferSize, segment, offset, step);
    FUZZ_CHECK(strnlen(buffer, static_cast<size_t>(bufferSize)) < static_cast<size_t>(bufferSize));
    if (bufferSize >= 64) {
        int s = -1, o = -1, t = 0, end = 0;
        FUZZ_CHECK(sscanf(buffer, "ROMPROBE xybioszz %d %d %d%n", &s, &o, &t, &end) == 3);
        FUZZ_CHECK(buffer[end] == '\0');
        FUZZ_CHECK(s == static_cast<int>(segment < 7 ? segment : 7));
        FUZZ_CHECK(o == static_cast<int>(offset < 7 ? offset : 7));
        FUZZ_CHECK(t == static_cast<int>(step));
    }
    free(buffer);
}

} // namespace

// Romprobe's Secure Boot file as Firmlook reads it (at most kSecureBootFileLimit bytes): at
// most two lines, none past the buffer, each line break Firmlook's own.
void CheckSecureBootLines(const uint8_t *file, size_t size, int language) {
    static ReportText report;
    ReportReset(&report);
    int length = static_cast<int>(size < kSecureBootFileLimit ? size : kSecureBootFileLimit);
    AppendSecureBootLines(reinterpret_cast<const char *>(file), length, language, &report);
    FUZZ_CHECK(report.length <= length + 4 && report.text[report.length] == '\0');
    int breaks = 0;
    for (int i = 0; i < report.length; ++i)
        breaks += report.text[i] == '\n';
    FUZZ_CHECK(breaks <= 2);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in = {data, size};
    int language = Take8(&in) & 1;
    int fill = TakeFill(&in);
    const CalendarDate today = TakeToday(&in);
    unsigned segment = Take32(&in);
    unsigned offset = Take32(&in);
    unsigned step = Take32(&in);
    int bufferSize = 1 + Take8(&in);

    CheckRomRecord(in.data, in.size, today, language, fill);
    CheckDumpCopy(in.data, in.size, language);
    CheckDumpCommand(segment, offset, step, bufferSize);
    CheckSecureBootLines(in.data, in.size, language);
    return 0;
}
