// Firmlook's texts about its helper Romprobe.exe as its plain code makes them, to compare
// with: the unit tests hold their bytes.
#ifndef FIRMLOOK_TEST_REPORT_TEXTS_H
#define FIRMLOOK_TEST_REPORT_TEXTS_H

#include <string>

#include "../../common/helper_exit.h"
#include "report/firmware_text.h"
#include "report/rom_text.h"

template <typename Append> std::string Made(Append append) {
    static ReportText report;
    ReportReset(&report);
    append(&report);
    return report.text;
}
// The dump's error and the line in the ROM dates' place, beside our own helper; the notes.
inline std::string OwnDumpError(HelperRunState state, unsigned long number, int language = 0) {
    return Made([&](ReportText *r) { AppendDumpError(r, language, true, {state, number}); });
}
inline std::string OwnProbeFailure(HelperRunState state, unsigned long number) {
    return Made([&](ReportText *r) { AppendProbeFailure(r, 0, {state, number}); });
}
inline std::string NotesText(int language, bool ownHelper) {
    return Made([&](ReportText *r) { AppendNotesText(r, language, ownHelper); });
}

#endif
