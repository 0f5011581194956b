#include "save_file.h"

#include <stdio.h>

namespace {

// Writes the pieces one after the other; on any failure the file is removed again.
bool WriteWhole(const char *path, const void *first, int firstLength, const void *second,
                int secondLength) {
    FILE *file = fopen(path, "wb");
    if (file == NULL)
        return false;
    bool written = fwrite(first, 1, static_cast<size_t>(firstLength), file) ==
                       static_cast<size_t>(firstLength) &&
                   fwrite(second, 1, static_cast<size_t>(secondLength), file) ==
                       static_cast<size_t>(secondLength);
    if (fclose(file) != 0)
        written = false;
    if (!written)
        remove(path);
    return written;
}

} // namespace

bool WriteResult(const char *name, const char *text, int length) {
    return WriteWhole(name, text, length, "", 0);
}

bool SaveTables(const SmbiosTable &table, const char *path) {
    unsigned char header[kSmbiosDumpTableAt];
    SmbiosDumpHeader(&table, header);
    return WriteWhole(path, header, sizeof header, table.data, table.size);
}
