// The two command lines Firmlook starts Romprobe with; they print nothing and leave their
// finding in a result file in the current folder.
#ifndef ROMPROBE_FIRMLOOK_ENTRY_H
#define ROMPROBE_FIRMLOOK_ENTRY_H

#include "command_line.h"

// xybiosxy writes XYBIOSXY.$$$, the date record; xybioszz S O T writes XYBIOSZZ.$$$, the
// dump text. Returns the process's exit code, one of common/helper_exit.h.
int RunForFirmlook(const Command &command, int argc, char **argv);

#endif
