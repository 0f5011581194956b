#include "secure_boot_text.h"

#include <string.h>

const char kSecureBootFile[] = "XYBIOSSB.$$$";

namespace {

enum { kLineSize = 96 };

// The text's next line without its line break; false at the end of the text.
bool NextLine(const char *text, int length, int *at, char *line) {
    if (*at >= length)
        return false;
    int n = 0;
    for (; *at < length && text[*at] != '\n'; ++*at) {
        if (text[*at] != '\r' && n < kLineSize - 1)
            line[n++] = text[*at];
    }
    ++*at;
    line[n] = '\0';
    return true;
}

// The index of the word in words (NULL-ended), or -1.
int WordIndex(const char *word, const char *const *words) {
    for (int i = 0; words[i] != NULL; ++i)
        if (strcmp(word, words[i]) == 0)
            return i;
    return -1;
}

// A new line with its label padded to the column of the ROM dates' values.
void Label(ReportText *report, int language, const char *german, const char *english) {
    const char *label = language ? german : english;
    ReportAppend(report, "\r\n");
    ReportAppend(report, label);
    ReportAppendBlanks(report, (language ? 25 : 27) - static_cast<int>(strlen(label)));
}

const char *const kTypes[] = {"UEFI", "BIOS", "unknown", NULL};
const char *const kStates[] = {"on", "off", "unsupported", "unknown", NULL};
const char *const kVerdicts[] = {"updated", "not updated", "unknown", NULL};

const char *const kTypeTexts[2][3] = {{"UEFI", "Legacy BIOS", "unknown firmware"},
                                      {"UEFI", "Legacy-BIOS", "Firmware unbekannt"}};
const char *const kStateTexts[2][4] = {
    {"Secure Boot on", "Secure Boot off", "no Secure Boot", "Secure Boot unknown"},
    {"Secure Boot ein", "Secure Boot aus", "kein Secure Boot", "Secure Boot unbekannt"}};
const char *const kVerdictTexts[2][3] = {
    {"updated", "not updated, missing: ", "unknown (needs administrator rights or a TPM boot log)"},
    {"aktuell", "nicht aktuell, es fehlen: ",
     "unbekannt (braucht Administratorrechte oder ein TPM-Startprotokoll)"}};

} // namespace

void AppendSecureBootLines(const char *text, int length, int language, ReportText *report) {
    char type[kLineSize], state[kLineSize], verdict[kLineSize];
    int at = 0;
    if (!NextLine(text, length, &at, type) || !NextLine(text, length, &at, state) ||
        !NextLine(text, length, &at, verdict))
        return;
    int t = WordIndex(type, kTypes), s = WordIndex(state, kStates),
        v = WordIndex(verdict, kVerdicts);
    if (t < 0 || s < 0 || v < 0)
        return;
    const int l = language ? 1 : 0;
    Label(report, language, " Firmware, Secure Boot:", " Firmware, Secure Boot:");
    ReportAppend(report, kTypeTexts[l][t]);
    ReportAppend(report, ", ");
    ReportAppend(report, kStateTexts[l][s]);
    if (t == 1) // a legacy BIOS has no certificates to hold
        return;
    Label(report, language, " Zertifikate 2023:", " Certificates of 2023:");
    ReportAppend(report, kVerdictTexts[l][v]);
    if (v != 1)
        return;
    char name[kLineSize];
    for (int shown = 0; NextLine(text, length, &at, name) && shown < kMissingShown;) {
        if (name[0] == '\0')
            continue;
        if (shown++ > 0)
            ReportAppend(report, ", ");
        ReportAppend(report, name);
    }
}
