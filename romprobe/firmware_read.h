// Reading what Romprobe reports on: the ROM window from the firmware or from the image file
// that ROMPROBE_IMAGE names, the SMBIOS tables from the firmware, and whole files.
#ifndef ROMPROBE_FIRMWARE_READ_H
#define ROMPROBE_FIRMWARE_READ_H

#include <windows.h>

#include "probe_text.h"

typedef UINT(WINAPI *FirmwareTableQuery)(DWORD provider, DWORD table, PVOID buffer, DWORD size);

// The ROM window as the last ReadWindow left it.
extern unsigned char g_window[kRomWindowSize];

// GetSystemFirmwareTable, or NULL on a Windows without it.
FirmwareTableQuery FirmwareQuery();

// Reads the window from the image that ROMPROBE_IMAGE names or, when firmwareToo, from the
// firmware; returns its size (0 when there is none). *fromImage tells whether the variable
// was set.
int ReadWindow(FirmwareTableQuery query, bool firmwareToo, bool *fromImage);

// The provider's 'RSMB' buffer and its size, or NULL; free it with FreeTables.
unsigned char *ReadFirmwareTables(FirmwareTableQuery query, int *size);

// A whole file (up to a little more than the largest table believed), or NULL; free it with
// FreeTables.
unsigned char *ReadWholeFile(const char *path, int *size);

void FreeTables(unsigned char *bytes);

#endif
