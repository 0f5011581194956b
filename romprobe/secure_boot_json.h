// The "secure_boot" object of Romprobe's JSON: every key present, null for what was not read.
// Plain code.
#ifndef ROMPROBE_SECURE_BOOT_JSON_H
#define ROMPROBE_SECURE_BOOT_JSON_H

#include "output.h"
#include "secure_boot_facts.h"

// Writes the object's value, from its "{" to its "}", as a member at depth (the top-level
// object's members are at depth 1): the caller has written the key.
void WriteSecureBootJson(const SecureBootFacts *facts, int depth, Output *out);

#endif
