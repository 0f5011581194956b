#include "command_line.h"

#include <stddef.h>
#include <string.h>

#include "string_keywords.h"
#include "text_helpers.h"

namespace {

// What an option does.
enum OptionAction {
    kFirstOnly, // names the command, and only as the first argument: what follows is its own
    kNames,     // names the command wherever it stands; nothing else counts
    kJson,
    kValue,  // takes the next argument as its value
    kKeyword // the same, a keyword of -s
};

struct Option {
    const char *name; // compared without case
    OptionAction action;
    CommandKind command;         // kFirstOnly, kNames: the command
    const char *Command::*value; // kValue, kKeyword: where the value goes
};

const Option kOptions[] = {
    {"xybiosxy", kFirstOnly, kCommandProbeDates, NULL},
    {"xybioszz", kFirstOnly, kCommandProbeDump, NULL},
    {"-h", kNames, kCommandHelp, NULL},
    {"--help", kNames, kCommandHelp, NULL},
    {"/?", kNames, kCommandHelp, NULL},
    {"--version", kNames, kCommandVersion, NULL},
    {"--json", kJson, kCommandFacts, NULL},
    {"-s", kKeyword, kCommandFacts, &Command::keywordName},
    {"--string", kKeyword, kCommandFacts, &Command::keywordName},
    {"--smbios", kValue, kCommandFacts, &Command::smbiosFile},
    {"--save-smbios", kValue, kCommandFacts, &Command::saveFile},
    {"--efivars", kValue, kCommandFacts, &Command::efivarsFolder},
    {"--boot-log", kValue, kCommandFacts, &Command::bootLogFile},
};

const Option *FindOption(const char *name) {
    for (size_t i = 0; i < sizeof kOptions / sizeof *kOptions; ++i)
        if (EqualIgnoringCase(name, kOptions[i].name))
            return &kOptions[i];
    return NULL;
}

int KeywordIndex(const char *name) {
    for (int i = 0; KeywordName(i) != NULL; ++i)
        if (EqualIgnoringCase(name, KeywordName(i)))
            return i;
    return -1;
}

// Takes one argument, and a value after it, into the command: false, with the reason and the
// argument concerned, when it is not understood.
bool TakeArgument(int argc, char **argv, int *i, bool *json, Command *command) {
    const Option *option = FindOption(argv[*i]);
    command->wrongArgument = argv[*i];
    command->wrong = kWrongUnknown;
    if (option == NULL || option->action == kFirstOnly)
        return false;
    if (option->action == kJson) {
        *json = true;
    } else {
        const char *&value = command->*option->value;
        command->wrong = value != NULL ? kWrongTwice : kWrongMissing;
        if (value != NULL || *i + 1 >= argc)
            return false;
        value = argv[++*i];
    }
    if (option->action == kKeyword) {
        command->keyword = KeywordIndex(command->keywordName);
        command->wrong = kWrongKeyword;
        command->wrongArgument = command->keywordName;
        if (command->keyword < 0)
            return false;
    }
    command->wrong = kWrongTogether;
    command->wrongArgument = argv[*i - (option->action == kJson ? 0 : 1)];
    return !*json || command->keywordName == NULL;
}

const char kUsageEnglish[] =
    "Usage: Romprobe [--json | -s KEYWORD] [--smbios FILE] [--save-smbios FILE]\r\n"
    "                [--efivars FOLDER] [--boot-log FILE]\r\n"
    "  (no option)         prints a summary of the SMBIOS tables, the ROM dates and\r\n"
    "                      Secure Boot with its certificates of 2023\r\n"
    "  --json              prints the same facts as one JSON object in UTF-8\r\n"
    "  -s KEYWORD          prints one fact without a label, a line for each structure\r\n"
    "                      that holds it (keywords below); also --string KEYWORD\r\n"
    "  --smbios FILE       reads the tables from FILE (as Windows hands them out, or a\r\n"
    "                      dmidecode dump file) instead of the firmware\r\n"
    "  --save-smbios FILE  saves the tables as a file for dmidecode --from-dump; prints\r\n"
    "                      nothing unless --json or -s is given too\r\n"
    "  --efivars FOLDER    reads PK, KEK, db, dbx, SecureBoot and SetupMode from a copy\r\n"
    "                      of Linux's /sys/firmware/efi/efivars\r\n"
    "  --boot-log FILE     reads the stores and boot authorities from a TCG boot log\r\n"
    "                      (Windows' Logs\\MeasuredBoot\\*.log, Linux's\r\n"
    "                      binary_bios_measurements)\r\n"
    "                      With a file option, nothing of this PC is read.\r\n"
    "  --version           prints the version\r\n"
    "  -h, --help, /?      prints this text\r\n"
    "Exit codes: 0 done; 1 nothing to read (no tables, a file that cannot be read or\r\n"
    "is no SMBIOS table), or a file or standard output that cannot be written; 2\r\n"
    "command line not understood.\r\n"
    "Keywords:\r\n";

const char kUsageGerman[] =
    "Aufruf: Romprobe [--json | -s SCHLÜSSEL] [--smbios DATEI] [--save-smbios DATEI]\r\n"
    "                 [--efivars ORDNER] [--boot-log DATEI]\r\n"
    "  (ohne Option)        zeigt eine Übersicht der SMBIOS-Tabellen, der ROM-Daten und\r\n"
    "                       von Secure Boot mit seinen Zertifikaten von 2023\r\n"
    "  --json               gibt dieselben Angaben als ein JSON-Objekt in UTF-8 aus\r\n"
    "  -s SCHLÜSSEL         gibt eine Angabe ohne Beschriftung aus, eine Zeile je\r\n"
    "                       Struktur, die sie enthält (Schlüsselwörter unten); auch\r\n"
    "                       --string SCHLÜSSEL\r\n"
    "  --smbios DATEI       liest die Tabellen aus DATEI (wie Windows sie liefert, oder\r\n"
    "                       eine Abzugsdatei von dmidecode) statt aus der Firmware\r\n"
    "  --save-smbios DATEI  speichert die Tabellen als Datei für dmidecode --from-dump;\r\n"
    "                       gibt nichts aus, außer mit --json oder -s\r\n"
    "  --efivars ORDNER     liest PK, KEK, db, dbx, SecureBoot und SetupMode aus einer\r\n"
    "                       Kopie von Linux' /sys/firmware/efi/efivars\r\n"
    "  --boot-log DATEI     liest die Schlüsselspeicher und Start-Zertifikate aus einem\r\n"
    "                       TCG-Startprotokoll (Windows' Logs\\MeasuredBoot\\*.log,\r\n"
    "                       Linux' binary_bios_measurements)\r\n"
    "                       Mit einer Datei-Option wird nichts von diesem PC gelesen.\r\n"
    "  --version            zeigt die Version\r\n"
    "  -h, --help, /?       zeigt diesen Text\r\n"
    "Rückgabewerte: 0 erledigt; 1 nichts zu lesen (keine Tabellen, eine Datei, die\r\n"
    "sich nicht lesen lässt oder keine SMBIOS-Tabelle ist) oder eine Datei oder die\r\n"
    "Standardausgabe, die sich nicht schreiben lässt; 2 Aufruf nicht verstanden.\r\n"
    "Schlüsselwörter:\r\n";

} // namespace

void ParseCommandLine(int argc, char **argv, Command *command) {
    command->kind = kCommandFacts;
    command->print = kPrintSummary;
    command->smbiosFile = command->saveFile = command->keywordName = NULL;
    command->efivarsFolder = command->bootLogFile = NULL;
    command->wrongArgument = NULL;
    command->keyword = -1;
    command->wrong = kWrongUnknown;
    const Option *first = argc >= 2 ? FindOption(argv[1]) : NULL;
    if (first != NULL && first->action == kFirstOnly) {
        command->kind = first->command;
        return;
    }
    bool json = false, wrong = false;
    for (int i = 1; i < argc; ++i) {
        const Option *option = FindOption(argv[i]);
        if (option != NULL && option->action == kNames) {
            command->kind = option->command;
            return;
        }
        // The first fault is the one told; help and version still count.
        wrong = wrong || !TakeArgument(argc, argv, &i, &json, command);
    }
    if (wrong)
        command->kind = kCommandWrong;
    command->print = json                           ? kPrintJson
                     : command->keywordName != NULL ? kPrintKeyword
                     : command->saveFile != NULL    ? kPrintNothing
                                                    : kPrintSummary;
}

const char *WrongMessage(const Command *command, int language) {
    static const char *const kEnglish[] = {"unknown option: %", "missing value after %",
                                           "given twice: %", "-s and --json exclude each other: %",
                                           "unknown keyword: %"};
    static const char *const kGerman[] = {
        "unbekannte Option: %", "fehlender Wert nach %", "doppelt angegeben: %",
        "-s und --json schließen sich aus: %", "unbekanntes Schlüsselwort: %"};
    return (language ? kGerman : kEnglish)[command->wrong];
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
