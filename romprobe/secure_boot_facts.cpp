#include "secure_boot_facts.h"

#include <stddef.h>
#include <string.h>

#include "firmware_bytes.h"
#include "firmware_errors.h"
#include "tcg_event_log.h"

namespace {

const char kGlobal[] = "{8be4df61-93ca-11d2-aa0d-00e098032b8c}";
const char kImageSecurity[] = "{d719b2cb-3d3a-4596-a3bc-dad00e67656f}";
const char *const kNames[kVars] = {"SecureBoot", "SetupMode", "PK", "KEK", "db", "dbx"};

} // namespace

void ClearSecureBootFacts(SecureBootFacts *facts) {
    memset(facts, 0, sizeof *facts);
    facts->windowsEnabled = facts->windowsUpdates = facts->windowsCapable = -1;
}

const char *SecureBootVariableName(int variable) {
    return kNames[variable];
}

const char *SecureBootVariableGuid(int variable) {
    return variable >= kVarDb ? kImageSecurity : kGlobal;
}

int EfivarsFileVariable(const char *fileName) {
    for (int v = 0; v < kVars; ++v) {
        size_t length = strlen(kNames[v]);
        const char *guid = SecureBootVariableGuid(v) + 1;
        if (strncmp(fileName, kNames[v], length) == 0 && fileName[length] == '-' &&
            strncmp(fileName + length + 1, guid, kGuidTextSize - 1) == 0 &&
            fileName[length + kGuidTextSize] == '\0')
            return v;
    }
    return -1;
}

bool EfivarsFileData(const unsigned char *file, int size, FirmwareBytes *data) {
    if (file == NULL || size < 4)
        return false;
    data->bytes = file + 4;
    data->length = size - 4;
    return true;
}

int SecureBootFlag(const SecureBootFacts *facts, int variable) {
    const FirmwareBytes &data = facts->variables[variable];
    if (data.bytes == NULL || data.length < 1)
        return -1;
    return data.bytes[0] == 1;
}

int ReadBootLogVariables(const unsigned char *log, int size, SecureBootFacts *facts) {
    facts->bootLog.bytes = log;
    facts->bootLog.length = size;
    EventLogWalk walk;
    StartEventLog(log, size, &walk);
    LogEvent event;
    while (NextLogEvent(&walk, &event)) {
        EfiVariableEvent variable;
        if (event.pcr != 7 || event.type != kEvEfiVariableDriverConfig ||
            !ReadEfiVariableEvent(&event, &variable))
            continue;
        char guid[kGuidTextSize + 2] = "{";
        GuidText(variable.guid, guid + 1);
        strcat(guid, "}");
        for (int v = 0; v < kVars; ++v)
            if (facts->variables[v].bytes == NULL && EfiVariableNameIs(&variable, kNames[v]) &&
                strcmp(guid, SecureBootVariableGuid(v)) == 0) {
                facts->variables[v].bytes = variable.data;
                facts->variables[v].length = variable.length;
            }
    }
    facts->logError = walk.error;
    return walk.error;
}
