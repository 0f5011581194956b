#include "firmware_text.h"

#include <string.h>

namespace {

struct SingleValueRow {
    const char *name;
    const char *labelGerman;
    const char *labelEnglish;
    const char *spacer;
    bool isDate;
};

// The labels put every value after 25 characters of its line in German, 27 in English.
const SingleValueRow kSingleValues[3] = {
    {"Identifier", "\r\n System-Identifier:      ", "\r\n System-Identifier:        ", "      ",
     false},
    {"SystemBiosDate",
     "\r\n\r\n System-BIOS-Datum:      ", "\r\n\r\n System-BIOS-Date:         ", "    ", true},
    {"VideoBiosDate", "\r\n Video-BIOS-Datum:       ", "\r\n Video-BIOS-Date:          ", "    ",
     true},
};

const char *const kStringListNames[2] = {"SystemBiosVersion", "VideoBiosVersion"};
const char *const kStringListHeadings[2] = {"\r\n\r\n System-BIOS-Version: \r\n",
                                            "\r\n\r\n Video-BIOS-Version: \r\n"};

// Indexed by language (0 English, 1 German). Lines 1 to 7 of the notes are the same for
// either helper; lines 8 to 10 tell what the helper found by name can do: the 16-bit one of
// old needs a 32-bit Windows, our own Romprobe.exe works on either.
const char *const kNotesHead[2] = {
    "\r\n\r\n"
    " If the BIOS was updated after the Installation of Windows \r\n"
    " then it's possible that the old Values are in the Registry! \r\n"
    "\r\n"
    " If the Checkbox \"Try to read BIOS directly from the ROM\" \r\n"
    " is activated, then the values are tryed to be accessed directly \r\n",
    "\r\n\r\n"
    " Wenn das BIOS erst nach der Windowsinstallation aktualisiert \r\n"
    " worden ist, dann können noch die alten Werte drinnen stehen! \r\n"
    "\r\n"
    " Wenn die Checkbox \"BIOS direkt vom ROM auslesen versuchen\" \r\n"
    " aktiviert ist, dann wird versucht, die Werte direkt vom ROM \r\n"};
const char *const kNotesDosHelper[2] = {
    " from the ROM. (Works only with 32Bit Versions of Windows!) \r\n"
    " (The 16Bit MS-DOS-Program \"Romprobe.exe\" is needed for Function.) \r\n"
    " (Doesn't work with 64Bit-Windows!) ",
    " auszulesen. (Funktioniert nur bei 32Bit-Windows-Versionen!) \r\n"
    " (Benötigt das 16Bit MS-DOS-Programm \"Romprobe.exe\" zur Funktion.) \r\n"
    " (Funktioniert nicht mit 64Bit-Windows!) "};
const char *const kNotesOwnHelper[2] = {
    " from the ROM. (Works with 32Bit and 64Bit Versions of Windows!) \r\n"
    " (Romprobe.exe reads the ROM of PCs with a legacy BIOS; elsewhere \r\n"
    " it shows the BIOS date of the SMBIOS tables.) ",
    " auszulesen. (Funktioniert mit 32Bit- und 64Bit-Windows-Versionen!) \r\n"
    " (Romprobe.exe liest das ROM von PCs mit Legacy-BIOS; sonst zeigt \r\n"
    " es das BIOS-Datum der SMBIOS-Tabellen.) "};

} // namespace

const char *SingleValueName(SingleValue which) {
    return kSingleValues[which].name;
}
const char *StringListName(StringList which) {
    return kStringListNames[which];
}

void AppendWow64Warning(ReportText *report, int language) {
    ReportAppend(report, "\r\n 64Bit Windows Version ");
    ReportAppend(report, language ? "ermittelt - ROM auslesen wird nicht funktionieren! \r\n"
                                  : "detected - reading from ROM will not work!  \r\n");
}

void AppendRegistryHeading(ReportText *report, int language) {
    ReportAppend(report,
                 language ? "\r\n Werte aus der Registry: " : "\r\n Values from the Registry: ");
    ReportAppend(report, "(HKLM\\HARDWARE\\DESCRIPTION\\SYSTEM) \r\n");
}

void AppendRegistryKeyError(ReportText *report, int language) {
    ReportAppend(report, language ? "\r\n Fehler: Registrypfad kann nicht ausgelesen werden! "
                                  : "\r\n Error: Unable to read Registrypath! ");
}

void AppendSingleValue(ReportText *report, SingleValue which, const RegistryValue *value,
                       const CalendarDate &today, int language) {
    const SingleValueRow &row = kSingleValues[which];
    if (value->state == kValueOversized)
        return;
    ReportAppend(report, language ? row.labelGerman : row.labelEnglish);
    if (value->state == kValueRead)
        ReportAppendN(report, value->data, kValueBufferSize);
    else
        ReportAppend(report, language ? "- Wert nicht verfügbar " : "- Value is not available ");
    ReportAppend(report, row.spacer);
    if (row.isDate && value->state == kValueRead &&
        memchr(value->data, 0, kValueBufferSize) == value->data + 8)
        AppendDateDecoration(value->data, kLayoutMonthDayYearShort, "-->  ", today, language,
                             report);
}

void AppendNotesText(ReportText *report, int language, bool ownHelper) {
    const int l = language ? 1 : 0;
    ReportAppend(report, kNotesHead[l]);
    ReportAppend(report, ownHelper ? kNotesOwnHelper[l] : kNotesDosHelper[l]);
}

void AppendStringList(ReportText *report, StringList which, const RegistryValue *value) {
    if (value->state != kValueRead)
        return;
    ReportAppend(report, kStringListHeadings[which]);
    // Each NUL ends one string; an empty string ends the list, and bytes after the last
    // NUL are not shown.
    const unsigned limit = kValueBufferSize;
    unsigned size = value->size < limit ? value->size : limit;
    unsigned start = 0;
    bool ended = false;
    for (unsigned i = 0; i < size; ++i) {
        if (value->data[i] != '\0')
            continue;
        if (i == start)
            ended = true;
        if (!ended) {
            ReportAppend(report, "\r\n ");
            ReportAppendN(report, value->data + start, static_cast<int>(i - start));
            ReportAppend(report, "         ");
        }
        start = i + 1;
    }
}
