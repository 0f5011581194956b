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

// The words are fields joined by '|': the number of the field that line is, or -1.
int FieldNumber(const char *line, const char *fields) {
    size_t length = strlen(line);
    for (int number = 0; *fields != '\0'; ++number) {
        const char *end = strchr(fields, '|');
        size_t fieldLength = end != NULL ? static_cast<size_t>(end - fields) : strlen(fields);
        if (fieldLength == length && strncmp(line, fields, length) == 0)
            return number;
        fields += fieldLength + (end != NULL ? 1 : 0);
    }
    return -1;
}

// Appends field number of the fields joined by '|'.
void AppendField(ReportText *report, const char *fields, int number) {
    for (; number > 0; --number)
        fields = strchr(fields, '|') + 1;
    const char *end = strchr(fields, '|');
    ReportAppendN(report, fields, end != NULL ? static_cast<int>(end - fields) : kLineSize);
}

// A new line with its label, padded to the column of the ROM dates' values.
void Label(ReportText *report, int language, const char *label) {
    ReportAppend(report, "\r\n");
    ReportAppend(report, label);
    ReportAppendBlanks(report, (language ? 25 : 27) - static_cast<int>(strlen(label)));
}

} // namespace

void AppendSecureBootLines(const char *text, int length, int language, ReportText *report) {
    char type[kLineSize], state[kLineSize], verdict[kLineSize];
    int at = 0;
    if (!NextLine(text, length, &at, type) || !NextLine(text, length, &at, state) ||
        !NextLine(text, length, &at, verdict))
        return;
    int t = FieldNumber(type, "UEFI|BIOS|unknown"),
        s = FieldNumber(state, "on|off|unsupported|unknown"),
        v = FieldNumber(verdict, "updated|not updated|unknown");
    if (t < 0 || s < 0 || v < 0)
        return;
    Label(report, language, " Firmware, Secure Boot:");
    AppendField(
        report,
        language ? "UEFI|Legacy-BIOS|Firmware unbekannt" : "UEFI|Legacy BIOS|unknown firmware", t);
    ReportAppend(report, ", ");
    AppendField(report,
                language ? "Secure Boot ein|Secure Boot aus|kein Secure Boot|Secure Boot unbekannt"
                         : "Secure Boot on|Secure Boot off|no Secure Boot|Secure Boot unknown",
                s);
    if (t == 1) // a legacy BIOS has no certificates to hold
        return;
    Label(report, language, language ? " Zertifikate 2023:" : " Certificates of 2023:");
    AppendField(report,
                language ? "aktuell|nicht aktuell, es fehlen: |unbekannt (braucht "
                           "Administratorrechte oder ein TPM-Startprotokoll)"
                         : "updated|not updated, missing: |unknown (needs administrator rights "
                           "or a TPM boot log)",
                v);
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
