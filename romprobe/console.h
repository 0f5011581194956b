// Romprobe's standard output and error: text in Windows-1252 goes out in the console's code
// page, and one-line messages name the file they are about.
#ifndef ROMPROBE_CONSOLE_H
#define ROMPROBE_CONSOLE_H

#include <windows.h>

#include "output.h"

// The one output buffer; StartStream points it at a stream.
extern Output g_output;

struct Stream {
    HANDLE handle;
    bool convert; // Windows-1252 to the console's code page
};

void StartStream(DWORD which, bool convert, Stream *stream);

// A one-line message on standard error, the file name in place of its '%'.
void Complain(int language, const char *english, const char *german, const char *file);

#endif
