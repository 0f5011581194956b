// The items of DER-encoded ASN.1, one at a time and within bounds: each item's header and its
// content must lie between where it starts and the end given. No recursion: a caller steps into
// a constructed item by reading its content as a new range. Plain code.
#ifndef ROMPROBE_DER_READER_H
#define ROMPROBE_DER_READER_H

struct DerItem {
    unsigned char tag; // the identifier octet; tag numbers above 30 are not read
    const unsigned char *content;
    int length;
};

// Reads the item at *at and moves *at past it. False, with *at unchanged, when no whole item
// starts there: at the end, an unreadable header or a content past end.
bool DerNext(const unsigned char **at, const unsigned char *end, DerItem *item);

// Reads the next item and holds it to the tag given.
bool DerExpect(const unsigned char **at, const unsigned char *end, unsigned char tag,
               DerItem *item);

#endif
