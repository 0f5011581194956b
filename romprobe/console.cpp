#include "console.h"

Output g_output;

namespace {

bool WriteAll(HANDLE handle, const char *bytes, int count) {
    DWORD written = 0;
    while (count > 0) {
        if (!WriteFile(handle, bytes, static_cast<DWORD>(count), &written, NULL) || written == 0)
            return false;
        bytes += written;
        count -= static_cast<int>(written);
    }
    return true;
}

// A German summary reads right in the console and in what a pipe passes on.
void StreamSink(void *context, const char *bytes, int count) {
    Stream *stream = static_cast<Stream *>(context);
    if (stream->failed)
        return;
    UINT codePage = GetConsoleOutputCP();
    if (codePage == 0)
        codePage = GetOEMCP();
    if (!stream->convert || codePage == stream->from) {
        stream->failed = !WriteAll(stream->handle, bytes, count);
        return;
    }
    static WCHAR wide[sizeof g_output.buffer];
    static char converted[sizeof wide * 2];
    int wideCount =
        MultiByteToWideChar(stream->from, 0, bytes, count, wide, sizeof wide / sizeof *wide);
    int length =
        WideCharToMultiByte(codePage, 0, wide, wideCount, converted, sizeof converted, NULL, NULL);
    if (length > 0)
        stream->failed = !WriteAll(stream->handle, converted, length);
    else // a code page the system cannot convert to
        stream->failed = !WriteAll(stream->handle, bytes, count);
}

} // namespace

void StartStream(DWORD which, bool convert, Stream *stream) {
    stream->handle = GetStdHandle(which);
    stream->convert = convert;
    stream->from = 1252;
    stream->failed = false;
    OutputStart(&g_output, StreamSink, stream);
}

bool EndStream(int language, Stream *stream) {
    OutputFlush(&g_output);
    if (stream->failed)
        Complain(language, "cannot write standard output",
                 "Standardausgabe kann nicht geschrieben werden", NULL);
    return !stream->failed;
}

void Complain(int language, const char *english, const char *german, const char *file) {
    Stream stream;
    StartStream(STD_ERROR_HANDLE, true, &stream);
    OutputText(&g_output, "Romprobe: ");
    for (const char *p = language ? german : english; *p != '\0'; ++p) {
        if (*p != '%') {
            OutputChar(&g_output, *p);
            continue;
        }
        OutputFlush(&g_output);
        stream.from = GetACP();
        OutputText(&g_output, file);
        OutputFlush(&g_output);
        stream.from = 1252;
    }
    OutputText(&g_output, "\r\n");
    OutputFlush(&g_output);
}
