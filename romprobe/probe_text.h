// Romprobe's plain part: where the BIOS dates lie in the ROM window and in the SMBIOS tables,
// the result record and the dump text. No <windows.h>, so it is unit-tested on the host.
#ifndef ROMPROBE_PROBE_TEXT_H
#define ROMPROBE_PROBE_TEXT_H

enum {
    kRomWindowBase = 0xC0000, // physical address of the window's first byte
    kRomWindowSize = 0x40000, // C0000h to FFFFFh
    kRomBlockSize = 0x1000,   // one dump block
    kRomDateSize = 11,        // the longest date text (10 characters) and its NUL
    kProbeRecordSize = 24,    // enough for the longest record
    kDumpTextSize = 24576     // enough for the dump of one block at any line width
};

// Every function below that takes a window treats a size other than kRomWindowSize as no
// window at all.

// The system BIOS date at FFFF5h: its 8 bytes when positions 1, 2, 4, 5, 7 and 8 are digits;
// the separators may be any bytes.
bool WindowSystemDate(const unsigned char *window, int size, char *date);

// The BIOS release date of the first SMBIOS structure type 0, from the table as the firmware
// table provider 'RSMB' returns it (an 8-byte header whose last four bytes give the length of
// the structures that follow), walked as the command line walks it; a table that claims more
// than the bytes hold gives none. The date is read as Romprobe's own output reads it
// (ReadReleaseDate) and written "MM/DD/YY".
bool SmbiosBiosDate(const unsigned char *data, int size, char *date);

// The first date in the video option ROM at C0000h; returns its marker ('+' for
// "dd/dd/dddd", ' ' for "dd/dd/dd", '-' for "dddd-dd-dd") or 0 when there is none.
char VideoBiosDate(const unsigned char *window, int size, char *date);

// The date probe's record: the 8 bytes of the system date, blank, marker, blank, the video
// date (8 bytes for marker ' ', else 10), CR LF, or the system date and CR LF alone when
// marker is 0. Returns its length (at most 23).
int FormatProbeRecord(const char *systemDate, char marker, const char *videoDate, char *record);

// A decimal command-line number; anything that is not a plain run of digits counts up to its
// first non-digit, and a sign or an overlong run is taken as 0 or as a large value.
unsigned ParseCount(const char *text);

// The dump of the 4 kB block at segment C000h + segment * 800h, offset offset * 1000h, with
// (step + 1) * 8 bytes a line; segment and offset above 7 count as 7, a step above 5 as 5.
// Returns the text's length, or -1 when there is no window or the text does not fit.
int FormatDumpBlock(const unsigned char *window, int size, unsigned segment, unsigned offset,
                    unsigned step, char *text, int textSize);

#endif
