#include "driver.h"

#include <stdio.h>
#include <string.h>
#include <x86intrin.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

std::vector<HANDLE> g_watchedThreads;

const char kFirmwareKey[] = "HARDWARE\\DESCRIPTION\\System";
const char kSettingsKey[] = "Software\\Tolvo\\Firmlook";
const char *const kFirmwareValues[] = {"Identifier", "SystemBiosDate", "VideoBiosDate",
                                       "SystemBiosVersion", "VideoBiosVersion"};

std::string FolderOf(const std::string &path) {
    return path.substr(0, path.find_last_of("\\/") + 1);
}

std::string OwnFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, sizeof path);
    return FolderOf(path);
}

// Firmlook.exe beside the test program, or the one FIRMLOOK_EXE names.
std::string ProgramPath() {
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("FIRMLOOK_EXE", path, sizeof path);
    return length > 0 && length < sizeof path ? path : OwnFolder() + "Firmlook.exe";
}

std::string FreshFolder() {
    char base[MAX_PATH], folder[MAX_PATH];
    GetTempPathA(sizeof base, base);
    GetTempFileNameA(base, "flk", 0, folder);
    DeleteFileA(folder);
    CreateDirectoryA(folder, NULL);
    return folder;
}

struct WindowSearch {
    DWORD processId;
    const char *className;
    const char *title;
    const std::vector<HWND> *skip;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM value) {
    WindowSearch *search = reinterpret_cast<WindowSearch *>(value);
    if (ProcessOf(window) != search->processId || !IsWindowVisible(window))
        return TRUE;
    char className[64] = "", title[128] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpiA(className, search->className) != 0 ||
        (search->title != NULL && std::string(title) != search->title))
        return TRUE;
    for (HWND skipped : *search->skip)
        if (skipped == window)
            return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

HWND FindProcessWindow(DWORD processId, const char *className, const char *title,
                       const std::vector<HWND> &skip) {
    WindowSearch search = {processId, className, title, &skip, NULL};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string NewWorkFolder() {
    return FreshFolder();
}

std::string HelperWorkFolder() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    CreateDirectoryA(strcat(temp, "Firmlook"), NULL);
    return temp;
}

std::string ProcessWorkFolder(const Firmlook &app) {
    return HelperWorkFolder() + "\\" + std::to_string(app.processId());
}

std::string ProgramFolder() {
    return FolderOf(ProgramPath());
}

void InstallRomprobe(const std::string &folder) {
    CopyFileA((OwnFolder() + "doubles\\ROMPROBE.exe").c_str(), (folder + "\\ROMPROBE.exe").c_str(),
              FALSE);
}

void InstallRealRomprobe(const std::string &folder) {
    CopyFileA((ProgramFolder() + "Romprobe.exe").c_str(), (folder + "\\Romprobe.exe").c_str(),
              FALSE);
}

void InstallDouble(const std::string &relativePath, const std::string &folder) {
    std::string name = relativePath.substr(relativePath.find_last_of('\\') + 1);
    CopyFileA((OwnFolder() + "doubles\\" + relativePath).c_str(), (folder + "\\" + name).c_str(),
              FALSE);
}

std::string HexDumpText(const std::string &block, unsigned segment, unsigned offset,
                        unsigned perLine) {
    std::string text;
    for (size_t at = 0; at < block.size(); at += perLine) {
        char address[16];
        snprintf(address, sizeof address, "%04X:%04X ", segment,
                 offset + static_cast<unsigned>(at));
        std::string hex, chars;
        for (size_t i = at; i < at + perLine; ++i) {
            if (i >= block.size()) {
                hex += "   ";
                continue;
            }
            unsigned char c = static_cast<unsigned char>(block[i]);
            char byte[4];
            snprintf(byte, sizeof byte, " %02X", c);
            hex += byte;
            chars += c >= 32 && c < 127 ? static_cast<char>(c) : '.';
        }
        text += address + hex + "  " + chars + "\r\n";
    }
    return text;
}

void WriteBytes(const std::string &path, const std::string &bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
    CloseHandle(file);
}

std::string ReadBytes(const std::string &path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return "";
    std::string bytes(GetFileSize(file, NULL), '\0');
    DWORD read = 0;
    ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, NULL);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

bool PathExists(const std::string &path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SetReportedWindowsVersion(const char *version) {
    const char key[] = "Software\\Wine\\AppDefaults\\Firmlook.exe";
    if (*version == '\0') {
        RegDeleteKeyA(HKEY_CURRENT_USER, key);
        return;
    }
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &handle, NULL) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, "Version", 0, REG_SZ, reinterpret_cast<const BYTE *>(version),
                   static_cast<DWORD>(strlen(version) + 1));
    RegCloseKey(handle);
}

std::string AgeText(int year, unsigned month, unsigned day, bool german) {
    long age = DaysSinceEpochToday() - DaysSinceEpoch(year, month, day);
    std::string n = std::to_string(age);
    if (german)
        return "(vor " + n + (age == 1 ? " Tag) " : " Tagen) ");
    return "(" + n + (age == 1 ? " Day ago) " : " Days ago) ");
}

void SeedTypicalFirmware() {
    ClearFirmwareValues();
    SetFirmwareString("Identifier", "AT/AT COMPATIBLE");
    SetFirmwareString("SystemBiosDate", "06/20/19");
    SetFirmwareString("VideoBiosDate", "11/03/17");
    SetFirmwareValue("SystemBiosVersion", REG_MULTI_SZ,
                     std::string("DELL   - 1072009\0"
                                 "1.9.1\0"
                                 "American Megatrends - 5000C\0\0",
                                 52));
    SetFirmwareValue("VideoBiosVersion", REG_MULTI_SZ, std::string("Hardware Version 0.0\0\0", 22));
}

void SetFirmwareValue(const char *name, DWORD type, const std::string &bytes) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kFirmwareKey, 0, NULL, REG_OPTION_VOLATILE,
                        KEY_ALL_ACCESS, NULL, &key, NULL) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE *>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void SetFirmwareString(const char *name, const std::string &text) {
    SetFirmwareValue(name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void DeleteFirmwareValue(const char *name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFirmwareKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

void ClearFirmwareValues() {
    for (const char *name : kFirmwareValues)
        DeleteFirmwareValue(name);
}

void DeleteSettings() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Tolvo");
}

void SetShowNoInfo(DWORD type, const std::string &bytes) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key,
                        NULL) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "ShowNoInfo", 0, type, reinterpret_cast<const BYTE *>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

int ReadShowNoInfo() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return -1;
    DWORD value = 0, type = 0, size = sizeof value;
    LONG rc =
        RegQueryValueExA(key, "ShowNoInfo", NULL, &type, reinterpret_cast<BYTE *>(&value), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != 4)
        return -1;
    return static_cast<int>(value);
}

long DaysSinceEpochToday() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return DaysSinceEpoch(now.wYear, now.wMonth, now.wDay);
}

long DaysSinceEpoch(int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    return static_cast<long>(
        sys_days(std::chrono::year(year) / std::chrono::month(month) / std::chrono::day(day))
            .time_since_epoch()
            .count());
}

void WatchThread(HANDLE thread) {
    g_watchedThreads.push_back(thread);
}

void UnwatchThread(HANDLE thread) {
    g_watchedThreads.erase(std::remove(g_watchedThreads.begin(), g_watchedThreads.end(), thread),
                           g_watchedThreads.end());
}

unsigned long long WatchedWork() {
    unsigned long long total = 0;
    for (HANDLE thread : g_watchedThreads) {
        FILETIME created, ended, kernel, user;
        if (GetThreadTimes(thread, &created, &ended, &kernel, &user))
            total +=
                (static_cast<unsigned long long>(kernel.dwHighDateTime) << 32 |
                 kernel.dwLowDateTime) +
                (static_cast<unsigned long long>(user.dwHighDateTime) << 32 | user.dwLowDateTime);
    }
    return total;
}

Firmlook::~Firmlook() {
    if (process_.hProcess != NULL) {
        UnwatchThread(process_.hThread);
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

bool Firmlook::Start(const std::string &workingFolder) {
    // The program's own folder comes first in the search for ROMPROBE, so the program runs
    // from the working folder, where each test puts the helper it wants, with memquery.dll
    // unless a stand-in is there already.
    const std::string folder = workingFolder.empty() ? FreshFolder() : workingFolder;
    CopyFileA((ProgramFolder() + "memquery.dll").c_str(), (folder + "\\memquery.dll").c_str(),
              TRUE);
    return StartCopy(folder);
}

bool Firmlook::StartInPlace(const std::string &workingFolder) {
    return Launch(ProgramPath(), workingFolder);
}

bool Firmlook::StartCopy(const std::string &workingFolder, const std::string &programFolder) {
    std::string copy = (programFolder.empty() ? workingFolder : programFolder) + "\\Firmlook.exe";
    // The copy that an instance ended a moment ago ran from may not be replaceable yet; it
    // is the same program, so a copy that stays refused is no failure.
    WaitFor([&] { return CopyFileA(ProgramPath().c_str(), copy.c_str(), FALSE) != FALSE; }, 2000);
    return Launch(copy, workingFolder);
}

bool Firmlook::Launch(const std::string &program, const std::string &folder) {
    startError_.clear();
    // Wine starts its desktop process for the first program that asks for the desktop; let
    // that be the test, so that the start wait below sees only the program's own work.
    GetDesktopWindow();
    std::string commandLine = "\"" + program + "\"";
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    // Under Wine a program file that was just written or just ran can refuse to start for a
    // moment.
    DWORD error = 0;
    if (!WaitFor(
            [&] {
                if (CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, folder.c_str(),
                                   &startup, &process_))
                    return true;
                error = GetLastError();
                return false;
            },
            2000)) {
        startError_ = program + " did not start: error " + std::to_string(error);
        fprintf(stderr, "%s\n", startError_.c_str());
        return false;
    }
    if (error != 0)
        fprintf(stderr, "%s started on a later try: Wine refused it first (error %lu)\n",
                program.c_str(), error);
    WatchThread(process_.hThread);
    // While the program loads and builds its first report its thread works, which keeps the
    // wait alive however slow the machine is; a minute without any work is a hang.
    DWORD start = GetTickCount(), code = STILL_ACTIVE;
    bool shown = WaitFor(
        [&] {
            dialog_ = FindProcessWindow(process_.dwProcessId, "#32770", " Firmlook");
            return dialog_ != NULL ||
                   (GetExitCodeProcess(process_.hProcess, &code) && code != STILL_ACTIVE);
        },
        60000);
    shown = shown && dialog_ != NULL;
    if (!shown) {
        const DWORD waited = GetTickCount() - start;
        startError_ =
            program +
            (code != STILL_ACTIVE
                 ? " ended with exit code " + std::to_string(code) + " before showing its dialog"
             : waited > kWaitCap ? " showed no dialog and was still working after " +
                                       std::to_string(waited / 1000) + " s"
                                 : " showed no dialog: waited " + std::to_string(waited / 1000) +
                                       " s, 60 s of them with the program doing no work");
        fprintf(stderr, "%s\n", startError_.c_str());
    }
    // The number boxes' start values arm the 250 ms layout timer; let it fire first.
    Sleep(500);
    return shown;
}

std::string Firmlook::Text(int id) const {
    std::vector<char> buffer(40000, '\0');
    LRESULT length =
        SendMessageA(Item(id), WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

std::string Firmlook::Report() const {
    return Text(1000);
}

void Firmlook::Click(int id) const {
    SendMessageA(Item(id), BM_CLICK, 0, 0);
}

int Firmlook::Checked(int id) const {
    return static_cast<int>(SendMessageA(Item(id), BM_GETCHECK, 0, 0));
}

bool Firmlook::WaitForExit(DWORD milliseconds, DWORD *exitCode) {
    if (!WaitFor([&] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; },
                 milliseconds))
        return false;
    GetExitCodeProcess(process_.hProcess, exitCode);
    return true;
}

RECT Firmlook::ChildRect(int id) const {
    RECT rect = {};
    GetWindowRect(Item(id), &rect);
    MapWindowPoints(NULL, dialog_, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

std::string TipFor(const Firmlook &app, int id, DWORD milliseconds) {
    SetCursorPos(2, 2);
    Sleep(300);
    RECT rect;
    GetWindowRect(app.Item(id), &rect);
    int x = (rect.left + rect.right) / 2, y = (rect.top + rect.bottom) / 2;
    SetCursorPos(x, y);
    Sleep(50);
    SetCursorPos(x + 1, y);
    std::string text;
    WaitFor(
        [&] {
            HWND tip = FindProcessWindow(ProcessOf(app.dialog()), "tooltips_class32", NULL);
            char buffer[256] = "";
            if (tip != NULL)
                SendMessageA(tip, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
            text = buffer;
            return !text.empty();
        },
        milliseconds);
    return text;
}

HWND WaitForDialog(const Firmlook &app, const std::vector<HWND> &skip, DWORD milliseconds) {
    HWND found = NULL;
    WaitFor(
        [&] {
            found = FindProcessWindow(ProcessOf(app.dialog()), "#32770", NULL, skip);
            return found != NULL;
        },
        milliseconds);
    return found;
}

namespace {

// Selects an entry of one of the font dialog's combo boxes as a user would.
void Choose(HWND dialog, int comboId, const char *entry) {
    HWND combo = GetDlgItem(dialog, comboId);
    SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    Sleep(200);
}

} // namespace

bool PrintThroughDialogs(const Firmlook &app, const char *face, const char *size,
                         DWORD milliseconds) {
    PostMessageA(app.dialog(), WM_COMMAND, 13, 0);
    HWND setup = WaitForDialog(app, {app.dialog()}, milliseconds);
    if (setup == NULL)
        return false;
    PostMessageA(setup, WM_COMMAND, IDOK, 0);
    WaitFor([&] { return !IsWindow(setup); }, milliseconds);
    HWND font = WaitForDialog(app, {app.dialog(), setup}, milliseconds);
    if (font == NULL)
        return false;
    Choose(font, 0x470, face); // face name box
    Choose(font, 0x472, size); // size box
    PostMessageA(font, WM_COMMAND, IDOK, 0);
    return WaitFor([&] { return !IsWindow(font); }, milliseconds);
}

int OwnMhz() {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    unsigned long long first = __rdtsc();
    QueryPerformanceCounter(&start);
    do {
        QueryPerformanceCounter(&now);
    } while (now.QuadPart - start.QuadPart < frequency.QuadPart / 5);
    return static_cast<int>((__rdtsc() - first) / 200000ull);
}
