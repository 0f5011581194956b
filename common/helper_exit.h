// The exit codes with which Romprobe.exe, started by Firmlook for a result file, tells why it
// wrote none; Firmlook turns them into the sentence its report shows.
#ifndef FIRMLOOK_HELPER_EXIT_H
#define FIRMLOOK_HELPER_EXIT_H

enum HelperExitCode {
    kHelperExitWritten = 0,     // the result file is there
    kHelperExitFailed = 1,      // anything else, such as a result file that cannot be written
    kHelperExitNoRomWindow = 3, // the firmware shows no ROM window (and the date probe found
                                // no date in the SMBIOS tables either)
    kHelperExitBadImage = 4     // ROMPROBE_IMAGE names a file that is missing or of a size
                                // other than the window's 262,144 bytes
};

#endif
