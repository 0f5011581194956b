// Romprobe's output: bytes gathered in a buffer and handed on in pieces to a function that
// writes them (standard output in the program, a string in the tests). Plain code.
#ifndef ROMPROBE_OUTPUT_H
#define ROMPROBE_OUTPUT_H

typedef void (*OutputSink)(void *context, const char *bytes, int count);

struct Output {
    char buffer[2048];
    int used;
    OutputSink sink;
    void *context;
};

void OutputStart(Output *out, OutputSink sink, void *context);
void OutputBytes(Output *out, const char *bytes, int count);
void OutputText(Output *out, const char *text);
void OutputChar(Output *out, char c);
// A decimal number, with its sign when negative.
void OutputNumber(Output *out, long long value);
// A size in KB as MB: the whole part, then the fraction's digits when there is one.
void OutputMegabytes(Output *out, long long kilobytes);
// Writes the decimal digits of value and a NUL; returns where the NUL is. Takes no 64-bit
// division, which would pull a runtime routine into the 32-bit program.
char *DecimalText(char *text, unsigned long long value);
// Hands on what is still in the buffer.
void OutputFlush(Output *out);

#endif
