// Where Firmlook finds its own DOS subprogram, and the command line that starts that file by
// its full path. Pure code without <windows.h>.
#ifndef FIRMLOOK_HELPER_COMMAND_H
#define FIRMLOOK_HELPER_COMMAND_H

extern const char kHelperFileName[]; // "Romprobe.exe"

// The program's path with its file name replaced by the helper's: "C:\Tools\Romprobe.exe" for
// "C:\Tools\Firmlook.exe". False, with an empty path, when the program path has no folder or
// the result does not fit into size bytes.
bool HelperBeside(const char *programPath, char *path, int size);

// The command line with its command name (up to the first blank) replaced by the path in one
// pair of quotes: "\"C:\Tools\Romprobe.exe\" xybiosxy". The command interpreter keeps such a
// pair around a path with blanks, and drops it harmlessly around one without. False, with an
// empty buffer, when the result does not fit.
bool QuotedHelperCommand(const char *path, const char *commandLine, char *buffer, int size);

#endif
