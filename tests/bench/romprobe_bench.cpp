// How long "Romprobe -s system-uuid" takes, against a bare console program started the same
// way: each with its standard output on a pipe that is read to its end, as a batch file's
// for /f reads it, from process creation until the process has ended. The runs alternate;
// the medians and their ratio are printed. Other arguments for Romprobe may follow the number
// of runs. A figure printer, not a test:
//   bash tests/wine/run-under-wine.sh build/win64 en_US.UTF-8 romprobe_bench.exe [RUNS [ARGS]]
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "median.h"

namespace {

// Milliseconds for one run, and what it printed; a negative value when it did not start.
double TimeOneRun(const std::string &commandLine, std::string *printed) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return -1.0;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writeEnd;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    BOOL started = CreateProcessA(NULL, line.data(), NULL, NULL, TRUE, CREATE_NO_WINDOW, NULL, NULL,
                                  &startup, &process);
    CloseHandle(writeEnd);
    char buffer[512];
    DWORD got = 0;
    printed->clear();
    while (started && ReadFile(readEnd, buffer, sizeof buffer, &got, NULL) && got > 0)
        printed->append(buffer, got);
    if (started)
        WaitForSingleObject(process.hProcess, INFINITE);
    QueryPerformanceCounter(&end);
    CloseHandle(readEnd);
    if (!started)
        return -1.0;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char **argv) {
    int runs = argc > 1 ? atoi(argv[1]) : 31;
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, sizeof self);
    std::string folder(self);
    folder.resize(folder.find_last_of('\\') + 1);
    std::string arguments = argc > 2 ? "" : " -s system-uuid";
    for (int i = 2; i < argc; ++i)
        arguments += std::string(" ") + argv[i];
    const std::string commands[2] = {"\"" + folder + "bare_console.exe\"",
                                     "\"" + folder + "Romprobe.exe\"" + arguments};
    std::vector<double> ms[2];
    std::string printed;
    for (int i = 0; i <= runs; ++i) { // run 0 warms the file caches and is not counted
        for (int p = 0; p < 2; ++p) {
            double t = TimeOneRun(commands[p], &printed);
            if (t < 0) {
                printf("%s did not start\n", commands[p].c_str());
                return 1;
            }
            if (i == 0)
                printf("%s printed: %s", commands[p].c_str(), printed.c_str());
            else
                ms[p].push_back(t);
        }
    }
    double bare = Median(ms[0]), romprobe = Median(ms[1]);
    printf("%d runs each, medians: bare console program %.1f ms, Romprobe%s %.1f ms, ratio %.3f\n",
           runs, bare, arguments.c_str(), romprobe, romprobe / bare);
    return 0;
}
