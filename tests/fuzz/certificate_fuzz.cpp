// Romprobe's reading of an X.509 certificate (DER) from a signature list or a boot log.
//
// Input: the certificate's bytes, in a buffer of exactly their size.
#include "firmware_errors.h"
#include "fuzz_support.h"
#include "x509_certificate.h"

namespace {

// A NUL within the field, and only the characters its form allows after the allowed start.
void CheckField(const char *text, size_t size, const char *allowed) {
    size_t length = strnlen(text, size);
    FUZZ_CHECK(length < size);
    for (size_t i = allowed[0] == '-' && text[0] == '-'; allowed[0] != '\0' && i < length; ++i)
        FUZZ_CHECK(strchr(allowed + 1, text[i]) != NULL);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    unsigned char *der = static_cast<unsigned char *>(malloc(size));
    memcpy(der, data, size);
    CertificateFacts facts;
    int error = ReadCertificate(der, static_cast<int>(size), &facts);
    FUZZ_CHECK(error >= 0 && error <= kDerNotCertificate);
    CheckField(facts.subject, sizeof facts.subject, "");
    CheckField(facts.issuer, sizeof facts.issuer, "");
    CheckField(facts.serial, sizeof facts.serial, "-0123456789abcdef");
    FUZZ_CHECK(strlen(facts.serial) % 2 == (facts.serial[0] == '-'));
    const char *dates[2] = {facts.notBefore, facts.notAfter};
    for (const char *date : dates) {
        CheckField(date, 11, "x0123456789-");
        FUZZ_CHECK(date[0] == '\0' || (strlen(date) == 10 && date[4] == '-' && date[7] == '-'));
    }
    free(der);
    return 0;
}
