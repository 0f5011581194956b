// The firmware report's single-text values and string lists with any registry bytes and any
// read size.
//
// Input: which single value, which string list, value state, language, report fill (16 bits),
// today (three 16-bit numbers), read size (32 bits), then the value's bytes. The value buffer
// is zero-filled before the bytes are copied in, as the registry read does; bytes beyond the
// buffer are dropped, so a long input fills the buffer without any terminator.
#include "fuzz_support.h"
#include "report/firmware_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in = {data, size};
    SingleValue single = static_cast<SingleValue>(Take8(&in) % 3);
    StringList list = static_cast<StringList>(Take8(&in) % 2);
    RegistryValueState state = static_cast<RegistryValueState>(Take8(&in) % 3);
    int language = Take8(&in) & 1;
    int fill = TakeFill(&in);
    const CalendarDate today = TakeToday(&in);

    static RegistryValue value;
    memset(&value, 0, sizeof value);
    value.state = state;
    value.size = Take32(&in);
    size_t copied = in.size < sizeof value.data ? in.size : sizeof value.data;
    memcpy(value.data, in.data, copied);

    static ReportText report;
    // Label, the text up to its first NUL, spacer, then a decoration of a few short lines.
    PrefillReport(&report, fill);
    AppendSingleValue(&report, single, &value, today, language);
    int shown = static_cast<int>(strnlen(value.data, sizeof value.data));
    CheckAppended(&report, fill, state == kValueOversized ? 0 : 40 + shown + 10 + 4 * 127);

    // Heading, then per string a line break, a blank, the string and nine blanks; the bytes
    // after the last NUL within the read size never show.
    PrefillReport(&report, fill);
    AppendStringList(&report, list, &value);
    unsigned walked = value.size < sizeof value.data ? value.size : sizeof value.data;
    unsigned nuls = 0, lastNul = 0;
    for (unsigned i = 0; i < walked; ++i) {
        if (value.data[i] == '\0') {
            ++nuls;
            lastNul = i + 1;
        }
    }
    const int heading = 30;
    CheckAppended(&report, fill,
                  state != kValueRead ? 0 : heading + static_cast<int>(lastNul + 11 * nuls));
    if (fill == 0 && state == kValueRead && nuls == 0)
        FUZZ_CHECK(strstr(report.text, "Version: \r\n") + 11 == report.text + report.length);
    return 0;
}
