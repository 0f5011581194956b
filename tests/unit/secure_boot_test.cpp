#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "firmware_errors.h"
#include "secure_boot_json.h"
#include "secure_boot_keywords.h"
#include "secure_boot_summary.h"
#include "signature_list.h"
#include "smbios_builder.h"
#include "x509_certificate.h"

namespace {

std::string Data(const std::string &name) {
    std::ifstream file(SECUREBOOT_DATA "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

const std::string kKek2011 = Data("esl/MicCorKEKCA2011_2011-06-24.esl"),
                  kKek2023 = Data("esl/microsoft-corporation-kek-2k-ca-2023.esl"),
                  kPca2011 = Data("esl/MicWinProPCA2011_2011-10-19.esl"),
                  kUefi2011 = Data("esl/MicCorUEFCA2011_2011-06-27.esl"),
                  kWindows2023 = Data("esl/windows-uefi-ca-2023.esl"),
                  kThirdParty2023 = Data("esl/microsoft-uefi-ca-2023.esl") +
                                    Data("esl/microsoft-option-rom-uefi-ca-2023.esl");

// Facts over bytes it keeps; a store "-" is one not read.
struct Pc {
    std::string kek, db, dbx, on = "\x01";
    SecureBootFacts facts = {};
    const SecureBootFacts *Facts() {
        ClearSecureBootFacts(&facts);
        facts.firmwareType = kFirmwareUefi;
        facts.unread = kUnreadNeedsRights;
        const std::string *stores[4] = {&on, &kek, &db, &dbx};
        const int variables[4] = {kVarSecureBoot, kVarKek, kVarDb, kVarDbx};
        for (int i = 0; i < 4; ++i)
            if (*stores[i] != "-")
                facts.variables[variables[i]] = {
                    reinterpret_cast<const unsigned char *>(stores[i]->data()),
                    static_cast<int>(stores[i]->size())};
        return &facts;
    }
};

void Append(void *context, const char *bytes, int count) {
    static_cast<std::string *>(context)->append(bytes, static_cast<size_t>(count));
}

// form: -1 the JSON object, 0 and 1 the summary, 10 + k the value of -s keyword k.
std::string Written(const SecureBootFacts *facts, int form) {
    std::string text;
    Output out;
    OutputStart(&out, Append, &text);
    if (form < 0)
        WriteSecureBootJson(facts, 0, &out);
    else if (form < 10)
        WriteSecureBootSummary(facts, form, false, &out);
    else
        WriteSecureBootKeywordValue(facts, form - 10, &out);
    OutputFlush(&out);
    return text;
}

bool Has(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

// The entries a store gives and the error it stops at.
std::pair<int, int> Walked(const std::string &store) {
    SignatureWalk walk;
    StartSignatureWalk(reinterpret_cast<const unsigned char *>(store.data()),
                       static_cast<int>(store.size()), &walk);
    SignatureEntry entry;
    int count = 0;
    while (NextSignature(&walk, &entry))
        ++count;
    return {count, walk.error};
}

// A PCR 7 event of the SHA-1 form holding UEFI_VARIABLE_DATA.
std::string Event(unsigned long type, const std::string &name, const std::string &data) {
    std::string variable = "\x61\xdf\xe4\x8b\xca\x93\xd2\x11\xaa\x0d" + std::string(1, '\0') +
                           "\xe0\x98\x03\x2b\x8c" + Field(name.size(), 8) + Field(data.size(), 8);
    for (char c : name)
        variable += std::string(1, c) + '\0';
    variable += data;
    return Field(7, 4) + Field(type, 4) + std::string(20, '\0') + Field(variable.size(), 4) +
           variable;
}

} // namespace

TEST(SecureBoot, VerdictKeywordsAndSummary) {
    Pc updated = {kKek2011 + kKek2023, kPca2011 + kUefi2011 + kWindows2023 + kThirdParty2023,
                  kPca2011};
    Pc oldKek = {kKek2011, kPca2011 + kUefi2011 + kWindows2023, ""};
    Pc securedCore = {kKek2011 + kKek2023, kPca2011 + kWindows2023, "-", std::string(1, '\0')};
    EXPECT_EQ(Written(updated.Facts(), 10) + Written(updated.Facts(), 11) +
                  Written(updated.Facts(), 12),
              "UEFI\r\non\r\nupdated\r\n");
    EXPECT_EQ(Written(oldKek.Facts(), 12), "not updated\r\n");
    EXPECT_EQ(Written(securedCore.Facts(), 11) + Written(securedCore.Facts(), 12),
              "off\r\nupdated\r\n");
    EXPECT_TRUE(Has(Written(securedCore.Facts(), -1),
                    "\"microsoft_uefi_ca_2023\": null,\n    \"option_rom_uefi_ca_2023\": null,\n"
                    "    \"pca_2011_revoked\": null,\n    \"status\": \"updated\""));
    std::string english = Written(oldKek.Facts(), 0), german = Written(oldKek.Facts(), 1);
    EXPECT_TRUE(Has(english, "  KEK:               Microsoft Corporation KEK CA 2011, valid "
                             "until 2026-06-24\r\n  db:"));
    EXPECT_TRUE(Has(english,
                    "  2023 certificates: missing: Microsoft Corporation KEK 2K CA 2023\r\n"
                    "                     missing: Microsoft UEFI CA 2023\r\n"));
    EXPECT_TRUE(Has(english, "  dbx:               empty\r\n"));
    EXPECT_TRUE(Has(german, "                     fehlt: Microsoft Option ROM UEFI CA 2023\r\n"
                            "  PCA 2011 gesperrt: nein\r\n"));

    // dbx may revoke by the hash of the certificate's signed part (EFI_CERT_X509_SHA256).
    oldKek.dbx = "\x92\xa4\xd2\x3b\xc0\x96\x79\x40\xb4\x20\xfc\xf9\x8e\xf1\x03\xed" +
                 Field(28 + 64, 4) + Field(0, 4) + Field(64, 4) + std::string(16, 'o') +
                 "\x4e\x80\xbe\x10\x7c\x86\x0d\xe8\x96\x38\x4b\x3e\xff\x50\x50\x4d\xc2\xd7\x6a"
                 "\xc7\x15\x1d\xf3\x10\x2a\x44\x50\x63\x7a\x03\x21\x46" +
                 std::string(16, '\0');
    EXPECT_TRUE(Has(Written(oldKek.Facts(), -1), "\"pca_2011_revoked\": true"));

    // Not read, or not there at all.
    Pc unread = {"-", kWindows2023, "-", "-"};
    EXPECT_EQ(Written(unread.Facts(), 11) + Written(unread.Facts(), 12), "unknown\r\nunknown\r\n");
    EXPECT_TRUE(Has(Written(unread.Facts(), -1), "\"ca_2023\": null"));
    EXPECT_TRUE(Has(Written(unread.Facts(), 0), "  Not read:          SecureBoot, PK, KEK, dbx "
                                                "(needs administrator rights or a TPM boot log)"));
    unread.facts.firmwareType = kFirmwareBios;
    EXPECT_EQ(Written(&unread.facts, 10) + Written(&unread.facts, 11), "BIOS\r\nunsupported\r\n");
    EXPECT_EQ(EfivarsFileVariable("db-d719b2cb-3d3a-4596-a3bc-dad00e67656f"), kVarDb);
    EXPECT_EQ(EfivarsFileVariable("dbDefault-8be4df61-93ca-11d2-aa0d-00e098032b8c") +
                  EfivarsFileVariable("db-8be4df61-93ca-11d2-aa0d-00e098032b8c"),
              -2);
}

TEST(SecureBoot, HostileInputGivesWhatCameBefore) {
    std::string store = kKek2011 + kKek2023;
    EXPECT_EQ(Walked(store.substr(0, store.size() - 1)),
              std::make_pair(1, int(kListHeaderPastEnd)));
    std::string bad = kKek2023;
    bad.replace(24, 4, Field(0, 4)); // entries of size 0
    EXPECT_EQ(Walked(kKek2011 + bad), std::make_pair(1, int(kListZeroSize)));
    bad.replace(20, 8, Field(0xFFFFFFF0, 4) + Field(16, 4)); // a header past the list's end
    EXPECT_EQ(Walked(kKek2011 + bad), std::make_pair(1, int(kListHeaderPastEnd)));
    bad = kKek2023;
    bad.replace(24, 4, Field(bad.size() - 29, 4)); // entries that leave a byte over
    EXPECT_EQ(Walked(kKek2011 + bad), std::make_pair(1, int(kListEntriesPastEnd)));

    // A certificate cut anywhere, or nested deeper than any certificate.
    std::string der = Data("certs/windows-uefi-ca-2023.der"), nested = "\x02\x01\x01";
    CertificateFacts facts;
    for (size_t cut = 0; cut < der.size(); ++cut)
        ASSERT_NE(ReadCertificate(reinterpret_cast<const unsigned char *>(der.data()),
                                  static_cast<int>(cut), &facts),
                  kDataOk);
    for (int i = 0; i < 2000; ++i)
        nested = std::string("\x30\x83") + static_cast<char>(nested.size() >> 16) +
                 static_cast<char>(nested.size() >> 8) + static_cast<char>(nested.size()) + nested;
    EXPECT_EQ(ReadCertificate(reinterpret_cast<const unsigned char *>(nested.data()),
                              static_cast<int>(nested.size()), &facts),
              kDerNotCertificate);

    // A boot log cut inside db's event keeps PK and KEK.
    std::string log = Data("boot-log-arch-linux.bin");
    Pc cut;
    cut.on = cut.kek = cut.db = cut.dbx = "-";
    cut.Facts();
    EXPECT_EQ(
        ReadBootLogVariables(reinterpret_cast<const unsigned char *>(log.data()), 6000, &cut.facts),
        kLogEventPastEnd);
    EXPECT_TRUE(cut.facts.variables[kVarKek].bytes != NULL &&
                cut.facts.variables[kVarDb].bytes == NULL);
    EXPECT_TRUE(Has(Written(&cut.facts, 0),
                    "  Boot log:          damaged: an event runs past the end of the log\r\n"));
}

TEST(SecureBoot, BootLogOfTheSha1FormWithAuthorities) {
    // SecureBoot on; db's Windows UEFI CA 2023 verified the boot manager (EFI_SIGNATURE_DATA),
    // twice, then a loader's own certificate (bare).
    std::string windows = std::string(16, 'o') + Data("certs/windows-uefi-ca-2023.der");
    std::string log = Field(0, 8) + std::string(20, '\0') + Field(0, 4) +
                      Event(0x80000001, "SecureBoot", "\x01") + Event(0x800000E0, "db", windows) +
                      Event(0x800000E0, "db", windows) +
                      Event(0x800000E0, "Shim", Data("certs/MicCorUEFCA2011_2011-06-27.der"));
    SecureBootFacts facts;
    ClearSecureBootFacts(&facts);
    EXPECT_EQ(ReadBootLogVariables(reinterpret_cast<const unsigned char *>(log.data()),
                                   static_cast<int>(log.size()), &facts),
              kDataOk);
    std::string json = Written(&facts, -1);
    EXPECT_TRUE(Has(json, "\"enabled\": true"));
    EXPECT_TRUE(Has(json, "\"boot_authorities\": [\n    \"Windows UEFI CA 2023\",\n    \"Windows "
                          "UEFI CA 2023\",\n    \"Microsoft Corporation UEFI CA 2011\"\n  ]"));
    EXPECT_TRUE(Has(Written(&facts, 1), "  Zustand:           ein\r\n"
                                        "  Boot-Manager:      Windows UEFI CA 2023\r\n"
                                        "                     Microsoft Corporation UEFI CA 2011"));
}
