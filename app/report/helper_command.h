// Where Firmlook finds its own helper Romprobe.exe, the command line that starts that file by its
// full path, and the folder it works in. Pure code without <windows.h>.
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

// The command line for the C library's system(), which hands it to the interpreter that
// COMSPEC names (cmd.exe when it is unset). cmd.exe strips the first and the last quote of its
// line whenever one of ( ) & ^ @ < > | stands between them, which breaks a quoted path such as
// "C:\Program Files (x86)\Firmlook\Romprobe.exe"; one more pair of quotes around the whole
// line is what it strips then. command.com (Windows 9x, short paths) takes the line as it is.
// False, with an empty buffer, when the result does not fit.
bool InterpreterCommand(const char *comspec, const char *commandLine, char *buffer, int size);

// Whether cmd.exe would change the path on its command line, quotes or not: it expands
// %NAME% always, and takes ! for the start of !NAME! where delayed expansion is on.
bool InterpreterChangesPath(const char *path);

// The command line "Romprobe.exe ARGUMENTS" and the search path with the helper's folder in
// front ("C:\Tools\new!;C:\Windows"): the interpreter finds the helper by its name in a search
// path it takes as it is, where it would change that path on the command line. A folder
// holding ';' goes in quotes; an empty search path gives the folder alone. False, with empty
// buffers, when either does not fit.
bool SearchedHelperCommand(const char *path, const char *commandLine, const char *searchPath,
                           char *line, int lineSize, char *newSearchPath, int searchSize);

// The per-user folder the helper works in: "Firmlook" in the temporary folder (as
// GetTempPathA gives it, with or without its closing backslash). False, with an empty
// folder, for an empty temporary path or a result that does not fit.
bool HelperFolderIn(const char *tempPath, char *folder, int size);

// The file name inside the folder; the name alone for an empty folder (the current one).
bool PathInFolder(const char *folder, const char *name, char *path, int size);

#endif
