// Romprobe.exe: reads the firmware's SMBIOS tables and the legacy ROM window C0000h to FFFFFh.
// For Firmlook it leaves its findings in a result file in the current directory and prints
// nothing:
//   ROMPROBE xybiosxy          writes XYBIOSXY.$$$, the date record
//   ROMPROBE xybioszz S O T    writes XYBIOSZZ.$$$, the dump text
// For people and scripts it prints a summary (no argument), JSON (--json) or one fact a line
// (-s KEYWORD), reads the tables from a file (--smbios FILE) and saves them for dmidecode
// (--save-smbios FILE), and Secure Boot's state and key stores from the firmware, the TPM
// boot log or files (--efivars FOLDER, --boot-log FILE).
// The window comes from the firmware table provider 'FIRM' (legacy BIOS machines only) or
// from the image file that ROMPROBE_IMAGE names; the tables from provider 'RSMB'.
// This file turns the command line into work: the files beside it read the firmware, write
// the streams and the saved files, and the plain code decides what the bytes say.
#include <windows.h>

#include "command_line.h"
#include "console.h"
#include "firmlook_entry.h"
#include "firmware_read.h"
#include "json_writer.h"
#include "language.h"
#include "save_file.h"
#include "secure_boot_keywords.h"
#include "secure_boot_read.h"
#include "smbios.h"
#include "string_keywords.h"
#include "summary_writer.h"
#include "version.h"

namespace {

// Secure Boot from the files given, else from this PC; false after a message when a file
// gives nothing.
bool ReadSecureBoot(const Command &command, bool filesOnly, int language, SecureBootFacts *facts) {
    int secureBootKeyword = command.print == kPrintKeyword ? SecureBootKeyword(command.keyword) : 0;
    ClearSecureBootFacts(facts);
    if (command.print == kPrintNothing || secureBootKeyword < 0)
        return true;
    if (!filesOnly) {
        ReadSecureBootOfThisPc(facts);
        return true;
    }
    const char *unreadable = ReadSecureBootFiles(command.efivarsFolder, command.bootLogFile, facts);
    if (unreadable != NULL)
        Complain(language, "cannot read %", "% kann nicht gelesen werden", unreadable);
    return unreadable == NULL;
}

int Facts(const Command &command, int language) {
    // With any file, every fact comes from files: nothing of this PC is read.
    bool filesOnly =
        command.smbiosFile != NULL || command.efivarsFolder != NULL || command.bootLogFile != NULL;
    FirmwareTableQuery query = FirmwareQuery();
    int size = 0;
    unsigned char *bytes = command.smbiosFile != NULL ? ReadWholeFile(command.smbiosFile, &size)
                           : filesOnly                ? NULL
                                                      : ReadFirmwareTables(query, &size);
    if (bytes == NULL && command.smbiosFile != NULL) {
        Complain(language, "cannot read %", "% kann nicht gelesen werden", command.smbiosFile);
        return 1;
    }
    SmbiosTable table;
    bool found = SmbiosFromBytes(bytes, size, &table);
    if (!found && command.smbiosFile != NULL) {
        Complain(language, "% is not an SMBIOS table", "% ist keine SMBIOS-Tabelle",
                 command.smbiosFile);
        return 1;
    }
    // Tables from a file come from another machine: its ROM only from an image file too. A
    // single fact needs no ROM window.
    bool fromImage = false;
    RomFacts rom;
    ReadRomFacts(g_window,
                 command.print == kPrintKeyword ? 0 : ReadWindow(query, !filesOnly, &fromImage),
                 &rom);
    // The summary and JSON need tables or a window, unless Secure Boot files are what they show.
    bool secureBootFiles = command.efivarsFolder != NULL || command.bootLogFile != NULL;
    bool needsTables = command.saveFile != NULL ||
                       (command.print == kPrintKeyword ? KeywordReadsTables(command.keyword)
                                                       : !rom.window && !secureBootFiles);
    if (!found && needsTables) {
        Complain(language, "no SMBIOS tables to read", "keine SMBIOS-Tabellen zu lesen", NULL);
        return 1;
    }
    SecureBootFacts secureBoot;
    if (!ReadSecureBoot(command, filesOnly, language, &secureBoot))
        return 1;
    if (command.saveFile != NULL && !SaveTables(table, command.saveFile)) {
        Complain(language, "cannot write %", "% kann nicht geschrieben werden", command.saveFile);
        return 1;
    }
    if (command.print != kPrintNothing) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        const CalendarDate today = {now.wYear, now.wMonth, now.wDay};
        Stream stream;
        StartStream(STD_OUTPUT_HANDLE, command.print != kPrintJson, &stream);
        if (command.print == kPrintJson)
            WriteJson(&table, &rom, &secureBoot, today, &g_output);
        else if (command.print == kPrintKeyword && SecureBootKeyword(command.keyword) >= 0)
            WriteSecureBootKeywordValue(&secureBoot, SecureBootKeyword(command.keyword), &g_output);
        else if (command.print == kPrintKeyword)
            WriteKeywordValues(&table, command.keyword, &g_output);
        else
            WriteSummary(&table, &rom, &secureBoot, today, language, &g_output);
        if (!EndStream(language, &stream))
            return 1;
    }
    return 0;
}

// The usage on standard output (help) or, after what was not understood, on standard error.
int Usage(const Command &command, int language) {
    bool wrong = command.kind == kCommandWrong;
    if (wrong)
        Complain(language, WrongMessage(&command, 0), WrongMessage(&command, 1),
                 command.wrongArgument);
    Stream stream;
    StartStream(wrong ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE, true, &stream);
    if (command.kind == kCommandVersion) {
        OutputText(&g_output, "Romprobe " FIRMLOOK_VERSION_TEXT "\r\n");
    } else {
        if (wrong && command.wrong == kWrongKeyword)
            OutputText(&g_output, language ? "Schlüsselwörter:\r\n" : "Keywords:\r\n");
        else
            OutputText(&g_output, UsageText(language));
        WriteKeywordList(&g_output);
    }
    if (wrong) {
        OutputFlush(&g_output);
        return 2;
    }
    return EndStream(language, &stream) ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    Command command;
    ParseCommandLine(argc, argv, &command);
    if (command.kind == kCommandProbeDates || command.kind == kCommandProbeDump)
        return RunForFirmlook(command, argc, argv);

    int language = LanguageFlagFor(GetUserDefaultLangID());
    if (command.kind != kCommandFacts)
        return Usage(command, language);
    return Facts(command, language);
}
