#include "rom_text.h"

#include <string.h>

#include "format_text.h"

const char kProbeCommand[] = "ROMPROBE xybiosxy";
const char kProbeFile[] = "XYBIOSXY.$$$";
const char kDumpFile[] = "XYBIOSZZ.$$$";

namespace {

// Copies record positions first..last (counted from 1) as text, ending early at a zero byte.
void RecordText(const RomRecord *record, int first, int last, char *text) {
    int n = 0;
    for (int i = first - 1; i < last && record->bytes[i] != 0; ++i)
        text[n++] = static_cast<char>(record->bytes[i]);
    text[n] = '\0';
}

const char *RecordBytes(const RomRecord *record, int first) {
    return reinterpret_cast<const char *>(record->bytes + first - 1);
}

} // namespace

void RomRecordClear(RomRecord *record) {
    memset(record, 0, sizeof *record);
}

void RomRecordStore(RomRecord *record, int byte) {
    if (record->count < kRomRecordUsed)
        record->bytes[record->count++] = static_cast<unsigned char>(byte);
}

void AppendRomDateLines(const RomRecord *record, const CalendarDate &today, int language,
                        ReportText *report) {
    char text[16];
    if (record->count >= 8) {
        ReportAppend(report, language ? "\r\n\r\n ROM-System-BIOS-Datum:  "
                                      : "\r\n\r\n ROM-System-BIOS-Date:     ");
        RecordText(record, 1, 8, text);
        ReportAppend(report, text);
        // The shown text ends at a zero byte; the decoration cuts its fields from all 8 bytes.
        AppendDateDecorationBytes(RecordBytes(record, 1), 8, kLayoutMonthDayYearShort, "    -->  ",
                                  today, language, report);
    }
    if (record->count >= 17) {
        ReportAppend(report, language ? "\r\n ROM-Video-BIOS-Datum:   "
                                      : "\r\n ROM-Video-BIOS-Date:      ");
        // Position 10 tells the layout of the video date in positions 12 onwards.
        DateLayout layout = kLayoutMonthDayYearShort;
        const char *arrow = "    -->  ";
        int last = 19;
        if (record->bytes[9] == '-' || record->bytes[9] == '+') {
            layout = record->bytes[9] == '-' ? kLayoutYearMonthDay : kLayoutMonthDayYearLong;
            arrow = "  -->  ";
            last = 21;
        }
        RecordText(record, 12, last, text);
        ReportAppend(report, text);
        AppendDateDecorationBytes(RecordBytes(record, 12), last - 11, layout, arrow, today,
                                  language, report);
    }
}

void FormatDumpCommand(char *buffer, int size, unsigned segment, unsigned offset, unsigned step) {
    if (segment > 7)
        segment = 7;
    if (offset > 7)
        offset = 7;
    FormatText(buffer, size, "ROMPROBE xybioszz %d %d %d", static_cast<int>(segment),
               static_cast<int>(offset), static_cast<int>(step));
}

void AppendDumpHeading(ReportText *report, int language) {
    ReportReset(report);
    ReportAppend(report, language ? "\r\n Speicher-Inhalt (4kB Block vom ersten Megabyte): "
                                  : "\r\n Memory-Content (4kB Block from the First Megabyte): ");
    ReportAppend(report, "\r\n ================================================");
    if (!language)
        ReportAppend(report, "===");
    ReportAppend(report, "\r\n\r\n ");
}

void AppendDumpError(ReportText *report, int language, bool ownHelper) {
    ReportAppend(report, language
                             ? "Der [ROM-] Speicher-Inhalt konnte nicht ausgelesen werden! \r\n"
                             : "Unable to read out the [ROM-] Memory-Content! \r\n");
    // With our own helper beside the program, no result means the firmware withheld its ROM.
    if (ownHelper)
        ReportAppend(report, language ? " (Die Firmware dieses PCs zeigt Windows ihren ROM-Bereich "
                                        "nicht, wie bei PCs, die über UEFI starten.) "
                                      : " (This PC's firmware does not show its ROM area to "
                                        "Windows, as on PCs started through UEFI.) ");
    else
        ReportAppend(report, language ? " (16Bit MS-DOS-Programm \"Romprobe.exe\" eventuell nicht "
                                        "verfügbar?) "
                                      : " (16Bit MS-DOS-Program \"Romprobe.exe\" possibly not "
                                        "available?) ");
}

bool DumpTakeByte(DumpCopier *copier, int byte, ReportText *report) {
    if (++copier->count >= kDumpByteLimit)
        return false;
    if (byte == '\n')
        ReportAppend(report, "\r\n ");
    else if (byte != '\r' && byte != 0)
        ReportAppendChar(report, static_cast<char>(byte));
    return true;
}
