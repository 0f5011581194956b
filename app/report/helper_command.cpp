#include "helper_command.h"

#include <string.h>

#include "text_helpers.h"

const char kHelperFileName[] = "Romprobe.exe";
const char kHelperFolderName[] = "Firmlook";

namespace {

bool Fail(char *buffer, int size) {
    if (size > 0)
        buffer[0] = '\0';
    return false;
}

// Joins up to three pieces into the buffer; false, with an empty buffer, when they do not fit.
bool Join(const char *first, const char *second, const char *third, char *buffer, int size) {
    size_t lengths[3] = {strlen(first), strlen(second), strlen(third)};
    if (size <= 0 || lengths[0] + lengths[1] + lengths[2] >= static_cast<size_t>(size))
        return Fail(buffer, size);
    memcpy(buffer, first, lengths[0]);
    memcpy(buffer + lengths[0], second, lengths[1]);
    memcpy(buffer + lengths[0] + lengths[1], third, lengths[2] + 1);
    return true;
}

const char *Separator(const char *folder) {
    size_t length = strlen(folder);
    return length == 0 || folder[length - 1] == '\\' || folder[length - 1] == '/' ? "" : "\\";
}

} // namespace

bool HelperBeside(const char *programPath, char *path, int size) {
    const char *slash = strrchr(programPath, '\\');
    if (slash == NULL)
        return Fail(path, size);
    size_t folder = static_cast<size_t>(slash + 1 - programPath);
    if (size <= 0 || folder + sizeof kHelperFileName > static_cast<size_t>(size))
        return Fail(path, size);
    memcpy(path, programPath, folder);
    memcpy(path + folder, kHelperFileName, sizeof kHelperFileName);
    return true;
}

bool QuotedHelperCommand(const char *path, const char *commandLine, char *buffer, int size) {
    const char *arguments = strchr(commandLine, ' ');
    if (arguments == NULL)
        arguments = commandLine + strlen(commandLine);
    size_t pathLength = strlen(path), argumentsLength = strlen(arguments);
    if (size <= 0 || pathLength + argumentsLength + 3 > static_cast<size_t>(size))
        return Fail(buffer, size);
    buffer[0] = '"';
    memcpy(buffer + 1, path, pathLength);
    buffer[pathLength + 1] = '"';
    memcpy(buffer + pathLength + 2, arguments, argumentsLength + 1);
    return true;
}

bool InterpreterCommand(const char *comspec, const char *commandLine, char *buffer, int size) {
    const char *name = comspec == NULL ? "" : comspec;
    for (const char *at = name; *at != '\0'; ++at)
        if (*at == '\\' || *at == '/' || *at == ':')
            name = at + 1;
    return *name == '\0' || EqualIgnoringCase(name, "cmd.exe")
               ? Join("\"", commandLine, "\"", buffer, size)
               : Join("", commandLine, "", buffer, size);
}

bool InterpreterChangesPath(const char *path) {
    return strpbrk(path, "%!") != NULL;
}

bool SearchedHelperCommand(const char *path, const char *commandLine, const char *searchPath,
                           char *line, int lineSize, char *newSearchPath, int searchSize) {
    const char *name = strrchr(path, '\\');
    const char *arguments = strchr(commandLine, ' ');
    if (name == NULL || !Join(name + 1, arguments != NULL ? arguments : "", "", line, lineSize))
        return Fail(newSearchPath, searchSize);
    char folder[300];
    size_t length = static_cast<size_t>(name - path);
    const bool quoted = memchr(path, ';', length) != NULL;
    if (length + 3 > sizeof folder) {
        Fail(line, lineSize);
        return Fail(newSearchPath, searchSize);
    }
    memcpy(folder + (quoted ? 1 : 0), path, length);
    if (quoted) {
        folder[0] = '"';
        folder[++length] = '"';
        ++length;
    }
    folder[length] = '\0';
    if (!Join(folder, *searchPath != '\0' ? ";" : "", searchPath, newSearchPath, searchSize))
        return Fail(line, lineSize);
    return true;
}

bool HelperFolderIn(const char *tempPath, char *folder, int size) {
    if (*tempPath == '\0')
        return Fail(folder, size);
    return Join(tempPath, Separator(tempPath), kHelperFolderName, folder, size);
}

bool PathInFolder(const char *folder, const char *name, char *path, int size) {
    return Join(folder, Separator(folder), name, path, size);
}
