#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <sstream>
#include <string>

#include "firmware_errors.h"
#include "secure_boot_json.h"
#include "report/rom_text.h"
#include "secure_boot_keywords.h"
#include "secure_boot_lines.h"
#include "secure_boot_summary.h"
#include "signature_list.h"
#include "smbios_builder.h"

namespace {

std::string Data(const std::string &name) {
    std::ostringstream bytes;
    bytes << std::ifstream(SECUREBOOT_DATA "/" + name, std::ios::binary).rdbuf();
    return bytes.str();
}

const std::string kKek2011 = Data("esl/MicCorKEKCA2011_2011-06-24.esl"),
                  kKek2023 = Data("esl/microsoft-corporation-kek-2k-ca-2023.esl"),
                  kPca2011 = Data("esl/MicWinProPCA2011_2011-10-19.esl"),
                  kUefi2011 = Data("esl/MicCorUEFCA2011_2011-06-27.esl"),
                  kWindows2023 = Data("esl/windows-uefi-ca-2023.esl");

FirmwareBytes Bytes(const std::string &bytes) {
    return {reinterpret_cast<const unsigned char *>(bytes.data()), static_cast<int>(bytes.size())};
}

// A UEFI PC's facts over copies of the bytes kept for the run; "-" for what was not read.
SecureBootFacts Pc(const std::string &kek, const std::string &db, const std::string &dbx,
                   const std::string &secureBoot = "\x01") {
    static std::deque<std::string> kept;
    SecureBootFacts facts;
    ClearSecureBootFacts(&facts);
    facts.firmwareType = kFirmwareUefi;
    facts.unread = kUnreadNeedsRights;
    const std::string *values[4] = {&secureBoot, &kek, &db, &dbx};
    const int variables[4] = {kVarSecureBoot, kVarKek, kVarDb, kVarDbx};
    for (int i = 0; i < 4; ++i)
        if (*values[i] != "-") {
            kept.push_back(*values[i]);
            facts.variables[variables[i]] = Bytes(kept.back());
        }
    return facts;
}

void Append(void *context, const char *bytes, int count) {
    static_cast<std::string *>(context)->append(bytes, static_cast<size_t>(count));
}

// form: -1 the JSON object, 0 and 1 the summary, 10 + k the value of -s keyword k.
std::string Written(const SecureBootFacts &facts, int form) {
    std::string text;
    Output out;
    OutputStart(&out, Append, &text);
    Json json = {&out, 0, true};
    if (form < 0)
        WriteSecureBootJson(&facts, &json);
    else if (form < 10)
        WriteSecureBootSummary(&facts, form, false, &out);
    else
        WriteSecureBootKeywordValue(&facts, form - 10, &out);
    OutputFlush(&out);
    return text;
}

bool Has(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

// The entries a store gives and the error it stops at.
std::pair<int, int> Walked(const std::string &store) {
    SignatureWalk walk;
    SignatureEntry entry;
    int count = 0;
    for (StartSignatureWalk(Bytes(store).bytes, Bytes(store).length, &walk);
         NextSignature(&walk, &entry);)
        ++count;
    return {count, walk.error};
}

// A PCR 7 event of the SHA-1 form holding UEFI_VARIABLE_DATA of EFI's global variables.
std::string Event(unsigned long type, const std::string &name, const std::string &data) {
    std::string variable = Field(0x11d293ca8be4df61, 8) + Field(0x8c2b0398e0000daa, 8) +
                           Field(name.size(), 8) + Field(data.size(), 8);
    for (char c : name)
        variable += std::string(1, c) + '\0';
    return Field(7, 4) + Field(type, 4) + std::string(20, '\0') +
           Field(variable.size() + data.size(), 4) + variable + data;
}

} // namespace

TEST(SecureBoot, VerdictKeywordsAndSummary) {
    SecureBootFacts securedCore = Pc(kKek2011 + kKek2023, kPca2011 + kWindows2023, "-");
    EXPECT_EQ(Written(securedCore, 10) + Written(securedCore, 11) + Written(securedCore, 12),
              "UEFI\r\non\r\nupdated\r\n");
    SecureBootFacts oldKek =
        Pc(kKek2011, kPca2011 + kUefi2011 + kWindows2023, "", std::string(1, '\0'));
    EXPECT_EQ(Written(oldKek, 11) + Written(oldKek, 12), "off\r\nnot updated\r\n");
    EXPECT_TRUE(Has(Written(oldKek, 0),
                    "  dbx:               empty\r\n  2023 certificates: missing: "
                    "Microsoft Corporation KEK 2K CA 2023\r\n"
                    "                     missing: Microsoft UEFI CA 2023\r\n"
                    "                     missing: Microsoft Option ROM UEFI "
                    "CA 2023\r\n  PCA 2011 revoked:  no\r\n"));
    EXPECT_TRUE(Has(Written(oldKek, 1), "KEK CA 2011, gültig bis 2026-06-24\r\n  db:"));

    // dbx may revoke by the hash of the certificate's signed part (EFI_CERT_X509_SHA256).
    std::string dbx = Field(0x407996c03bd2a492, 8) + Field(0xed03f18ef9fc20b4, 8) +
                      Field(28 + 64, 4) + Field(0, 4) + Field(64, 4) + std::string(16, 'o') +
                      Field(0xe80d867c10be804e, 8) + Field(0x4d5050ff3e4b3896, 8) +
                      Field(0x10f31d15c76ad7c2, 8) + Field(0x4621037a6350442a, 8) +
                      std::string(16, '\0');
    EXPECT_TRUE(Has(Written(Pc(kKek2011, kWindows2023, dbx), -1), "\"pca_2011_revoked\": true"));

    // Not read, or not there at all.
    SecureBootFacts unread = Pc("-", kWindows2023, "-", "-");
    EXPECT_EQ(Written(unread, 11) + Written(unread, 12), "unknown\r\nunknown\r\n");
    EXPECT_TRUE(Has(Written(unread, 0), "  Not read:          SecureBoot, PK, KEK, dbx "
                                        "(needs administrator rights or a TPM boot log)"));
    unread.firmwareType = kFirmwareBios;
    unread.unread = kUnreadLegacyBios;
    EXPECT_EQ(Written(unread, 10) + Written(unread, 11), "BIOS\r\nunsupported\r\n");
    EXPECT_TRUE(Has(Written(unread, 1), "(ein herkömmliches BIOS hat kein Secure Boot)"));
}

TEST(SecureBoot, HostileInputGivesWhatCameBefore) {
    std::string store = kKek2011 + kKek2023, bad = kKek2023;
    EXPECT_EQ(Walked(store.substr(0, store.size() - 1)), std::make_pair(1, +kListHeaderPastEnd));
    bad.replace(24, 4, Field(0, 4)); // entries of size 0
    EXPECT_EQ(Walked(kKek2011 + bad), std::make_pair(1, +kListZeroSize));
    bad.replace(20, 8, Field(0xFFFFFFF0, 4) + Field(16, 4)); // a header past the list's end
    EXPECT_EQ(Walked(kKek2011 + bad), std::make_pair(1, +kListHeaderPastEnd));

    // A boot log cut inside db's event keeps PK and KEK.
    std::string log = Data("boot-log-arch-linux.bin");
    SecureBootFacts cut = Pc("-", "-", "-", "-");
    EXPECT_EQ(ReadBootLogVariables(Bytes(log).bytes, 6000, &cut), kLogEventPastEnd);
    EXPECT_TRUE(cut.variables[kVarKek].bytes != NULL && cut.variables[kVarDb].bytes == NULL);
    EXPECT_TRUE(Has(Written(cut, 0),
                    "  Boot log:          damaged: an event runs past the end of the log\r\n"));
}

TEST(SecureBoot, BootLogOfTheSha1FormWithAuthorities) {
    // SecureBoot on; db's Windows UEFI CA 2023 verified the boot manager (EFI_SIGNATURE_DATA),
    // twice, then a loader's own certificate (bare).
    std::string windows = std::string(16, 'o') + Data("certs/windows-uefi-ca-2023.der");
    std::string log = std::string(32, '\0') + Event(0x80000001, "SecureBoot", "\x01") +
                      Event(0x800000E0, "db", windows) + Event(0x800000E0, "db", windows) +
                      Event(0x800000E0, "Shim", Data("certs/MicCorUEFCA2011_2011-06-27.der"));
    SecureBootFacts facts = Pc("-", "-", "-", "-");
    EXPECT_EQ(ReadBootLogVariables(Bytes(log).bytes, Bytes(log).length, &facts), kDataOk);
    EXPECT_TRUE(Has(Written(facts, -1), "\"enabled\": true"));
    EXPECT_TRUE(Has(Written(facts, 1), "  Zustand:           ein\r\n"
                                       "  Boot-Manager:      Windows UEFI CA 2023\r\n"
                                       "                     Microsoft Corporation UEFI CA 2011"));
}

// Firmlook's Secure Boot lines: Romprobe writes both languages, Firmlook shows its own two.
std::string FirmlookLines(const SecureBootFacts &facts, int language) {
    std::string file;
    Output out;
    OutputStart(&out, Append, &file);
    WriteSecureBootLines(&facts, &out);
    OutputFlush(&out);
    static ReportText report;
    ReportReset(&report);
    AppendSecureBootLines(file.data(), static_cast<int>(file.size()), language, &report);
    return report.text;
}

TEST(SecureBoot, FirmlooksLinesInTheColumnsOfTheRomDates) {
    EXPECT_EQ(FirmlookLines(Pc(kKek2011, kPca2011 + kWindows2023, "-"), 0),
              "\r\n Firmware, Secure Boot:    UEFI, Secure Boot on"
              "\r\n Certificates of 2023:     not updated, missing: Microsoft Corporation KEK 2K "
              "CA 2023");
    SecureBootFacts unread = Pc("-", "-", "-", "-");
    EXPECT_EQ(FirmlookLines(unread, 1),
              "\r\n Firmware, Secure Boot:  UEFI, Secure Boot unbekannt"
              "\r\n Zertifikate 2023:       unbekannt (braucht Administratorrechte oder ein "
              "TPM-Startprotokoll)");
    unread.firmwareType = kFirmwareBios;
    EXPECT_EQ(FirmlookLines(unread, 0),
              "\r\n Firmware, Secure Boot:    Legacy BIOS, no Secure Boot");
    EXPECT_EQ(
        FirmlookLines(Pc(kKek2011 + kKek2023, kPca2011 + kWindows2023, "-", std::string(1, 0)), 1),
        "\r\n Firmware, Secure Boot:  UEFI, Secure Boot aus\r\n Zertifikate 2023:       aktuell");
}
