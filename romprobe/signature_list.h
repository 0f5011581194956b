// The entries of an EFI signature database (PK, KEK, db, dbx): EFI_SIGNATURE_LISTs one after
// the other, each a header, a header of its own and entries of one size, each entry its
// owner's GUID and the signature. Plain code.
#ifndef ROMPROBE_SIGNATURE_LIST_H
#define ROMPROBE_SIGNATURE_LIST_H

enum SignatureKind { kSignatureX509, kSignatureSha256, kSignatureOther };

struct SignatureEntry {
    int kind;
    const unsigned char *type;  // the list's signature type, a GUID
    const unsigned char *owner; // a GUID
    const unsigned char *data;  // the signature: a certificate, a hash, ...
    int length;
};

struct SignatureWalk {
    const unsigned char *next, *end; // the next list, the end of the store
    const unsigned char *entry, *entriesEnd;
    const unsigned char *type;
    long entrySize;
    int error; // a FirmwareDataError once the walk has stopped at damage
};

void StartSignatureWalk(const unsigned char *store, int length, SignatureWalk *walk);
// The next entry in store order; false at the end of the store or at its first damage.
bool NextSignature(SignatureWalk *walk, SignatureEntry *entry);

#endif
