// The system report's text: the Windows version name from any version facts, and the memory,
// processor, version, name and uptime lines from any 32-bit values.
//
// Input: language, the version facts (query count, major, minor, build, platform id, product
// type, product code, WOW64 flag), seven memory values, export count, processors, MHz, tick
// count, start second, a duration in seconds (each 32 bits, unsigned), the days-shown flag, which
// firmware date, report fill (16 bits), then texts, each a length byte and its bytes: service pack,
// a firmware date value, three names.
#include <stdlib.h>

#include "fuzz_support.h"
#include "sysinfo/system_text.h"
#include "sysinfo/version_name.h"

namespace {

// Into a buffer of exactly 256 bytes: the line starts with "Windows " and, as the longest
// possible line is far shorter than the buffer, always ends with the whole service-pack text.
void CheckVersionName(const VersionFacts *facts, char *name) {
    ComposeWindowsVersionName(facts, name);
    size_t length = strnlen(name, kVersionNameSize);
    FUZZ_CHECK(length < kVersionNameSize);
    FUZZ_CHECK(strncmp(name, "Windows ", 8) == 0);
    size_t pack = strlen(facts->servicePack);
    if (facts->queryCount >= 1) {
        FUZZ_CHECK(length >= 8 + pack);
        FUZZ_CHECK(strcmp(name + length - pack, facts->servicePack) == 0);
    }
}

// The numbers of a duration text give back its seconds; the day count shows when there are
// days or when the flag asked for it, and then the flag stays set.
void CheckDuration(unsigned seconds, int language, int daysShownBefore) {
    static ReportText report;
    ReportReset(&report);
    int daysShown = daysShownBefore;
    AppendDuration(&report, seconds, language, &daysShown);
    CheckReport(&report);
    long long numbers[4];
    int count = 0;
    char *p = report.text;
    while (*p != '\0' && count < 5) {
        char *end;
        long long n = strtoll(p, &end, 10);
        FUZZ_CHECK(end != p);
        if (count < 4)
            numbers[count] = n;
        ++count;
        p = end;
        while (*p == ' ')
            ++p;
        while (*p != ' ' && *p != '\0') // the unit
            ++p;
        while (*p == ' ')
            ++p;
    }
    bool withDays = seconds / 86400 != 0 || daysShownBefore;
    FUZZ_CHECK(count == (withDays ? 4 : 3));
    FUZZ_CHECK(daysShown == (withDays ? 1 : daysShownBefore));
    long long days = withDays ? numbers[0] : 0;
    const long long *hms = numbers + (withDays ? 1 : 0);
    FUZZ_CHECK(days * 86400 + hms[0] * 3600 + hms[1] * 60 + hms[2] == seconds);
}

// The memory section starts the report afresh with the load and gives back the six sizes.
void CheckMemorySection(const MemoryFigures *figures, int language) {
    static ReportText report;
    PrefillReport(&report, kReportTextMax);
    WriteMemorySection(&report, figures, language);
    CheckReport(&report);
    const char *p = strchr(report.text, ':');
    FUZZ_CHECK(p != NULL && strtol(p + 1, NULL, 10) == figures->figure[0]);
    for (int i = 1; i < kMemoryFigureCount; ++i) {
        const char *unit = strstr(p + 1, " MB ");
        FUZZ_CHECK(unit != NULL);
        const char *number = unit;
        while (number[-1] != ' ')
            --number;
        FUZZ_CHECK(strtol(number, NULL, 10) == figures->figure[i]);
        p = unit;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in = {data, size};
    int language = Take8(&in);
    static VersionFacts facts;
    memset(&facts, 0, sizeof facts);
    facts.queryCount = static_cast<int>(Take32(&in));
    facts.major = static_cast<int>(Take32(&in));
    facts.minor = static_cast<int>(Take32(&in));
    facts.build = static_cast<int>(Take32(&in));
    facts.platformId = Take32(&in);
    facts.productType = Take8(&in);
    facts.productCode = Take32(&in);
    facts.wow64 = static_cast<int>(Take32(&in));
    unsigned memory[kMemoryFigureCount];
    for (unsigned &m : memory)
        m = Take32(&in);
    int exportCount = static_cast<int>(Take32(&in));
    int processors = static_cast<int>(Take32(&in));
    int mhz = static_cast<int>(Take32(&in));
    unsigned tickCount = Take32(&in);
    unsigned startSecond = Take32(&in);
    unsigned seconds = Take32(&in);
    int daysShown = Take8(&in) & 1;
    int firmwareDateWhich = Take8(&in) & 1;
    int fill = TakeFill(&in);
    char firmwareDate[33], names[3][121];
    TakeText(&in, facts.servicePack, kServicePackSize - 1);
    TakeText(&in, firmwareDate, 32);
    for (char *name : names)
        TakeText(&in, name, 120);

    char *versionName = static_cast<char *>(malloc(kVersionNameSize));
    CheckVersionName(&facts, versionName);
    CheckDuration(seconds, language, daysShown);
    // Any count below 2^32 seconds, with the high word from the duration's bits.
    unsigned long long milliseconds =
        static_cast<unsigned long long>(seconds % 1000) << 32 | tickCount;
    FUZZ_CHECK(TickSeconds(milliseconds) == milliseconds / 1000);

    // Figures as the status query gives them (its bytes in MB), and as the DLL exports do.
    MemoryFigures figures;
    MemoryFromStatus(&figures, memory[0], memory[1], memory[2], memory[3], memory[4], memory[5],
                     memory[6]);
    figures.exportCount = exportCount;
    for (int i = 1; i < kMemoryFigureCount; ++i)
        FUZZ_CHECK(figures.figure[i] >= 0 && figures.figure[i] <= 4095);
    CheckMemorySection(&figures, language);
    for (int i = 0; i < kMemoryFigureCount; ++i)
        figures.figure[i] = static_cast<int>(memory[i]);
    CheckMemorySection(&figures, language);

    // The rest of the section after any fill: every line is short and the text stays bounded.
    static ReportText report;
    PrefillReport(&report, fill);
    AppendProcessorLines(&report, processors, mhz, language);
    AppendRawFirmwareDate(&report, firmwareDateWhich, firmwareDate, language);
    AppendVersionLines(&report, facts.major, facts.minor, facts.build, versionName, language);
    for (int i = 0; i < 3; ++i)
        AppendNameLine(&report, i, names[i]);
    AppendUptimes(&report, tickCount, startSecond, language);
    CheckAppended(&report, fill, 3 * 127 + 60 + 33 + 255 + 160 + 3 * (30 + 120) + 2 * (30 + 127));
    free(versionName);
    return 0;
}
