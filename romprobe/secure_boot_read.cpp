#include "secure_boot_read.h"

#include <windows.h>
#include <stdio.h>

#include "firmware_read.h"

namespace {

typedef DWORD(WINAPI *VariableQueryEx)(LPCSTR name, LPCSTR guid, PVOID buffer, DWORD size,
                                       PDWORD attributes);
typedef DWORD(WINAPI *VariableQuery)(LPCSTR name, LPCSTR guid, PVOID buffer, DWORD size);
typedef BOOL(WINAPI *FirmwareTypeQuery)(PDWORD type);
typedef UINT32(WINAPI *LogQueryEx)(UINT32 logType, BYTE *buffer, UINT32 *size);
typedef UINT32(WINAPI *ContextCreate)(const void *params, void **context);
typedef UINT32(WINAPI *LogQuery)(void *context, BYTE *buffer, UINT32 *size);
typedef UINT32(WINAPI *ContextClose)(void *context);

const DWORD kVariableLimit = 0x100000; // larger stores are not believed
const UINT32 kLogLimit = 0x1000000;
const UINT32 kTbsBufferTooSmall = 0x80284005;

FARPROC Kernel(const char *name) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return kernel != NULL ? GetProcAddress(kernel, name) : NULL;
}

template <typename T> T As(FARPROC function) {
    return reinterpret_cast<T>(reinterpret_cast<void (*)()>(function));
}

// Administrators' tokens hold the privilege that reading firmware variables needs, but
// disabled.
void EnableSystemEnvironmentPrivilege() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return;
    TOKEN_PRIVILEGES privileges;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueA(NULL, "SeSystemEnvironmentPrivilege", &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, NULL, NULL);
    CloseHandle(token);
}

// One variable into a heap buffer that grows until it fits; false with the error otherwise.
bool ReadVariable(VariableQueryEx queryEx, VariableQuery query, int variable, ByteRun *run,
                  DWORD *error) {
    char guid[48] = "{";
    lstrcatA(guid, SecureBootVariableGuid(variable));
    lstrcatA(guid, "}");
    const char *name = SecureBootVariableName(variable);
    for (DWORD size = 0x4000; size <= kVariableLimit; size *= 2) {
        void *buffer = HeapAlloc(GetProcessHeap(), 0, size);
        if (buffer == NULL)
            break;
        DWORD got = queryEx != NULL ? queryEx(name, guid, buffer, size, NULL)
                                    : query(name, guid, buffer, size);
        *error = got == 0 ? GetLastError() : ERROR_SUCCESS;
        if (got > 0) {
            run->data = static_cast<unsigned char *>(buffer);
            run->size = static_cast<int>(got);
            return true;
        }
        HeapFree(GetProcessHeap(), 0, buffer);
        if (*error != ERROR_INSUFFICIENT_BUFFER)
            return false;
    }
    return false;
}

// GetFirmwareType where Windows has it (8 and later); before, a legacy BIOS answers a
// variable query with ERROR_INVALID_FUNCTION.
int FirmwareType(VariableQuery query) {
    FirmwareTypeQuery typeQuery = As<FirmwareTypeQuery>(Kernel("GetFirmwareType"));
    DWORD type = 0;
    if (typeQuery != NULL && typeQuery(&type))
        return type == 1 ? kFirmwareBios : type == 2 ? kFirmwareUefi : kFirmwareUnknown;
    if (query == NULL)
        return kFirmwareUnknown;
    query("", "{00000000-0000-0000-0000-000000000000}", NULL, 0);
    return GetLastError() == ERROR_INVALID_FUNCTION ? kFirmwareBios : kFirmwareUefi;
}

void ReadVariables(SecureBootBytes *bytes) {
    VariableQueryEx queryEx = As<VariableQueryEx>(Kernel("GetFirmwareEnvironmentVariableExA"));
    VariableQuery query = As<VariableQuery>(Kernel("GetFirmwareEnvironmentVariableA"));
    bytes->firmwareType = FirmwareType(query);
    bytes->variableFailure = kVariablesNoUefi;
    if ((queryEx == NULL && query == NULL) || bytes->firmwareType == kFirmwareBios)
        return;
    EnableSystemEnvironmentPrivilege();
    bool any = false;
    for (int v = 0; v < kSecureBootVariableCount; ++v) {
        DWORD error = ERROR_SUCCESS;
        if (ReadVariable(queryEx, query, v, &bytes->variables[v], &error))
            any = true;
        else if (bytes->variableError == 0)
            bytes->variableError = error;
    }
    if (any)
        bytes->variableFailure = kVariablesRead;
    else if (bytes->variableError == ERROR_PRIVILEGE_NOT_HELD)
        bytes->variableFailure = kVariablesNeedPrivilege;
    else if (bytes->variableError != ERROR_INVALID_FUNCTION)
        bytes->variableFailure = kVariablesOtherError;
}

// The log of the last start through tbs.dll from the system folder: Tbsi_Get_TCG_Log_Ex
// (Windows 10), else Tbsi_Get_TCG_Log with a context of its own.
void ReadBootLog(SecureBootBytes *bytes) {
    char path[MAX_PATH + 16];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    lstrcatA(path, "\\tbs.dll");
    HMODULE tbs = LoadLibraryA(path);
    if (tbs == NULL)
        return;
    LogQueryEx queryEx = As<LogQueryEx>(GetProcAddress(tbs, "Tbsi_Get_TCG_Log_Ex"));
    LogQuery query = As<LogQuery>(GetProcAddress(tbs, "Tbsi_Get_TCG_Log"));
    ContextCreate create = As<ContextCreate>(GetProcAddress(tbs, "Tbsi_Context_Create"));
    ContextClose close = As<ContextClose>(GetProcAddress(tbs, "Tbsip_Context_Close"));
    void *context = NULL;
    if (queryEx == NULL && query != NULL && create != NULL && close != NULL) {
        // Version 2 with TPM 1.2 and 2.0 included.
        const UINT32 params[2] = {2, 6};
        bytes->logError = create(params, &context);
        if (bytes->logError != 0)
            context = NULL;
    }
    bytes->logServices = queryEx != NULL || context != NULL;
    UINT32 size = 0;
    if (bytes->logServices)
        bytes->logError = queryEx != NULL ? queryEx(0, NULL, &size) : query(context, NULL, &size);
    if (bytes->logServices && (bytes->logError == 0 || bytes->logError == kTbsBufferTooSmall) &&
        size > 0 && size <= kLogLimit) {
        BYTE *buffer = static_cast<BYTE *>(HeapAlloc(GetProcessHeap(), 0, size));
        bytes->logError = buffer == NULL    ? kTbsBufferTooSmall
                          : queryEx != NULL ? queryEx(0, buffer, &size)
                                            : query(context, buffer, &size);
        if (bytes->logError == 0) {
            bytes->bootLog.data = buffer;
            bytes->bootLog.size = static_cast<int>(size);
        }
    }
    if (context != NULL)
        close(context);
}

// A DWORD value, or -1.
long long RegistryNumber(const char *key, const char *value) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return -1;
    DWORD type = 0, data = 0, size = sizeof data;
    LONG result =
        RegQueryValueExA(handle, value, NULL, &type, reinterpret_cast<BYTE *>(&data), &size);
    RegCloseKey(handle);
    return result == ERROR_SUCCESS && type == REG_DWORD ? static_cast<long long>(data) : -1;
}

const char kSecureBootKey[] = "SYSTEM\\CurrentControlSet\\Control\\SecureBoot";

void ReadWindowsView(SecureBootBytes *bytes) {
    bytes->secureBootEnabled = RegistryNumber(
        "SYSTEM\\CurrentControlSet\\Control\\SecureBoot\\State", "UEFISecureBootEnabled");
    bytes->availableUpdates = RegistryNumber(kSecureBootKey, "AvailableUpdates");
    const char servicing[] = "SYSTEM\\CurrentControlSet\\Control\\SecureBoot\\Servicing";
    bytes->ca2023Capable = RegistryNumber(servicing, "WindowsUEFICA2023Capable");
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, servicing, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return;
    DWORD type = 0, size = sizeof bytes->ca2023Status - 1;
    if (RegQueryValueExA(handle, "UEFICA2023Status", NULL, &type,
                         reinterpret_cast<BYTE *>(bytes->ca2023Status), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        size = 0;
    bytes->ca2023Status[size] = '\0';
    RegCloseKey(handle);
}

} // namespace

void ReadSecureBootOfThisPc(SecureBootBytes *bytes) {
    SecureBootBytesClear(bytes);
    ReadVariables(bytes);
    if (bytes->firmwareType != kFirmwareBios)
        ReadBootLog(bytes);
    bytes->source = bytes->variableFailure == kVariablesRead ? kSourceFirmware
                    : bytes->bootLog.data != NULL            ? kSourceBootLog
                                                             : kSourceNone;
    ReadWindowsView(bytes);
}

void ReadSecureBootFiles(const char *efivarsFolder, const char *bootLogFile,
                         SecureBootBytes *bytes) {
    SecureBootBytesClear(bytes);
    for (int v = 0; efivarsFolder != NULL && v < kSecureBootVariableCount; ++v) {
        char name[64], path[MAX_PATH + 64];
        EfivarsFileName(v, name, sizeof name);
        _snprintf(path, sizeof path - 1, "%s\\%s", efivarsFolder, name);
        path[sizeof path - 1] = '\0';
        int size = 0;
        unsigned char *file = ReadWholeFile(path, &size);
        bytes->variables[v] = EfivarsData(file, size);
    }
    if (bootLogFile != NULL)
        bytes->bootLog.data = ReadWholeFile(bootLogFile, &bytes->bootLog.size);
    bool any = bytes->bootLog.data != NULL;
    for (int v = 0; v < kSecureBootVariableCount; ++v)
        any = any || bytes->variables[v].data != NULL;
    bytes->source = any ? kSourceFiles : kSourceNone;
    bytes->firmwareType = any ? kFirmwareUefi : kFirmwareUnknown;
}
