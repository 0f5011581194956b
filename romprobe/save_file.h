// Files Romprobe writes: the result files for Firmlook and the tables saved for dmidecode.
// Each is written whole or not at all: a write that fails part-way removes what it wrote.
#ifndef ROMPROBE_SAVE_FILE_H
#define ROMPROBE_SAVE_FILE_H

#include "smbios.h"

bool WriteResult(const char *name, const char *text, int length);

// The tables in the form dmidecode --from-dump reads: an entry point, then the structures.
bool SaveTables(const SmbiosTable &table, const char *path);

#endif
