#include "firmware_read.h"

#include <stdio.h>

namespace {

const DWORD kProviderFirm = 'F' << 24 | 'I' << 16 | 'R' << 8 | 'M';
const DWORD kProviderRsmb = 'R' << 24 | 'S' << 16 | 'M' << 8 | 'B';
const DWORD kWindowHalf = kRomWindowSize / 2;   // the provider hands out 128 kB tables
const DWORD kSmbiosLimit = 0x1000000;           // larger claims are not believed
const long kFileLimit = kSmbiosLimit + 0x10000; // a dump file: entry point, table and slack

// The 'RSMB' buffer when it fits, so that one call does (Wine builds the tables anew for
// each call); larger tables go on the process heap.
unsigned char g_tables[0x10000];

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

} // namespace

unsigned char g_window[kRomWindowSize];

FirmwareTableQuery FirmwareQuery() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == NULL)
        return NULL;
    return reinterpret_cast<FirmwareTableQuery>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetSystemFirmwareTable")));
}

int ReadWindow(FirmwareTableQuery query, bool firmwareToo, bool *fromImage) {
    char image[MAX_PATH];
    DWORD imageLength = GetEnvironmentVariableA("ROMPROBE_IMAGE", image, sizeof image);
    *fromImage = imageLength > 0 && imageLength < sizeof image;
    if (*fromImage)
        return ReadImage(image);
    return firmwareToo ? ReadFirmwareWindow(query) : 0;
}

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

void FreeTables(unsigned char *bytes) {
    if (bytes != NULL && bytes != g_tables)
        HeapFree(GetProcessHeap(), 0, bytes);
}
