// Little-endian numbers, GUIDs and hex as the firmware's data holds them. Plain code.
#ifndef ROMPROBE_FIRMWARE_BYTES_H
#define ROMPROBE_FIRMWARE_BYTES_H

const int kGuidSize = 16;
const int kGuidTextSize = 37; // "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx" and its NUL

unsigned long ReadLe16(const unsigned char *bytes);
unsigned long ReadLe32(const unsigned char *bytes);

// count bytes as lower-case hex digits, then a NUL (text holds 2 * count + 1).
void HexText(const unsigned char *bytes, int count, char *text);

// An EFI_GUID (three little-endian fields, then eight bytes) in lower case.
void GuidText(const unsigned char *guid, char *text);
// The GUID equals text, given in lower case without braces.
bool GuidIs(const unsigned char *guid, const char *text);

#endif
