// Running the helper Romprobe.exe for a result file, in a folder of this process's own: the ROM
// date probe, the ROM hex dump and the launcher.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "helper_exit.h"
#include "../resources/resource.h"
#include "../shell/shell.h"
#include "format_text.h"
#include "helper_command.h"
#include "report.h"
#include "rom_text.h"

namespace {

// How often the WinExec fallback has run: the first start gets a longer head start.
int g_fallbackStarts;

// "PATH=" and the search path while the interpreter looks for our helper by name, and the
// one before.
char g_searchPath[32768], g_savedSearchPath[32768];

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

HelperRun Run(HelperRunState state, unsigned long number) {
    HelperRun run = {state, number};
    return run;
}

// The old method: the command line through the interpreter that COMSPEC names, which runs
// in the folder (the current one for NULL). A helper path that the interpreter would
// change on its line (a folder named 100% or new!) is found by name in the search path
// instead, with the folder in front; only our own folder is searched before it.
HelperRun RunThroughInterpreter(const char *commandLine, const char *shellLine, const char *helper,
                                const char *folder) {
    char named[MAX_PATH + 256], line[MAX_PATH + 260];
    bool searched = false;
    if (helper != NULL && folder != NULL && InterpreterChangesPath(helper)) {
        // "PATH=" and the value, for _putenv, which sets the C runtime's copy that system()
        // may pass on as well as the process's own.
        const int room = sizeof g_savedSearchPath - 5;
        DWORD length = GetEnvironmentVariableA("PATH", g_savedSearchPath + 5, room);
        if (length == 0)
            g_savedSearchPath[5] = '\0';
        memcpy(g_savedSearchPath, "PATH=", 5);
        memcpy(g_searchPath, "PATH=", 5);
        searched = length < static_cast<DWORD>(room) &&
                   SearchedHelperCommand(helper, commandLine, g_savedSearchPath + 5, named,
                                         sizeof named, g_searchPath + 5, room) &&
                   _putenv(g_searchPath) == 0;
        if (!searched)
            return Run(kHelperNotStarted, ERROR_FILENAME_EXCED_RANGE);
        shellLine = named;
    }
    HelperRun run = Run(kHelperNotStarted, ERROR_FILENAME_EXCED_RANGE);
    if (InterpreterCommand(getenv("COMSPEC"), shellLine, line, sizeof line)) {
        FolderSwitch cd;
        EnterFolder(folder, &cd);
        int code = system(line);
        run = code == -1 ? Run(kHelperNotStarted, GetLastError())
                         : Run(kHelperEnded, static_cast<unsigned long>(code));
        LeaveFolder(&cd);
    }
    if (searched)
        _putenv(g_savedSearchPath); // "PATH=" alone removes it again
    return run;
}

} // namespace

bool OwnHelperBeside() {
    char path[MAX_PATH];
    return FindOwnHelper(path, sizeof path);
}

HelperRun RunDosProgram(const char *commandLine, int oldMethod, const char *folder) {
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
    if (oldMethod)
        return RunThroughInterpreter(commandLine, shellLine, application, directory);
    OSVERSIONINFOA version;
    memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    DWORD error = 0;
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
            DWORD code = kHelperExitFailed;
            GetExitCodeProcess(process.hProcess, &code);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
            return Run(kHelperEnded, code);
        }
        error = GetLastError();
    }
    // Old Windows, or the process could not be created: start it and give it time to finish.
    FolderSwitch cd;
    EnterFolder(directory, &cd);
    UINT started = WinExec(shellLine, SW_HIDE);
    LeaveFolder(&cd);
    if (started <= 31) // WinExec's error numbers are Windows error numbers
        return Run(kHelperNotStarted, error != 0 ? error : started);
    if (g_fallbackStarts == 0) {
        g_fallbackStarts = 1;
        Sleep(900);
    } else {
        Sleep(350);
    }
    return Run(kHelperUnfinished, 0);
}

namespace {

// A run for one result file, in a folder of this process's own.
struct ResultRun {
    char folder[MAX_PATH]; // empty: the current folder
    char path[MAX_PATH + 16];
    HelperRun run;
};

// Makes sure this process's own folder for the helper exists: "Firmlook\<process id>" in the
// per-user temporary folder, one that the user can write wherever Firmlook was started from
// (Program Files, a read-only share), and that no other Firmlook window shares. Empty when
// it cannot be made, and the helper then works in the current folder.
void PrepareHelperFolder(char *folder, int size) {
    char temp[MAX_PATH], base[MAX_PATH], id[16];
    DWORD length = GetTempPathA(sizeof temp, temp);
    FormatText(id, sizeof id, "%d", static_cast<int>(GetCurrentProcessId()));
    if (length == 0 || length >= sizeof temp || !HelperFolderIn(temp, base, sizeof base) ||
        !PathInFolder(base, id, folder, size))
        return;
    CreateDirectoryA(base, NULL);
    CreateDirectoryA(folder, NULL);
    DWORD attributes = GetFileAttributesA(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        folder[0] = '\0';
}

// Runs the helper for a result file and opens that file; NULL, with what became of the run,
// when there is no result of this run. A file of that name left over from a crash is deleted
// first; one that cannot be deleted is no result, so it is never shown as this PC's.
FILE *RunForResult(const char *commandLine, int oldMethod, const char *name, ResultRun *result) {
    // Without our own helper the name ROMPROBE goes to Windows' program search, which looks
    // in the current folder: then the helper works there, as it always did.
    char helper[MAX_PATH];
    result->folder[0] = '\0';
    if (FindOwnHelper(helper, sizeof helper))
        PrepareHelperFolder(result->folder, sizeof result->folder);
    if (!PathInFolder(result->folder, name, result->path, sizeof result->path)) {
        result->run = Run(kHelperNotStarted, ERROR_FILENAME_EXCED_RANGE);
        return NULL;
    }
    remove(result->path);
    // The date probe leaves its Secure Boot file beside the record: no leftover may pass for it.
    char companion[MAX_PATH + 16];
    if (PathInFolder(result->folder, kSecureBootFile, companion, sizeof companion))
        remove(companion);
    if (GetFileAttributesA(result->path) != INVALID_FILE_ATTRIBUTES) {
        result->run = Run(kHelperStaleResult, 0);
        return NULL;
    }
    result->run = RunDosProgram(commandLine, oldMethod, result->folder);
    return fopen(result->path, "rb");
}

// Closes and deletes the result file, and removes the process's folder once it is empty.
void EndResult(FILE *file, const ResultRun *result) {
    if (file != NULL) {
        fclose(file);
        remove(result->path);
    }
    if (result->folder[0] == '\0')
        return;
    // A helper that has just ended may hold the folder, its current one, for a moment more
    // (Wine closes its handles after its end is signalled); one still at work keeps it.
    for (int tries = 0;
         !RemoveDirectoryA(result->folder) && tries < 100 &&
         GetLastError() == ERROR_SHARING_VIOLATION && result->run.state == kHelperEnded;
         ++tries)
        Sleep(10);
}

// The Secure Boot lines from the file our own helper leaves in its folder beside the record.
void AppendSecureBootResult(const ResultRun *result, ReportText *report) {
    char path[MAX_PATH + 16];
    if (result->folder[0] == '\0' ||
        !PathInFolder(result->folder, kSecureBootFile, path, sizeof path))
        return;
    FILE *file = fopen(path, "rb");
    if (file == NULL)
        return;
    char text[kSecureBootFileLimit];
    int length = static_cast<int>(fread(text, 1, sizeof text, file));
    fclose(file);
    remove(path);
    AppendSecureBootLines(text, length, g_languageFlag, report);
}

} // namespace

void ProbeRom(int oldMethod, const CalendarDate &today, ReportText *report) {
    ResultRun result;
    FILE *file = RunForResult(kProbeCommand, oldMethod, kProbeFile, &result);
    if (file == NULL) {
        if (OwnHelperBeside())
            AppendProbeFailure(report, g_languageFlag, result.run);
    } else {
        RomRecord record;
        RomRecordClear(&record);
        int byte;
        while ((byte = fgetc(file)) != EOF)
            RomRecordStore(&record, byte);
        AppendRomDateLines(&record, today, g_languageFlag, report);
    }
    AppendSecureBootResult(&result, report);
    EndResult(file, &result);
}

void DumpRom(HWND dialog, int oldMethod, ReportText *report) {
    // An empty box reads as 0.
    UINT segment = GetDlgItemInt(dialog, IDC_SEGMENT, NULL, FALSE);
    UINT offset = GetDlgItemInt(dialog, IDC_OFFSET, NULL, FALSE);
    UINT step = GetDlgItemInt(dialog, IDC_STEP, NULL, FALSE);
    char command[1024];
    FormatDumpCommand(command, sizeof command, segment, offset, step);
    ResultRun result;
    FILE *file = RunForResult(command, oldMethod, kDumpFile, &result);

    AppendDumpHeading(report, g_languageFlag);
    if (file == NULL) {
        EndResult(file, &result);
        AppendDumpError(report, g_languageFlag, OwnHelperBeside(), result.run);
        return;
    }
    DumpCopier copier = {0};
    int byte;
    while ((byte = fgetc(file)) != EOF && DumpTakeByte(&copier, byte, report)) {
    }
    EndResult(file, &result);
}
