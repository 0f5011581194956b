#include "command_line.h"

#include <stddef.h>

namespace {

bool SameIgnoringCase(const char *a, const char *b) {
    for (;; ++a, ++b) {
        char x = *a >= 'A' && *a <= 'Z' ? static_cast<char>(*a - 'A' + 'a') : *a;
        char y = *b >= 'A' && *b <= 'Z' ? static_cast<char>(*b - 'A' + 'a') : *b;
        if (x != y)
            return false;
        if (x == '\0')
            return true;
    }
}

// Takes the file name after an option; false when it is missing or given twice.
bool TakeFile(int argc, char **argv, int *i, const char **file) {
    if (*file != NULL || *i + 1 >= argc)
        return false;
    *file = argv[++*i];
    return true;
}

const char kUsageEnglish[] =
    "Usage: Romprobe [--json] [--smbios FILE] [--save-smbios FILE]\r\n"
    "  (no option)         prints a summary of the SMBIOS tables and the ROM dates\r\n"
    "  --json              prints the same facts as one JSON object in UTF-8\r\n"
    "  --smbios FILE       reads the tables from FILE (as Windows hands them out, or a\r\n"
    "                      dmidecode dump file) instead of the firmware\r\n"
    "  --save-smbios FILE  saves the tables as a file for dmidecode --from-dump; prints\r\n"
    "                      nothing unless --json is given too\r\n"
    "  -h, --help, /?      prints this text\r\n"
    "Exit codes: 0 done, 1 nothing to read, 2 command line not understood.\r\n";

const char kUsageGerman[] =
    "Aufruf: Romprobe [--json] [--smbios DATEI] [--save-smbios DATEI]\r\n"
    "  (ohne Option)        zeigt eine Übersicht der SMBIOS-Tabellen und der ROM-Daten\r\n"
    "  --json               gibt dieselben Angaben als ein JSON-Objekt in UTF-8 aus\r\n"
    "  --smbios DATEI       liest die Tabellen aus DATEI (wie Windows sie liefert, oder\r\n"
    "                       eine Abzugsdatei von dmidecode) statt aus der Firmware\r\n"
    "  --save-smbios DATEI  speichert die Tabellen als Datei für dmidecode --from-dump;\r\n"
    "                       gibt nichts aus, außer mit --json\r\n"
    "  -h, --help, /?       zeigt diesen Text\r\n"
    "Rückgabewerte: 0 erledigt, 1 nichts zu lesen, 2 Aufruf nicht verstanden.\r\n";

} // namespace

void ParseCommandLine(int argc, char **argv, Command *command) {
    command->kind = kCommandFacts;
    command->print = kPrintSummary;
    command->smbiosFile = command->saveFile = NULL;
    if (argc >= 2 && SameIgnoringCase(argv[1], "xybiosxy")) {
        command->kind = kCommandProbeDates;
        return;
    }
    if (argc >= 2 && SameIgnoringCase(argv[1], "xybioszz")) {
        command->kind = kCommandProbeDump;
        return;
    }
    bool json = false, wrong = false;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (SameIgnoringCase(arg, "-h") || SameIgnoringCase(arg, "--help") ||
            SameIgnoringCase(arg, "/?")) {
            command->kind = kCommandHelp;
            return;
        }
        if (SameIgnoringCase(arg, "--json"))
            json = true;
        else if (SameIgnoringCase(arg, "--smbios"))
            wrong = wrong || !TakeFile(argc, argv, &i, &command->smbiosFile);
        else if (SameIgnoringCase(arg, "--save-smbios"))
            wrong = wrong || !TakeFile(argc, argv, &i, &command->saveFile);
        else
            wrong = true;
    }
    if (wrong)
        command->kind = kCommandWrong;
    command->print = json ? kPrintJson : command->saveFile != NULL ? kPrintNothing : kPrintSummary;
}

const char *UsageText(int language) {
    return language ? kUsageGerman : kUsageEnglish;
}
