#include "secure_boot_lines.h"

#include <string.h>

#include "ca_2023.h"

namespace {

// The field with this number of the fields joined by '|'.
void Field(Output *out, const char *fields, int number) {
    for (; number > 0; --number)
        fields = strchr(fields, '|') + 1;
    const char *end = strchr(fields, '|');
    OutputBytes(out, fields,
                end != NULL ? static_cast<int>(end - fields) : static_cast<int>(strlen(fields)));
}

// The label padded to the column of the ROM dates' values in Firmlook's report.
void Label(Output *out, int language, const char *label) {
    OutputText(out, label);
    for (int column = static_cast<int>(strlen(label)); column < (language ? 25 : 27); ++column)
        OutputChar(out, ' ');
}

} // namespace

void WriteSecureBootLines(const SecureBootFacts *facts, Output *out) {
    int type = facts->firmwareType == kFirmwareUefi   ? 0
               : facts->firmwareType == kFirmwareBios ? 1
                                                      : 2;
    int enabled = SecureBootFlag(facts, kVarSecureBoot);
    int state = type == 1 ? 2 : enabled >= 0 ? 1 - enabled : 3;
    Ca2023Verdict verdict;
    JudgeCa2023(facts, &verdict);
    int judged = !verdict.known ? 2 : verdict.updated ? 0 : 1;
    for (int language = 0; language < 2; ++language) {
        Label(out, language, " Firmware, Secure Boot:");
        Field(out,
              language ? "UEFI|Legacy-BIOS|Firmware unbekannt"
                       : "UEFI|Legacy BIOS|unknown firmware",
              type);
        OutputText(out, ", ");
        Field(out,
              language ? "Secure Boot ein|Secure Boot aus|kein Secure Boot|Secure Boot unbekannt"
                       : "Secure Boot on|Secure Boot off|no Secure Boot|Secure Boot unknown",
              state);
        OutputText(out, "\r\n");
        if (type != 1) {
            Label(out, language, language ? " Zertifikate 2023:" : " Certificates of 2023:");
            Field(out,
                  language ? "aktuell|nicht aktuell, es fehlen: |unbekannt (braucht "
                             "Administratorrechte oder ein TPM-Startprotokoll)"
                           : "updated|not updated, missing: |unknown (needs administrator "
                             "rights or a TPM boot log)",
                  judged);
            const char *missing;
            for (int i = 0;
                 judged == 1 && i < kMissingShown && (missing = Ca2023Missing(&verdict, i)) != NULL;
                 ++i) {
                if (i > 0)
                    OutputText(out, ", ");
                OutputText(out, missing);
            }
        }
        OutputText(out, "\r\n");
    }
}
