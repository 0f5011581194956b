// The SMBIOS tables as Romprobe reads and saves them: the two forms a table arrives in (the
// firmware table provider's 'RSMB' buffer and a dump file with an entry point at offset 0),
// the walk over its structures, their fields and strings, and the entry point of a saved
// dump. Plain code without <windows.h>; every read stays inside the bytes it was handed.
#ifndef ROMPROBE_SMBIOS_H
#define ROMPROBE_SMBIOS_H

enum {
    kSmbiosDumpTableAt = 32,     // where a saved dump's table starts
    kSmbiosEndOfTableType = 127, // the structure that ends the walk
};

// The structures of one table, with the version it declares.
struct SmbiosTable {
    const unsigned char *data; // NULL when there is no table
    int size;
    int major, minor;
    bool cut; // the table claimed more bytes than there were
};

// One structure: its formatted part (type and length bytes included) and its string set,
// which ends at stringsEnd (after the terminating NUL pair, or at the table's end when the
// set is cut short).
struct SmbiosStructure {
    const unsigned char *formatted;
    int length;
    const unsigned char *strings, *stringsEnd;
};

// A string of a structure, trailing blanks removed; bytes is NULL when the structure does
// not hold it. Not NUL-terminated.
struct SmbiosText {
    const unsigned char *bytes;
    int length;
};

// Reads a table in either form: "_SM_" or "_SM3_" at offset 0 is a dump file whose entry
// point gives the table's place in the file; anything else is the provider's buffer, an
// 8-byte header (version in bytes 1 and 2, the table's length in bytes 4 to 7) and the table.
// A table that claims more than the bytes hold is cut to what is there. False when no
// table can be found, and when what is found is no SMBIOS table: a version other than 2.x or
// 3.x, or a first structure shorter than 4 bytes or running past the table.
bool SmbiosFromBytes(const unsigned char *bytes, int size, SmbiosTable *table);

// The structure at *offset, and *offset moved to the next one. False at the end structure,
// at the table's end, and where a structure is shorter than 4 bytes or runs past the table:
// the walk ends there and what came before stands.
bool SmbiosNext(const SmbiosTable *table, int *offset, SmbiosStructure *structure);

// The next structure of the given type from *offset on.
bool SmbiosFind(const SmbiosTable *table, int type, int *offset, SmbiosStructure *structure);

// The byte, 16-bit or 32-bit little-endian field at offset; -1 when the structure is too
// short to hold it.
long long SmbiosByte(const SmbiosStructure *structure, int offset);
long long SmbiosWord(const SmbiosStructure *structure, int offset);
long long SmbiosDword(const SmbiosStructure *structure, int offset);

// The string whose number stands in the byte at offset. Number 0, a number past the string
// set, a string that never ends and a field the structure does not hold all give no text.
SmbiosText SmbiosString(const SmbiosStructure *structure, int offset);
// The same with its trailing blanks kept.
SmbiosText SmbiosRawString(const SmbiosStructure *structure, int offset);
// String number (counted from 1) of the structure's string set, trailing blanks kept.
SmbiosText SmbiosNumberedString(const SmbiosStructure *structure, long long number);

// The entry point of a dump file whose table follows at kSmbiosDumpTableAt: "_SM3_" for
// version 3 and later (and for a table too long for the 2.x entry point), else "_SM_" with
// "_DMI_", checksums included. Writes the kSmbiosDumpTableAt bytes of header.
void SmbiosDumpHeader(const SmbiosTable *table, unsigned char *header);

#endif
