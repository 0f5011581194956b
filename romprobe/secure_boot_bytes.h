// What a PC holds about Secure Boot, as gathered bytes: the firmware's variables, the boot
// log of the last start and Windows' own registry values, with why what is missing is
// missing. Filled by the Windows code (secure_boot_read.cpp) from the firmware, from TPM Base
// Services or from files; read by the plain code. No <windows.h>.
#ifndef ROMPROBE_SECURE_BOOT_BYTES_H
#define ROMPROBE_SECURE_BOOT_BYTES_H

// The firmware variables, in this order.
enum SecureBootVariable {
    kVariableSecureBoot,
    kVariableSetupMode,
    kVariablePk,
    kVariableKek,
    kVariableDb,
    kVariableDbx,
    kSecureBootVariableCount
};

// Its name and its vendor GUID (lower case, without braces).
const char *SecureBootVariableName(int variable);
const char *SecureBootVariableGuid(int variable);

enum SecureBootSource { kSourceNone, kSourceFirmware, kSourceBootLog, kSourceFiles };
enum FirmwareKind { kFirmwareUnknown, kFirmwareBios, kFirmwareUefi };

// Why the firmware's variables could not be read.
enum VariableFailure {
    kVariablesRead,          // at least one was read
    kVariablesNeedPrivilege, // the process may not read them (not an administrator)
    kVariablesNoUefi,        // a legacy BIOS, or a Windows that cannot ask
    kVariablesOtherError     // some other Windows error, in variableError
};

struct ByteRun {
    const unsigned char *data; // NULL when not read
    int size;
};

struct SecureBootBytes {
    int source;       // SecureBootSource: which source answered
    int firmwareType; // FirmwareKind
    ByteRun variables[kSecureBootVariableCount];
    ByteRun bootLog;
    int variableFailure;         // VariableFailure
    unsigned long variableError; // the Windows error of the first variable query that failed
    unsigned long logError;      // what TPM Base Services said, or 0 when not asked
    bool logServices;            // tbs.dll and a log function were there
    // Windows' own view; -1 where the value is absent.
    long long secureBootEnabled, availableUpdates, ca2023Capable;
    char ca2023Status[64]; // empty when absent
};

void SecureBootBytesClear(SecureBootBytes *bytes);

// The efivarfs file name of a variable ("db-d719b2cb-…"), for --efivars DIR.
void EfivarsFileName(int variable, char *name, int size);

// The data of an efivarfs file: its first 4 bytes are the variable's attributes.
ByteRun EfivarsData(const unsigned char *file, int size);

#endif
