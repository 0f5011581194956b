// The names of the processor family values, in the words dmidecode shows.
#include "smbios_facts.h"
#include "text_helpers.h"

#include <stddef.h>

namespace {

// Each value beside its name. The table is spelled out twice from this one list, as the
// values and as the names one after the other, each ending in its NUL: no name can slip to
// another value, and the names take no pointer each.
#define PROCESSOR_FAMILIES(X)                                                                      \
    X(0x001, "Other")                                                                              \
    X(0x002, "Unknown")                                                                            \
    X(0x003, "8086")                                                                               \
    X(0x004, "80286")                                                                              \
    X(0x005, "80386")                                                                              \
    X(0x006, "80486")                                                                              \
    X(0x007, "8087")                                                                               \
    X(0x008, "80287")                                                                              \
    X(0x009, "80387")                                                                              \
    X(0x00A, "80487")                                                                              \
    X(0x00B, "Pentium")                                                                            \
    X(0x00C, "Pentium Pro")                                                                        \
    X(0x00D, "Pentium II")                                                                         \
    X(0x00E, "Pentium MMX")                                                                        \
    X(0x00F, "Celeron")                                                                            \
    X(0x010, "Pentium II Xeon")                                                                    \
    X(0x011, "Pentium III")                                                                        \
    X(0x012, "M1")                                                                                 \
    X(0x013, "M2")                                                                                 \
    X(0x014, "Celeron M")                                                                          \
    X(0x015, "Pentium 4 HT")                                                                       \
    X(0x018, "Duron")                                                                              \
    X(0x019, "K5")                                                                                 \
    X(0x01A, "K6")                                                                                 \
    X(0x01B, "K6-2")                                                                               \
    X(0x01C, "K6-3")                                                                               \
    X(0x01D, "Athlon")                                                                             \
    X(0x01E, "AMD29000")                                                                           \
    X(0x01F, "K6-2+")                                                                              \
    X(0x020, "Power PC")                                                                           \
    X(0x021, "Power PC 601")                                                                       \
    X(0x022, "Power PC 603")                                                                       \
    X(0x023, "Power PC 603+")                                                                      \
    X(0x024, "Power PC 604")                                                                       \
    X(0x025, "Power PC 620")                                                                       \
    X(0x026, "Power PC x704")                                                                      \
    X(0x027, "Power PC 750")                                                                       \
    X(0x028, "Core Duo")                                                                           \
    X(0x029, "Core Duo Mobile")                                                                    \
    X(0x02A, "Core Solo Mobile")                                                                   \
    X(0x02B, "Atom")                                                                               \
    X(0x02C, "Core M")                                                                             \
    X(0x02D, "Core m3")                                                                            \
    X(0x02E, "Core m5")                                                                            \
    X(0x02F, "Core m7")                                                                            \
    X(0x030, "Alpha")                                                                              \
    X(0x031, "Alpha 21064")                                                                        \
    X(0x032, "Alpha 21066")                                                                        \
    X(0x033, "Alpha 21164")                                                                        \
    X(0x034, "Alpha 21164PC")                                                                      \
    X(0x035, "Alpha 21164a")                                                                       \
    X(0x036, "Alpha 21264")                                                                        \
    X(0x037, "Alpha 21364")                                                                        \
    X(0x038, "Turion II Ultra Dual-Core Mobile M")                                                 \
    X(0x039, "Turion II Dual-Core Mobile M")                                                       \
    X(0x03A, "Athlon II Dual-Core M")                                                              \
    X(0x03B, "Opteron 6100")                                                                       \
    X(0x03C, "Opteron 4100")                                                                       \
    X(0x03D, "Opteron 6200")                                                                       \
    X(0x03E, "Opteron 4200")                                                                       \
    X(0x03F, "FX")                                                                                 \
    X(0x040, "MIPS")                                                                               \
    X(0x041, "MIPS R4000")                                                                         \
    X(0x042, "MIPS R4200")                                                                         \
    X(0x043, "MIPS R4400")                                                                         \
    X(0x044, "MIPS R4600")                                                                         \
    X(0x045, "MIPS R10000")                                                                        \
    X(0x046, "C-Series")                                                                           \
    X(0x047, "E-Series")                                                                           \
    X(0x048, "A-Series")                                                                           \
    X(0x049, "G-Series")                                                                           \
    X(0x04A, "Z-Series")                                                                           \
    X(0x04B, "R-Series")                                                                           \
    X(0x04C, "Opteron 4300")                                                                       \
    X(0x04D, "Opteron 6300")                                                                       \
    X(0x04E, "Opteron 3300")                                                                       \
    X(0x04F, "FirePro")                                                                            \
    X(0x050, "SPARC")                                                                              \
    X(0x051, "SuperSPARC")                                                                         \
    X(0x052, "MicroSPARC II")                                                                      \
    X(0x053, "MicroSPARC IIep")                                                                    \
    X(0x054, "UltraSPARC")                                                                         \
    X(0x055, "UltraSPARC II")                                                                      \
    X(0x056, "UltraSPARC IIi")                                                                     \
    X(0x057, "UltraSPARC III")                                                                     \
    X(0x058, "UltraSPARC IIIi")                                                                    \
    X(0x060, "68040")                                                                              \
    X(0x061, "68xxx")                                                                              \
    X(0x062, "68000")                                                                              \
    X(0x063, "68010")                                                                              \
    X(0x064, "68020")                                                                              \
    X(0x065, "68030")                                                                              \
    X(0x066, "Athlon X4")                                                                          \
    X(0x067, "Opteron X1000")                                                                      \
    X(0x068, "Opteron X2000")                                                                      \
    X(0x069, "Opteron A-Series")                                                                   \
    X(0x06A, "Opteron X3000")                                                                      \
    X(0x06B, "Zen")                                                                                \
    X(0x070, "Hobbit")                                                                             \
    X(0x078, "Crusoe TM5000")                                                                      \
    X(0x079, "Crusoe TM3000")                                                                      \
    X(0x07A, "Efficeon TM8000")                                                                    \
    X(0x080, "Weitek")                                                                             \
    X(0x082, "Itanium")                                                                            \
    X(0x083, "Athlon 64")                                                                          \
    X(0x084, "Opteron")                                                                            \
    X(0x085, "Sempron")                                                                            \
    X(0x086, "Turion 64")                                                                          \
    X(0x087, "Dual-Core Opteron")                                                                  \
    X(0x088, "Athlon 64 X2")                                                                       \
    X(0x089, "Turion 64 X2")                                                                       \
    X(0x08A, "Quad-Core Opteron")                                                                  \
    X(0x08B, "Third-Generation Opteron")                                                           \
    X(0x08C, "Phenom FX")                                                                          \
    X(0x08D, "Phenom X4")                                                                          \
    X(0x08E, "Phenom X2")                                                                          \
    X(0x08F, "Athlon X2")                                                                          \
    X(0x090, "PA-RISC")                                                                            \
    X(0x091, "PA-RISC 8500")                                                                       \
    X(0x092, "PA-RISC 8000")                                                                       \
    X(0x093, "PA-RISC 7300LC")                                                                     \
    X(0x094, "PA-RISC 7200")                                                                       \
    X(0x095, "PA-RISC 7100LC")                                                                     \
    X(0x096, "PA-RISC 7100")                                                                       \
    X(0x0A0, "V30")                                                                                \
    X(0x0A1, "Quad-Core Xeon 3200")                                                                \
    X(0x0A2, "Dual-Core Xeon 3000")                                                                \
    X(0x0A3, "Quad-Core Xeon 5300")                                                                \
    X(0x0A4, "Dual-Core Xeon 5100")                                                                \
    X(0x0A5, "Dual-Core Xeon 5000")                                                                \
    X(0x0A6, "Dual-Core Xeon LV")                                                                  \
    X(0x0A7, "Dual-Core Xeon ULV")                                                                 \
    X(0x0A8, "Dual-Core Xeon 7100")                                                                \
    X(0x0A9, "Quad-Core Xeon 5400")                                                                \
    X(0x0AA, "Quad-Core Xeon")                                                                     \
    X(0x0AB, "Dual-Core Xeon 5200")                                                                \
    X(0x0AC, "Dual-Core Xeon 7200")                                                                \
    X(0x0AD, "Quad-Core Xeon 7300")                                                                \
    X(0x0AE, "Quad-Core Xeon 7400")                                                                \
    X(0x0AF, "Multi-Core Xeon 7400")                                                               \
    X(0x0B0, "Pentium III Xeon")                                                                   \
    X(0x0B1, "Pentium III Speedstep")                                                              \
    X(0x0B2, "Pentium 4")                                                                          \
    X(0x0B3, "Xeon")                                                                               \
    X(0x0B4, "AS400")                                                                              \
    X(0x0B5, "Xeon MP")                                                                            \
    X(0x0B6, "Athlon XP")                                                                          \
    X(0x0B7, "Athlon MP")                                                                          \
    X(0x0B8, "Itanium 2")                                                                          \
    X(0x0B9, "Pentium M")                                                                          \
    X(0x0BA, "Celeron D")                                                                          \
    X(0x0BB, "Pentium D")                                                                          \
    X(0x0BC, "Pentium EE")                                                                         \
    X(0x0BD, "Core Solo")                                                                          \
    X(0x0BE, "Core 2")                                                                             \
    X(0x0BF, "Core 2 Duo")                                                                         \
    X(0x0C0, "Core 2 Solo")                                                                        \
    X(0x0C1, "Core 2 Extreme")                                                                     \
    X(0x0C2, "Core 2 Quad")                                                                        \
    X(0x0C3, "Core 2 Extreme Mobile")                                                              \
    X(0x0C4, "Core 2 Duo Mobile")                                                                  \
    X(0x0C5, "Core 2 Solo Mobile")                                                                 \
    X(0x0C6, "Core i7")                                                                            \
    X(0x0C7, "Dual-Core Celeron")                                                                  \
    X(0x0C8, "IBM390")                                                                             \
    X(0x0C9, "G4")                                                                                 \
    X(0x0CA, "G5")                                                                                 \
    X(0x0CB, "ESA/390 G6")                                                                         \
    X(0x0CC, "z/Architecture")                                                                     \
    X(0x0CD, "Core i5")                                                                            \
    X(0x0CE, "Core i3")                                                                            \
    X(0x0CF, "Core i9")                                                                            \
    X(0x0D2, "C7-M")                                                                               \
    X(0x0D3, "C7-D")                                                                               \
    X(0x0D4, "C7")                                                                                 \
    X(0x0D5, "Eden")                                                                               \
    X(0x0D6, "Multi-Core Xeon")                                                                    \
    X(0x0D7, "Dual-Core Xeon 3xxx")                                                                \
    X(0x0D8, "Quad-Core Xeon 3xxx")                                                                \
    X(0x0D9, "Nano")                                                                               \
    X(0x0DA, "Dual-Core Xeon 5xxx")                                                                \
    X(0x0DB, "Quad-Core Xeon 5xxx")                                                                \
    X(0x0DD, "Dual-Core Xeon 7xxx")                                                                \
    X(0x0DE, "Quad-Core Xeon 7xxx")                                                                \
    X(0x0DF, "Multi-Core Xeon 7xxx")                                                               \
    X(0x0E0, "Multi-Core Xeon 3400")                                                               \
    X(0x0E4, "Opteron 3000")                                                                       \
    X(0x0E5, "Sempron II")                                                                         \
    X(0x0E6, "Embedded Opteron Quad-Core")                                                         \
    X(0x0E7, "Phenom Triple-Core")                                                                 \
    X(0x0E8, "Turion Ultra Dual-Core Mobile")                                                      \
    X(0x0E9, "Turion Dual-Core Mobile")                                                            \
    X(0x0EA, "Athlon Dual-Core")                                                                   \
    X(0x0EB, "Sempron SI")                                                                         \
    X(0x0EC, "Phenom II")                                                                          \
    X(0x0ED, "Athlon II")                                                                          \
    X(0x0EE, "Six-Core Opteron")                                                                   \
    X(0x0EF, "Sempron M")                                                                          \
    X(0x0FA, "i860")                                                                               \
    X(0x0FB, "i960")                                                                               \
    X(0x100, "ARMv7")                                                                              \
    X(0x101, "ARMv8")                                                                              \
    X(0x104, "SH-3")                                                                               \
    X(0x105, "SH-4")                                                                               \
    X(0x118, "ARM")                                                                                \
    X(0x119, "StrongARM")                                                                          \
    X(0x12C, "6x86")                                                                               \
    X(0x12D, "MediaGX")                                                                            \
    X(0x12E, "MII")                                                                                \
    X(0x140, "WinChip")                                                                            \
    X(0x15E, "DSP")                                                                                \
    X(0x1F4, "Video Processor")                                                                    \
    X(0x200, "RV32")                                                                               \
    X(0x201, "RV64")                                                                               \
    X(0x202, "RV128")

#define FAMILY_VALUE(value, name) value,
#define FAMILY_NAME(value, name) name "\0"
const unsigned short kFamilyValues[] = {PROCESSOR_FAMILIES(FAMILY_VALUE)};
const char kFamilyNames[] = PROCESSOR_FAMILIES(FAMILY_NAME);
#undef FAMILY_VALUE
#undef FAMILY_NAME
#undef PROCESSOR_FAMILIES

// Whether the text holds word, letters compared without case.
bool Holds(SmbiosText text, const char *word) {
    for (int at = 0; text.bytes != NULL && at < text.length; ++at) {
        int i = 0;
        for (; word[i] != '\0' && at + i < text.length; ++i)
            if (LowerAscii(static_cast<char>(text.bytes[at + i])) != LowerAscii(word[i]))
                break;
        if (word[i] == '\0')
            return true;
    }
    return false;
}

} // namespace

const char *ProcessorFamilyName(long long value, SmbiosText manufacturer,
                                const SmbiosTable *table) {
    if (value == 0xBE)
        return Holds(manufacturer, "intel") ? "Core 2"
               : Holds(manufacturer, "amd") ? "K7"
                                            : "Core 2 or K7";
    if (value == 0x30 && table->major == 2 && table->minor == 0 && Holds(manufacturer, "intel"))
        return "Pentium Pro";
    const char *name = kFamilyNames;
    for (size_t i = 0; i < sizeof kFamilyValues / sizeof *kFamilyValues; ++i) {
        if (kFamilyValues[i] == value)
            return name;
        while (*name++ != '\0') {
        }
    }
    return NULL;
}
