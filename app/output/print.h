// Printing the report window's text.
#ifndef FIRMLOOK_PRINT_H
#define FIRMLOOK_PRINT_H

#include <windows.h>

// 1 when printed completely (or nothing to print), 0 when cancelled or failed.
int PrintReport(HWND owner, HWND reportWindow, const char *documentName);

#endif
