#include "secure_boot_bytes.h"

#include <stddef.h>
#include <string.h>

namespace {

const char kGlobalGuid[] = "8be4df61-93ca-11d2-aa0d-00e098032b8c";
const char kDatabaseGuid[] = "d719b2cb-3d3a-4596-a3bc-dad00e67656f";
const char *const kNames[kSecureBootVariableCount] = {"SecureBoot", "SetupMode", "PK",
                                                      "KEK",        "db",        "dbx"};

} // namespace

const char *SecureBootVariableName(int variable) {
    return kNames[variable];
}

const char *SecureBootVariableGuid(int variable) {
    return variable >= kVariableDb ? kDatabaseGuid : kGlobalGuid;
}

void SecureBootBytesClear(SecureBootBytes *bytes) {
    memset(bytes, 0, sizeof *bytes);
    bytes->secureBootEnabled = bytes->availableUpdates = bytes->ca2023Capable = -1;
}

void EfivarsFileName(int variable, char *name, int size) {
    size_t nameLength = strlen(kNames[variable]), guidLength = sizeof kGlobalGuid - 1;
    if (size <= 0 || nameLength + 1 + guidLength >= static_cast<size_t>(size)) {
        if (size > 0)
            name[0] = '\0';
        return;
    }
    memcpy(name, kNames[variable], nameLength);
    name[nameLength] = '-';
    memcpy(name + nameLength + 1, SecureBootVariableGuid(variable), guidLength + 1);
}

ByteRun EfivarsData(const unsigned char *file, int size) {
    ByteRun run = {NULL, 0};
    if (file != NULL && size >= 4) {
        run.data = file + 4;
        run.size = size - 4;
    }
    return run;
}
