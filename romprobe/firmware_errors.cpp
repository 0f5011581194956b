#include "firmware_errors.h"

#include <stddef.h>

const char *FirmwareErrorText(int error, int language) {
    static const char *const kTexts[kFirmwareDataErrors][2] = {
        {"", ""},
        {"a certificate's item runs past its end",
         "ein Element eines Zertifikats reicht über sein Ende"},
        {"not a certificate", "kein Zertifikat"},
        {"a signature list runs past the end", "eine Signaturliste reicht über das Ende"},
        {"a signature list with entries of size 0", "eine Signaturliste mit Einträgen der Größe 0"},
        {"a signature list's entries do not fit it",
         "die Einträge einer Signaturliste passen nicht hinein"},
        {"an event runs past the end of the log",
         "ein Ereignis reicht über das Ende des Protokolls"},
        {"an event with a digest the log does not declare",
         "ein Ereignis mit einem Hash, den das Protokoll nicht angibt"},
        {"the log's header is damaged", "der Kopf des Protokolls ist beschädigt"},
    };
    if (error < 0 || error >= kFirmwareDataErrors)
        return NULL;
    return kTexts[error][language ? 1 : 0];
}
