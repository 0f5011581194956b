// Drives a running Firmlook.exe from a second process under the same Wine prefix: seeds the
// registry, starts the program, finds its dialog, reads the report and clicks controls.
#ifndef FIRMLOOK_TEST_DRIVER_H
#define FIRMLOOK_TEST_DRIVER_H

#include <windows.h>

#include <string>
#include <vector>

// Values under HKLM\HARDWARE\DESCRIPTION\System. They are volatile in Wine, so every test
// seeds them itself right before it starts the program.
void SetFirmwareValue(const char *name, DWORD type, const std::string &bytes);
void SetFirmwareString(const char *name, const std::string &text); // REG_SZ with its NUL
void DeleteFirmwareValue(const char *name);
void ClearFirmwareValues();

// The stored setting under HKCU\Software\Tolvo\Firmlook.
void DeleteSettings();
void SetShowNoInfo(DWORD type, const std::string &bytes);
// -1 when the value is missing or not a 4-byte REG_DWORD.
int ReadShowNoInfo();

// Today's date from the test's own clock, as days since 1970-01-01 (independent of the
// program's calendar code).
long DaysSinceEpochToday();
long DaysSinceEpoch(int year, unsigned month, unsigned day);

// "(N Days ago) " / "(vor N Tagen) " for a date, with the age from the test's own clock.
std::string AgeText(int year, unsigned month, unsigned day, bool german);
// A typical desktop's firmware values, with the version lists.
void SeedTypicalFirmware();

// Files of the DOS subprogram's stand-in.
std::string NewWorkFolder();
void InstallRomprobe(const std::string &folder); // copies ROMPROBE.exe into the folder
// The per-user folder, made when missing, in which Firmlook runs its helper and finds the
// result files.
std::string HelperWorkFolder();
// The folder of that one Firmlook process, which holds its result files while it runs
// the helper.
class Firmlook;
std::string ProcessWorkFolder(const Firmlook &app);
// The folder of the Firmlook.exe under test (FIRMLOOK_EXE names another than the one beside
// the test program), and a copy of the real Romprobe.exe from there.
std::string ProgramFolder();
void InstallRealRomprobe(const std::string &folder);
// The dump lines of a block, written here independently of the helper: address, the bytes in
// hex, their characters, each line ended by CR LF.
std::string HexDumpText(const std::string &block, unsigned segment, unsigned offset,
                        unsigned perLine);
// Copies a library stand-in ("partial\\memquery.dll", "tickrate\\tickrate.dll") into the folder.
void InstallDouble(const std::string &relativePath, const std::string &folder);
void WriteBytes(const std::string &path, const std::string &bytes);
std::string ReadBytes(const std::string &path);
bool PathExists(const std::string &path);
// The Windows version Wine reports to Firmlook.exe ("nt40", "win7"; empty: the default).
void SetReportedWindowsVersion(const char *version);

// The first visible top-level window of the process with this class (compared without
// case) and, when title is not null, this title, other than the windows in skip.
HWND FindProcessWindow(DWORD processId, const char *className, const char *title,
                       const std::vector<HWND> &skip = {});
DWORD ProcessOf(HWND window);

class Firmlook {
  public:
    Firmlook() = default;
    ~Firmlook();
    Firmlook(const Firmlook &) = delete;
    Firmlook &operator=(const Firmlook &) = delete;

    // Starts a copy of the program in the given working folder (empty: a fresh temporary one)
    // and waits until its dialog is shown and the start-up timer has fired.
    bool Start(const std::string &workingFolder = "");
    // Starts the program where it lies, beside its memquery.dll and Romprobe.exe.
    bool StartInPlace(const std::string &workingFolder);
    // The same with a copy of Firmlook.exe in the working folder (or in programFolder), so
    // that the libraries it loads by name come from that folder (or are missing there).
    bool StartCopy(const std::string &workingFolder, const std::string &programFolder = "");
    // Starts that program file in the working folder.
    bool StartAt(const std::string &exe, const std::string &folder) { return Launch(exe, folder); }
    // Why the last start failed ("" after a good start).
    const std::string &StartError() const { return startError_; }
    HWND dialog() const { return dialog_; }
    DWORD processId() const { return process_.dwProcessId; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    std::string Report() const;
    std::string Text(int id) const;
    // BM_CLICK on a control; returns once the program has handled the click.
    void Click(int id) const;
    int Checked(int id) const;
    // Waits for the process to end (the limit as in WaitFor); true with its exit code when it did.
    bool WaitForExit(DWORD milliseconds, DWORD *exitCode);
    // Rectangle of a control in the dialog's client coordinates.
    RECT ChildRect(int id) const;

  private:
    bool Launch(const std::string &program, const std::string &folder);
    PROCESS_INFORMATION process_ = {};
    HWND dialog_ = NULL;
    std::string startError_;
};

// Points at the middle of a control and returns the text of the tip that shows up ("" for
// none within the time).
std::string TipFor(const Firmlook &app, int id, DWORD milliseconds = 2500);
// Waits for a dialog of the program other than those in skip.
HWND WaitForDialog(const Firmlook &app, const std::vector<HWND> &skip, DWORD milliseconds = 10000);
// Presses Print and answers the print-setup dialog with OK and the font dialog with this face
// and size; true once the font dialog has closed, after which the program prints.
bool PrintThroughDialogs(const Firmlook &app, const char *face, const char *size,
                         DWORD milliseconds = 10000);
// The process's own clock measurement: time-stamp ticks over a fifth of a second, in MHz.
int OwnMhz();

// The programs under test whose work keeps a wait alive: their main threads, added while they
// run (Firmlook adds its own).
void WatchThread(HANDLE thread);
void UnwatchThread(HANDLE thread);
// CPU time that the watched threads have used so far, in 100 ns units. Wine reads it from the
// kernel's accounting of the thread, in clock ticks.
unsigned long long WatchedWork();

// A program that keeps working is given up on after this long (a true hang that spins).
const DWORD kWaitCap = 300000;

// Polls until condition() holds. The limit counts only the time in which the watched programs
// did no work, so a busy machine, which slows them down, stretches it: a wait ends on a wrong
// result, not on a slow one.
template <typename Condition> bool WaitFor(Condition condition, DWORD milliseconds = 5000) {
    DWORD start = GetTickCount(), last = start, idle = 0;
    unsigned long long work = WatchedWork();
    while (!condition()) {
        Sleep(20);
        DWORD now = GetTickCount();
        unsigned long long done = WatchedWork();
        if (done == work)
            idle += now - last;
        work = done;
        last = now;
        if (idle > milliseconds || now - start > kWaitCap)
            return false;
    }
    return true;
}

#endif
