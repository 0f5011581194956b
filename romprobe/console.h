// Romprobe's standard output and error: text in Windows-1252 goes out in the console's code
// page, and one-line messages name the file they are about in the system's ANSI code page, the
// one the command line arrives in.
#ifndef ROMPROBE_CONSOLE_H
#define ROMPROBE_CONSOLE_H

#include <windows.h>

#include "output.h"

// The one output buffer; StartStream points it at a stream.
extern Output g_output;

struct Stream {
    HANDLE handle;
    bool convert; // to the console's code page
    UINT from;    // the code page of what is handed on: 1252, or the ANSI code page for names
    bool failed;  // a write failed: what was handed on is lost, and nothing more is written
};

void StartStream(DWORD which, bool convert, Stream *stream);

// Hands on the rest of the buffer. False, with its message on standard error, when a write
// failed (a full or removed drive, a pipe whose reader has gone).
bool EndStream(int language, Stream *stream);

// A one-line message on standard error, the file name in place of its '%'.
void Complain(int language, const char *english, const char *german, const char *file);

#endif
