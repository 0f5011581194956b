// What can be wrong with a certificate, a signature list or a boot log: the reader gives what
// came before and one of these. Plain code.
#ifndef ROMPROBE_FIRMWARE_ERRORS_H
#define ROMPROBE_FIRMWARE_ERRORS_H

enum FirmwareDataError {
    kDataOk,
    kDerItemPastEnd,     // an ASN.1 item claims more bytes than there are
    kDerNotCertificate,  // the items are not laid out as an X.509 certificate
    kListHeaderPastEnd,  // a signature list is shorter than its header or runs past the end
    kListZeroSize,       // a signature list's entries have no size
    kListEntriesPastEnd, // a signature list's entries do not fill it exactly
    kLogEventPastEnd,    // an event runs past the end of the log
    kLogUnknownDigest,   // an event holds a digest the log's header does not list
    kLogBadHeader,       // the log's first event is too short or its digest table broken
    kFirmwareDataErrors
};

// A short phrase for the summary; language: 1 = German, 0 = English.
const char *FirmwareErrorText(int error, int language);

#endif
