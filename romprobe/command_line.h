// Romprobe's command line: the two forms Firmlook uses and the options for people and
// scripts. Options and keywords are case-insensitive. Plain code.
#ifndef ROMPROBE_COMMAND_LINE_H
#define ROMPROBE_COMMAND_LINE_H

#include "output.h"

enum CommandKind {
    kCommandProbeDates, // xybiosxy: the date record for Firmlook
    kCommandProbeDump,  // xybioszz S O T: the dump text for Firmlook
    kCommandFacts,      // print and/or save the facts
    kCommandHelp,       // -h, --help, /?
    kCommandWrong,      // not understood
    kCommandVersion     // --version
};

enum PrintForm { kPrintSummary, kPrintJson, kPrintNothing, kPrintKeyword };

// What was not understood, told with the argument it is about.
enum WrongReason {
    kWrongUnknown,  // an option Romprobe does not have
    kWrongMissing,  // an option without its value
    kWrongTwice,    // an option given twice
    kWrongTogether, // --json and -s
    kWrongKeyword   // -s with a keyword Romprobe does not have
};

struct Command {
    CommandKind kind;
    PrintForm print;           // kPrintNothing when only --save-smbios is given
    const char *smbiosFile;    // --smbios FILE, or NULL for the firmware's tables
    const char *saveFile;      // --save-smbios FILE, or NULL
    const char *efivarsFolder; // --efivars FOLDER, or NULL
    const char *bootLogFile;   // --boot-log FILE, or NULL
    const char *keywordName;   // -s KEYWORD as given, or NULL
    int keyword;               // its index (see KeywordName), else -1
    WrongReason wrong;         // for kCommandWrong: why, and the argument concerned
    const char *wrongArgument;
};

// Arguments arrive in the system's ANSI code page; names keep their bytes.
void ParseCommandLine(int argc, char **argv, Command *command);

// The usage text, Windows-1252 with CR LF; language 1 = German, 0 = English.
const char *UsageText(int language);

// The one-line message for a command line that was not understood, without the line break:
// '%' stands for the argument concerned.
const char *WrongMessage(const Command *command, int language);

// The keywords of -s, a few to a line, each line indented and ending in CR LF.
void WriteKeywordList(Output *out);

#endif
