// Printing the report window's text: the print-setup dialog, the font dialog on the
// printer's fonts (preset to Courier New), then every line of the report window, page after
// page, in the requested copies. The common dialog library is loaded for each print
// request and freed after it: linked in, it and what it loads itself (the shell among them)
// would lengthen every start of the program.
#include <windows.h>
#include <commdlg.h>
#include <stdlib.h>
#include <string.h>

#include "print.h"
#include "print_layout.h"

namespace {

// The font dialog's style name; kept for the whole run so that the style chosen in one
// print request is preselected in the next.
char g_fontStyle[LF_FACESIZE];

typedef BOOL(WINAPI *PrintDlgFunction)(LPPRINTDLGA);
typedef BOOL(WINAPI *ChooseFontFunction)(LPCHOOSEFONTA);

struct CommonDialogs {
    PrintDlgFunction printDlg;
    ChooseFontFunction chooseFont;
};

// Draws the pages; false as soon as a page cannot be started or ended.
bool PrintPages(HDC printer, HWND reportWindow, const PrintLayout &layout, int lineCount,
                int copies, bool collate, char *line) {
    for (int pass = 0; pass < OuterPasses(copies, collate); ++pass) {
        for (int page = 0; page < layout.pageCount; ++page) {
            for (int repeat = 0; repeat < PageRepeats(copies, collate); ++repeat) {
                if (StartPage(printer) < 0)
                    return false;
                for (int slot = 0; slot < layout.linesPerPage; ++slot) {
                    int index = layout.linesPerPage * page + slot;
                    if (index >= lineCount)
                        break;
                    *reinterpret_cast<WORD *>(line) = static_cast<WORD>(layout.charsPerLine);
                    int length = static_cast<int>(SendMessageA(reportWindow, EM_GETLINE, index,
                                                               reinterpret_cast<LPARAM>(line)));
                    if (length > layout.charsPerLine)
                        length = layout.charsPerLine;
                    if (length > 0)
                        TextOutA(printer, 0, slot * layout.lineHeight, line, length);
                }
                if (EndPage(printer) < 0)
                    return false;
            }
        }
    }
    return true;
}

int PrintThroughDialogs(const CommonDialogs &dialogs, HWND owner, HWND reportWindow,
                        const char *documentName) {
    PRINTDLGA printDialog;
    memset(&printDialog, 0, sizeof printDialog);
    printDialog.lStructSize = sizeof printDialog;
    printDialog.hwndOwner = owner;
    printDialog.Flags = PD_RETURNDC | PD_PRINTSETUP | PD_COLLATE | PD_NOSELECTION;
    printDialog.nCopies = 1;
    DOCINFOA document;
    memset(&document, 0, sizeof document);
    document.cbSize = sizeof document;
    document.lpszDocName = documentName;
    if (!dialogs.printDlg(&printDialog))
        return 0;
    HDC printer = printDialog.hDC;

    if (g_fontStyle[0] == '\0')
        lstrcpynA(g_fontStyle,
                  PRIMARYLANGID(GetSystemDefaultLangID()) == LANG_GERMAN ? "Standard" : "Regular",
                  sizeof g_fontStyle);
    LOGFONTA logFont;
    memset(&logFont, 0, sizeof logFont);
    logFont.lfHeight = -16;
    logFont.lfWeight = FW_NORMAL;
    lstrcpynA(logFont.lfFaceName, "Courier New", sizeof logFont.lfFaceName);
    CHOOSEFONTA fontDialog;
    memset(&fontDialog, 0, sizeof fontDialog);
    fontDialog.lStructSize = sizeof fontDialog;
    fontDialog.hwndOwner = owner;
    fontDialog.hDC = printer;
    fontDialog.lpLogFont = &logFont;
    fontDialog.Flags =
        CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT | CF_USESTYLE | CF_EFFECTS | CF_FORCEFONTEXIST;
    fontDialog.lpszStyle = g_fontStyle;

    int result = 0;
    HFONT font = NULL;
    HGDIOBJ previousFont = NULL;
    if (dialogs.chooseFont(&fontDialog)) {
        int lineCount = static_cast<int>(SendMessageA(reportWindow, EM_GETLINECOUNT, 0, 0));
        if (lineCount < 1) {
            result = 1; // nothing to print, no job
        } else {
            logFont.lfHeight =
                PrintFontHeight(fontDialog.iPointSize, GetDeviceCaps(printer, LOGPIXELSY));
            font = CreateFontIndirectA(&logFont);
            previousFont = SelectObject(printer, font);
            TEXTMETRICA metrics;
            memset(&metrics, 0, sizeof metrics);
            GetTextMetricsA(printer, &metrics);
            PrintLayout layout;
            char *line = NULL;
            if (ComputePrintLayout(lineCount, metrics.tmHeight, metrics.tmExternalLeading,
                                   GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES),
                                   metrics.tmAveCharWidth, &layout) &&
                (line = static_cast<char *>(malloc(layout.charsPerLine + 1))) != NULL) {
                if (StartDocA(printer, &document) > 0) {
                    const bool collate = (printDialog.Flags & PD_COLLATE) != 0;
                    result = PrintPages(printer, reportWindow, layout, lineCount,
                                        printDialog.nCopies, collate, line)
                                 ? 1
                                 : 0;
                    if (result == 1)
                        EndDoc(printer);
                }
                free(line);
            }
        }
    }

    // A font still selected into a device context cannot be deleted: put the old one back.
    if (font != NULL) {
        SelectObject(printer, previousFont);
        DeleteObject(font);
    }
    DeleteDC(printer);
    if (printDialog.hDevMode != NULL)
        GlobalFree(printDialog.hDevMode);
    if (printDialog.hDevNames != NULL)
        GlobalFree(printDialog.hDevNames);
    return result;
}

} // namespace

int PrintReport(HWND owner, HWND reportWindow, const char *documentName) {
    HMODULE library = LoadLibraryA("comdlg32.dll");
    if (library == NULL)
        return 0;
    CommonDialogs dialogs;
    dialogs.printDlg = reinterpret_cast<PrintDlgFunction>(
        reinterpret_cast<void *>(GetProcAddress(library, "PrintDlgA")));
    dialogs.chooseFont = reinterpret_cast<ChooseFontFunction>(
        reinterpret_cast<void *>(GetProcAddress(library, "ChooseFontA")));
    int result = 0;
    if (dialogs.printDlg != NULL && dialogs.chooseFont != NULL)
        result = PrintThroughDialogs(dialogs, owner, reportWindow, documentName);
    FreeLibrary(library);
    return result;
}
