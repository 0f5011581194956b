#include <gtest/gtest.h>

#include <string>

#include "command_line.h"
#include "json_writer.h"
#include "smbios_builder.h"
#include "summary_writer.h"

namespace {

const CalendarDate kToday = {2026, 12, 7};

void Append(void *context, const char *bytes, int count) {
    static_cast<std::string *>(context)->append(bytes, static_cast<size_t>(count));
}

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
        WriteJson(&table, &rom, kToday, &out);
    else
        WriteSummary(&table, &rom, kToday, summaryLanguage, &out);
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
    EXPECT_TRUE(Has(json, "\"rom\": null\n}\n"));
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
    EXPECT_TRUE(Has(Facts(dump.replace(0x10, 2, Field(24, 2))), "\"smbios_version\": \"0.0\""));
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
                      "  UUID:              33221100-5544-7766-8899-AABBCCDDEEFF\r\n");
    const std::string english = Facts(RsmbTable(SampleStructures(), 3, 2), 0);
    EXPECT_TRUE(Has(english, "  Threads:           600\r\n\r\n  Socket:            CPU1\r\n"
                             "  Manufacturer:      GenuineTolvo\r\n"
                             "  Version:           Tolvo Core S\r\n  Cores:"));
    EXPECT_TRUE(Has(english, "  Size:              no module\r\n  Type:              Unknown\r\n"
                             "\r\n  Locator:           DIMM C\r\n  Bank:              BANK 2\r\n"
                             "  Size:              512 KB\r\n"));
    EXPECT_FALSE(Has(english, "ROM\r\n"));
}

// What a command line gives: kind and print form as digits, the --smbios and --save-smbios files.
std::string Parsed(std::vector<const char *> args) {
    args.insert(args.begin(), "Romprobe");
    Command c;
    ParseCommandLine(static_cast<int>(args.size()), const_cast<char **>(args.data()), &c);
    return std::to_string(c.kind) + std::to_string(c.print) + " " +
           (c.smbiosFile ? c.smbiosFile : "-") + " " + (c.saveFile ? c.saveFile : "-");
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
}

} // namespace
