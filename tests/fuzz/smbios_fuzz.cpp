// Romprobe's reading of any SMBIOS table: the search for the BIOS release date in the
// firmware table provider's form (an 8-byte header with the structures' length, then the
// structures), and the command line's reading of either form (that one, or a dump file with
// an entry point), its JSON and summary in both languages, the values of every -s keyword and the
// entry point of a saved dump.
//
// Input: the table itself, handed over in a buffer of exactly its size.
#include <stdlib.h>

#include "fuzz_support.h"
#include "json_writer.h"
#include "probe_text.h"
#include "report/rom_text.h"
#include "string_keywords.h"
#include "summary_writer.h"

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

// What a writer put out, checked as it comes: JSON is well-formed UTF-8 with no control byte
// inside a string and its brackets balanced; the summary has no control bytes but CR LF, and
// the -s values (lines) have each CR right before its LF.
struct Written {
    bool json, inString, escaped, lines;
    int depth, pending; // open brackets; UTF-8 continuation bytes still expected
};

void Check(void *context, const char *bytes, int count) {
    Written *w = static_cast<Written *>(context);
    for (int i = 0; i < count; ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (!w->json) {
            FUZZ_CHECK(c >= 0x20 || c == '\r' || c == '\n');
            if (w->lines) {
                FUZZ_CHECK(w->escaped ? c == '\n' : c != '\n'); // escaped: a CR came last
                w->escaped = c == '\r';
                w->depth = c != '\n'; // a line not yet ended
            }
            continue;
        }
        if (w->pending > 0) {
            FUZZ_CHECK((c & 0xC0) == 0x80);
            --w->pending;
        } else if (c >= 0x80) {
            FUZZ_CHECK(w->inString && (c & 0xE0) >= 0xC0 && c < 0xF0);
            w->pending = c >= 0xE0 ? 2 : 1;
        } else if (w->inString) {
            FUZZ_CHECK(c >= 0x20 && c != 0x7F);
            w->inString = w->escaped || c != '"';
            w->escaped = !w->escaped && c == '\\';
        } else {
            FUZZ_CHECK(c != '\\' && c >= '\n');
            w->inString = c == '"';
            w->depth += (c == '{' || c == '[') - (c == '}' || c == ']');
            FUZZ_CHECK(w->depth >= 0);
        }
    }
}

void CheckWriters(const SmbiosTable *table, const RomFacts *rom) {
    const CalendarDate today = {2026, 12, 7};
    static Output out;
    SecureBootFacts secureBoot;
    ClearSecureBootFacts(&secureBoot);
    for (int form = 0; form < 3 || KeywordName(form - 3) != NULL; ++form) {
        Written written = {form == 0, false, false, form >= 3, 0, 0};
        OutputStart(&out, Check, &written);
        if (form == 0)
            WriteJson(table, rom, &secureBoot, today, &out);
        else if (form < 3)
            WriteSummary(table, rom, &secureBoot, today, form - 1, &out);
        else
            WriteKeywordValues(table, form - 3, &out);
        OutputFlush(&out);
        FUZZ_CHECK(!written.inString && !written.escaped && written.depth == 0 &&
                   written.pending == 0);
    }
}

// A saved dump's entry point adds up to 0 and reads back as the table it was made of.
void CheckDump(const SmbiosTable *table) {
    static unsigned char dump[kSmbiosDumpTableAt + 0x10000];
    if (table->size > 0xFFFF)
        return;
    SmbiosDumpHeader(table, dump);
    unsigned char sum = 0;
    for (int i = 0; i < dump[dump[3] == '3' ? 6 : 5]; ++i)
        sum = static_cast<unsigned char>(sum + dump[i]);
    FUZZ_CHECK(sum == 0);
    memcpy(dump + kSmbiosDumpTableAt, table->data, static_cast<size_t>(table->size));
    SmbiosTable back;
    FUZZ_CHECK(SmbiosFromBytes(dump, kSmbiosDumpTableAt + table->size, &back) &&
               back.data == dump + kSmbiosDumpTableAt && back.size == table->size &&
               back.major == (table->major & 0xFF) && back.minor == (table->minor & 0xFF));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    unsigned char *table = static_cast<unsigned char *>(malloc(size));
    memcpy(table, data, size);
    char *date = static_cast<char *>(malloc(kRomDateSize));
    bool found = SmbiosBiosDate(table, static_cast<int>(size), date);
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
    SmbiosTable smbios;
    if (SmbiosFromBytes(table, static_cast<int>(size), &smbios)) {
        FUZZ_CHECK(smbios.data >= table && smbios.size > 0 &&
                   smbios.data + smbios.size <= table + size);
        CheckDump(&smbios);
    }
    // The ROM dates as the window gives them, the system date's separators any bytes.
    RomFacts rom;
    ReadRomFacts(NULL, 0, &rom);
    rom.window = size % 2 == 1;
    if (size >= 8) {
        memcpy(rom.systemDate, table, 8);
        rom.systemLength = 8;
    }
    memcpy(rom.videoDate, "2010-12-24", 11);
    CheckWriters(&smbios, &rom);
    free(date);
    free(table);
    return 0;
}
