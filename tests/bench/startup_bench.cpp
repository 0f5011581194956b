// Start-up time of Firmlook against a bare message-box program, under the same Wine and
// display: from process creation until Firmlook's report window holds the first report, and
// until the bare program's message box is visible. Firmlook's dialog template alone, shown
// with the common controls and no start-up work (bare_dialog.exe), is timed like Firmlook:
// it is the floor that Firmlook's own start-up work adds to. The runs alternate between the
// programs; the medians and their ratios to the bare program are printed. Firmlook builds
// given on the command line take the place of the two (a build from before a change, say).
// A figure printer, not a test:
//   bash tests/wine/run-under-wine.sh build/win64 en_US.UTF-8 startup_bench.exe [RUNS] [EXE...]
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "median.h"

namespace {

const int kReportWindow = 1000;
const DWORD kGiveUpMs = 20000;

struct Search {
    DWORD processId;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM value) {
    Search *search = reinterpret_cast<Search *>(value);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (processId != search->processId || lstrcmpA(className, "#32770") != 0)
        return TRUE;
    if (search->visibleOnly && !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND ProcessDialog(DWORD processId, bool visibleOnly) {
    Search search = {processId, visibleOnly, NULL};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// True once the process's dialog shows what the run waits for.
bool Ready(DWORD processId, bool firmlook) {
    if (!firmlook)
        return ProcessDialog(processId, true) != NULL;
    HWND dialog = ProcessDialog(processId, false);
    if (dialog == NULL)
        return false;
    HWND report = GetDlgItem(dialog, kReportWindow);
    DWORD_PTR length = 0;
    return report != NULL &&
           SendMessageTimeoutA(report, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 2000, &length) != 0 &&
           length > 0;
}

// Milliseconds from CreateProcess until Ready, or a negative value on failure.
double TimeOneStart(const std::string &program, bool firmlook) {
    std::string commandLine = "\"" + program + "\"";
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    std::string folder = program.substr(0, program.find_last_of('\\') + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup,
                        &process))
        return -1.0;
    double elapsed = -1.0;
    for (;;) {
        bool ready = Ready(process.dwProcessId, firmlook);
        QueryPerformanceCounter(&now);
        double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart);
        if (ready) {
            elapsed = ms;
            break;
        }
        if (ms > kGiveUpMs || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return elapsed;
}

} // namespace

int main(int argc, char **argv) {
    int runs = argc > 1 ? atoi(argv[1]) : 15;
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, sizeof self);
    std::string folder(self);
    folder.resize(folder.find_last_of('\\') + 1);
    std::vector<std::string> programs = {folder + "bare_messagebox.exe"};
    for (int i = 2; i < argc; ++i)
        programs.push_back(argv[i]);
    if (programs.size() == 1) {
        programs.push_back(folder + "Firmlook.exe");
        programs.push_back(folder + "bare_dialog.exe");
    }

    // One start of each first, so that all run with warm file caches.
    for (size_t p = 0; p < programs.size(); ++p)
        TimeOneStart(programs[p], p != 0);
    std::vector<std::vector<double>> ms(programs.size());
    printf("run");
    for (size_t p = 0; p < programs.size(); ++p)
        printf("  %s", p == 0 ? "bare" : programs[p].c_str());
    printf("  (ms)\n");
    for (int i = 1; i <= runs; ++i) {
        printf("%3d", i);
        for (size_t p = 0; p < programs.size(); ++p) {
            double t = TimeOneStart(programs[p], p != 0);
            if (t < 0) {
                printf("\n%s did not come up\n", programs[p].c_str());
                return 1;
            }
            ms[p].push_back(t);
            printf(" %8.1f", t);
        }
        printf("\n");
    }
    double bare = Median(ms[0]);
    printf("median of %d runs: bare %.1f ms\n", runs, bare);
    for (size_t p = 1; p < programs.size(); ++p)
        printf("  %s %.1f ms, ratio %.2f\n", programs[p].c_str(), Median(ms[p]),
               Median(ms[p]) / bare);
    return 0;
}
