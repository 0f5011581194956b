// The "secure_boot" object of Romprobe's JSON: every key present, null for what was not read.
// Plain code.
#ifndef ROMPROBE_SECURE_BOOT_JSON_H
#define ROMPROBE_SECURE_BOOT_JSON_H

#include "json_parts.h"
#include "secure_boot_facts.h"

// Writes the member "secure_boot" with its object.
void WriteSecureBootJson(const SecureBootFacts *facts, Json *json);

#endif
