#include "signature_list.h"

#include "firmware_bytes.h"
#include "firmware_errors.h"

namespace {

const char kX509[] = "a5c059a1-94e4-4aa7-87b5-ab155c2bf072";
const char kSha256[] = "c1c41626-504c-4092-aca9-41f936934328";
const int kListHeaderSize = 28; // type, list size, header size, entry size

// Moves to the next list's entries; false, with the error set, when it is damaged.
bool StartList(SignatureWalk *walk) {
    long left = walk->end - walk->next;
    if (left < kListHeaderSize) {
        walk->error = kListHeaderPastEnd;
        return false;
    }
    const unsigned char *list = walk->next;
    unsigned long size = ReadLe32(list + 16), header = ReadLe32(list + 20);
    unsigned long entrySize = ReadLe32(list + 24);
    if (size > static_cast<unsigned long>(left) || size < kListHeaderSize ||
        header > size - kListHeaderSize) {
        walk->error = kListHeaderPastEnd;
        return false;
    }
    unsigned long entries = size - kListHeaderSize - header;
    if (entrySize <= kGuidSize) { // not even the owner
        walk->error = kListZeroSize;
        return false;
    }
    if (entries % entrySize != 0 || (GuidIs(list, kSha256) && entrySize != kGuidSize + 32)) {
        walk->error = kListEntriesPastEnd;
        return false;
    }
    walk->type = list;
    walk->entrySize = static_cast<long>(entrySize);
    walk->entry = list + kListHeaderSize + header;
    walk->entriesEnd = list + size;
    walk->next = list + size;
    return true;
}

} // namespace

void StartSignatureWalk(const unsigned char *store, int length, SignatureWalk *walk) {
    walk->next = store;
    walk->end = store + length;
    walk->entry = walk->entriesEnd = store;
    walk->type = store;
    walk->entrySize = 0;
    walk->error = kDataOk;
}

bool NextSignature(SignatureWalk *walk, SignatureEntry *entry) {
    while (walk->entry == walk->entriesEnd) {
        if (walk->error != kDataOk || walk->next == walk->end || !StartList(walk))
            return false;
    }
    entry->type = walk->type;
    entry->kind = GuidIs(walk->type, kX509)     ? kSignatureX509
                  : GuidIs(walk->type, kSha256) ? kSignatureSha256
                                                : kSignatureOther;
    entry->owner = walk->entry;
    entry->data = walk->entry + kGuidSize;
    entry->length = static_cast<int>(walk->entrySize - kGuidSize);
    walk->entry += walk->entrySize;
    return true;
}
