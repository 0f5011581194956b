// SMBIOS tables for the tests: structures from their formatted bytes and strings, the form
// Windows' 'RSMB' provider hands out, and one sample machine that the unit tests and the
// dmidecode check both read.
#ifndef FIRMLOOK_TESTS_SMBIOS_BUILDER_H
#define FIRMLOOK_TESTS_SMBIOS_BUILDER_H

#include <string>
#include <vector>

// Little-endian fields of count bytes.
inline std::string Field(unsigned long long value, int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i, value >>= 8)
        bytes += static_cast<char>(value & 0xFF);
    return bytes;
}

// One structure: type, length, then formatted (from the handle on), its length padded with
// zero bytes to length - 2, and the strings.
inline std::string Structure(int type, const std::string &formatted,
                             const std::vector<std::string> &strings, int length = 0) {
    std::string body = formatted;
    if (length > 0)
        body.resize(static_cast<size_t>(length) - 2, '\0');
    std::string s =
        std::string(1, static_cast<char>(type)) + static_cast<char>(2 + body.size()) + body;
    for (const std::string &text : strings)
        s += text + '\0';
    s += strings.empty() ? std::string(2, '\0') : std::string(1, '\0');
    return s;
}

// The provider's form: calling method, version, DMI revision, the structures' length.
inline std::string RsmbTable(const std::string &structures, int major, int minor,
                             long long claimed = -1) {
    return std::string(1, '\0') + static_cast<char>(major) + static_cast<char>(minor) + '\0' +
           Field(claimed < 0 ? structures.size() : static_cast<unsigned long long>(claimed), 4) +
           structures;
}

inline std::string EndStructure() {
    return Structure(127, Field(0xFEFF, 2), {});
}

// A machine with everything Romprobe reports, in SMBIOS 3.2, with a TPM of the given major
// version (1: 1.2, else 2.0).
inline std::string SampleStructures(int tpmMajor = 2) {
    std::string bios = Field(0, 2) + "\x01\x02" + Field(0xE000, 2) + "\x03\xFF" +
                       Field(0x0B080, 8) + "\x03\x0C" + "\x05\x11\x01\x04" + Field(0x0010, 2);
    std::string system = Field(1, 2) + "\x01\x02\x03\x04" + Field(0x7766554433221100ull, 8) +
                         Field(0xFFEEDDCCBBAA9988ull, 8) + "\x06\x05\x06";
    std::string board = Field(2, 2) + "\x01\x02\x03\x04\x05\x09" + std::string(1, '\0') +
                        Field(3, 2) + "\x0A" + std::string(1, '\0');
    std::string chassis = Field(3, 2) + "\x01\x8A\x02\x03\x04\x03\x03\x03\x03" + Field(0, 4) +
                          std::string(1, '\0') + "\x01" + std::string(2, '\0');
    std::string cpu0 = Field(4, 2) + "\x01\x03\xC6\x02" + Field(0xBFEBFBFF000906EAull, 8) +
                       "\x03\x8B" + Field(100, 2) + Field(4800, 2) + Field(3600, 2) + "\x41\x01" +
                       Field(0xFFFFFFFFFFFFull, 6) + std::string(3, '\0') + "\xFF\xFF\xFF" +
                       Field(0xFC, 2) + Field(0xC6, 2) + Field(300, 2) + Field(300, 2) +
                       Field(600, 2);
    // An empty socket.
    std::string cpu1 = Field(5, 2) + "\x01\x03\xC6\x02" + Field(0, 8) + "\x03\x8B" + Field(100, 2) +
                       Field(0, 2) + Field(0, 2) + std::string("\x00\x01", 2) +
                       Field(0xFFFFFFFFFFFFull, 6) + std::string(3, '\0') + "\x08\x08\x10" +
                       Field(0x04, 2);
    // Manufacturer, serial and part number as strings 3, 4 and 5 when named, no asset tag.
    auto memory = [](int handle, unsigned size, int type, unsigned speed, bool named) {
        std::string m = Field(handle, 2) + Field(0x1000, 2) + Field(0xFFFE, 2) + Field(72, 2) +
                        Field(64, 2) + Field(size, 2) + "\x09" + std::string(1, '\0') + "\x01\x02" +
                        static_cast<char>(type) + Field(0x80, 2) + Field(speed, 2);
        m += named ? std::string("\x03\x04\x00\x05", 4) : std::string(4, '\0');
        return m + "\x02" + Field(32768, 4) + Field(speed, 2);
    };
    std::string dimmC = memory(0x12, 0x8200, 0x22, 0xFFFF, false);
    dimmC.resize(0x54 - 2, '\0');
    dimmC += Field(8400, 4) + Field(8400, 4);
    return Structure(0, bios, {"Tolvo Firmware", "1.9.1  ", "03/15/2011"}) +
           Structure(
               1, system,
               {"Tolvo Ger\xE4tebau", "Firmbox 7", "Rev. B", "SN-0042", "FB7-DE", "Firmbox"}) +
           Structure(2, board, {"Tolvo", "FB7-MB", "1.02", "MB-7781", "Board Tag"}) +
           Structure(3, chassis, {"Tolvo", "C1", "CH-1234", "Asset 5"}) +
           Structure(4, cpu0, {"CPU0", "GenuineTolvo", "Tolvo Core X 3.60GHz"}) +
           Structure(4, cpu1, {"CPU1", "GenuineTolvo", "Tolvo Core S"}) +
           Structure(11, Field(6, 2) + "\x02", {"Tolvo:FB7", "build 42"}) +
           // Capacity in the extended field (2 TB), 4 slots, system memory with single-bit ECC.
           Structure(16,
                     Field(7, 2) + "\x03\x03\x05" + Field(0x80000000, 4) + Field(0xFFFE, 2) +
                         Field(4, 2) + Field(2ull << 40, 8),
                     {}) +
           Structure(17, memory(0x10, 0x7FFF, 0x1A, 3200, true),
                     {"DIMM A", "BANK 0", "Tolvo RAM", "0000A1B2", "TR4-32G  "}) +
           Structure(17, memory(0x11, 0, 0x02, 0, false), {"DIMM B", "BANK 1"}) +
           Structure(17, dimmC, {"DIMM C", "BANK 2"}) +
           Structure(43,
                     Field(8, 2) + (tpmMajor == 1 ? std::string("ATML") : std::string("IFX\0", 4)) +
                         (tpmMajor == 1 ? "\x01\x02" + Field(0x0D0C0201, 4) + Field(0, 4)
                                        : std::string("\x02\x00", 2) + Field(0x00070055, 4) +
                                              Field(0x0012ABCD, 4)) +
                         "\x01" + Field(0x1C, 8) + Field(0, 4),
                     {tpmMajor == 1 ? "TPM 1.2 Device" : "TPM 2.0 Device"}) +
           EndStructure();
}

#endif
