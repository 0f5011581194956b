#include "smbios.h"

#include <string.h>

namespace {

const int kRawHeaderSize = 8;
const int kEntry2Size = 0x1F, kEntry3Size = 0x18;

unsigned long long Little(const unsigned char *p, int count) {
    unsigned long long value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

void PutLittle(unsigned char *p, unsigned long long value, int count) {
    for (int i = 0; i < count; ++i, value >>= 8)
        p[i] = static_cast<unsigned char>(value);
}

// The byte that makes the count bytes from p add up to 0.
unsigned char Checksum(const unsigned char *p, int count) {
    unsigned char sum = 0;
    for (int i = 0; i < count; ++i)
        sum = static_cast<unsigned char>(sum + p[i]);
    return static_cast<unsigned char>(0x100 - sum);
}

// A table that a dump's entry point places at address, holding length bytes; cut to the file.
bool TableInFile(const unsigned char *bytes, int size, unsigned long long address,
                 unsigned long long length, SmbiosTable *table) {
    if (address >= static_cast<unsigned long long>(size))
        return false;
    unsigned long long left = static_cast<unsigned long long>(size) - address;
    table->cut = length > left;
    table->size = static_cast<int>(length < left ? length : left);
    table->data = bytes + address;
    // A table at all: a version this reader knows and a first structure that is whole.
    bool known = (table->major == 2 || table->major == 3) && table->size >= 4 &&
                 table->data[1] >= 4 && table->data[1] <= table->size;
    if (!known) {
        table->data = NULL;
        table->size = 0;
    }
    return known;
}

} // namespace

bool SmbiosFromBytes(const unsigned char *bytes, int size, SmbiosTable *table) {
    table->data = NULL;
    table->size = 0;
    table->major = table->minor = 0;
    table->cut = false;
    if (bytes == NULL || size < kRawHeaderSize)
        return false;
    if (size >= kEntry3Size && memcmp(bytes, "_SM3_", 5) == 0) {
        table->major = bytes[7];
        table->minor = bytes[8];
        return TableInFile(bytes, size, Little(bytes + 0x10, 8), Little(bytes + 0x0C, 4), table);
    }
    if (size >= kEntry2Size && memcmp(bytes, "_SM_", 4) == 0) {
        table->major = bytes[6];
        table->minor = bytes[7];
        return TableInFile(bytes, size, Little(bytes + 0x18, 4), Little(bytes + 0x16, 2), table);
    }
    table->major = bytes[1];
    table->minor = bytes[2];
    return TableInFile(bytes, size, kRawHeaderSize, Little(bytes + 4, 4), table);
}

bool SmbiosNext(const SmbiosTable *table, int *offset, SmbiosStructure *structure) {
    if (table->data == NULL || *offset < 0 || table->size - *offset < 4)
        return false;
    const unsigned char *p = table->data + *offset, *end = table->data + table->size;
    int length = p[1];
    if (p[0] == kSmbiosEndOfTableType || length < 4 || length > end - p)
        return false;
    structure->formatted = p;
    structure->length = length;
    structure->strings = p + length;
    structure->stringsEnd = end;
    for (const unsigned char *s = p + length; s + 1 < end; ++s) {
        if (s[0] == 0 && s[1] == 0) {
            structure->stringsEnd = s + 2;
            break;
        }
    }
    *offset = static_cast<int>(structure->stringsEnd - table->data);
    return true;
}

bool SmbiosFind(const SmbiosTable *table, int type, int *offset, SmbiosStructure *structure) {
    while (SmbiosNext(table, offset, structure))
        if (structure->formatted[0] == type)
            return true;
    return false;
}

long long SmbiosByte(const SmbiosStructure *structure, int offset) {
    return offset + 1 <= structure->length ? static_cast<long long>(structure->formatted[offset])
                                           : -1;
}

long long SmbiosWord(const SmbiosStructure *structure, int offset) {
    return offset + 2 <= structure->length
               ? static_cast<long long>(Little(structure->formatted + offset, 2))
               : -1;
}

long long SmbiosDword(const SmbiosStructure *structure, int offset) {
    return offset + 4 <= structure->length
               ? static_cast<long long>(Little(structure->formatted + offset, 4))
               : -1;
}

SmbiosText SmbiosNumberedString(const SmbiosStructure *structure, long long number) {
    SmbiosText text = {NULL, 0};
    const unsigned char *p = structure->strings, *end = structure->stringsEnd;
    for (long long n = 1; number > 0 && p < end && *p != 0; ++n) {
        const unsigned char *start = p;
        while (p < end && *p != 0)
            ++p;
        if (p == end)
            break; // never ends inside the table
        if (n == number) {
            text.bytes = start;
            text.length = static_cast<int>(p - start);
            break;
        }
        ++p;
    }
    return text;
}

SmbiosText SmbiosRawString(const SmbiosStructure *structure, int offset) {
    return SmbiosNumberedString(structure, SmbiosByte(structure, offset));
}

SmbiosText SmbiosString(const SmbiosStructure *structure, int offset) {
    SmbiosText text = SmbiosRawString(structure, offset);
    while (text.length > 0 && text.bytes[text.length - 1] == ' ')
        --text.length;
    return text;
}

void SmbiosDumpHeader(const SmbiosTable *table, unsigned char *header) {
    memset(header, 0, kSmbiosDumpTableAt);
    int structures = 0, largest = 0, offset = 0;
    SmbiosStructure s;
    while (SmbiosNext(table, &offset, &s)) {
        ++structures;
        int size = static_cast<int>(s.stringsEnd - s.formatted);
        if (size > largest)
            largest = size;
    }
    if (table->size - offset >= 4 && table->data[offset] == kSmbiosEndOfTableType)
        ++structures; // the end structure counts too
    if (table->major >= 3 || table->size > 0xFFFF) {
        memcpy(header, "_SM3_", 5);
        header[6] = kEntry3Size;
        header[7] = static_cast<unsigned char>(table->major);
        header[8] = static_cast<unsigned char>(table->minor);
        header[0x0A] = 1; // entry point revision
        PutLittle(header + 0x0C, static_cast<unsigned>(table->size), 4);
        PutLittle(header + 0x10, kSmbiosDumpTableAt, 8);
        header[5] = Checksum(header, kEntry3Size);
        return;
    }
    memcpy(header, "_SM_", 4);
    header[5] = kEntry2Size;
    header[6] = static_cast<unsigned char>(table->major);
    header[7] = static_cast<unsigned char>(table->minor);
    PutLittle(header + 0x08, static_cast<unsigned>(largest), 2);
    memcpy(header + 0x10, "_DMI_", 5);
    PutLittle(header + 0x16, static_cast<unsigned>(table->size), 2);
    PutLittle(header + 0x18, kSmbiosDumpTableAt, 4);
    PutLittle(header + 0x1C, static_cast<unsigned>(structures), 2);
    header[0x1E] = static_cast<unsigned char>((table->major & 0x0F) << 4 | (table->minor & 0x0F));
    header[0x15] = Checksum(header + 0x10, kEntry2Size - 0x10);
    header[4] = Checksum(header, kEntry2Size);
}
