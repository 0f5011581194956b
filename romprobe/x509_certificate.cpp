#include "x509_certificate.h"

#include <string.h>

#include "der_reader.h"
#include "firmware_bytes.h"
#include "firmware_errors.h"

namespace {

// A range of items and the first error met in it.
struct Items {
    const unsigned char *at, *end;
    int error;
};

Items Inside(const DerItem &item) {
    Items items = {item.content, item.content + item.length, kDataOk};
    return items;
}

// The next item, held to tag (0: any); false after the first error.
bool Take(Items *items, unsigned char tag, DerItem *item) {
    if (items->error != kDataOk)
        return false;
    const unsigned char *start = items->at;
    if (!DerNext(&items->at, items->end, item)) {
        items->error = kDerItemPastEnd;
        return false;
    }
    if (tag != 0 && item->tag != tag) {
        items->at = start;
        items->error = kDerNotCertificate;
        return false;
    }
    return true;
}

// Windows-1252 0x80 to 0x9F, the five bytes it leaves undefined as 0.
const unsigned short kHighBlock[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char Windows1252(unsigned long code) {
    if (code >= 0x20 && code != 0x7F && (code < 0x80 || (code >= 0xA0 && code <= 0xFF)))
        return static_cast<char>(code);
    for (int i = 0; i < 32; ++i)
        if (code >= 0x100 && kHighBlock[i] == code)
            return static_cast<char>(0x80 + i);
    return '?';
}

// A directory string in Windows-1252: UTF8String, BMPString, UniversalString, and the
// one-byte strings taken as Latin-1.
void DirectoryString(const DerItem &item, char *text, int size) {
    int width = item.tag == 0x1E ? 2 : item.tag == 0x1C ? 4 : 1;
    int used = 0;
    for (int i = 0; i + width <= item.length && used + 1 < size;) {
        const unsigned char *p = item.content + i;
        unsigned long code = 0;
        for (int k = 0; k < width; ++k)
            code = code << 8 | p[k];
        i += width;
        if (item.tag == 0x0C && code >= 0x80) { // UTF-8: a lead byte and its continuations
            int more = code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : code >= 0xC0 ? 1 : 0;
            code &= 0x3F >> more;
            for (; more > 0 && i < item.length && (item.content[i] & 0xC0) == 0x80; --more)
                code = code << 6 | (item.content[i++] & 0x3F);
            if (more > 0 || code < 0x80)
                code = '?';
        }
        text[used++] = Windows1252(code);
    }
    text[used] = '\0';
}

// The first common name (2.5.4.3) of a Name: a sequence of sets of type-and-value sequences.
int CommonName(const DerItem &name, char *text, int size) {
    Items rdns = Inside(name);
    DerItem rdn, pair, type, value;
    text[0] = '\0';
    bool found = false;
    while (rdns.at < rdns.end && Take(&rdns, 0x31, &rdn)) {
        Items pairs = Inside(rdn);
        while (pairs.at < pairs.end && Take(&pairs, 0x30, &pair)) {
            Items parts = Inside(pair);
            if (Take(&parts, 0x06, &type) && Take(&parts, 0, &value) && !found &&
                type.length == 3 && memcmp(type.content, "\x55\x04\x03", 3) == 0) {
                DirectoryString(value, text, size);
                found = true;
            }
            if (parts.error != kDataOk)
                return parts.error;
        }
        if (pairs.error != kDataOk)
            return pairs.error;
    }
    return rdns.error;
}

// UTCTime "YYMMDDhhmm[ss]Z" (years 1950 to 2049) or GeneralizedTime "YYYYMMDDhhmmss[.f]Z".
void Date(const DerItem &time, char *text) {
    text[0] = '\0';
    int digits = time.tag == 0x17 ? 6 : 8;
    if ((time.tag != 0x17 && time.tag != 0x18) || time.length < digits + 5 ||
        time.content[time.length - 1] != 'Z')
        return;
    char year[4] = {'1', '9', 0, 0};
    const unsigned char *p = time.content;
    if (digits == 8) {
        memcpy(year, p, 4);
        p += 4;
    } else {
        year[2] = static_cast<char>(p[0]);
        year[3] = static_cast<char>(p[1]);
        if (p[0] < '5')
            memcpy(year, "20", 2);
        p += 2;
    }
    char iso[11] = {year[0],
                    year[1],
                    year[2],
                    year[3],
                    '-',
                    static_cast<char>(p[0]),
                    static_cast<char>(p[1]),
                    '-',
                    static_cast<char>(p[2]),
                    static_cast<char>(p[3]),
                    '\0'};
    for (int i = 0; i < 10; ++i)
        if (i != 4 && i != 7 && (iso[i] < '0' || iso[i] > '9'))
            return;
    memcpy(text, iso, sizeof iso);
}

// The INTEGER's value as openssl shows it: the magnitude's bytes without the sign's padding,
// at least one byte.
int Serial(const DerItem &serial, char *text) {
    unsigned char magnitude[65];
    int length = serial.length;
    if (length == 0 || length > 65)
        return kDerNotCertificate;
    bool negative = (serial.content[0] & 0x80) != 0;
    unsigned carry = 1;
    for (int i = length - 1; i >= 0; --i) { // a negative value's two's complement
        unsigned byte = negative ? (serial.content[i] ^ 0xFFu) + carry : serial.content[i];
        carry = negative && byte > 0xFF;
        magnitude[i] = static_cast<unsigned char>(byte);
    }
    int start = 0;
    while (start < length - 1 && magnitude[start] == 0)
        ++start;
    if (negative)
        *text++ = '-';
    HexText(magnitude + start, length - start, text);
    return kDataOk;
}

} // namespace

int ReadCertificate(const unsigned char *der, int length, CertificateFacts *facts) {
    memset(facts, 0, sizeof *facts);
    Items outer = {der, der + length, kDataOk};
    DerItem certificate, tbs, item;
    if (!Take(&outer, 0x30, &certificate))
        return outer.error;
    Items parts = Inside(certificate);
    if (!Take(&parts, 0x30, &tbs))
        return parts.error;
    Items fields = Inside(tbs);
    if (fields.at < fields.end && fields.at[0] == 0xA0) // the version, absent in version 1
        Take(&fields, 0xA0, &item);
    if (Take(&fields, 0x02, &item) && (fields.error = Serial(item, facts->serial)) == kDataOk &&
        Take(&fields, 0x30, &item) && Take(&fields, 0x30, &item) &&
        (fields.error = CommonName(item, facts->issuer, sizeof facts->issuer)) == kDataOk &&
        Take(&fields, 0x30, &item)) {
        Items validity = Inside(item);
        if (Take(&validity, 0, &item))
            Date(item, facts->notBefore);
        if (Take(&validity, 0, &item))
            Date(item, facts->notAfter);
        if (validity.error != kDataOk)
            return validity.error;
        if (Take(&fields, 0x30, &item))
            fields.error = CommonName(item, facts->subject, sizeof facts->subject);
    }
    return fields.error;
}
