#include "console.h"

Output g_output;

namespace {

void WriteAll(HANDLE handle, const char *bytes, int count) {
    DWORD written = 0;
    while (count > 0 && WriteFile(handle, bytes, static_cast<DWORD>(count), &written, NULL) &&
           written > 0) {
        bytes += written;
        count -= static_cast<int>(written);
    }
}

// A German summary reads right in the console and in what a pipe passes on.
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

} // namespace

void StartStream(DWORD which, bool convert, Stream *stream) {
    stream->handle = GetStdHandle(which);
    stream->convert = convert;
    OutputStart(&g_output, StreamSink, stream);
}

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
