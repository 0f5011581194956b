#include "firmware_bytes.h"

#include <string.h>

#include "text_helpers.h"

unsigned long ReadLe16(const unsigned char *bytes) {
    return bytes[0] | static_cast<unsigned long>(bytes[1]) << 8;
}

unsigned long ReadLe32(const unsigned char *bytes) {
    return ReadLe16(bytes) | ReadLe16(bytes + 2) << 16;
}

void HexText(const unsigned char *bytes, int count, char *text) {
    for (int i = 0; i < count; ++i)
        text = PutHex(text, bytes[i], 2, true);
    *text = '\0';
}

void GuidText(const unsigned char *guid, char *text) {
    // The byte order of each group: Data1, Data2 and Data3 are little-endian.
    static const unsigned char kOrder[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    for (int i = 0; i < 16; ++i) {
        HexText(guid + kOrder[i], 1, text);
        text += 2;
        if (i == 3 || i == 5 || i == 7 || i == 9)
            *text++ = '-';
    }
    *text = '\0';
}

bool GuidIs(const unsigned char *guid, const char *text) {
    char own[kGuidTextSize];
    GuidText(guid, own);
    return strcmp(own, text) == 0;
}
