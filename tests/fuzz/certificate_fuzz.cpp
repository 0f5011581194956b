// Romprobe's reading of an X.509 certificate (DER) from a signature list or a boot log.
//
// Input: the certificate's bytes, in a buffer of exactly their size.
#include <initializer_list>

#include "firmware_errors.h"
#include "fuzz_support.h"
#include "x509_certificate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    unsigned char *der = static_cast<unsigned char *>(malloc(size));
    memcpy(der, data, size);
    CertificateFacts facts;
    int error = ReadCertificate(der, static_cast<int>(size), &facts);
    FUZZ_CHECK(error >= kDataOk && error <= kDerNotCertificate);
    // Each field ends within its room; the serial is hex, the dates "YYYY-MM-DD" or empty.
    FUZZ_CHECK(strnlen(facts.subject, 65) < 65 && strnlen(facts.issuer, 65) < 65);
    const char *serial = facts.serial + (facts.serial[0] == '-');
    FUZZ_CHECK(strnlen(serial, 131) % 2 == 0 &&
               strspn(serial, "0123456789abcdef") == strlen(serial));
    for (const char *date : {facts.notBefore, facts.notAfter})
        FUZZ_CHECK(date[0] == '\0' ||
                   (strnlen(date, 11) == 10 && date[4] == '-' && date[7] == '-'));
    free(der);
    return 0;
}
