#include "json_parts.h"

#include <stddef.h>

void JsonItem(Json *json, const char *key) {
    if (!json->first)
        OutputChar(json->out, ',');
    OutputChar(json->out, '\n');
    for (int i = 0; i < json->depth; ++i)
        OutputText(json->out, "  ");
    if (key != NULL) {
        OutputChar(json->out, '"');
        OutputText(json->out, key);
        OutputText(json->out, "\": ");
    }
    json->first = false;
}

void JsonOpen(Json *json, const char *key, char bracket) {
    JsonItem(json, key);
    OutputChar(json->out, bracket);
    ++json->depth;
    json->first = true;
}

void JsonClose(Json *json, char bracket) {
    --json->depth;
    if (!json->first) {
        OutputChar(json->out, '\n');
        for (int i = 0; i < json->depth; ++i)
            OutputText(json->out, "  ");
    }
    OutputChar(json->out, bracket);
    json->first = false;
}

void JsonNull(Json *json, const char *key) {
    JsonItem(json, key);
    OutputText(json->out, "null");
}
