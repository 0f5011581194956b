// What Romprobe knows of Secure Boot: the firmware type, the variables SecureBoot, SetupMode,
// PK, KEK, db and dbx as read from the firmware, a boot log or files, and Windows' own view
// from the registry. The platform code fills it; the writers read it. Plain code.
#ifndef ROMPROBE_SECURE_BOOT_FACTS_H
#define ROMPROBE_SECURE_BOOT_FACTS_H

enum SecureBootSource {
    kSourceNone,
    kSourceFirmware, // GetFirmwareEnvironmentVariableExA
    kSourceBootLog,  // the TCG event log of the last start
    kSourceFiles     // --efivars, --boot-log
};

enum FirmwareType { kFirmwareUnknown, kFirmwareUefi, kFirmwareBios };

enum SecureBootVariable { kVarSecureBoot, kVarSetupMode, kVarPk, kVarKek, kVarDb, kVarDbx, kVars };

// Why what is missing could not be read, for the summary.
enum SecureBootUnread {
    kUnreadNone,
    kUnreadNeedsRights, // no privilege for the firmware's variables, and no boot log
    kUnreadLegacyBios,  // a BIOS has no Secure Boot
    kUnreadNotInFiles   // the files given do not hold it
};

// Bytes someone else owns; bytes NULL: not read.
struct FirmwareBytes {
    const unsigned char *bytes;
    int length;
};

struct SecureBootFacts {
    int source;       // SecureBootSource: the first that gave a variable
    int firmwareType; // FirmwareType; kFirmwareUefi for files, since only UEFI has these stores
    int unread;       // SecureBootUnread
    FirmwareBytes variables[kVars]; // each variable's data, without attributes
    FirmwareBytes bootLog;          // the whole log, for the boot authorities
    int logError;                   // the FirmwareDataError that cut the boot log short
    // Windows' view from the registry, never in the firmware's place: UEFISecureBootEnabled,
    // AvailableUpdates, WindowsUEFICA2023Capable (-1 where not read) and UEFICA2023Status
    // (NUL-terminated Windows-1252, empty where not read).
    long long windowsEnabled, windowsUpdates, windowsCapable;
    char windowsStatus[32];
};

// Nothing read: no source, all null.
void ClearSecureBootFacts(SecureBootFacts *facts);

// The variable's name and its vendor GUID in braces, as GetFirmwareEnvironmentVariableExA
// takes them.
const char *SecureBootVariableName(int variable);
const char *SecureBootVariableGuid(int variable);

// Which variable an efivarfs file name ("db-d719b2cb-...") is; -1 for any other.
int EfivarsFileVariable(const char *fileName);
// An efivarfs file's bytes: 4 bytes of attributes, then the data. False when too short.
bool EfivarsFileData(const unsigned char *file, int size, FirmwareBytes *data);

// SecureBoot and SetupMode as 1 or 0; -1 when not read or empty.
int SecureBootFlag(const SecureBootFacts *facts, int variable);

// Takes the variables not yet read from the PCR 7 events of a boot log (the first event of
// each), and keeps the log for its boot authorities: it must live as long as facts. Returns
// kDataOk or the FirmwareDataError that cut the log short (what came before is kept).
int ReadBootLogVariables(const unsigned char *log, int size, SecureBootFacts *facts);

#endif
