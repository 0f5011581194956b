// Romprobe's view of Secure Boot data in files, for tests/support/secureboot_agrees.py: the
// "secure_boot" JSON object of an efivarfs copy (--efivars DIR), a boot log (--boot-log FILE)
// or raw signature lists (pk=FILE kek=FILE db=FILE dbx=FILE).
#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "secure_boot_json.h"

namespace {

// The whole file, kept for the run; NULL when unreadable.
unsigned char *Slurp(const char *path, int *size) {
    FILE *file = fopen(path, "rb");
    if (file == NULL)
        return NULL;
    const int kMost = 1 << 22;
    unsigned char *bytes = static_cast<unsigned char *>(malloc(kMost));
    *size = static_cast<int>(fread(bytes, 1, kMost, file));
    fclose(file);
    return bytes;
}

void Write(void *, const char *bytes, int count) {
    fwrite(bytes, 1, static_cast<size_t>(count), stdout);
}

} // namespace

int main(int argc, char **argv) {
    SecureBootFacts facts;
    ClearSecureBootFacts(&facts);
    facts.source = kSourceFiles;
    facts.firmwareType = kFirmwareUefi;
    for (int i = 1; i < argc; ++i) {
        int size = 0;
        if (strcmp(argv[i], "--boot-log") == 0 && i + 1 < argc) {
            unsigned char *log = Slurp(argv[++i], &size);
            ReadBootLogVariables(log, size, &facts);
        } else if (strcmp(argv[i], "--efivars") == 0 && i + 1 < argc) {
            DIR *dir = opendir(argv[++i]);
            for (dirent *e = dir ? readdir(dir) : NULL; e != NULL; e = readdir(dir)) {
                int variable = EfivarsFileVariable(e->d_name);
                char path[4096];
                snprintf(path, sizeof path, "%s/%s", argv[i], e->d_name);
                unsigned char *file = variable >= 0 ? Slurp(path, &size) : NULL;
                EfivarsFileData(file, size, &facts.variables[variable < 0 ? 0 : variable]);
            }
        } else {
            const char *const stores[4] = {"pk=", "kek=", "db=", "dbx="};
            for (int s = 0; s < 4; ++s)
                if (strncmp(argv[i], stores[s], strlen(stores[s])) == 0) {
                    FirmwareBytes &store = facts.variables[kVarPk + s];
                    store.bytes = Slurp(argv[i] + strlen(stores[s]), &store.length);
                }
        }
    }
    Output out;
    OutputStart(&out, Write, NULL);
    WriteSecureBootJson(&facts, 0, &out);
    OutputText(&out, "\n");
    OutputFlush(&out);
    return 0;
}
