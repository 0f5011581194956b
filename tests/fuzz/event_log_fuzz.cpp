// Romprobe's reading of a TCG event log (SHA-1 or crypto-agile form): its events, the
// variables of its PCR 7 events, its boot authorities in the JSON and a summary.
//
// Input: the log's bytes, in a buffer of exactly their size.
#include "firmware_errors.h"
#include "fuzz_support.h"
#include "secure_boot_json.h"
#include "secure_boot_summary.h"
#include "tcg_event_log.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    unsigned char *log = static_cast<unsigned char *>(malloc(size));
    memcpy(log, data, size);
    EventLogWalk walk;
    StartEventLog(log, static_cast<int>(size), &walk);
    LogEvent event;
    const unsigned char *last = log;
    while (NextLogEvent(&walk, &event)) {
        FUZZ_CHECK(event.data >= last + 12 && event.data + event.length <= log + size);
        last = event.data + event.length;
    }
    FUZZ_CHECK((walk.error == kDataOk) == (last == log + size));

    SecureBootFacts facts;
    ClearSecureBootFacts(&facts);
    FUZZ_CHECK(ReadBootLogVariables(log, static_cast<int>(size), &facts) == walk.error);
    static Output out;
    OutputStart(&out, CheckNoNul, NULL);
    Json json = {&out, 1, true};
    WriteSecureBootJson(&facts, &json);
    WriteSecureBootSummary(&facts, static_cast<int>(size & 1), true, &out);
    OutputFlush(&out);
    free(log);
    return 0;
}
