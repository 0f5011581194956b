#include "helper_command.h"

#include <string.h>

const char kHelperFileName[] = "Romprobe.exe";

namespace {

bool Fail(char *buffer, int size) {
    if (size > 0)
        buffer[0] = '\0';
    return false;
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
