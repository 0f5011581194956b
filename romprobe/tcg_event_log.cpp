#include "tcg_event_log.h"

#include <string.h>

#include "der_reader.h"
#include "firmware_bytes.h"
#include "firmware_errors.h"

namespace {

const int kSha1EventHeader = 32; // PCR, type, SHA-1 digest, size

// The first event's header of the crypto-agile form: the algorithms and their digest sizes.
void ReadAgileHeader(EventLogWalk *walk, const LogEvent &event) {
    if (event.type != kEvNoAction || event.length < 28 ||
        memcmp(event.data, "Spec ID Event03", 16) != 0)
        return;
    unsigned long count = ReadLe32(event.data + 24);
    if (count == 0 || count > 8 || 28 + 4 * count > static_cast<unsigned long>(event.length)) {
        walk->error = kLogBadHeader;
        return;
    }
    walk->algorithms = static_cast<int>(count);
    for (unsigned long i = 0; i < count; ++i) {
        walk->ids[i] = static_cast<unsigned short>(ReadLe16(event.data + 28 + 4 * i));
        walk->sizes[i] = static_cast<unsigned short>(ReadLe16(event.data + 30 + 4 * i));
    }
}

// Past the crypto-agile digests at p; NULL when one is undeclared or runs past the end.
const unsigned char *SkipDigests(EventLogWalk *walk, const unsigned char *p) {
    unsigned long count = ReadLe32(p);
    p += 4;
    for (unsigned long n = 0; n < count; ++n) {
        if (walk->end - p < 2) {
            walk->error = kLogEventPastEnd;
            return NULL;
        }
        int i = 0;
        while (i < walk->algorithms && walk->ids[i] != ReadLe16(p))
            ++i;
        if (i == walk->algorithms) {
            walk->error = kLogUnknownDigest;
            return NULL;
        }
        if (walk->end - p - 2 < walk->sizes[i]) {
            walk->error = kLogEventPastEnd;
            return NULL;
        }
        p += 2 + walk->sizes[i];
    }
    return p;
}

// The DER certificate filling exactly length bytes at der.
bool WholeCertificate(const unsigned char *der, int length) {
    const unsigned char *at = der;
    DerItem item;
    return DerExpect(&at, der + length, 0x30, &item) && at == der + length;
}

} // namespace

void StartEventLog(const unsigned char *log, int size, EventLogWalk *walk) {
    walk->start = walk->next = log;
    walk->end = log + size;
    walk->algorithms = 0;
    walk->error = kDataOk;
}

bool NextLogEvent(EventLogWalk *walk, LogEvent *event) {
    const unsigned char *p = walk->next;
    bool first = p == walk->start;
    if (walk->error != kDataOk || p == walk->end)
        return false;
    if (walk->end - p < (first || walk->algorithms == 0 ? kSha1EventHeader : 12)) {
        walk->error = first ? kLogBadHeader : kLogEventPastEnd;
        return false;
    }
    event->pcr = ReadLe32(p);
    event->type = ReadLe32(p + 4);
    p = first || walk->algorithms == 0 ? p + 28 : SkipDigests(walk, p + 8);
    if (p == NULL)
        return false;
    long left = walk->end - p - 4; // after the event's size
    if (left < 0 || ReadLe32(p) > static_cast<unsigned long>(left)) {
        walk->error = first ? kLogBadHeader : kLogEventPastEnd;
        return false;
    }
    event->data = p + 4;
    event->length = static_cast<int>(ReadLe32(p));
    walk->next = event->data + event->length;
    if (first)
        ReadAgileHeader(walk, *event);
    return walk->error == kDataOk;
}

bool ReadEfiVariableEvent(const LogEvent *event, EfiVariableEvent *variable) {
    if (event->length < 32 || ReadLe32(event->data + 20) != 0 || ReadLe32(event->data + 28) != 0)
        return false;
    unsigned long chars = ReadLe32(event->data + 16), length = ReadLe32(event->data + 24);
    unsigned long room = static_cast<unsigned long>(event->length - 32);
    if (chars > room / 2 || length > room - 2 * chars)
        return false;
    variable->guid = event->data;
    variable->name = event->data + 32;
    variable->nameChars = static_cast<int>(chars);
    variable->data = variable->name + 2 * chars;
    variable->length = static_cast<int>(length);
    return true;
}

bool EfiVariableNameIs(const EfiVariableEvent *variable, const char *ascii) {
    int i = 0;
    for (; i < variable->nameChars && ascii[i] != '\0'; ++i)
        if (ReadLe16(variable->name + 2 * i) != static_cast<unsigned char>(ascii[i]))
            return false;
    // Some firmware counts the name's terminating NUL.
    return ascii[i] == '\0' &&
           (i == variable->nameChars ||
            (i + 1 == variable->nameChars && ReadLe16(variable->name + 2 * i) == 0));
}

bool AuthorityCertificate(const LogEvent *event, const unsigned char **der, int *length) {
    EfiVariableEvent variable;
    if (event->pcr != 7 || event->type != kEvEfiVariableAuthority ||
        !ReadEfiVariableEvent(event, &variable))
        return false;
    int skip = WholeCertificate(variable.data, variable.length) ? 0 : kGuidSize;
    if (skip != 0 && (variable.length <= skip ||
                      !WholeCertificate(variable.data + skip, variable.length - skip)))
        return false;
    *der = variable.data + skip;
    *length = variable.length - skip;
    return true;
}
