#include "bounded_text.h"

#include <string.h>

void AppendBounded(char *buffer, int size, const char *text) {
    size_t used = strlen(buffer);
    if (size <= 0 || used >= static_cast<size_t>(size) - 1)
        return;
    size_t room = static_cast<size_t>(size) - 1 - used;
    size_t n = strlen(text);
    if (n > room)
        n = room;
    memcpy(buffer + used, text, n);
    buffer[used + n] = '\0';
}
