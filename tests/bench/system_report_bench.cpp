// Reports how long one system-report build takes, with the CPU-clock measurement and
// without it (the build minus GetCpuMhz, and the build with no clock library at hand).
// A figure printer, not a test. Run under Wine from build/win64:
//   wine64 system_report_bench.exe
#include <windows.h>
#include <stdio.h>

#include "report/report_text.h"
#include "sysinfo/sysinfo.h"

DWORD g_programStartSecond;

namespace {

double Milliseconds(LARGE_INTEGER start, LARGE_INTEGER end, LARGE_INTEGER frequency) {
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

template <typename Work> double AverageMs(int runs, Work work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < runs; ++i)
        work();
    QueryPerformanceCounter(&end);
    return Milliseconds(start, end, frequency) / runs;
}

} // namespace

int main() {
    g_programStartSecond = GetTickCount() / 1000;
    static ReportText report;
    const int runs = 20;
    double build = AverageMs(runs, [] { BuildSystemSection(&report, 0); });
    double clock = AverageMs(runs, [] { GetCpuMhz(); });
    printf("system report build, with the clock measurement: %8.2f ms\n", build);
    printf("clock measurement alone (GetCpuMhz):             %8.2f ms\n", clock);
    printf("everything besides the measurement:              %8.2f ms\n", build - clock);
    printf("report length: %d characters\n", report.length);
    return 0;
}
