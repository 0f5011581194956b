// A TCG PC Client event log, the firmware's record of what it measured at start: in the SHA-1
// form, or in the crypto-agile form that its first event declares with the
// sizes of its digests. Plain code.
#ifndef ROMPROBE_TCG_EVENT_LOG_H
#define ROMPROBE_TCG_EVENT_LOG_H

const unsigned long kEvNoAction = 3;
const unsigned long kEvEfiVariableDriverConfig = 0x80000001; // PK, KEK, db, dbx, SecureBoot
const unsigned long kEvEfiVariableAuthority = 0x800000E0;    // what verified a boot image

struct LogEvent {
    unsigned long pcr, type;
    const unsigned char *data;
    int length;
};

struct EventLogWalk {
    const unsigned char *start, *next, *end;
    int algorithms; // of the crypto-agile form; 0 in the SHA-1 form
    unsigned short ids[8], sizes[8];
    int error; // a FirmwareDataError once the walk has stopped at damage
};

void StartEventLog(const unsigned char *log, int size, EventLogWalk *walk);
// The next event in log order; false at the end of the log or at its first damage.
bool NextLogEvent(EventLogWalk *walk, LogEvent *event);

// UEFI_VARIABLE_DATA: the variable's GUID, its UTF-16 name and its data.
struct EfiVariableEvent {
    const unsigned char *guid, *name;
    int nameChars;
    const unsigned char *data;
    int length;
};

// False when the event's data cannot hold what it claims.
bool ReadEfiVariableEvent(const LogEvent *event, EfiVariableEvent *variable);
// The variable's name is ascii.
bool EfiVariableNameIs(const EfiVariableEvent *variable, const char *ascii);
// The certificate a PCR 7 authority event holds: the DER of an EFI_SIGNATURE_DATA (owner,
// then certificate) taken from db, or a bare one as a boot loader measures its own.
bool AuthorityCertificate(const LogEvent *event, const unsigned char **der, int *length);

#endif
