// The platform records that the program fills in have fixed sizes on 32-bit Windows; the
// 32-bit build checks them here. The code itself always uses sizeof and offsetof.
#ifndef FIRMLOOK_RECORD_SIZES_H
#define FIRMLOOK_RECORD_SIZES_H

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <stddef.h>

// Size of a tool record up to and including lParam, without the trailing reserved pointer.
#define TOOLINFO_RECORD_SIZE offsetof(TOOLINFOA, lpReserved)

#ifndef _WIN64
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA");
static_assert(sizeof(OSVERSIONINFOEXA) == 156, "OSVERSIONINFOEXA");
static_assert(sizeof(STARTUPINFOA) == 68, "STARTUPINFOA");
static_assert(TOOLINFO_RECORD_SIZE == 44, "TOOLINFOA up to lParam");
static_assert(sizeof(PRINTDLGA) == 66, "PRINTDLGA");
static_assert(sizeof(CHOOSEFONTA) == 60, "CHOOSEFONTA");
static_assert(sizeof(DOCINFOA) == 20, "DOCINFOA");
static_assert(sizeof(MEMORYSTATUSEX) == 64, "MEMORYSTATUSEX");
#endif

#endif
