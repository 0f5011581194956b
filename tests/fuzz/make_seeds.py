#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into tests/fuzz/corpus/<target>/.

The seeds are the realistic inputs of the unit tests, laid out as each target reads its input
(the header described at the top of its source, then the text or file bytes). Inputs that once
found a fault are kept in the same folders under names starting with "regression-"; this script
leaves those alone.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ENGLISH, GERMAN = 0, 1
ROOM, NEAR_LIMIT = 0, 0x8000  # report fill: empty, or exactly at the limit


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def dates(name, text, layout=0, today=(2011, 3, 20), language=ENGLISH, fill=ROOM, arrow=0,
          calendar=(17, 11, 1858)):
    day, month, year = calendar
    header = struct.pack("<HHHBBHBBBH", *today, layout, language, fill, arrow, day - 1,
                         month - 1, max(year - 1583, 0))
    write("dates_fuzz", name, header + text)


def firmware(name, data, size=None, single=1, strings=0, state=1, language=ENGLISH, fill=ROOM):
    header = struct.pack("<BBBBHHHHI", single, strings, state, language, fill, 2011, 3, 20,
                         len(data) if size is None else size)
    write("firmware_text_fuzz", name, header + data)


def rom(name, data, language=ENGLISH, fill=ROOM, command=(0, 0, 1)):
    header = struct.pack("<BHHHHIIIB", language, fill, 2011, 3, 20, *command, 255)
    write("rom_text_fuzz", name, header + data)


def system(name, facts, service_pack=b"", memory=(37, 2047, 1290, 4094, 2800, 2047, 1990),
           exports=7, seconds=90061, tick=172800000, start=172500, language=ENGLISH, fill=ROOM):
    query_count, major, minor, build, platform, product_type, product_code, wow64 = facts
    header = struct.pack("<BiiiiIBIi7IiiiIIiBBH", language, query_count, major, minor, build,
                         platform, product_type, product_code, wow64, *memory, exports, 2, 2933,
                         tick, start, seconds, 0, 0, fill)
    texts = [service_pack, b"03/15/11", b"Anna", b"WORKSTATION-7", b"PDF,winspool,Ne00:"]
    write("system_text_fuzz", name, header + b"".join(bytes([len(t)]) + t for t in texts))


dates("short-english", b"03/15/11")
dates("short-german", b"03/17/11", language=GERMAN)
dates("first-of-month", b"01/01/11", calendar=(31, 12, 2010))
dates("future-2079", b"06/01/79", today=(2026, 12, 7), language=GERMAN)
dates("invalid-month", b"13/15/11", calendar=(28, 2, 2011))
dates("no-leap-day", b"02/29/11", calendar=(29, 2, 2012))
dates("not-numeric", b"xx/yy/zz")
dates("cut-short", b"12/2", arrow=1)
dates("year-month-day", b"2010-12-24", layout=1, today=(2010, 12, 31), arrow=2)
dates("month-day-year-long", b"12/24/2010", layout=2, today=(2010, 12, 31), arrow=2)
dates("year-1600", b"03/01/1600", layout=2, calendar=(1, 3, 1600))
dates("year-1582", b"03/01/1582", layout=2, calendar=(31, 12, 1582))
dates("signs-and-blanks", b" -7/+3/ 09", fill=NEAR_LIMIT)
dates("long-digit-run", b"000000000004294967297")

firmware("identifier", b"AT compatible", single=0, state=1)
firmware("bios-date", b"03/15/11")
firmware("bios-date-german", b"03/15/11", single=2, language=GERMAN, fill=NEAR_LIMIT)
firmware("ten-character-date", b"03/15/2011")
firmware("unterminated-date", b"03/15/11", size=8)
firmware("inner-nul", b"03/1\0/11", size=9, single=2)
firmware("not-available", b"", state=0)
firmware("oversized", b"", state=2)
firmware("multi-string", b"ABC\0DEF\0\0", strings=0)
firmware("plain-string", b"Award BIOS v6.0\0", strings=1)
firmware("trailing-bytes", b"A\0BC", strings=1)
firmware("empty-string-ends", b"A\0\0B\0", strings=0)
firmware("longest-value", b"V" * 498 + b"\0", strings=0, fill=NEAR_LIMIT)


def probe_file(system_date, marker, video_date):
    return system_date + b" " + marker + b" " + video_date


rom("marker-minus", probe_file(b"03/15/11", b"-", b"2010-12-24"))
rom("marker-plus-german", probe_file(b"03/15/11", b"+", b"12/24/2010"), language=GERMAN)
rom("marker-other", probe_file(b"03/15/11", b"x", b"12/24/10  "))
rom("system-line-only", b"03/15/11 - 2010-1")
rom("zero-in-date", b"03/1\0/11 x 12/24/10", fill=NEAR_LIMIT)
rom("long-record", probe_file(b"03/15/11", b"-", b"2010-12-24") + b"z" * 79)
rom("dump-two-lines", b"AB\r\nCD\r\n", command=(9, 8, 9))


def hex_dump(segment, step, size):
    lines, address = [], 0
    width = (step + 1) * 8
    while sum(len(line) for line in lines) < size:
        data = bytes((address + i) * 7 & 0xFF for i in range(width))
        hexes = " ".join("%02X" % b for b in data)
        chars = "".join(chr(b) if 32 <= b < 127 else "." for b in data)
        lines.append(("%04X:%04X  %s  %s\r\n" % (segment, address, hexes, chars)).encode())
        address += width
    return b"".join(lines)


rom("dump-past-limit", hex_dump(0xF000, 1, 32100), command=(6, 0, 1))

system("xp-sp3", (1, 5, 1, 2600, 2, 1, 0, 0), b"Service Pack 3")
system("95-osr2", (1, 4, 0, 1111, 1, 0, 0, 0), b" B", seconds=59, language=GERMAN)
system("98-second-edition", (1, 4, 10, 2222, 1, 0, 0, 0), exports=0,
       memory=(50, 3221225472, 1073741823, 0xFFFFFFFF, 0, 2147483648, 1))
system("seven-professional", (2, 6, 1, 7601, 2, 1, 48, 1), b"Service Pack 1", seconds=180122)
system("vista-home-premium-n", (2, 6, 0, 6002, 2, 1, 26, 0), language=GERMAN, fill=NEAR_LIMIT)
system("server-2003", (2, 5, 2, 3790, 2, 3, 0, 0), b"Service Pack 2", seconds=-100)
system("xp-x64-wow64", (2, 5, 2, 3790, 2, 1, 0, 1), b"Service Pack 2", tick=1000, start=1)
system("query-failed", (0, 0, 0, 0, 0, 0, 0, 0), seconds=3600)
system("longest-name", (2, 6, 1, 7601, 2, 3, 28, 1), b"S" * 127)


def smbios_structure(kind, formatted, strings):
    strings_part = b"".join(s + b"\0" for s in strings) + b"\0" if strings else b"\0\0"
    return bytes([kind, 2 + len(formatted)]) + formatted + strings_part


def bios_information(date_index, strings):
    formatted = b"\x00\x00\x01\x02\x00\xE0" + bytes([date_index]) + b"\x01" + b"\0" * 8
    return smbios_structure(0, formatted, strings)


def raw_smbios(structures, claimed=None):
    length = len(structures) if claimed is None else claimed
    header = struct.pack("<BBBBI", 0, 3, 4, 0, length)
    return header + structures


SMBIOS_END = smbios_structure(127, b"\x7F\x7F", [])
SMBIOS_SYSTEM = smbios_structure(1, b"\x01" * 6 + b"\0", [b"Maker"])
BIOS = bios_information(3, [b"Tolvo", b"1.9.1", b"03/15/2011"])
write("smbios_fuzz", "four-digit-year", raw_smbios(BIOS + SMBIOS_SYSTEM + SMBIOS_END))
write("smbios_fuzz", "two-digit-year-later",
      raw_smbios(SMBIOS_SYSTEM + bios_information(1, [b"06/20/19"]) + SMBIOS_END))
write("smbios_fuzz", "no-end-structure", raw_smbios(BIOS))
write("smbios_fuzz", "other-form", raw_smbios(bios_information(1, [b"2011-03-15"]) + SMBIOS_END))
write("smbios_fuzz", "length-past-data", raw_smbios(BIOS + SMBIOS_END, claimed=4096))
write("smbios_fuzz", "string-number-past-strings",
      raw_smbios(bios_information(4, [b"Tolvo", b"1.9.1", b"03/15/2011"])))
write("smbios_fuzz", "after-end-structure", raw_smbios(SMBIOS_END + BIOS))


def smbios_dump(structures, count, major, minor):
    """A dump file: the entry point for the version, with checksums, and the table at 32."""
    def fix(entry, at, start=0):
        return entry[:at] + bytes([-sum(entry[start:]) & 0xFF]) + entry[at + 1:]
    if major >= 3:
        entry = fix(b"_SM3_\0\x18" + bytes([major, minor, 0, 1, 0])
                    + struct.pack("<IQ", len(structures), 32), 5)
    else:
        dmi = fix(b"_DMI_\0" + struct.pack("<HIHB", len(structures), 32, count, major << 4 | minor),
                  5)
        entry = fix(b"_SM_\0\x1F" + bytes([major, minor]) + b"\xFF\0" + b"\0" * 6 + dmi, 4)
    return entry.ljust(32, b"\0") + structures


# A whole machine: BIOS with the extended ROM size, system with UUID, board, chassis, a
# processor with the counts of SMBIOS 3.0, memory devices sized in MB, KB and the extended field.
MACHINE = (
    smbios_structure(0, b"\0\0\x01\x02\0\xE0\x03\xFF" + b"\x80" * 8 + b"\x03\x0C\x05\x11\x01\x04"
                     + struct.pack("<H", 0x4010), [b"Tolvo", b"1.9.1  ", b"03/15/2011"])
    + smbios_structure(1, b"\1\0\x01\x02\x03\x04" + bytes(range(16)) + b"\x06\x05\x06",
                       [b"Tolvo Ger\xE4tebau", b"Box", b"B", b"SN\x01", b"SKU", b"Fam"])
    + smbios_structure(2, b"\2\0\x01\x02\x00\x00\x03\x09\0\3\0\x0A\0", [b"Tolvo", b"MB", b"T"])
    + smbios_structure(3, b"\3\0\x01\x8A\0\0\0" + b"\3" * 4 + b"\0" * 8, [b"Tolvo"])
    + smbios_structure(4, b"\4\0\x01\x03\xC6\x02" + b"\0" * 8 + b"\x03\x8B"
                       + struct.pack("<HHH", 100, 4800, 3600) + b"\x41\x01" + b"\xFF" * 6
                       + b"\0\0\0\xFF\xFF\xFF" + struct.pack("<HHHHH", 0xFC, 0xC6, 300, 300, 600),
                       [b"CPU0", b"Tolvo", b"Core X"])
    + b"".join(smbios_structure(17, struct.pack("<HHHHHH", 16 + i, 0x1000, 0xFFFE, 72, 64, size)
                                + b"\x09\0\x01\x02\x1A\x80\0" + struct.pack("<H", 3200)
                                + b"\x03\x04\0\x05\x02" + struct.pack("<IH", 32768, 3200),
                                [b"DIMM", b"BANK", b"Tolvo", b"0001", b"PART  "])
               for i, size in enumerate([0x7FFF, 0x8200, 0, 0xFFFF, 8192]))
    + SMBIOS_END)
write("smbios_fuzz", "machine-provider-form", raw_smbios(MACHINE))
write("smbios_fuzz", "machine-dump-2", smbios_dump(MACHINE, 11, 2, 8))
write("smbios_fuzz", "machine-dump-3", smbios_dump(MACHINE, 11, 3, 2))
# OEM strings, a memory array with the extended capacity, a TPM 2.0 and a disabled processor.
write("smbios_fuzz", "oem-array-tpm", raw_smbios(
    smbios_structure(11, b"\1\0\x03", [b"OEM 1", b"OEM 2"])
    + smbios_structure(16, b"\2\0\x03\x03\x05" + struct.pack("<IHHQ", 0x80000000, 0xFFFE, 4, 2 << 40), [])
    + smbios_structure(43, b"\3\0IFX\0\x02\0" + struct.pack("<IIBQI", 0x70055, 0, 1, 0x1C, 0), [b"TPM"])
    + smbios_structure(4, b"\4\0\x01\x03\xFE\x02" + bytes(range(8)) + b"\0" * 8 + b"\x43"
                       + b"\0" * 15 + struct.pack("<H", 0x101), [b"CPU1", b"Tolvo"])
    + SMBIOS_END))


def window(name, tail, rom, fill=0xFF):
    write("probe_window_fuzz", name, bytes([fill]) + tail + rom)


def dump(name, block, command=(0, 0, 1), text_size=0, fill=0xFF):
    header = struct.pack("<IIIHB", *command, text_size, fill)
    write("probe_dump_fuzz", name, header + block)


def video_rom(blocks, at, text, size=None):
    rom = bytearray(blocks * 512 if size is None else size)
    rom[0:3] = bytes([0x55, 0xAA, blocks])
    rom[at:at + len(text)] = text
    return bytes(rom)


# FFFF0h: a far jump, then the system date at FFFF5h, the model byte and the checksum.
TAIL = b"\xEA\x5B\xE0\x00\xF0" + b"06/20/19" + b"\x00\xFC\x5A"
window("long-video-date", TAIL, video_rom(2, 0x60, b"VGA BIOS 12/24/2010 Ver 1.0"))
window("short-video-date", TAIL, video_rom(1, 0x40, b"Rev 12/24/10x"))
window("year-month-day", TAIL, video_rom(1, 0x80, b"2010-12-24"), fill=0)
window("date-at-rom-end", TAIL, video_rom(1, 504, b"12/24/10", size=600))
window("no-option-rom", TAIL.replace(b"06/20/19", b"06.20-19"), b"\x00" * 64)

BLOCK = bytes(range(256)) * 16
dump("first-block", BLOCK)
dump("system-rom-widest", BLOCK, command=(6, 0, 5))
dump("last-block-narrowest", BLOCK[:100], command=(7, 7, 0), fill=0x41)
dump("held-to-seven", BLOCK, command=(9, 8, 9))
dump("huge-numbers", BLOCK, command=(0xFFFFFFFF, 4000000000, 4000000000))
dump("text-too-small", BLOCK, text_size=2000)
dump("command-number", b"0000000000123456789x")


def text_piece(text):
    return bytes([0, text])


def number_piece(value, width=0, zero=False, left=False, letter_i=False):
    kind = 1 | (4 if left else 0) | (8 if zero else 0) | (0x80 if letter_i else 0)
    return bytes([kind, width]) + struct.pack("<i", value)


def string_piece(text, width=0, left=False):
    return bytes([2 | (4 if left else 0), width, len(text)]) + text


PERCENT = bytes([3])
write("format_text_fuzz", "german-date",
      bytes([128]) + number_piece(5, 2, zero=True) + text_piece(ord(".")) + string_piece(b"M\xe4rz")
      + number_piece(2011, 4))
write("format_text_fuzz", "english-date",
      bytes([128]) + string_piece(b"Jan.") + number_piece(1, 2) + string_piece(b"st")
      + number_piece(-999, 4))
write("format_text_fuzz", "memory-line",
      bytes([128]) + number_piece(37, letter_i=True) + PERCENT
      + string_piece(b"Physical Memory:      ") + number_piece(123456, 5, letter_i=True))
write("format_text_fuzz", "cut-short",
      bytes([6]) + number_piece(-2147483648, 12, zero=True) + string_piece(b"Windows", 9, left=True))
write("format_text_fuzz", "no-room", bytes([0]) + number_piece(7) + PERCENT)


# Secure Boot: Microsoft's certificates, key stores and a real boot log, whole and cut short.
def secureboot(name):
    with open(os.path.join(HERE, "..", "data", "secureboot", name), "rb") as f:
        return f.read()


write("certificate_fuzz", "windows-uefi-ca-2023", secureboot("certs/windows-uefi-ca-2023.der"))
DB = b"".join(secureboot("esl/%s.esl" % name) for name in (
    "MicWinProPCA2011_2011-10-19", "MicCorUEFCA2011_2011-06-27", "windows-uefi-ca-2023"))
write("signature_list_fuzz", "db-three-certificates", DB)
write("signature_list_fuzz", "db-cut-short", DB[:2000])
write("event_log_fuzz", "arch-linux-crypto-agile", secureboot("boot-log-arch-linux.bin"))
write("event_log_fuzz", "ovmf-shim-grub-four-digests", secureboot("boot-log-ovmf.bin"))
