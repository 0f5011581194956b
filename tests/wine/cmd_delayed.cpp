// COMSPEC's cmd.exe with delayed expansion on, as the registry value DelayedExpansion=1 turns
// it on for Windows' cmd; Wine's cmd takes only the switch /V:ON.
#include <windows.h>

#include <process.h>
#include <string>

int main() {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    const char *rest = strstr(GetCommandLineA(), " /c ");
    return rest == NULL ? 255
                        : _spawnl(_P_WAIT, (std::string(system) + "\\cmd.exe").c_str(),
                                  "cmd.exe /V:ON", rest + 1, NULL);
}
