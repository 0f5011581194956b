#!/usr/bin/env bash
# Romprobe.exe on a real UEFI firmware: boots the emulated guest through Debian's OVMF with
# Secure Boot on and a TPM, by Debian's signed shim and GRUB (tools/w32vm/uefi-guest.sh
# --shim), runs the i686 Romprobe.exe there under 32-bit Wine on the guest's copies of its
# efivars and boot log, and compares its secure_boot object with what the host's build of the
# same readers makes of the copies (tests/support/secureboot_view, which secureboot_agrees
# holds against openssl, efitools and tpm2-tools).
# usage: w32vm-secureboot.sh SOURCE_DIR
set -u
root=$(cd "$1" && pwd)
out=$root/build/w32vm/secureboot
romprobe=$root/build/win32/Romprobe.exe
[ -f "$romprobe" ] || { echo "build/win32/Romprobe.exe is missing: build the win32 preset"; exit 1; }
rm -rf "$out" && mkdir -p "$out"
# The Wine prefix that the smoke run kept, unpacked here rather than in the slow guest, which
# uses it over 9p (else Wine makes one there).
start=$(date +%s)
mkdir -p "$out/prefix"
for kept in "$root"/build/w32vm/prefix-*.tar; do [ -f "$kept" ] && tar -xf "$kept" -C "$out/prefix"; done
echo "Wine prefix unpacked in $(($(date +%s) - start))s"
read -r -d '' job <<JOB
export WINEPREFIX=$out/prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
start=\$(date +%s)
bash tools/watch-progress.sh --beat "\$W32RUN_BEAT" "Romprobe.exe --efivars" -- /usr/lib/wine/wine \
    $romprobe --efivars "Z:\$UEFI_EFIVARS" --boot-log "Z:\$UEFI_BOOT_LOG" --json >$out/romprobe.json
rc=\$?
echo "Romprobe.exe under Wine in \$((\$(date +%s) - start))s"
[ \$rc = 0 ] || { echo "FAIL Romprobe.exe --efivars --boot-log --json: exit status \$rc"; exit 1; }
JOB
start=$(date +%s)
(cd "$root" && bash tools/w32vm/uefi-guest.sh --shim build/w32vm/uefi-vm "$out" "$job")
guest=$?
echo "UEFI guest run took $(($(date +%s) - start))s"
rm -rf "$out/prefix"
[ $guest = 0 ] || exit 1
"$root/build/host/tests/secureboot_view" --efivars "$out/efivars" --boot-log "$out/boot-log.bin" \
    >"$out/host.json" || { echo "build/host/tests/secureboot_view is missing or failed"; exit 1; }
python3 - "$out/romprobe.json" "$out/host.json" <<'CHECK'
import json, sys
guest, host = (json.load(open(name, encoding="utf-8"))["secure_boot"] for name in sys.argv[1:])
wrong = [key for key in host if guest.get(key) != host[key]]
for key in wrong:
    print(f"FAIL secure_boot.{key}: guest {json.dumps(guest.get(key))}, host {json.dumps(host[key])}")
print(f"the guest's Romprobe.exe and the host agree on {len(host) - len(wrong)} of {len(host)} keys")
sys.exit(1 if wrong or not guest["kek"] else 0)
CHECK
