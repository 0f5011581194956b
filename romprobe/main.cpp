// Romprobe.exe: reads the firmware's SMBIOS tables and the legacy ROM window C0000h to FFFFFh.
// For Firmlook it leaves its findings in a result file in the current directory and prints
// nothing:
//   ROMPROBE xybiosxy          writes XYBIOSXY.$$$, the date record
//   ROMPROBE xybioszz S O T    writes XYBIOSZZ.$$$, the dump text
// For people and scripts it prints a summary (no argument), JSON (--json) or one fact a line
// (-s KEYWORD), reads the tables from a file (--smbios FILE) and saves them for dmidecode
// (--save-smbios FILE).
// The window comes from the firmware table provider 'FIRM' (legacy BIOS machines only) or
// from the image file that ROMPROBE_IMAGE names; the tables from provider 'RSMB'.
// This file only gathers bytes and writes them out; the plain code decides what they say.
#include <windows.h>
#include <stdio.h>

#include "command_line.h"
#include "json_writer.h"
#include "probe_text.h"
#include "shell/shell_texts.h"
#include "smbios.h"
#include "string_keywords.h"
#include "summary_writer.h"
#include "version.h"

namespace {

typedef UINT(WINAPI *FirmwareTableQuery)(DWORD provider, DWORD table, PVOID buffer, DWORD size);

const DWORD kProviderFirm = 'F' << 24 | 'I' << 16 | 'R' << 8 | 'M';
const DWORD kProviderRsmb = 'R' << 24 | 'S' << 16 | 'M' << 8 | 'B';
const DWORD kWindowHalf = kRomWindowSize / 2;   // the provider hands out 128 kB tables
const DWORD kSmbiosLimit = 0x1000000;           // larger claims are not believed
const long kFileLimit = kSmbiosLimit + 0x10000; // a dump file: entry point, table and slack

unsigned char g_window[kRomWindowSize];
char g_dumpText[kDumpTextSize];

// GetSystemFirmwareTable, looked up so that the program still starts without it.
FirmwareTableQuery FirmwareQuery() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == NULL)
        return NULL;
    return reinterpret_cast<FirmwareTableQuery>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetSystemFirmwareTable")));
}

// Reads the image file into the window; its size, or 0 when it cannot be read. A file of
// another size than the window reports a size that the plain code rejects.
int ReadImage(const char *path) {
    FILE *file = fopen(path, "rb");
    if (file == NULL)
        return 0;
    int size = static_cast<int>(fread(g_window, 1, sizeof g_window, file));
    if (size == kRomWindowSize && fgetc(file) != EOF)
        size = kRomWindowSize + 1;
    fclose(file);
    return size;
}

// Reads the window from the firmware in two tables; 0 unless both are there in full.
int ReadFirmwareWindow(FirmwareTableQuery query) {
    if (query == NULL)
        return 0;
    for (DWORD half = 0; half < 2; ++half) {
        if (query(kProviderFirm, kRomWindowBase + half * kWindowHalf, g_window + half * kWindowHalf,
                  kWindowHalf) != kWindowHalf)
            return 0;
    }
    return kRomWindowSize;
}

// The window from the image that ROMPROBE_IMAGE names or, when allowed, from the firmware.
int ReadWindow(FirmwareTableQuery query, bool firmwareToo, bool *fromImage) {
    char image[MAX_PATH];
    DWORD imageLength = GetEnvironmentVariableA("ROMPROBE_IMAGE", image, sizeof image);
    *fromImage = imageLength > 0 && imageLength < sizeof image;
    if (*fromImage)
        return ReadImage(image);
    return firmwareToo ? ReadFirmwareWindow(query) : 0;
}

// The provider's 'RSMB' buffer, or NULL: in g_tables when it fits, so that one call does
// (Wine builds the tables anew for each call), else on the process heap.
unsigned char g_tables[0x10000];

unsigned char *ReadFirmwareTables(FirmwareTableQuery query, int *size) {
    if (query == NULL)
        return NULL;
    UINT claimed = query(kProviderRsmb, 0, g_tables, sizeof g_tables);
    if (claimed > 0 && claimed <= sizeof g_tables) {
        *size = static_cast<int>(claimed);
        return g_tables;
    }
    if (claimed == 0 || claimed > kSmbiosLimit)
        return NULL;
    unsigned char *bytes = static_cast<unsigned char *>(HeapAlloc(GetProcessHeap(), 0, claimed));
    if (bytes == NULL)
        return NULL;
    UINT got = query(kProviderRsmb, 0, bytes, claimed);
    if (got == 0 || got > claimed) {
        HeapFree(GetProcessHeap(), 0, bytes);
        return NULL;
    }
    *size = static_cast<int>(got);
    return bytes;
}

// A whole file (up to kFileLimit bytes) on the process heap, or NULL.
unsigned char *ReadWholeFile(const char *path, int *size) {
    FILE *file = fopen(path, "rb");
    if (file == NULL)
        return NULL;
    long length = fseek(file, 0, SEEK_END) == 0 ? ftell(file) : -1;
    if (length > kFileLimit)
        length = kFileLimit;
    unsigned char *bytes = NULL;
    if (length > 0 && fseek(file, 0, SEEK_SET) == 0)
        bytes = static_cast<unsigned char *>(HeapAlloc(GetProcessHeap(), 0, length));
    if (bytes != NULL) {
        *size = static_cast<int>(fread(bytes, 1, static_cast<size_t>(length), file));
        if (*size == 0) {
            HeapFree(GetProcessHeap(), 0, bytes);
            bytes = NULL;
        }
    }
    fclose(file);
    return bytes;
}

// Writes the whole text or, failing that, nothing.
bool WriteResult(const char *name, const char *text, int length) {
    FILE *file = fopen(name, "wb");
    if (file == NULL)
        return false;
    bool written =
        fwrite(text, 1, static_cast<size_t>(length), file) == static_cast<size_t>(length);
    if (fclose(file) != 0)
        written = false;
    if (!written)
        remove(name);
    return written;
}

// The two forms Firmlook starts, unchanged.
int Probe(const Command &command, int argc, char **argv) {
    FirmwareTableQuery query = FirmwareQuery();
    bool fromImage = false;
    int windowSize = ReadWindow(query, true, &fromImage);

    if (command.kind == kCommandProbeDates) {
        char systemDate[kRomDateSize], videoDate[kRomDateSize], record[kProbeRecordSize];
        if (!WindowSystemDate(g_window, windowSize, systemDate)) {
            int size = 0;
            unsigned char *tables = fromImage ? NULL : ReadFirmwareTables(query, &size);
            bool found = tables != NULL && RawSmbiosBiosDate(tables, size, systemDate);
            if (tables != NULL && tables != g_tables)
                HeapFree(GetProcessHeap(), 0, tables);
            if (!found)
                return 1;
        }
        char marker = VideoBiosDate(g_window, windowSize, videoDate);
        int length = FormatProbeRecord(systemDate, marker, videoDate, record);
        return WriteResult("XYBIOSXY.$$$", record, length) ? 0 : 1;
    }

    unsigned segment = argc > 2 ? ParseCount(argv[2]) : 0;
    unsigned offset = argc > 3 ? ParseCount(argv[3]) : 0;
    unsigned step = argc > 4 ? ParseCount(argv[4]) : 0;
    int length =
        FormatDumpBlock(g_window, windowSize, segment, offset, step, g_dumpText, sizeof g_dumpText);
    return length >= 0 && WriteResult("XYBIOSZZ.$$$", g_dumpText, length) ? 0 : 1;
}

// Standard output or error. Text in Windows-1252 is converted to the console's code page,
// so that a German summary reads right in the console and in what a pipe passes on.
struct Stream {
    HANDLE handle;
    bool convert;
};

Output g_output;

void WriteAll(HANDLE handle, const char *bytes, int count) {
    DWORD written = 0;
    while (count > 0 && WriteFile(handle, bytes, static_cast<DWORD>(count), &written, NULL) &&
           written > 0) {
        bytes += written;
        count -= static_cast<int>(written);
    }
}

void StreamSink(void *context, const char *bytes, int count) {
    const Stream *stream = static_cast<const Stream *>(context);
    UINT codePage = GetConsoleOutputCP();
    if (codePage == 0)
        codePage = GetOEMCP();
    if (!stream->convert || codePage == 1252) {
        WriteAll(stream->handle, bytes, count);
        return;
    }
    static WCHAR wide[sizeof g_output.buffer];
    static char converted[sizeof wide * 2];
    int wideCount = MultiByteToWideChar(1252, 0, bytes, count, wide, sizeof wide / sizeof *wide);
    int length =
        WideCharToMultiByte(codePage, 0, wide, wideCount, converted, sizeof converted, NULL, NULL);
    if (length > 0)
        WriteAll(stream->handle, converted, length);
    else
        WriteAll(stream->handle, bytes, count); // a code page the system cannot convert to
}

void StartStream(DWORD which, bool convert, Stream *stream) {
    stream->handle = GetStdHandle(which);
    stream->convert = convert;
    OutputStart(&g_output, StreamSink, stream);
}

// A one-line message on standard error, the file name in place of its '%'.
void Complain(int language, const char *english, const char *german, const char *file) {
    Stream stream;
    StartStream(STD_ERROR_HANDLE, true, &stream);
    OutputText(&g_output, "Romprobe: ");
    for (const char *p = language ? german : english; *p != '\0'; ++p) {
        if (*p == '%')
            OutputText(&g_output, file);
        else
            OutputChar(&g_output, *p);
    }
    OutputText(&g_output, "\r\n");
    OutputFlush(&g_output);
}

bool SaveTables(const SmbiosTable &table, const char *path) {
    unsigned char header[kSmbiosDumpTableAt];
    SmbiosDumpHeader(&table, header);
    FILE *file = fopen(path, "wb");
    if (file == NULL)
        return false;
    bool written = fwrite(header, 1, sizeof header, file) == sizeof header &&
                   fwrite(table.data, 1, static_cast<size_t>(table.size), file) ==
                       static_cast<size_t>(table.size);
    return fclose(file) == 0 && written;
}

int Facts(const Command &command, int language) {
    FirmwareTableQuery query = FirmwareQuery();
    int size = 0;
    unsigned char *bytes = command.smbiosFile != NULL ? ReadWholeFile(command.smbiosFile, &size)
                                                      : ReadFirmwareTables(query, &size);
    if (bytes == NULL && command.smbiosFile != NULL) {
        Complain(language, "cannot read %", "% kann nicht gelesen werden", command.smbiosFile);
        return 1;
    }
    SmbiosTable table;
    bool found = SmbiosFromBytes(bytes, size, &table);
    if (!found && command.smbiosFile != NULL) {
        Complain(language, "% is not an SMBIOS table", "% ist keine SMBIOS-Tabelle",
                 command.smbiosFile);
        return 1;
    }
    // Tables from a file come from another machine: its ROM only from an image file too. A
    // single fact needs no ROM window.
    bool fromImage = false;
    RomFacts rom;
    ReadRomFacts(g_window,
                 command.print == kPrintKeyword
                     ? 0
                     : ReadWindow(query, command.smbiosFile == NULL, &fromImage),
                 &rom);
    if (!found && (!rom.window || command.saveFile != NULL || command.print == kPrintKeyword)) {
        Complain(language, "no SMBIOS tables to read", "keine SMBIOS-Tabellen zu lesen", NULL);
        return 1;
    }
    if (command.saveFile != NULL && !SaveTables(table, command.saveFile)) {
        Complain(language, "cannot write %", "% kann nicht geschrieben werden", command.saveFile);
        return 1;
    }
    if (command.print != kPrintNothing) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        const CalendarDate today = {now.wYear, now.wMonth, now.wDay};
        Stream stream;
        StartStream(STD_OUTPUT_HANDLE, command.print != kPrintJson, &stream);
        if (command.print == kPrintJson)
            WriteJson(&table, &rom, today, &g_output);
        else if (command.print == kPrintKeyword)
            WriteKeywordValues(&table, command.keyword, &g_output);
        else
            WriteSummary(&table, &rom, today, language, &g_output);
        OutputFlush(&g_output);
    }
    return 0;
}

// The usage on standard output (help) or, after what was not understood, on standard error.
int Usage(const Command &command, int language) {
    Stream stream;
    StartStream(command.kind == kCommandWrong ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE, true,
                &stream);
    if (command.kind == kCommandWrong) {
        OutputText(&g_output, "Romprobe: ");
        WriteWrongMessage(&command, language, &g_output);
        OutputText(&g_output, "\r\n");
    }
    if (command.kind == kCommandVersion) {
        OutputText(&g_output, "Romprobe " FIRMLOOK_VERSION_TEXT "\r\n");
    } else {
        if (command.kind == kCommandWrong && command.wrong == kWrongKeyword)
            OutputText(&g_output, language ? "Schlüsselwörter:\r\n" : "Keywords:\r\n");
        else
            OutputText(&g_output, UsageText(language));
        WriteKeywordList(&g_output);
    }
    OutputFlush(&g_output);
    return command.kind == kCommandWrong ? 2 : 0;
}

} // namespace

int main(int argc, char **argv) {
    Command command;
    ParseCommandLine(argc, argv, &command);
    if (command.kind == kCommandProbeDates || command.kind == kCommandProbeDump)
        return Probe(command, argc, argv);

    int language = LanguageFlagFor(GetUserDefaultLangID());
    if (command.kind != kCommandFacts)
        return Usage(command, language);
    return Facts(command, language);
}
