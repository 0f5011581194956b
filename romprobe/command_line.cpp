#include "command_line.h"

#include <stddef.h>
#include <string.h>

#include "string_keywords.h"
#include "text_helpers.h"

namespace {

// Takes the value after an option: false, with the reason, when it is missing or the option
// was given before.
bool TakeValue(int argc, char **argv, int *i, const char **value, Command *command) {
    command->wrongArgument = argv[*i];
    if (*value != NULL) {
        command->wrong = kWrongTwice;
        return false;
    }
    if (*i + 1 >= argc) {
        command->wrong = kWrongMissing;
        return false;
    }
    *value = argv[++*i];
    return true;
}

int KeywordIndex(const char *name) {
    for (int i = 0; KeywordName(i) != NULL; ++i)
        if (EqualIgnoringCase(name, KeywordName(i)))
            return i;
    return -1;
}

const char kUsageEnglish[] =
    "Usage: Romprobe [--json | -s KEYWORD] [--smbios FILE] [--save-smbios FILE]\r\n"
    "  (no option)         prints a summary of the SMBIOS tables and the ROM dates\r\n"
    "  --json              prints the same facts as one JSON object in UTF-8\r\n"
    "  -s KEYWORD          prints one fact without a label, a line for each structure\r\n"
    "                      that holds it (keywords below); also --string KEYWORD\r\n"
    "  --smbios FILE       reads the tables from FILE (as Windows hands them out, or a\r\n"
    "                      dmidecode dump file) instead of the firmware\r\n"
    "  --save-smbios FILE  saves the tables as a file for dmidecode --from-dump; prints\r\n"
    "                      nothing unless --json or -s is given too\r\n"
    "  --version           prints the version\r\n"
    "  -h, --help, /?      prints this text\r\n"
    "Exit codes: 0 done; 1 nothing to read (no tables, a file that cannot be read or\r\n"
    "is no SMBIOS table) or a file that cannot be written; 2 command line not\r\n"
    "understood.\r\n"
    "Keywords:\r\n";

const char kUsageGerman[] =
    "Aufruf: Romprobe [--json | -s SCHLÜSSEL] [--smbios DATEI] [--save-smbios DATEI]\r\n"
    "  (ohne Option)        zeigt eine Übersicht der SMBIOS-Tabellen und der ROM-Daten\r\n"
    "  --json               gibt dieselben Angaben als ein JSON-Objekt in UTF-8 aus\r\n"
    "  -s SCHLÜSSEL         gibt eine Angabe ohne Beschriftung aus, eine Zeile je\r\n"
    "                       Struktur, die sie enthält (Schlüsselwörter unten); auch\r\n"
    "                       --string SCHLÜSSEL\r\n"
    "  --smbios DATEI       liest die Tabellen aus DATEI (wie Windows sie liefert, oder\r\n"
    "                       eine Abzugsdatei von dmidecode) statt aus der Firmware\r\n"
    "  --save-smbios DATEI  speichert die Tabellen als Datei für dmidecode --from-dump;\r\n"
    "                       gibt nichts aus, außer mit --json oder -s\r\n"
    "  --version            zeigt die Version\r\n"
    "  -h, --help, /?       zeigt diesen Text\r\n"
    "Rückgabewerte: 0 erledigt; 1 nichts zu lesen (keine Tabellen, eine Datei, die\r\n"
    "sich nicht lesen lässt oder keine SMBIOS-Tabelle ist) oder eine Datei, die sich\r\n"
    "nicht schreiben lässt; 2 Aufruf nicht verstanden.\r\n"
    "Schlüsselwörter:\r\n";

} // namespace

void ParseCommandLine(int argc, char **argv, Command *command) {
    command->kind = kCommandFacts;
    command->print = kPrintSummary;
    command->smbiosFile = command->saveFile = command->wrongArgument = NULL;
    command->keyword = -1;
    command->wrong = kWrongUnknown;
    if (argc >= 2 && EqualIgnoringCase(argv[1], "xybiosxy")) {
        command->kind = kCommandProbeDates;
        return;
    }
    if (argc >= 2 && EqualIgnoringCase(argv[1], "xybioszz")) {
        command->kind = kCommandProbeDump;
        return;
    }
    bool json = false, wrong = false;
    const char *keyword = NULL;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (EqualIgnoringCase(arg, "-h") || EqualIgnoringCase(arg, "--help") ||
            EqualIgnoringCase(arg, "/?")) {
            command->kind = kCommandHelp;
            return;
        }
        if (EqualIgnoringCase(arg, "--version")) {
            command->kind = kCommandVersion;
            return;
        }
        if (wrong)
            continue; // the first fault is the one told; help and version still count
        if (EqualIgnoringCase(arg, "--json")) {
            json = true;
        } else if (EqualIgnoringCase(arg, "--smbios")) {
            wrong = !TakeValue(argc, argv, &i, &command->smbiosFile, command);
        } else if (EqualIgnoringCase(arg, "--save-smbios")) {
            wrong = !TakeValue(argc, argv, &i, &command->saveFile, command);
        } else if (EqualIgnoringCase(arg, "-s") || EqualIgnoringCase(arg, "--string")) {
            wrong = !TakeValue(argc, argv, &i, &keyword, command);
            command->keyword = wrong ? -1 : KeywordIndex(keyword);
            if (!wrong && command->keyword < 0) {
                command->wrong = kWrongKeyword;
                command->wrongArgument = keyword;
                wrong = true;
            }
        } else {
            command->wrong = kWrongUnknown;
            command->wrongArgument = arg;
            wrong = true;
        }
        if (!wrong && json && keyword != NULL) {
            command->wrong = kWrongTogether;
            command->wrongArgument = arg;
            wrong = true;
        }
    }
    if (wrong)
        command->kind = kCommandWrong;
    command->print = json                        ? kPrintJson
                     : keyword != NULL           ? kPrintKeyword
                     : command->saveFile != NULL ? kPrintNothing
                                                 : kPrintSummary;
}

void WriteWrongMessage(const Command *command, int language, Output *out) {
    static const char *const kEnglish[] = {
        "unknown option: ", "missing value after ",
        "given twice: ", "-s and --json exclude each other: ", "unknown keyword: "};
    static const char *const kGerman[] = {
        "unbekannte Option: ", "fehlender Wert nach ",
        "doppelt angegeben: ", "-s und --json schließen sich aus: ", "unbekanntes Schlüsselwort: "};
    OutputText(out, (language ? kGerman : kEnglish)[command->wrong]);
    OutputText(out, command->wrongArgument != NULL ? command->wrongArgument : "");
}

void WriteKeywordList(Output *out) {
    int column = 0;
    for (int i = 0; KeywordName(i) != NULL; ++i) {
        int length = static_cast<int>(strlen(KeywordName(i)));
        if (column > 0 && column + 1 + length > 78) {
            OutputText(out, "\r\n");
            column = 0;
        }
        OutputText(out, column == 0 ? "  " : " ");
        OutputText(out, KeywordName(i));
        column += (column == 0 ? 2 : 1) + length;
    }
    OutputText(out, "\r\n");
}

const char *UsageText(int language) {
    return language ? kUsageGerman : kUsageEnglish;
}
