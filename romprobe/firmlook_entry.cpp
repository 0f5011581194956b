#include "firmlook_entry.h"

#include "firmware_read.h"
#include "helper_exit.h"
#include "probe_text.h"
#include "save_file.h"
#include "secure_boot_lines.h"
#include "secure_boot_read.h"

namespace {

char g_dumpText[kDumpTextSize];

struct Text {
    char bytes[1024];
    int length;
};

void TextSink(void *context, const char *bytes, int count) {
    Text *text = static_cast<Text *>(context);
    for (int i = 0; i < count && text->length < static_cast<int>(sizeof text->bytes); ++i)
        text->bytes[text->length++] = bytes[i];
}

// Beside the date record, Firmlook's Secure Boot lines: written before the dates are looked
// for, so that a PC without them still has its Secure Boot lines.
void WriteSecureBootFile() {
    SecureBootFacts facts;
    ReadSecureBootOfThisPc(&facts);
    static Text text;
    Output out;
    OutputStart(&out, TextSink, &text);
    WriteSecureBootLines(&facts, &out);
    OutputFlush(&out);
    WriteResult("XYBIOSSB.$$$", text.bytes, text.length);
}

} // namespace

int RunForFirmlook(const Command &command, int argc, char **argv) {
    FirmwareTableQuery query = FirmwareQuery();
    bool fromImage = false;
    int windowSize = ReadWindow(query, true, &fromImage);
    if (fromImage && windowSize != kRomWindowSize)
        return kHelperExitBadImage;

    if (command.kind == kCommandProbeDates) {
        WriteSecureBootFile();
        char systemDate[kRomDateSize], videoDate[kRomDateSize], record[kProbeRecordSize];
        if (!WindowSystemDate(g_window, windowSize, systemDate)) {
            int size = 0;
            unsigned char *tables = fromImage ? NULL : ReadFirmwareTables(query, &size);
            bool found = tables != NULL && SmbiosBiosDate(tables, size, systemDate);
            FreeTables(tables);
            if (!found)
                return kHelperExitNoRomWindow;
        }
        char marker = VideoBiosDate(g_window, windowSize, videoDate);
        int length = FormatProbeRecord(systemDate, marker, videoDate, record);
        return WriteResult("XYBIOSXY.$$$", record, length) ? kHelperExitWritten : kHelperExitFailed;
    }

    unsigned segment = argc > 2 ? ParseCount(argv[2]) : 0;
    unsigned offset = argc > 3 ? ParseCount(argv[3]) : 0;
    unsigned step = argc > 4 ? ParseCount(argv[4]) : 0;
    if (windowSize != kRomWindowSize)
        return kHelperExitNoRomWindow;
    int length =
        FormatDumpBlock(g_window, windowSize, segment, offset, step, g_dumpText, sizeof g_dumpText);
    return length >= 0 && WriteResult("XYBIOSZZ.$$$", g_dumpText, length) ? kHelperExitWritten
                                                                          : kHelperExitFailed;
}
