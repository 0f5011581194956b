#include "system_text.h"

#include "../report/format_text.h"

namespace {

const char *const kMemoryLabelsEnglish[7] = {"",
                                             "Physical Memory:      ",
                                             "Free Physical Memory: ",
                                             "Maximum Page Memory:  ",
                                             "Free Page Memory:     ",
                                             "Virtual Memory:       ",
                                             "Free Virtual Memory:  "};
const char *const kMemoryLabelsGerman[7] = {"",
                                            "Physikalischer Speicher:        ",
                                            "Freier Physikalischer Speicher: ",
                                            "Maximum Pagespeicher:           ",
                                            "Freier Pagespeicher:            ",
                                            "Virtueller Speicher:            ",
                                            "Freier Virtueller Speicher:     "};
const char *const kNameLabels[3] = {
    "\r\n\r\n User     Name    = ", "\r\n Computer Name    = ", "\r\n Default  Printer = "};

// Units by language (0 English, 1 German), singular then plural.
const char *const kDays[2][2] = {{"Day ", "Days"}, {"Tag ", "Tage"}};
const char *const kHours[2][2] = {{"Hour ", "Hours"}, {"Stunde ", "Stunden"}};
const char *const kMinutes[2][2] = {{"Minute ", "Minutes"}, {"Minute ", "Minuten"}};
const char *const kSeconds[2][2] = {{"Second", "Seconds"}, {"Sekunde", "Sekunden"}};

void AppendFormatted(ReportText *report, const char *format, int value) {
    char line[128];
    FormatText(line, sizeof line, format, value);
    ReportAppend(report, line);
}

void AppendPart(ReportText *report, int count, const char *const units[2]) {
    char line[64];
    FormatText(line, sizeof line, "%2d %s ", count, units[count == 1 ? 0 : 1]);
    ReportAppend(report, line);
}

} // namespace

void MemoryFromStatus(MemoryFigures *f, unsigned load, unsigned totalPhys, unsigned availPhys,
                      unsigned totalPage, unsigned availPage, unsigned totalVirtual,
                      unsigned availVirtual) {
    f->figure[0] = static_cast<int>(load);
    f->figure[1] = static_cast<int>(totalPhys >> 20);
    f->figure[2] = static_cast<int>(availPhys >> 20);
    f->figure[3] = static_cast<int>(totalPage >> 20);
    f->figure[4] = static_cast<int>(availPage >> 20);
    f->figure[5] = static_cast<int>(totalVirtual >> 20);
    f->figure[6] = static_cast<int>(availVirtual >> 20);
}

void WriteMemorySection(ReportText *report, const MemoryFigures *f, int language) {
    ReportReset(report);
    AppendFormatted(report,
                    language ? "\r\n Speicherbelegung: %i%% \r\n" : "\r\n Used Memory: %i%% \r\n",
                    f->figure[0]);
    for (int i = 1; i < kMemoryFigureCount; ++i) {
        char line[128];
        FormatText(line, sizeof line, "\r\n %s %5i %s ",
                   language ? kMemoryLabelsGerman[i] : kMemoryLabelsEnglish[i], f->figure[i], "MB");
        ReportAppend(report, line);
    }
    ReportAppend(report, language ? "\r\n\r\n Werte gemäß" : "\r\n\r\n Values acc. to");
    ReportAppend(report, " Win-API \"GlobalMemoryStatus");
    if (f->exportCount >= 1)
        ReportAppend(report, "Ex");
    ReportAppend(report, language ? "\" \r\n (es kann aber mehr RAM-Speicher installiert sein) "
                                  : "\" \r\n (de facto more installed RAM is possible) ");
}

void AppendProcessorLines(ReportText *report, int processors, int mhz, int language) {
    AppendFormatted(report,
                    language ? "\r\n\r\n Anzahl der Prozessoren: %d "
                             : "\r\n\r\n Number of Processors: %d ",
                    processors);
    if (mhz != 0)
        AppendFormatted(report,
                        language ? "\r\n Aktuelle CPU-Frequenz:  ~%d MHz"
                                 : "\r\n Actual CPU-Frequency: ~%d MHz",
                        mhz);
    if (processors > 1)
        ReportAppend(report, language ? "\r\n (nur ein Prozessor wird vom Programm verwendet) "
                                      : "\r\n (only one Processor is used by the Program) ");
}

void AppendRawFirmwareDate(ReportText *report, int which, const char *value, int language) {
    if (which == 0)
        ReportAppend(report, language ? "\r\n\r\n System-BIOS-Datum:      "
                                      : "\r\n\r\n System-BIOS-Date:     ");
    else
        ReportAppend(report,
                     language ? "\r\n Video-BIOS-Datum:       " : "\r\n Video-BIOS-Date:      ");
    ReportAppend(report, value);
}

void AppendVersionLines(ReportText *report, int major, int minor, int build, const char *nameText,
                        int language) {
    char line[256];
    FormatText(line, sizeof line,
               language
                   ? "\r\n\r\n Betriebssystem Version: \r\n Hauptversion: %d - Unterversion: %d "
                     "- Build: %d "
                   : "\r\n\r\n Operating System Version: \r\n Major Version: %d - Minor "
                     "Version: %d - Build: %d ",
               major, minor, build);
    ReportAppend(report, line);
    if (nameText[0] != '\0') {
        ReportAppend(report, "\r\n = ");
        ReportAppend(report, nameText);
    }
}

void AppendNameLine(ReportText *report, int which, const char *value) {
    ReportAppend(report, kNameLabels[which]);
    ReportAppend(report, value);
}

void AppendDuration(ReportText *report, unsigned seconds, int language, int *daysShown) {
    const int l = language ? 1 : 0;
    int secondsPart = static_cast<int>(seconds % 60);
    int minutesPart = static_cast<int>(seconds / 60 % 60);
    int hoursPart = static_cast<int>(seconds / 60 / 60 % 24);
    int days = static_cast<int>(seconds / 60 / 60 / 24); // at most 49,710
    if (days != 0 || *daysShown) {
        *daysShown = 1;
        char line[64];
        FormatText(line, sizeof line, "%d %s ", days, kDays[l][days >= 2 ? 1 : 0]);
        ReportAppend(report, line);
    }
    AppendPart(report, hoursPart, kHours[l]);
    AppendPart(report, minutesPart, kMinutes[l]);
    AppendPart(report, secondsPart, kSeconds[l]);
}

unsigned TickSeconds(unsigned long long milliseconds) {
    // In 32-bit steps, so that the 32-bit program needs no 64-bit division routine:
    // 2^32 ms = 4294967 s + 296 ms.
    unsigned high = static_cast<unsigned>(milliseconds >> 32);
    unsigned low = static_cast<unsigned>(milliseconds);
    return high * 4294967u + low / 1000 + (high * 296u + low % 1000) / 1000;
}

void AppendUptimes(ReportText *report, unsigned long long tickCount, unsigned startSecond,
                   int language) {
    int daysShown = 0;
    unsigned windowsSeconds = TickSeconds(tickCount);
    // Only the 32-bit count can fall below the start: it wraps after 2^32 ms (49.7 days), and
    // the program uptime is then taken modulo 2^32 ms. The 64-bit count never wraps.
    unsigned programSeconds = tickCount >= startSecond * 1000ull
                                  ? windowsSeconds - startSecond
                                  : (static_cast<unsigned>(tickCount) - startSecond * 1000u) / 1000;
    ReportAppend(report, "\r\n\r\n Windows Uptime: ");
    AppendDuration(report, windowsSeconds, language, &daysShown);
    ReportAppend(report, "\r\n Program Uptime: ");
    AppendDuration(report, programSeconds, language, &daysShown);
}
