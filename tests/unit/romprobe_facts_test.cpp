#include <gtest/gtest.h>

#include <string>

#include "command_line.h"
#include "json_writer.h"
#include "smbios_builder.h"
#include "string_keywords.h"
#include "summary_writer.h"

namespace {

const CalendarDate kToday = {2026, 12, 7};

void Append(void *context, const char *bytes, int count) {
    static_cast<std::string *>(context)->append(bytes, static_cast<size_t>(count));
}

const SecureBootFacts kNoSecureBoot = [] {
    SecureBootFacts facts;
    ClearSecureBootFacts(&facts);
    return facts;
}();

// Romprobe's JSON or summary (language 0 or 1) of a table in any form, without a ROM window.
std::string Facts(const std::string &bytes, int summaryLanguage = -1) {
    SmbiosTable table;
    SmbiosFromBytes(reinterpret_cast<const unsigned char *>(bytes.data()),
                    static_cast<int>(bytes.size()), &table);
    RomFacts rom;
    ReadRomFacts(NULL, 0, &rom);
    std::string text;
    Output out;
    OutputStart(&out, Append, &text);
    if (summaryLanguage < 0)
        WriteJson(&table, &rom, &kNoSecureBoot, kToday, &out);
    else
        WriteSummary(&table, &rom, &kNoSecureBoot, kToday, summaryLanguage, &out);
    OutputFlush(&out);
    return text;
}

bool Has(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

// Where the sample's BIOS and system structures end.
const size_t kBiosEnd = 61, kSystemEnd = 145;

TEST(RomprobeFacts, FieldsAtTheirEdges) {
    // A 2.5 table: the UUID in the byte order of its time (all 00 or all FF gives null), a ROM
    // of 2 GB through the extended size, revisions of 0xFF, strings with Windows-1252 and
    // control bytes, a two-digit year, an unknown chassis type and memory size.
    std::string uuid = std::string("\x00\x11\x22\x33", 4) + std::string(12, '\x44');
    std::string bios = Field(0, 2) + "\x01\x02" + Field(0xE000, 2) + "\x03\xFF" + Field(0, 8) +
                       std::string("\x00\x00\xFF\xFF\xFF\xFF", 6) + Field(0x4002, 2);
    std::string memory = Field(9, 2) + std::string(8, '\0') + Field(0xFFFF, 2) +
                         std::string("\x09\x00\x01\x00\x40", 5) + Field(0, 4);
    const std::string biosStructure =
        Structure(0, bios, {"Caf\xE9 \x80 \"q\" \\ \x01  ", "   ", "06/20/19"});
    std::string table = RsmbTable(
        biosStructure +
            Structure(1, Field(1, 2) + std::string("\x01\x00\x09\x00", 4) + uuid, {"Tolvo"}) +
            Structure(3, Field(2, 2) + std::string("\x00\x7F", 2), {}) +
            Structure(17, memory, {"DIMM 0"}) + EndStructure(),
        2, 5);
    std::string json = Facts(table);
    EXPECT_TRUE(Has(json, "\"vendor\": \"Caf\xC3\xA9 \xE2\x82\xAC \\\"q\\\" \\\\ \\u0001\""));
    EXPECT_TRUE(Has(json, "\"version\": \"\",\n")); // blanks only: empty, not null
    EXPECT_TRUE(Has(json, "\"release_date_iso\": \"2019-06-20\",\n    \"age_days\": 2727"));
    EXPECT_TRUE(Has(json, "\"rom_size_kb\": 2097152,\n    \"revision\": null,\n    "
                          "\"ec_revision\": null,\n    \"uefi\": false"));
    EXPECT_TRUE(Has(json, "\"product\": null,\n    \"version\": null,\n    \"serial\": null,\n"
                          "    \"sku\": null,\n    \"family\": null,\n"
                          "    \"uuid\": \"00112233-4444-4444-4444-444444444444\""));
    EXPECT_TRUE(Has(json, "\"type\": null\n  },\n  \"processors\": []"));
    EXPECT_TRUE(Has(json, "\"size_mb\": null,\n      \"type\": null,\n      \"speed_mts\": null"));
    EXPECT_TRUE(Has(json, "\"baseboard\": {\n    \"manufacturer\": null,"));
    EXPECT_TRUE(Has(json, "\"rom\": null,\n  \"secure_boot\": {"));
    table[8 + biosStructure.size() + 8] = '\xFF'; // the UUID's first byte: not all FF yet
    EXPECT_TRUE(Has(Facts(table), "\"uuid\": \"FF112233"));
    for (char fill : {'\x00', '\xFF'}) // all 00 or all FF: no UUID
        EXPECT_TRUE(
            Has(Facts(RsmbTable(Structure(1, Field(1, 6) + std::string(16, fill), {}), 2, 6)),
                "\"uuid\": null"));
    EXPECT_EQ(Facts(""), Facts(RsmbTable("", 0, 0)));
    EXPECT_TRUE(Has(Facts(""), "{\n  \"smbios_version\": null,\n  \"bios\": {\n"));
    EXPECT_TRUE(
        Has(Facts(RsmbTable(Structure(0, bios.substr(0, 8), {}), 2, 4)), "\"rom_size_kb\": 16384"));
}

TEST(RomprobeFacts, HostileTablesShowWhatCameBefore) {
    const std::string sample = SampleStructures();
    const std::string board = Structure(2, Field(2, 2) + "\x01", {"Tolvo"});
    std::string shortLength = board, longLength = board;
    shortLength[1] = 3;
    longLength[1] = '\x7F';
    for (const std::string &fault : {shortLength, longLength, board.substr(0, board.size() - 2),
                                     std::string("\x02\x05\x00\x00\x01Tol", 8)}) {
        std::string json = Facts(RsmbTable(sample.substr(0, kSystemEnd) + fault, 3, 2));
        EXPECT_TRUE(Has(json, "\"vendor\": \"Tolvo Firmware\"")) << json;
        EXPECT_TRUE(Has(json, "\"family\": \"Firmbox\""));
        EXPECT_TRUE(Has(json, "\"baseboard\": {\n    \"manufacturer\": null"));
    }
    // A table that claims more than it holds is cut to what is there.
    EXPECT_EQ(Facts(RsmbTable(sample, 3, 2, 0x7FFFFFFF)), Facts(RsmbTable(sample, 3, 2)));
    EXPECT_TRUE(Has(Facts(RsmbTable(sample.substr(0, kBiosEnd + 20), 3, 2)), "\"uuid\": null"));
    // A dump file whose entry point places the table past the file's end holds no table.
    std::string dump =
        "_SM3_" + std::string(7, '\0') + Field(0x10000, 4) + Field(0x1000, 8) + sample;
    EXPECT_TRUE(Has(Facts(dump), "\"smbios_version\": null"));
    dump.replace(0x10, 2, Field(24, 2));
    EXPECT_TRUE(Has(Facts(dump), "\"smbios_version\": null")); // version 0.0: no SMBIOS table
    EXPECT_TRUE(Has(Facts(dump.replace(7, 1, "\x03")), "\"smbios_version\": \"3.0\""));
    // Neither form: text, a first structure shorter than 4 bytes or running past the table, an
    // unknown version.
    std::string shortFirst = RsmbTable(board, 3, 2), longFirst = shortFirst;
    shortFirst[9] = 3;
    longFirst[9] = '\x7F';
    for (const std::string &table : {std::string("SMBIOS version 3.2, tables follow\n"), shortFirst,
                                     longFirst, RsmbTable(board, 4, 0)}) {
        SmbiosTable read;
        EXPECT_FALSE(SmbiosFromBytes(reinterpret_cast<const unsigned char *>(table.data()),
                                     static_cast<int>(table.size()), &read));
    }
}

TEST(RomprobeFacts, SummaryLeavesOutWhatIsAbsent) {
    // The system's strings end after the product.
    const std::string german =
        Facts(RsmbTable(SampleStructures().substr(0, kBiosEnd + 53), 3, 2), 1);
    EXPECT_EQ(german, "BIOS\r\n"
                      "  SMBIOS-Version:    3.2\r\n"
                      "  Hersteller:        Tolvo Firmware\r\n"
                      "  Version:           1.9.1\r\n"
                      "  Freigabedatum:     03/15/2011\r\n"
                      "  Alter:             5746 Tage\r\n"
                      "  ROM-Gr\xF6\xDF"
                      "e:         16384 KB\r\n"
                      "  BIOS-Revision:     5.17\r\n"
                      "  EC-Revision:       1.4\r\n"
                      "  UEFI:              ja\r\n"
                      "\r\n"
                      "System\r\n"
                      "  Hersteller:        Tolvo Ger\xE4tebau\r\n"
                      "  Produkt:           Firmbox 7\r\n"
                      "  UUID:              33221100-5544-7766-8899-AABBCCDDEEFF\r\n"
                      "\r\n"
                      "Secure Boot\r\n"
                      "  Nicht gelesen:     SecureBoot, PK, KEK, db, dbx\r\n");
    const std::string english = Facts(RsmbTable(SampleStructures(), 3, 2), 0);
    // Only the processor at work and the slots with a module, then what was left out; the
    // arrays before the slots, then TPM and OEM strings.
    EXPECT_TRUE(Has(english, "  Threads:           600\r\n\r\n  Other sockets:     1\r\n\r\n"
                             "Memory\r\n  Array location:    System Board Or Motherboard\r\n"));
    EXPECT_TRUE(Has(english, "  Max. capacity:     2048 GB\r\n  Slots:             4\r\n\r\n"
                             "  Locator:           DIMM A\r\n"));
    EXPECT_TRUE(Has(english, "  Speed:             3200 MT/s\r\n  Manufacturer:      Tolvo RAM\r\n"
                             "  Serial number:     0000A1B2\r\n  Part number:       TR4-32G\r\n\r\n"
                             "  Locator:           DIMM C\r\n"));
    EXPECT_TRUE(Has(english, "  Speed:             8400 MT/s\r\n\r\n  Empty slots:       1\r\n\r\n"
                             "TPM\r\n  Vendor ID:         IFX\r\n  TPM version:       2.0\r\n"
                             "  Firmware version:  7.85\r\n  Description:       TPM 2.0 Device\r\n"
                             "\r\nOEM strings\r\n  String 1:          Tolvo:FB7\r\n"
                             "  String 2:          build 42\r\n"));
    EXPECT_TRUE(Has(Facts(RsmbTable(SampleStructures(), 3, 2), 1),
                    "  Weitere Sockel:    1\r\n\r\nSpeicher\r\n"));
    EXPECT_FALSE(Has(english, "ROM\r\n"));
}

// What -s KEYWORD prints for a table.
std::string Values(const std::string &bytes, const std::string &keyword) {
    SmbiosTable table;
    SmbiosFromBytes(reinterpret_cast<const unsigned char *>(bytes.data()),
                    static_cast<int>(bytes.size()), &table);
    std::string text;
    Output out;
    OutputStart(&out, Append, &text);
    for (int i = 0; KeywordName(i) != NULL; ++i)
        if (keyword == KeywordName(i))
            WriteKeywordValues(&table, i, &out);
    OutputFlush(&out);
    return text;
}

// A processor: family byte, manufacturer, ID field, status byte and the 16-bit family.
std::string Cpu(int family, const char *maker, unsigned long long id, int status, int family2) {
    return Structure(4,
                     Field(4, 2) + "\x01\x03" + static_cast<char>(family) + "\x02" + Field(id, 8) +
                         std::string(8, '\0') + static_cast<char>(status),
                     {"S", maker}, 0x2A)
        .replace(0x28, 2, Field(family2, 2));
}

// The sample table's values are held against dmidecode -s under Wine; here what it does not
// show: missing strings and fields, placeholder UUIDs, shared family values.
TEST(RomprobeFacts, OneValueALineAsDmidecodeShowsIt) {
    // A string the table lacks is an empty line, a field the structure lacks no line at all.
    const std::string table = RsmbTable(
        Structure(0, Field(0, 2) + Field(1, 16) + "\x01\xFF", {"Tol\x01vo"}) +
            Structure(1, Field(1, 2) + Field(0x09000001, 20), {"M"}) +
            Structure(3, Field(3, 2) + Field(0x7E00, 2), {}) +
            Cpu(0xFE, "Tolvo", 0xBFEBFBFF000806ECull, 0x43, 0x101) + Cpu(0xBE, "AMD", 0, 0, 0) +
            Cpu(0xBE, "intel", 0, 0, 0) + Cpu(0xBE, "", 0, 0, 0),
        2, 7);
    EXPECT_EQ(Values(table, "bios-vendor") + Values(table, "bios-version"), "Tol.vo\r\n\r\n");
    EXPECT_EQ(Values(table, "system-serial-number") + Values(table, "system-sku-number"), "\r\n");
    EXPECT_EQ(Values(table, "bios-revision") + Values(table, "chassis-type"), "<OUT OF SPEC>\r\n");
    EXPECT_EQ(Values(table, "system-uuid"), "Not Settable\r\n");
    EXPECT_EQ(Values(table, "processor-id").substr(0, 18), "BFEBFBFF000806EC\r\n");
    EXPECT_EQ(Values(table, "processor-family"), "ARMv8\r\nK7\r\nCore 2\r\nCore 2 or K7\r\n");
    // The same facts in the JSON: ID, family, status; empty lists and no TPM.
    const std::string json = Facts(table);
    EXPECT_TRUE(Has(json, "\"id\": \"BFEBFBFF000806EC\",\n      \"family\": \"ARMv8\",\n"
                          "      \"populated\": true,\n      \"status\": \"Disabled By BIOS\""));
    EXPECT_TRUE(Has(json, "\"populated\": false,\n      \"status\": \"Unknown\""));
    EXPECT_TRUE(Has(json, "\"memory_arrays\": [],") && Has(json, "\"tpm\": null,\n"
                                                                 "  \"oem_strings\": [],"));
}

// What a command line gives: kind and print form as digits, the --smbios and --save-smbios files,
// the keyword's index; or the message for what was not understood.
std::string Parsed(std::vector<const char *> args) {
    args.insert(args.begin(), "Romprobe");
    Command c;
    ParseCommandLine(static_cast<int>(args.size()), const_cast<char **>(args.data()), &c);
    if (c.kind == kCommandWrong) {
        std::string message = WrongMessage(&c, 0);
        return "4: " + message.replace(message.find('%'), 1, c.wrongArgument);
    }
    return std::to_string(c.kind) + std::to_string(c.print) + " " +
           (c.smbiosFile ? c.smbiosFile : "-") + " " + (c.saveFile ? c.saveFile : "-") +
           (c.keyword >= 0 ? " " + std::to_string(c.keyword) : "");
}

TEST(RomprobeCommandLine, FormsAndMistakes) {
    // Kinds: 0 dates, 1 dump, 2 facts, 3 help, 4 wrong. Print: 0 summary, 1 JSON, 2 nothing.
    EXPECT_EQ(Parsed({}), "20 - -");
    EXPECT_EQ(Parsed({"--JSON", "--smbios", "a.bin"}), "21 a.bin -");
    EXPECT_EQ(Parsed({"--Save-Smbios", "b.bin"}), "22 - b.bin");
    EXPECT_EQ(Parsed({"--save-smbios", "b.bin", "--json"}), "21 - b.bin");
    EXPECT_EQ(Parsed({"XYBIOSXY"}).substr(0, 1), "0");
    EXPECT_EQ(Parsed({"xybioszz", "1", "2", "3"}).substr(0, 1), "1");
    EXPECT_EQ(Parsed({"--json", "/?"}).substr(0, 1), "3");
    EXPECT_EQ(Parsed({"-H"}).substr(0, 1), "3");
    for (std::vector<const char *> wrong : {std::vector<const char *>{"--smbios"},
                                            {"--smbios", "a", "--smbios", "b"},
                                            {"json"},
                                            {"--json", "xybiosxy"}})
        EXPECT_EQ(Parsed(wrong).substr(0, 1), "4") << wrong[0];
    EXPECT_EQ(Parsed({"-S", "Processor-ID", "--smbios", "a"}), "23 a - 26");
    EXPECT_EQ(Parsed({"--string", "bios-vendor", "--save-smbios", "b"}), "23 - b 0");
    EXPECT_EQ(Parsed({"-t", "17", "--version"}).substr(0, 1), "5");
    EXPECT_EQ(Parsed({"-t", "17", "/json"}), "4: unknown option: -t");
    EXPECT_EQ(Parsed({"--smbios=a"}), "4: unknown option: --smbios=a");
    EXPECT_EQ(Parsed({"--json", "-s"}), "4: missing value after -s");
    EXPECT_EQ(Parsed({"-s", "uuid"}), "4: unknown keyword: uuid");
    EXPECT_EQ(Parsed({"-s", "bios-vendor", "-s", "x"}), "4: given twice: -s");
    EXPECT_EQ(Parsed({"-s", "bios-vendor", "--json"}),
              "4: -s and --json exclude each other: --json");
}

} // namespace
