// Romprobe's command line: the two forms Firmlook uses and the options for people and
// scripts. Options are case-insensitive. Plain code.
#ifndef ROMPROBE_COMMAND_LINE_H
#define ROMPROBE_COMMAND_LINE_H

enum CommandKind {
    kCommandProbeDates, // xybiosxy: the date record for Firmlook
    kCommandProbeDump,  // xybioszz S O T: the dump text for Firmlook
    kCommandFacts,      // print and/or save the facts
    kCommandHelp,       // -h, --help, /?
    kCommandWrong       // not understood
};

enum PrintForm { kPrintSummary, kPrintJson, kPrintNothing };

struct Command {
    CommandKind kind;
    PrintForm print;        // kPrintNothing when only --save-smbios is given
    const char *smbiosFile; // --smbios FILE, or NULL for the firmware's tables
    const char *saveFile;   // --save-smbios FILE, or NULL
};

void ParseCommandLine(int argc, char **argv, Command *command);

// The usage text, Windows-1252 with CR LF; language 1 = German, 0 = English.
const char *UsageText(int language);

#endif
