#!/usr/bin/env python3
"""Checks Romprobe's `secure_boot` JSON object, read from EFIVARS_DIR and BOOT_LOG, against
what Debian's own tools read from the same files (tools/secureboot-reference.py).
usage: secureboot_agrees.py ROMPROBE_JSON EFIVARS_DIR BOOT_LOG"""
import json
import os
import subprocess
import sys

reference = os.path.join(os.path.dirname(__file__), "../../tools/secureboot-reference.py")
said = subprocess.run([sys.executable, reference, sys.argv[2], sys.argv[3]], check=True,
                      capture_output=True, text=True).stdout
theirs = dict(json.loads(said), source="files", firmware_type="UEFI")
ours = json.load(open(sys.argv[1], encoding="latin-1"))["secure_boot"]
wrong = [key for key in theirs if ours.get(key) != theirs[key]]
for key in wrong:
    print(f"FAIL secure_boot.{key}: Romprobe {json.dumps(ours.get(key))}\n"
          f"     Debian's tools {json.dumps(theirs[key])}")
if not wrong:
    print("ok   secure_boot agrees with sig-list-to-certs, openssl x509 and tpm2_eventlog")
sys.exit(1 if wrong else 0)
