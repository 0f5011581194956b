// The ROM date probe and the ROM hex dump through the DOS subprogram, and its launcher.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "../resources/resource.h"
#include "../shell/shell.h"
#include "helper_command.h"
#include "report.h"
#include "rom_text.h"

namespace {

// How often the WinExec fallback has run: the first start gets a longer head start.
int g_fallbackStarts;

// The full path of the Romprobe.exe beside Firmlook.exe; false when there is none.
bool FindOwnHelper(char *path, int size) {
    char program[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, program, sizeof program);
    if (length == 0 || length >= sizeof program || !HelperBeside(program, path, size))
        return false;
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace

bool OwnHelperBeside() {
    char path[MAX_PATH];
    return FindOwnHelper(path, sizeof path);
}

void RunDosProgram(const char *commandLine, int oldMethod) {
    // Our own helper is started by its full path. A search by name would take a ROMPROBE.COM,
    // .BAT or .CMD, or a copy in the current folder or on the PATH, before it; only when it
    // is missing does the name ROMPROBE go to that search.
    char helper[MAX_PATH];
    char quoted[MAX_PATH + 256];
    const char *application = NULL;
    const char *shellLine = commandLine; // for system and WinExec
    if (FindOwnHelper(helper, sizeof helper) &&
        QuotedHelperCommand(helper, commandLine, quoted, sizeof quoted)) {
        application = helper;
        shellLine = quoted;
    }
    if (oldMethod) {
        system(shellLine);
        return;
    }
    OSVERSIONINFOA version;
    memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    if (version.dwMajorVersion >= 5) {
        char line[256]; // CreateProcessA may write into its command line
        lstrcpynA(line, commandLine, sizeof line);
        STARTUPINFOA startup;
        memset(&startup, 0, sizeof startup);
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process;
        if (CreateProcessA(application, line, NULL, NULL, FALSE, CREATE_NO_WINDOW, NULL, NULL,
                           &startup, &process)) {
            WaitForSingleObject(process.hProcess, INFINITE);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
            return;
        }
    }
    // Old Windows, or the process could not be created: start it and give it time to finish.
    WinExec(shellLine, SW_HIDE);
    if (g_fallbackStarts == 0) {
        g_fallbackStarts = 1;
        Sleep(900);
    } else {
        Sleep(350);
    }
}

void ProbeRom(int oldMethod, const CalendarDate &today, ReportText *report) {
    RunDosProgram(kProbeCommand, oldMethod);
    FILE *file = fopen(kProbeFile, "rb");
    if (file == NULL)
        return;
    RomRecord record;
    RomRecordClear(&record);
    int byte;
    while ((byte = fgetc(file)) != EOF)
        RomRecordStore(&record, byte);
    fclose(file);
    remove(kProbeFile);
    AppendRomDateLines(&record, today, g_languageFlag, report);
}

void DumpRom(HWND dialog, int oldMethod, ReportText *report) {
    // An empty box reads as 0.
    UINT segment = GetDlgItemInt(dialog, IDC_SEGMENT, NULL, FALSE);
    UINT offset = GetDlgItemInt(dialog, IDC_OFFSET, NULL, FALSE);
    UINT step = GetDlgItemInt(dialog, IDC_STEP, NULL, FALSE);
    char command[1024];
    FormatDumpCommand(command, sizeof command, segment, offset, step);
    RunDosProgram(command, oldMethod);

    AppendDumpHeading(report, g_languageFlag);
    FILE *file = fopen(kDumpFile, "rb");
    if (file == NULL) {
        AppendDumpError(report, g_languageFlag, OwnHelperBeside());
        return;
    }
    DumpCopier copier = {0};
    int byte;
    while ((byte = fgetc(file)) != EOF && DumpTakeByte(&copier, byte, report)) {
    }
    fclose(file);
    remove(kDumpFile);
}
