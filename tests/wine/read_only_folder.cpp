#include "read_only_folder.h"

#include "driver.h"

namespace {

const int kRomDates = 18, kHexDump = 20, kOldMethod = 21;

std::string Variable(const char *name) {
    char value[MAX_PATH];
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? value : "";
}

bool Shows(const std::string &report, const std::string &text) {
    return report.find(text) != std::string::npos;
}

} // namespace

bool CheckReadOnlyFolder(CheckResult check) {
    const std::string folder = Variable("FIRMLOOK_READ_ONLY");
    const std::string source = Variable("FIRMLOOK_READ_ONLY_SOURCE");
    if (folder.empty() || source.empty())
        return false;
    for (const char *name : {"Firmlook.exe", "memquery.dll", "Romprobe.exe"})
        CopyFileA((ProgramFolder() + name).c_str(), (source + "\\" + name).c_str(), FALSE);
    WriteBytes(folder + "\\written.txt", "x");
    check(PathExists(folder + "\\Romprobe.exe") && !PathExists(folder + "\\written.txt"),
          "the deliverables lie in a read-only folder", folder);

    std::string image(0x40000, '\0');
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 7 + (i >> 8));
    image.replace(0xFFFF5 - 0xC0000, 8, "08/14/09");
    const std::string work = NewWorkFolder();
    WriteBytes(work + "\\rom.img", image);
    SetEnvironmentVariableA("ROMPROBE_IMAGE", (work + "\\rom.img").c_str());
    std::string dump; // as the report shows it: every line indented by one blank
    for (char c : HexDumpText(image.substr(0, 0x1000), 0xC000, 0, 16))
        dump += c == '\n' ? "\n " : std::string(1, c);
    dump += "\r\n";

    DeleteSettings();
    SeedTypicalFirmware();
    Firmlook app;
    const bool started = app.StartAt(folder + "\\Firmlook.exe", folder);
    check(started, "Firmlook.exe starts there", app.StartError());
    if (!started)
        return true;
    const char *how[] = {" by CreateProcessA", " by the old method"};
    for (int oldMethod = 0; oldMethod < 2; ++oldMethod) {
        if (oldMethod)
            app.Click(kOldMethod);
        app.Click(kRomDates);
        check(Shows(app.Report(), "08/14/09    -->  "),
              std::string("the image's ROM date shows") + how[oldMethod], app.Report());
        app.Click(kRomDates);
        app.Click(kHexDump);
        const std::string report = app.Report();
        check(report.size() > dump.size() &&
                  report.compare(report.size() - dump.size(), dump.size(), dump) == 0,
              std::string("the dump equals the image's block") + how[oldMethod],
              report.substr(0, 300));
        app.Click(kHexDump);
    }

    // The image that Firmlook's ROMPROBE_IMAGE names is gone, so the helper fails: files put
    // where it works and in the current folder are not its.
    DeleteFileA((work + "\\rom.img").c_str());
    const std::string own = HelperWorkFolder();
    for (int oldMethod = 1; oldMethod >= 0; --oldMethod) {
        for (const std::string &at : {own, source}) {
            WriteBytes(at + "\\XYBIOSXY.$$$", "01/02/98 - 1998-01-02\r\n");
            WriteBytes(at + "\\XYBIOSZZ.$$$", "planted dump\r\n");
        }
        app.Click(kRomDates);
        check(!Shows(app.Report(), "01/02/98") && !Shows(app.Report(), "ROM-System"),
              std::string("no planted ROM date shows") + how[oldMethod], app.Report());
        app.Click(kRomDates);
        app.Click(kHexDump);
        check(!Shows(app.Report(), "planted"),
              std::string("no planted dump shows") + how[oldMethod], app.Report());
        app.Click(kHexDump);
        app.Click(kOldMethod);
    }
    SetEnvironmentVariableA("ROMPROBE_IMAGE", NULL);
    return true;
}
