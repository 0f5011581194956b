#include "secure_boot_read.h"

#include <windows.h>
#include <stdio.h>

#include "firmware_bytes.h"
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
const UINT32 kLogLimit = 0x1000000;    // larger logs are not believed
const UINT32 kTbsBufferTooSmall = 0x80284005;

FARPROC Kernel(const char *name) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    return kernel != NULL ? GetProcAddress(kernel, name) : NULL;
}

template <typename T> T As(FARPROC function) {
    return reinterpret_cast<T>(reinterpret_cast<void (*)()>(function));
}

// A library from the system folder, loaded only when this PC's Secure Boot is asked for:
// advapi32 too, so that every other run starts as fast as a bare console program.
HMODULE SystemLibrary(const char *name) {
    char path[MAX_PATH + 16];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return NULL;
    lstrcatA(path, "\\");
    lstrcatA(path, name);
    return LoadLibraryA(path);
}

typedef BOOL(WINAPI *OpenTokenFunction)(HANDLE, DWORD, PHANDLE);
typedef BOOL(WINAPI *LookupPrivilegeFunction)(LPCSTR, LPCSTR, PLUID);
typedef BOOL(WINAPI *AdjustPrivilegesFunction)(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD,
                                               PTOKEN_PRIVILEGES, PDWORD);
typedef LONG(WINAPI *OpenKeyFunction)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
typedef LONG(WINAPI *QueryValueFunction)(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
typedef LONG(WINAPI *CloseKeyFunction)(HKEY);

HMODULE g_advapi;

FARPROC Advapi(const char *name) {
    if (g_advapi == NULL)
        g_advapi = SystemLibrary("advapi32.dll");
    return g_advapi != NULL ? GetProcAddress(g_advapi, name) : NULL;
}

// Administrators' tokens hold the privilege that reading firmware variables needs, but
// disabled.
void EnableSystemEnvironmentPrivilege() {
    OpenTokenFunction openToken = As<OpenTokenFunction>(Advapi("OpenProcessToken"));
    LookupPrivilegeFunction lookup = As<LookupPrivilegeFunction>(Advapi("LookupPrivilegeValueA"));
    AdjustPrivilegesFunction adjust = As<AdjustPrivilegesFunction>(Advapi("AdjustTokenPrivileges"));
    HANDLE token;
    if (openToken == NULL || lookup == NULL || adjust == NULL ||
        !openToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return;
    TOKEN_PRIVILEGES privileges;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (lookup(NULL, "SeSystemEnvironmentPrivilege", &privileges.Privileges[0].Luid))
        adjust(token, FALSE, &privileges, 0, NULL, NULL);
    CloseHandle(token);
}

// One variable into a heap buffer that grows until it fits; false when it cannot be read.
bool ReadVariable(VariableQueryEx queryEx, VariableQuery query, int variable, FirmwareBytes *run) {
    const char *guid = SecureBootVariableGuid(variable);
    const char *name = SecureBootVariableName(variable);
    for (DWORD size = 0x4000; size <= kVariableLimit; size *= 2) {
        void *buffer = HeapAlloc(GetProcessHeap(), 0, size);
        if (buffer == NULL)
            break;
        DWORD got = queryEx != NULL ? queryEx(name, guid, buffer, size, NULL)
                                    : query(name, guid, buffer, size);
        DWORD error = got == 0 ? GetLastError() : ERROR_SUCCESS;
        if (got > 0) {
            run->bytes = static_cast<unsigned char *>(buffer);
            run->length = static_cast<int>(got);
            return true;
        }
        HeapFree(GetProcessHeap(), 0, buffer);
        if (error == ERROR_ENVVAR_NOT_FOUND) {
            // Absent, as dbx is on some PCs: read, and empty.
            static const unsigned char kNothing = 0;
            run->bytes = &kNothing;
            run->length = 0;
            return true;
        }
        if (error != ERROR_INSUFFICIENT_BUFFER)
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

// The variables, when this process may read them; true when any was read.
bool ReadVariables(SecureBootFacts *facts) {
    VariableQueryEx queryEx = As<VariableQueryEx>(Kernel("GetFirmwareEnvironmentVariableExA"));
    VariableQuery query = As<VariableQuery>(Kernel("GetFirmwareEnvironmentVariableA"));
    facts->firmwareType = FirmwareType(query);
    if ((queryEx == NULL && query == NULL) || facts->firmwareType == kFirmwareBios)
        return false;
    EnableSystemEnvironmentPrivilege();
    bool any = false;
    for (int v = 0; v < kVars; ++v) {
        any = (ReadVariable(queryEx, query, v, &facts->variables[v]) &&
               facts->variables[v].length > 0) ||
              any;
    }
    // Only absent variables is no answer: the boot log may have them.
    for (int v = 0; !any && v < kVars; ++v)
        facts->variables[v].bytes = NULL;
    return any;
}

// The log of the last start through tbs.dll from the system folder: Tbsi_Get_TCG_Log_Ex
// (Windows 10), else Tbsi_Get_TCG_Log with a context of its own.
void ReadBootLog(SecureBootFacts *facts) {
    HMODULE tbs = SystemLibrary("tbs.dll");
    if (tbs == NULL)
        return;
    LogQueryEx queryEx = As<LogQueryEx>(GetProcAddress(tbs, "Tbsi_Get_TCG_Log_Ex"));
    LogQuery query = As<LogQuery>(GetProcAddress(tbs, "Tbsi_Get_TCG_Log"));
    ContextCreate create = As<ContextCreate>(GetProcAddress(tbs, "Tbsi_Context_Create"));
    ContextClose close = As<ContextClose>(GetProcAddress(tbs, "Tbsip_Context_Close"));
    void *context = NULL;
    // Version 2 of the context's parameters, with TPM 1.2 and 2.0 included.
    const UINT32 params[2] = {2, 6};
    if (queryEx == NULL &&
        (query == NULL || create == NULL || close == NULL || create(params, &context) != 0))
        return;
    UINT32 size = 0;
    UINT32 result = queryEx != NULL ? queryEx(0, NULL, &size) : query(context, NULL, &size);
    BYTE *buffer = NULL;
    if ((result == 0 || result == kTbsBufferTooSmall) && size > 0 && size <= kLogLimit)
        buffer = static_cast<BYTE *>(HeapAlloc(GetProcessHeap(), 0, size));
    if (buffer != NULL &&
        (queryEx != NULL ? queryEx(0, buffer, &size) : query(context, buffer, &size)) == 0)
        ReadBootLogVariables(buffer, static_cast<int>(size), facts);
    if (context != NULL)
        close(context);
}

// A value under HKEY_LOCAL_MACHINE of the type wanted into data; false when it is not there.
bool RegistryValue(const char *key, const char *value, DWORD wanted, void *data, DWORD size) {
    OpenKeyFunction openKey = As<OpenKeyFunction>(Advapi("RegOpenKeyExA"));
    QueryValueFunction queryValue = As<QueryValueFunction>(Advapi("RegQueryValueExA"));
    CloseKeyFunction closeKey = As<CloseKeyFunction>(Advapi("RegCloseKey"));
    HKEY handle;
    if (openKey == NULL || queryValue == NULL || closeKey == NULL ||
        openKey(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    LONG result = queryValue(handle, value, NULL, &type, static_cast<BYTE *>(data), &size);
    closeKey(handle);
    return result == ERROR_SUCCESS && type == wanted;
}

// A DWORD value, or -1.
long long RegistryNumber(const char *key, const char *value) {
    DWORD data = 0;
    return RegistryValue(key, value, REG_DWORD, &data, sizeof data) ? static_cast<long long>(data)
                                                                    : -1;
}

void ReadWindowsView(SecureBootFacts *facts) {
    const char key[] = "SYSTEM\\CurrentControlSet\\Control\\SecureBoot";
    const char servicing[] = "SYSTEM\\CurrentControlSet\\Control\\SecureBoot\\Servicing";
    facts->windowsEnabled = RegistryNumber("SYSTEM\\CurrentControlSet\\Control\\SecureBoot\\State",
                                           "UEFISecureBootEnabled");
    facts->windowsUpdates = RegistryNumber(key, "AvailableUpdates");
    facts->windowsCapable = RegistryNumber(servicing, "WindowsUEFICA2023Capable");
    // One byte short of the buffer, so that the text always ends in its NUL.
    if (!RegistryValue(servicing, "UEFICA2023Status", REG_SZ, facts->windowsStatus,
                       sizeof facts->windowsStatus - 1))
        facts->windowsStatus[0] = '\0';
}

} // namespace

void ReadSecureBootOfThisPc(SecureBootFacts *facts) {
    ClearSecureBootFacts(facts);
    bool variables = ReadVariables(facts);
    // The boot log gives the stores where the variables could not be read, and the boot
    // authorities in any case.
    if (facts->firmwareType != kFirmwareBios)
        ReadBootLog(facts);
    bool fromLog = false;
    for (int v = 0; !variables && v < kVars; ++v)
        fromLog = fromLog || facts->variables[v].bytes != NULL;
    facts->source = variables ? kSourceFirmware : fromLog ? kSourceBootLog : kSourceNone;
    facts->unread = facts->firmwareType == kFirmwareBios ? kUnreadLegacyBios : kUnreadNeedsRights;
    ReadWindowsView(facts);
}

const char *ReadSecureBootFiles(const char *efivarsFolder, const char *bootLogFile,
                                SecureBootFacts *facts) {
    ClearSecureBootFacts(facts);
    bool any = false;
    for (int v = 0; efivarsFolder != NULL && v < kVars; ++v) {
        char path[MAX_PATH + 64];
        lstrcpynA(path, efivarsFolder, MAX_PATH);
        lstrcatA(path, "\\");
        lstrcatA(path, SecureBootVariableName(v));
        lstrcatA(path, "-");
        // The GUID without its braces.
        lstrcpynA(path + lstrlenA(path), SecureBootVariableGuid(v) + 1, kGuidTextSize);
        int size = 0;
        unsigned char *file = ReadWholeFile(path, &size);
        any = EfivarsFileData(file, size, &facts->variables[v]) || any;
    }
    const char *unreadable = efivarsFolder != NULL && !any ? efivarsFolder : NULL;
    if (bootLogFile != NULL) {
        int size = 0;
        unsigned char *log = ReadWholeFile(bootLogFile, &size);
        if (log != NULL)
            ReadBootLogVariables(log, size, facts);
        else
            unreadable = bootLogFile;
        any = any || log != NULL;
    }
    facts->source = any ? kSourceFiles : kSourceNone;
    facts->firmwareType = any ? kFirmwareUefi : kFirmwareUnknown;
    facts->unread = kUnreadNotInFiles;
    return unreadable;
}
