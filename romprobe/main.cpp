// Romprobe.exe: reads the BIOS dates or one 4 kB block of the ROM window C0000h to FFFFFh
// and leaves them in a result file in the current directory, for Firmlook to read.
//   ROMPROBE xybiosxy          writes XYBIOSXY.$$$, the date record
//   ROMPROBE xybioszz S O T    writes XYBIOSZZ.$$$, the dump text
// The window comes from the firmware table provider 'FIRM' (legacy BIOS machines only) or
// from the image file that ROMPROBE_IMAGE names; the system date falls back to the SMBIOS
// tables of provider 'RSMB'. Nothing is shown; the exit code is 0 when a file was written.
#include <windows.h>
#include <stdio.h>

#include "probe_text.h"

namespace {

typedef UINT(WINAPI *FirmwareTableQuery)(DWORD provider, DWORD table, PVOID buffer, DWORD size);

const DWORD kProviderFirm = 'F' << 24 | 'I' << 16 | 'R' << 8 | 'M';
const DWORD kProviderRsmb = 'R' << 24 | 'S' << 16 | 'M' << 8 | 'B';
const DWORD kWindowHalf = kRomWindowSize / 2; // the provider hands out 128 kB tables
const DWORD kSmbiosLimit = 0x1000000;         // larger claims are not believed

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

bool SmbiosDate(FirmwareTableQuery query, char *date) {
    if (query == NULL)
        return false;
    UINT size = query(kProviderRsmb, 0, NULL, 0);
    if (size == 0 || size > kSmbiosLimit)
        return false;
    HANDLE heap = GetProcessHeap();
    unsigned char *table = static_cast<unsigned char *>(HeapAlloc(heap, 0, size));
    if (table == NULL)
        return false;
    UINT got = query(kProviderRsmb, 0, table, size);
    bool found = got <= size && RawSmbiosBiosDate(table, static_cast<int>(got), date);
    HeapFree(heap, 0, table);
    return found;
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

} // namespace

int main(int argc, char **argv) {
    if (argc < 2)
        return 1;
    bool dates = lstrcmpiA(argv[1], "xybiosxy") == 0;
    if (!dates && lstrcmpiA(argv[1], "xybioszz") != 0)
        return 1;

    FirmwareTableQuery query = FirmwareQuery();
    char image[MAX_PATH];
    DWORD imageLength = GetEnvironmentVariableA("ROMPROBE_IMAGE", image, sizeof image);
    bool fromImage = imageLength > 0 && imageLength < sizeof image;
    int windowSize = fromImage ? ReadImage(image) : ReadFirmwareWindow(query);

    if (dates) {
        char systemDate[kRomDateSize], videoDate[kRomDateSize], record[kProbeRecordSize];
        if (!WindowSystemDate(g_window, windowSize, systemDate) &&
            (fromImage || !SmbiosDate(query, systemDate)))
            return 1;
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
