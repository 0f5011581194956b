// The pieces of Romprobe's JSON: members and array elements each on a line of their own,
// indented two blanks a level. Plain code.
#ifndef ROMPROBE_JSON_PARTS_H
#define ROMPROBE_JSON_PARTS_H

#include "output.h"

struct Json {
    Output *out;
    int depth;
    bool first; // nothing written yet in the current object or array
};

// Starts a member (key) or an array element (key NULL) on its own line.
void JsonItem(Json *json, const char *key);
// Starts an object ('{') or array ('[') as a member or element; JsonClose ends it.
void JsonOpen(Json *json, const char *key, char bracket);
void JsonClose(Json *json, char bracket);
void JsonNull(Json *json, const char *key);

#endif
