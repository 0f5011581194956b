#include "rom_text.h"

#include <string.h>

#include "../../common/helper_exit.h"
#include "format_text.h"

const char kProbeCommand[] = "ROMPROBE xybiosxy";
const char kProbeFile[] = "XYBIOSXY.$$$";
const char kDumpFile[] = "XYBIOSZZ.$$$";
const char kSecureBootFile[] = "XYBIOSSB.$$$";

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

// Why our own helper left no result, indexed by language (0 English, 1 German); %d stands
// for the number of the run.
const char *const kNoRomWindow[2] = {
    "This PC's firmware does not show its ROM area to Windows, as on PCs started through UEFI.",
    "Die Firmware dieses PCs zeigt Windows ihren ROM-Bereich nicht, wie bei PCs, die über UEFI "
    "starten."};
const char *const kBadImage[2] = {
    "ROMPROBE_IMAGE names a file that is missing or not 262,144 bytes long.",
    "ROMPROBE_IMAGE nennt eine Datei, die fehlt oder nicht 262.144 Bytes groß ist."};
const char *const kEndedWithout[2] = {
    "Romprobe.exe ended with exit code %d and wrote no result.",
    "Romprobe.exe endete mit Exit-Code %d, ohne ein Ergebnis zu schreiben."};
const char *const kNotStarted[2] = {"Romprobe.exe could not be started: Windows error %d.",
                                    "Romprobe.exe konnte nicht gestartet werden: Windows-Fehler "
                                    "%d."};
const char *const kStaleResult[2] = {
    "An old result file of Romprobe.exe could not be removed, so no result of this run could "
    "be told from it.",
    "Eine alte Ergebnisdatei von Romprobe.exe ließ sich nicht löschen, daher war kein "
    "Ergebnis dieses Laufs von ihr zu unterscheiden."};
const char *const kUnfinished[2] = {
    "Romprobe.exe, started without waiting for it (WinExec), had not finished when Firmlook "
    "looked.",
    "Romprobe.exe, ohne Warten gestartet (WinExec), war noch nicht fertig, als Firmlook "
    "nachsah."};

void AppendReason(ReportText *report, int language, const HelperRun &run) {
    const int l = language ? 1 : 0;
    const char *format = kStaleResult[l];
    if (run.state == kHelperNotStarted)
        format = kNotStarted[l];
    else if (run.state == kHelperUnfinished)
        format = kUnfinished[l];
    else if (run.state == kHelperEnded)
        format = run.number == kHelperExitNoRomWindow ? kNoRomWindow[l]
                 : run.number == kHelperExitBadImage  ? kBadImage[l]
                                                      : kEndedWithout[l];
    char text[192];
    FormatText(text, sizeof text, format, static_cast<int>(run.number));
    ReportAppend(report, text);
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

void AppendSecureBootLines(const char *text, int length, int language, ReportText *report) {
    int line = 0, start = 0;
    for (int at = 0; at < length && line < 4; ++at) {
        if (text[at] != '\n')
            continue;
        int end = at > start && text[at - 1] == '\r' ? at - 1 : at;
        if (line / 2 == language && end > start) {
            ReportAppend(report, "\r\n");
            ReportAppendN(report, text + start, end - start);
        }
        ++line;
        start = at + 1;
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

void AppendDumpError(ReportText *report, int language, bool ownHelper, const HelperRun &run) {
    ReportAppend(report, language
                             ? "Der [ROM-] Speicher-Inhalt konnte nicht ausgelesen werden! \r\n"
                             : "Unable to read out the [ROM-] Memory-Content! \r\n");
    if (ownHelper) {
        ReportAppend(report, " (");
        AppendReason(report, language, run);
        ReportAppend(report, ") ");
    } else
        ReportAppend(report, language ? " (16Bit MS-DOS-Programm \"Romprobe.exe\" eventuell nicht "
                                        "verfügbar?) "
                                      : " (16Bit MS-DOS-Program \"Romprobe.exe\" possibly not "
                                        "available?) ");
}

void AppendProbeFailure(ReportText *report, int language, const HelperRun &run) {
    if (run.state == kHelperEnded && run.number == kHelperExitNoRomWindow)
        return;
    ReportAppend(report, language ? "\r\n\r\n ROM-System-BIOS-Datum:  - "
                                  : "\r\n\r\n ROM-System-BIOS-Date:     - ");
    AppendReason(report, language, run);
    ReportAppend(report, " ");
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
