// The report builder: reads the option check boxes, gathers the firmware values from the
// registry and puts the finished report into the report window.
#include <windows.h>
#include <stddef.h>
#include <string.h>

#include "../resources/resource.h"
#include "../shell/shell.h"
#include "../sysinfo/sysinfo.h"
#include "firmware_text.h"
#include "report.h"
#include "report_font.h"

namespace {

const char kFirmwareKey[] = "HARDWARE\\DESCRIPTION\\SYSTEM";

// One registry value: a size query, then a read only below the size limit. The buffer is
// zeroed first, so whatever was read is NUL-terminated even when the value itself is not.
void ReadRegistryValue(HKEY key, const char *name, RegistryValue *value) {
    memset(value, 0, sizeof *value);
    DWORD type = 0;
    DWORD size = 0;
    RegQueryValueExA(key, name, NULL, &type, NULL, &size);
    if (size >= kValueSizeLimit) {
        value->state = kValueOversized;
        return;
    }
    DWORD readSize = size;
    if (RegQueryValueExA(key, name, NULL, &type, reinterpret_cast<BYTE *>(value->data),
                         &readSize) == ERROR_SUCCESS &&
        readSize < kValueSizeLimit) {
        value->state = kValueRead;
        value->size = readSize;
    } else {
        memset(value->data, 0, sizeof value->data);
    }
}

void BuildFirmwareReport(int romDates, int noNotes, int oldMethod, ReportText *report) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    CalendarDate today = {now.wYear, now.wMonth, now.wDay};
    ReportReset(report);
    // Only the 16-bit helper of old fails on a 64-bit Windows; our own works on either.
    const bool ownHelper = OwnHelperBeside();
    if (!ownHelper && RunsUnderWow64())
        AppendWow64Warning(report, g_languageFlag);
    AppendRegistryHeading(report, g_languageFlag);

    static RegistryValue value; // 1 kB scratch, reused for one value at a time
    HKEY key;
    bool keyOpen =
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFirmwareKey, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (keyOpen) {
        const SingleValue singles[3] = {kIdentifier, kSystemBiosDate, kVideoBiosDate};
        for (int i = 0; i < 3; ++i) {
            ReadRegistryValue(key, SingleValueName(singles[i]), &value);
            AppendSingleValue(report, singles[i], &value, today, g_languageFlag);
        }
    } else {
        AppendRegistryKeyError(report, g_languageFlag);
    }

    if (romDates)
        ProbeRom(oldMethod, today, report);
    else if (!noNotes)
        AppendNotesText(report, g_languageFlag, ownHelper);

    if (keyOpen) {
        const StringList lists[2] = {kSystemBiosVersion, kVideoBiosVersion};
        for (int i = 0; i < 2; ++i) {
            ReadRegistryValue(key, StringListName(lists[i]), &value);
            AppendStringList(report, lists[i], &value);
        }
        RegCloseKey(key);
    }
    ReportAppend(report, "\r\n");
}

int StockFontFor(int fontIndex) {
    switch (fontIndex) {
    case 1:
        return ANSI_FIXED_FONT;
    case 2:
        return DEFAULT_GUI_FONT;
    case 3:
        return SYSTEM_FIXED_FONT;
    default:
        return SYSTEM_FONT;
    }
}

// The report font made last; NULL while a stock font or the dialog's font is shown.
HFONT g_reportFont;

HFONT MakeReportFont(const ReportFontChoice &choice) {
    LOGFONTA face;
    memset(&face, 0, sizeof face);
    NONCLIENTMETRICSA metrics;
    // The record as Windows XP knows it, which later versions take as well.
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
    if (choice.kind == kMessageFace &&
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        face = metrics.lfMessageFont;
        face.lfWidth = 0;
    } else {
        face.lfCharSet = ANSI_CHARSET;
        face.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        lstrcpynA(face.lfFaceName, kFixedPitchFaceName, sizeof face.lfFaceName);
    }
    face.lfHeight = choice.height; // positive: the cell height
    return CreateFontIndirectA(&face);
}

} // namespace

void ApplyReportFont(HWND dialog) {
    HGDIOBJ stock = GetStockObject(StockFontFor(g_reportFontIndex));
    int screenDpi = ScreenDpi(), dpi = DialogDpi(dialog);
    // The stock font is measured only where it is made for 96 DPI and not shown itself.
    ReportFontChoice choice =
        ChooseReportFont(g_reportFontIndex, dpi, screenDpi,
                         screenDpi == 96 && dpi != 96 ? CharHeight(stock, NULL) : 0);
    HFONT made = choice.height > 0 ? MakeReportFont(choice) : NULL;
    HGDIOBJ font = made != NULL ? made : choice.kind == kDialogFont ? DialogFont(dialog) : stock;
    SendDlgItemMessageA(dialog, IDC_REPORT, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ReleaseReportFont();
    g_reportFont = made;
}

void ReleaseReportFont() {
    DeleteObject(g_reportFont); // nothing when NULL
    g_reportFont = NULL;
}

void BuildReport(HWND dialog) {
    int systemMode = IsButtonChecked(dialog, IDC_RAMINFO);
    int romDates = IsButtonChecked(dialog, IDC_ROMDATES);
    int noNotes = IsButtonChecked(dialog, IDC_NONOTES);
    int dumpMode = IsButtonChecked(dialog, IDC_HEXDUMP);
    int oldMethod = IsButtonChecked(dialog, IDC_OLDMETHOD);

    static ReportText report; // 32.5 kB; lives for one rebuild at a time
    ReportReset(&report);
    if (!systemMode && !dumpMode)
        BuildFirmwareReport(romDates, noNotes, oldMethod, &report);
    if (dumpMode)
        DumpRom(dialog, oldMethod, &report);
    if (systemMode)
        BuildSystemSection(&report, g_languageFlag);
    ReportAppend(&report, "\r\n");

    ApplyReportFont(dialog);
    SetDlgItemTextA(dialog, IDC_REPORT, report.text);
}
