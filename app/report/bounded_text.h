// Appending to a fixed character buffer without running past its end.
#ifndef FIRMLOOK_BOUNDED_TEXT_H
#define FIRMLOOK_BOUNDED_TEXT_H

// Appends text to the NUL-terminated string in buffer (size bytes in all); what does not
// fit is dropped and the result stays terminated.
void AppendBounded(char *buffer, int size, const char *text);

#endif
