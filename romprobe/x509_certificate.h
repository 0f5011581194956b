// The facts of an X.509 certificate (DER) that tell Secure Boot's certificates apart: subject
// and issuer common name, serial number and validity. Plain code.
#ifndef ROMPROBE_X509_CERTIFICATE_H
#define ROMPROBE_X509_CERTIFICATE_H

struct CertificateFacts {
    // In Windows-1252 ('?' for what it cannot show); empty where the name holds no CN.
    char subject[65];
    char issuer[65];
    // The serial's value in lower-case hex, two digits a byte, with '-' before a negative one.
    char serial[132];
    // The UTC dates "YYYY-MM-DD" of the validity; empty where unreadable.
    char notBefore[11];
    char notAfter[11];
};

// Fills facts as far as the certificate can be read; returns kDataOk or the FirmwareDataError
// that stopped the reading.
int ReadCertificate(const unsigned char *der, int length, CertificateFacts *facts);

#endif
