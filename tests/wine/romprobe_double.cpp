// A stand-in for the DOS subprogram, for the Wine tests. It accepts the two command lines
// of the real program ("xybiosxy"; "xybioszz" and three numbers), records every command
// line it gets, and writes the result file that the test chose, in the current directory.
// Environment (inherited from the test through Firmlook):
//   ROMPROBE_LOG         file to which each command line is appended, one per line
//   ROMPROBE_PROBE_FILE  file copied to XYBIOSXY.$$$ for "xybiosxy" (unset: write nothing
//                        and exit with 3, as the real one does on a PC without a ROM window)
//   ROMPROBE_DUMP_FILE   file copied to XYBIOSZZ.$$$ for "xybioszz S O T"
//   ROMPROBE_SLEEP_MS    milliseconds to wait before writing
//   ROMPROBE_LINGER_MS   milliseconds to wait after writing (and the done log), before exiting
//   ROMPROBE_EXIT_CODE   exit at once with this code after recording, writing nothing
//   ROMPROBE_DONE_LOG    file that receives the system time (100 ns units, decimal) at which
//                        the stand-in finished writing, to time what Firmlook does afterwards
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

// False when the variable names no file to copy.
static bool CopyFixture(const char *variable, const char *target) {
    char source[MAX_PATH];
    DWORD n = GetEnvironmentVariableA(variable, source, sizeof source);
    if (n == 0 || n >= sizeof source || GetFileAttributesA(source) == INVALID_FILE_ATTRIBUTES)
        return false;
    CopyFileA(source, target, FALSE);
    return true;
}

static void SleepFor(const char *variable) {
    char text[32];
    DWORD n = GetEnvironmentVariableA(variable, text, sizeof text);
    if (n > 0 && n < sizeof text)
        Sleep(static_cast<DWORD>(atoi(text)));
}

static bool IsNumber(const char *text) {
    if (*text == '\0')
        return false;
    for (; *text; ++text)
        if (*text < '0' || *text > '9')
            return false;
    return true;
}

int main(int argc, char **argv) {
    char log[MAX_PATH];
    DWORD n = GetEnvironmentVariableA("ROMPROBE_LOG", log, sizeof log);
    if (n > 0 && n < sizeof log) {
        FILE *file = fopen(log, "ab");
        if (file != NULL) {
            for (int i = 1; i < argc; ++i)
                fprintf(file, i == 1 ? "%s" : " %s", argv[i]);
            fputc('\n', file);
            fclose(file);
        }
    }
    char code[32];
    n = GetEnvironmentVariableA("ROMPROBE_EXIT_CODE", code, sizeof code);
    if (n > 0 && n < sizeof code)
        return atoi(code);
    SleepFor("ROMPROBE_SLEEP_MS");

    bool wrote = false;
    if (argc == 2 && strcmp(argv[1], "xybiosxy") == 0)
        wrote = CopyFixture("ROMPROBE_PROBE_FILE", "XYBIOSXY.$$$");
    else if (argc == 5 && strcmp(argv[1], "xybioszz") == 0 && IsNumber(argv[2]) &&
             IsNumber(argv[3]) && IsNumber(argv[4]))
        wrote = CopyFixture("ROMPROBE_DUMP_FILE", "XYBIOSZZ.$$$");

    n = GetEnvironmentVariableA("ROMPROBE_DONE_LOG", log, sizeof log);
    if (n > 0 && n < sizeof log) {
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        FILE *file = fopen(log, "wb");
        if (file != NULL) {
            fprintf(file, "%llu",
                    (static_cast<unsigned long long>(now.dwHighDateTime) << 32) |
                        now.dwLowDateTime);
            fclose(file);
        }
    }
    SleepFor("ROMPROBE_LINGER_MS");
    return wrote ? 0 : 3;
}
