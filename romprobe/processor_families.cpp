// The names of the processor family values, in the words dmidecode shows.
#include "smbios_facts.h"
#include "text_helpers.h"

#include <stddef.h>

namespace {

// The values, in the order of their names below.
const unsigned short kFamilyValues[] = {
    0x001, 0x002, 0x003, 0x004, 0x005, 0x006, 0x007, 0x008, 0x009, 0x00A, 0x00B, 0x00C, 0x00D,
    0x00E, 0x00F, 0x010, 0x011, 0x012, 0x013, 0x014, 0x015, 0x018, 0x019, 0x01A, 0x01B, 0x01C,
    0x01D, 0x01E, 0x01F, 0x020, 0x021, 0x022, 0x023, 0x024, 0x025, 0x026, 0x027, 0x028, 0x029,
    0x02A, 0x02B, 0x02C, 0x02D, 0x02E, 0x02F, 0x030, 0x031, 0x032, 0x033, 0x034, 0x035, 0x036,
    0x037, 0x038, 0x039, 0x03A, 0x03B, 0x03C, 0x03D, 0x03E, 0x03F, 0x040, 0x041, 0x042, 0x043,
    0x044, 0x045, 0x046, 0x047, 0x048, 0x049, 0x04A, 0x04B, 0x04C, 0x04D, 0x04E, 0x04F, 0x050,
    0x051, 0x052, 0x053, 0x054, 0x055, 0x056, 0x057, 0x058, 0x060, 0x061, 0x062, 0x063, 0x064,
    0x065, 0x066, 0x067, 0x068, 0x069, 0x06A, 0x06B, 0x070, 0x078, 0x079, 0x07A, 0x080, 0x082,
    0x083, 0x084, 0x085, 0x086, 0x087, 0x088, 0x089, 0x08A, 0x08B, 0x08C, 0x08D, 0x08E, 0x08F,
    0x090, 0x091, 0x092, 0x093, 0x094, 0x095, 0x096, 0x0A0, 0x0A1, 0x0A2, 0x0A3, 0x0A4, 0x0A5,
    0x0A6, 0x0A7, 0x0A8, 0x0A9, 0x0AA, 0x0AB, 0x0AC, 0x0AD, 0x0AE, 0x0AF, 0x0B0, 0x0B1, 0x0B2,
    0x0B3, 0x0B4, 0x0B5, 0x0B6, 0x0B7, 0x0B8, 0x0B9, 0x0BA, 0x0BB, 0x0BC, 0x0BD, 0x0BE, 0x0BF,
    0x0C0, 0x0C1, 0x0C2, 0x0C3, 0x0C4, 0x0C5, 0x0C6, 0x0C7, 0x0C8, 0x0C9, 0x0CA, 0x0CB, 0x0CC,
    0x0CD, 0x0CE, 0x0CF, 0x0D2, 0x0D3, 0x0D4, 0x0D5, 0x0D6, 0x0D7, 0x0D8, 0x0D9, 0x0DA, 0x0DB,
    0x0DD, 0x0DE, 0x0DF, 0x0E0, 0x0E4, 0x0E5, 0x0E6, 0x0E7, 0x0E8, 0x0E9, 0x0EA, 0x0EB, 0x0EC,
    0x0ED, 0x0EE, 0x0EF, 0x0FA, 0x0FB, 0x100, 0x101, 0x104, 0x105, 0x118, 0x119, 0x12C, 0x12D,
    0x12E, 0x140, 0x15E, 0x1F4, 0x200, 0x201, 0x202};

// The names one after the other, each ending in its NUL.
const char kFamilyNames[] = "Other\0"
                            "Unknown\0"
                            "8086\0"
                            "80286\0"
                            "80386\0"
                            "80486\0"
                            "8087\0"
                            "80287\0"
                            "80387\0"
                            "80487\0"
                            "Pentium\0"
                            "Pentium Pro\0"
                            "Pentium II\0"
                            "Pentium MMX\0"
                            "Celeron\0"
                            "Pentium II Xeon\0"
                            "Pentium III\0"
                            "M1\0"
                            "M2\0"
                            "Celeron M\0"
                            "Pentium 4 HT\0"
                            "Duron\0"
                            "K5\0"
                            "K6\0"
                            "K6-2\0"
                            "K6-3\0"
                            "Athlon\0"
                            "AMD29000\0"
                            "K6-2+\0"
                            "Power PC\0"
                            "Power PC 601\0"
                            "Power PC 603\0"
                            "Power PC 603+\0"
                            "Power PC 604\0"
                            "Power PC 620\0"
                            "Power PC x704\0"
                            "Power PC 750\0"
                            "Core Duo\0"
                            "Core Duo Mobile\0"
                            "Core Solo Mobile\0"
                            "Atom\0"
                            "Core M\0"
                            "Core m3\0"
                            "Core m5\0"
                            "Core m7\0"
                            "Alpha\0"
                            "Alpha 21064\0"
                            "Alpha 21066\0"
                            "Alpha 21164\0"
                            "Alpha 21164PC\0"
                            "Alpha 21164a\0"
                            "Alpha 21264\0"
                            "Alpha 21364\0"
                            "Turion II Ultra Dual-Core Mobile M\0"
                            "Turion II Dual-Core Mobile M\0"
                            "Athlon II Dual-Core M\0"
                            "Opteron 6100\0"
                            "Opteron 4100\0"
                            "Opteron 6200\0"
                            "Opteron 4200\0"
                            "FX\0"
                            "MIPS\0"
                            "MIPS R4000\0"
                            "MIPS R4200\0"
                            "MIPS R4400\0"
                            "MIPS R4600\0"
                            "MIPS R10000\0"
                            "C-Series\0"
                            "E-Series\0"
                            "A-Series\0"
                            "G-Series\0"
                            "Z-Series\0"
                            "R-Series\0"
                            "Opteron 4300\0"
                            "Opteron 6300\0"
                            "Opteron 3300\0"
                            "FirePro\0"
                            "SPARC\0"
                            "SuperSPARC\0"
                            "MicroSPARC II\0"
                            "MicroSPARC IIep\0"
                            "UltraSPARC\0"
                            "UltraSPARC II\0"
                            "UltraSPARC IIi\0"
                            "UltraSPARC III\0"
                            "UltraSPARC IIIi\0"
                            "68040\0"
                            "68xxx\0"
                            "68000\0"
                            "68010\0"
                            "68020\0"
                            "68030\0"
                            "Athlon X4\0"
                            "Opteron X1000\0"
                            "Opteron X2000\0"
                            "Opteron A-Series\0"
                            "Opteron X3000\0"
                            "Zen\0"
                            "Hobbit\0"
                            "Crusoe TM5000\0"
                            "Crusoe TM3000\0"
                            "Efficeon TM8000\0"
                            "Weitek\0"
                            "Itanium\0"
                            "Athlon 64\0"
                            "Opteron\0"
                            "Sempron\0"
                            "Turion 64\0"
                            "Dual-Core Opteron\0"
                            "Athlon 64 X2\0"
                            "Turion 64 X2\0"
                            "Quad-Core Opteron\0"
                            "Third-Generation Opteron\0"
                            "Phenom FX\0"
                            "Phenom X4\0"
                            "Phenom X2\0"
                            "Athlon X2\0"
                            "PA-RISC\0"
                            "PA-RISC 8500\0"
                            "PA-RISC 8000\0"
                            "PA-RISC 7300LC\0"
                            "PA-RISC 7200\0"
                            "PA-RISC 7100LC\0"
                            "PA-RISC 7100\0"
                            "V30\0"
                            "Quad-Core Xeon 3200\0"
                            "Dual-Core Xeon 3000\0"
                            "Quad-Core Xeon 5300\0"
                            "Dual-Core Xeon 5100\0"
                            "Dual-Core Xeon 5000\0"
                            "Dual-Core Xeon LV\0"
                            "Dual-Core Xeon ULV\0"
                            "Dual-Core Xeon 7100\0"
                            "Quad-Core Xeon 5400\0"
                            "Quad-Core Xeon\0"
                            "Dual-Core Xeon 5200\0"
                            "Dual-Core Xeon 7200\0"
                            "Quad-Core Xeon 7300\0"
                            "Quad-Core Xeon 7400\0"
                            "Multi-Core Xeon 7400\0"
                            "Pentium III Xeon\0"
                            "Pentium III Speedstep\0"
                            "Pentium 4\0"
                            "Xeon\0"
                            "AS400\0"
                            "Xeon MP\0"
                            "Athlon XP\0"
                            "Athlon MP\0"
                            "Itanium 2\0"
                            "Pentium M\0"
                            "Celeron D\0"
                            "Pentium D\0"
                            "Pentium EE\0"
                            "Core Solo\0"
                            "Core 2\0"
                            "Core 2 Duo\0"
                            "Core 2 Solo\0"
                            "Core 2 Extreme\0"
                            "Core 2 Quad\0"
                            "Core 2 Extreme Mobile\0"
                            "Core 2 Duo Mobile\0"
                            "Core 2 Solo Mobile\0"
                            "Core i7\0"
                            "Dual-Core Celeron\0"
                            "IBM390\0"
                            "G4\0"
                            "G5\0"
                            "ESA/390 G6\0"
                            "z/Architecture\0"
                            "Core i5\0"
                            "Core i3\0"
                            "Core i9\0"
                            "C7-M\0"
                            "C7-D\0"
                            "C7\0"
                            "Eden\0"
                            "Multi-Core Xeon\0"
                            "Dual-Core Xeon 3xxx\0"
                            "Quad-Core Xeon 3xxx\0"
                            "Nano\0"
                            "Dual-Core Xeon 5xxx\0"
                            "Quad-Core Xeon 5xxx\0"
                            "Dual-Core Xeon 7xxx\0"
                            "Quad-Core Xeon 7xxx\0"
                            "Multi-Core Xeon 7xxx\0"
                            "Multi-Core Xeon 3400\0"
                            "Opteron 3000\0"
                            "Sempron II\0"
                            "Embedded Opteron Quad-Core\0"
                            "Phenom Triple-Core\0"
                            "Turion Ultra Dual-Core Mobile\0"
                            "Turion Dual-Core Mobile\0"
                            "Athlon Dual-Core\0"
                            "Sempron SI\0"
                            "Phenom II\0"
                            "Athlon II\0"
                            "Six-Core Opteron\0"
                            "Sempron M\0"
                            "i860\0"
                            "i960\0"
                            "ARMv7\0"
                            "ARMv8\0"
                            "SH-3\0"
                            "SH-4\0"
                            "ARM\0"
                            "StrongARM\0"
                            "6x86\0"
                            "MediaGX\0"
                            "MII\0"
                            "WinChip\0"
                            "DSP\0"
                            "Video Processor\0"
                            "RV32\0"
                            "RV64\0"
                            "RV128\0";

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
