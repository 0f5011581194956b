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

// The process's current folder, moved for a helper started by WinExec or system, which
// take no folder of their own, and put back afterwards.
struct FolderSwitch {
    char saved[MAX_PATH];
    bool moved;
};

void EnterFolder(const char *folder, FolderSwitch *cd) {
    cd->moved = false;
    if (folder == NULL)
        return;
    DWORD length = GetCurrentDirectoryA(sizeof cd->saved, cd->saved);
    cd->moved = length > 0 && length < sizeof cd->saved && SetCurrentDirectoryA(folder);
}

void LeaveFolder(const FolderSwitch *cd) {
    if (cd->moved)
        SetCurrentDirectoryA(cd->saved);
}

} // namespace

bool OwnHelperBeside() {
    char path[MAX_PATH];
    return FindOwnHelper(path, sizeof path);
}

void RunDosProgram(const char *commandLine, int oldMethod, const char *folder) {
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
    const char *directory = *folder != '\0' ? folder : NULL;
    if (oldMethod) {
        char line[sizeof quoted + 2];
        if (InterpreterCommand(getenv("COMSPEC"), shellLine, line, sizeof line)) {
            FolderSwitch cd;
            EnterFolder(directory, &cd);
            system(line);
            LeaveFolder(&cd);
        }
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
        if (CreateProcessA(application, line, NULL, NULL, FALSE, CREATE_NO_WINDOW, NULL, directory,
                           &startup, &process)) {
            WaitForSingleObject(process.hProcess, INFINITE);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
            return;
        }
    }
    // Old Windows, or the process could not be created: start it and give it time to finish.
    FolderSwitch cd;
    EnterFolder(directory, &cd);
    WinExec(shellLine, SW_HIDE);
    LeaveFolder(&cd);
    if (g_fallbackStarts == 0) {
        g_fallbackStarts = 1;
        Sleep(900);
    } else {
        Sleep(350);
    }
}

namespace {

// Makes sure the per-user folder the helper works in exists; empty when it cannot be made,
// and the helper then works in the current folder. A folder of its own is one the user can
// write, wherever Firmlook was started from (Program Files, a read-only share).
void PrepareHelperFolder(char *folder, int size) {
    char temp[MAX_PATH];
    DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length >= sizeof temp || !HelperFolderIn(temp, folder, size))
        return;
    CreateDirectoryA(folder, NULL);
    DWORD attributes = GetFileAttributesA(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        folder[0] = '\0';
}

// Runs the helper for a result file and opens that file; NULL when there is no result of this
// run. A file of that name left over from a crash or put there by someone else is deleted
// first; one that cannot be deleted is no result, so it is never shown as this PC's.
FILE *RunForResult(const char *commandLine, int oldMethod, const char *name, char *path, int size) {
    // Without our own helper the name ROMPROBE goes to Windows' program search, which looks
    // in the current folder: then the helper works there, as it always did.
    char folder[MAX_PATH] = "", helper[MAX_PATH];
    if (FindOwnHelper(helper, sizeof helper))
        PrepareHelperFolder(folder, sizeof folder);
    if (!PathInFolder(folder, name, path, size))
        return NULL;
    remove(path);
    if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES)
        return NULL;
    RunDosProgram(commandLine, oldMethod, folder);
    return fopen(path, "rb");
}

} // namespace

void ProbeRom(int oldMethod, const CalendarDate &today, ReportText *report) {
    char path[MAX_PATH + 16];
    FILE *file = RunForResult(kProbeCommand, oldMethod, kProbeFile, path, sizeof path);
    if (file == NULL)
        return;
    RomRecord record;
    RomRecordClear(&record);
    int byte;
    while ((byte = fgetc(file)) != EOF)
        RomRecordStore(&record, byte);
    fclose(file);
    remove(path);
    AppendRomDateLines(&record, today, g_languageFlag, report);
}

void DumpRom(HWND dialog, int oldMethod, ReportText *report) {
    // An empty box reads as 0.
    UINT segment = GetDlgItemInt(dialog, IDC_SEGMENT, NULL, FALSE);
    UINT offset = GetDlgItemInt(dialog, IDC_OFFSET, NULL, FALSE);
    UINT step = GetDlgItemInt(dialog, IDC_STEP, NULL, FALSE);
    char command[1024];
    FormatDumpCommand(command, sizeof command, segment, offset, step);
    char path[MAX_PATH + 16];
    FILE *file = RunForResult(command, oldMethod, kDumpFile, path, sizeof path);

    AppendDumpHeading(report, g_languageFlag);
    if (file == NULL) {
        AppendDumpError(report, g_languageFlag, OwnHelperBeside());
        return;
    }
    DumpCopier copier = {0};
    int byte;
    while ((byte = fgetc(file)) != EOF && DumpTakeByte(&copier, byte, report)) {
    }
    fclose(file);
    remove(path);
}
