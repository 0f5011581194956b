// The texts of Firmlook's report about its helper Romprobe.exe, as Firmlook's plain code
// makes them: the unit tests hold each one byte for byte, the programs that drive Firmlook
// compare with these.
#ifndef FIRMLOOK_TEST_REPORT_TEXTS_H
#define FIRMLOOK_TEST_REPORT_TEXTS_H

#include <string>

#include "../../common/helper_exit.h"
#include "report/firmware_text.h"
#include "report/rom_text.h"

// The dump's error text beside our own helper, after a run that left no result.
inline std::string OwnDumpError(HelperRunState state, unsigned long number, int language = 0) {
    static ReportText report;
    ReportReset(&report);
    AppendDumpError(&report, language, true, {state, number});
    return report.text;
}

// The one line that takes the ROM date lines' place after such a run ("" for none).
inline std::string OwnProbeFailure(HelperRunState state, unsigned long number, int language = 0) {
    static ReportText report;
    ReportReset(&report);
    AppendProbeFailure(&report, language, {state, number});
    return report.text;
}

// The notes below the registry values.
inline std::string NotesText(int language, bool ownHelper) {
    static ReportText report;
    ReportReset(&report);
    AppendNotesText(&report, language, ownHelper);
    return report.text;
}

#endif
