// The firmware report's Secure Boot lines from Romprobe's result file.
#include <gtest/gtest.h>

#include <string>

#include "report/secure_boot_text.h"

namespace {

std::string Lines(const std::string &file, int language) {
    static ReportText report;
    ReportReset(&report);
    AppendSecureBootLines(file.data(), static_cast<int>(file.size()), language, &report);
    return report.text;
}

TEST(SecureBootText, TwoLinesInTheColumnsOfTheRomDates) {
    const std::string missing = "UEFI\r\non\r\nnot updated\r\nMicrosoft Corporation KEK 2K CA "
                                "2023\r\nWindows UEFI CA 2023\r\n";
    EXPECT_EQ(Lines(missing, 0), "\r\n Firmware, Secure Boot:    UEFI, Secure Boot on"
                                 "\r\n Certificates of 2023:     not updated, missing: Microsoft "
                                 "Corporation KEK 2K CA 2023, Windows UEFI CA 2023");
    EXPECT_EQ(Lines("UEFI\nunknown\nunknown\n", 1),
              "\r\n Firmware, Secure Boot:  UEFI, Secure Boot unbekannt"
              "\r\n Zertifikate 2023:       unbekannt (braucht Administratorrechte oder ein "
              "TPM-Startprotokoll)");
    EXPECT_EQ(Lines("BIOS\nunsupported\nunknown\n", 0),
              "\r\n Firmware, Secure Boot:    Legacy BIOS, no Secure Boot");
    EXPECT_EQ(Lines("UEFI\r\noff\r\nupdated\r\n", 1).substr(48),
              "\r\n Zertifikate 2023:       aktuell");
    // Anything else is no such file: nothing is shown.
    for (const char *wrong : {"", "UEFI\r\non\r\n", "UEFI\r\nmaybe\r\nupdated\r\n",
                              "UEFI\r\non\r\nsoon\r\n", "\r\n\r\n\r\n"})
        EXPECT_EQ(Lines(wrong, 0), "") << wrong;
}

} // namespace
