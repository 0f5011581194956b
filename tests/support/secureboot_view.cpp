// Romprobe's view of Secure Boot data in files, for tests/support/secureboot_agrees.py: the
// "secure_boot" JSON object of efivarfs copies (--efivars DIR) and boot logs (--boot-log FILE).
#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "secure_boot_json.h"

// The whole file, kept for the run (nothing of one that cannot be read).
static unsigned char *Slurp(const char *path, int *size) {
    FILE *file = fopen(path, "rb");
    unsigned char *bytes = static_cast<unsigned char *>(malloc(1 << 22));
    *size = file == NULL ? 0 : static_cast<int>(fread(bytes, 1, 1 << 22, file));
    return bytes;
}

static void Write(void *, const char *bytes, int count) {
    fwrite(bytes, 1, static_cast<size_t>(count), stdout);
}

int main(int argc, char **argv) {
    SecureBootFacts facts;
    ClearSecureBootFacts(&facts);
    facts.source = kSourceFiles;
    facts.firmwareType = kFirmwareUefi;
    for (int i = 1; i + 1 < argc; i += 2) {
        int size = 0;
        char path[4096];
        if (strcmp(argv[i], "--boot-log") == 0) {
            unsigned char *log = Slurp(argv[i + 1], &size);
            ReadBootLogVariables(log, size, &facts);
        }
        DIR *folder = strcmp(argv[i], "--efivars") == 0 ? opendir(argv[i + 1]) : NULL;
        for (dirent *file = folder ? readdir(folder) : NULL; file != NULL; file = readdir(folder)) {
            int variable = EfivarsFileVariable(file->d_name);
            snprintf(path, sizeof path, "%s/%s", argv[i + 1], file->d_name);
            unsigned char *bytes = variable >= 0 ? Slurp(path, &size) : NULL;
            EfivarsFileData(bytes, size, &facts.variables[variable >= 0 ? variable : 0]);
        }
    }
    Output out;
    OutputStart(&out, Write, NULL);
    Json json = {&out, 1, true};
    OutputChar(&out, '{');
    WriteSecureBootJson(&facts, &json);
    OutputText(&out, "\n}\n");
    OutputFlush(&out);
    return 0;
}
