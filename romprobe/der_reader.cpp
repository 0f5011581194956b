#include "der_reader.h"

bool DerNext(const unsigned char **at, const unsigned char *end, DerItem *item) {
    const unsigned char *p = *at;
    if (end - p < 2 || (p[0] & 0x1F) == 0x1F)
        return false;
    item->tag = p[0];
    long length = p[1];
    p += 2;
    if (length & 0x80) {
        int count = length & 0x7F; // 0: the indefinite form, which DER does not allow
        if (count == 0 || count > 3 || end - p < count)
            return false;
        length = 0;
        for (int i = 0; i < count; ++i)
            length = length << 8 | *p++;
    }
    if (length > end - p)
        return false;
    item->content = p;
    item->length = static_cast<int>(length);
    *at = p + length;
    return true;
}

bool DerExpect(const unsigned char **at, const unsigned char *end, unsigned char tag,
               DerItem *item) {
    const unsigned char *start = *at;
    if (!DerNext(at, end, item))
        return false;
    if (item->tag == tag)
        return true;
    *at = start;
    return false;
}
