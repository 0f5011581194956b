// A command interpreter for COMSPEC that is the system's cmd.exe with delayed expansion on
// (/V:ON), as the registry value DelayedExpansion=1 turns it on for Windows' cmd; Wine's cmd
// takes only the switch. Passes on the rest of its command line and returns cmd's exit code.
#include <windows.h>

#include <string>

int main() {
    const char *rest = GetCommandLineA();
    if (*rest == '"') {
        rest = strchr(rest + 1, '"');
        rest = rest != NULL ? rest + 1 : "";
    } else {
        while (*rest != '\0' && *rest != ' ')
            ++rest;
    }
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    const std::string program = std::string(system) + "\\cmd.exe";
    std::string line = "cmd.exe /V:ON" + std::string(rest);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(program.c_str(), &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                        &process))
        return 255;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 255;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
}
