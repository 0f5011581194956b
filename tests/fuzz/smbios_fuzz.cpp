// Romprobe's search for the BIOS release date in any SMBIOS table as the firmware table
// provider returns it (an 8-byte header with the structures' length, then the structures).
//
// Input: the table itself, handed over in a buffer of exactly its size.
#include <stdlib.h>

#include "fuzz_support.h"
#include "probe_text.h"
#include "report/rom_text.h"

namespace {

// The table holds the date as it is, or with the two digits of the century before its year.
bool InTable(const unsigned char *table, size_t size, const char *date) {
    for (size_t at = 0; at + 8 <= size; ++at) {
        const unsigned char *p = table + at;
        if (memcmp(p, date, 6) != 0)
            continue;
        if (memcmp(p + 6, date + 6, 2) == 0 || (at + 10 <= size && memcmp(p + 8, date + 6, 2) == 0))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    unsigned char *table = static_cast<unsigned char *>(malloc(size));
    memcpy(table, data, size);
    char *date = static_cast<char *>(malloc(kRomDateSize));
    bool found = RawSmbiosBiosDate(table, static_cast<int>(size), date);
    if (found) {
        // "MM/DD/YY", taken from the table's "MM/DD/YY" or "MM/DD/YYYY".
        FUZZ_CHECK(strlen(date) == 8);
        const int digits[6] = {0, 1, 3, 4, 6, 7};
        for (int i : digits)
            FUZZ_CHECK(date[i] >= '0' && date[i] <= '9');
        FUZZ_CHECK(date[2] == '/' && date[5] == '/');
        FUZZ_CHECK(InTable(table, size, date));

        // Alone in the record, it gives Firmlook's system line and no video line.
        char record[kProbeRecordSize];
        int length = FormatProbeRecord(date, 0, NULL, record);
        FUZZ_CHECK(length == 10);
        RomRecord read;
        RomRecordClear(&read);
        for (int i = 0; i < length; ++i)
            RomRecordStore(&read, static_cast<unsigned char>(record[i]));
        static ReportText report;
        ReportReset(&report);
        const CalendarDate today = {2026, 12, 7};
        AppendRomDateLines(&read, today, 1, &report);
        CheckReport(&report);
        FUZZ_CHECK(strstr(report.text, date) != NULL && strstr(report.text, "Video") == NULL);
    }
    free(date);
    free(table);
    return 0;
}
