#include "secure_boot_keywords.h"

#include <stddef.h>

#include "ca_2023.h"

const char *SecureBootKeywordName(int index) {
    static const char *const kNames[] = {"firmware-type", "secure-boot", "secure-boot-ca-2023"};
    return index >= 0 && index < 3 ? kNames[index] : NULL;
}

void WriteSecureBootKeywordValue(const SecureBootFacts *facts, int keyword, Output *out) {
    const char *value = "unknown";
    if (keyword == 0 && facts->firmwareType != kFirmwareUnknown) {
        value = facts->firmwareType == kFirmwareUefi ? "UEFI" : "BIOS";
    } else if (keyword == 1) {
        int enabled = SecureBootFlag(facts, kVarSecureBoot);
        if (facts->firmwareType == kFirmwareBios)
            value = "unsupported";
        else if (enabled >= 0)
            value = enabled ? "on" : "off";
    } else if (keyword == 2) {
        Ca2023Verdict verdict;
        JudgeCa2023(facts, &verdict);
        if (verdict.known)
            value = verdict.updated ? "updated" : "not updated";
    }
    OutputText(out, value);
    OutputText(out, "\r\n");
}
