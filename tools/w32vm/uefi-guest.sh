#!/usr/bin/env bash
# Boots the emulated guest of w32run as a UEFI PC: Debian's OVMF firmware with Secure Boot on
# (a fresh copy of the variable store with Microsoft's keys, unless --vars names another) and
# a TPM 2.0 from swtpm, both made anew before each boot. In the guest, the Secure Boot
# variables are copied as efivarfs shows them (4 bytes of attributes, then the data; named
# NAME-GUID) to OUT_DIR/efivars, the firmware's TCG boot log to OUT_DIR/boot-log.bin and the
# kernel's lines on EFI, Secure Boot and the TPM to OUT_DIR/dmesg.txt. Then JOB, if given,
# runs in the guest with UEFI_EFIVARS and UEFI_BOOT_LOG naming the copies. The guest is
# waited for as w32run does (its W32RUN_* settings apply).
# usage: uefi-guest.sh [--vars FILE] VM_DIR OUT_DIR [JOB]
# Exit status: w32run's, that is the capture's or JOB's, 124 after a time-out.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
code=/usr/share/OVMF/OVMF_CODE_4M.fd
vars=/usr/share/OVMF/OVMF_VARS_4M.ms.fd

# Before each boot (w32run may boot twice): the variable store copied afresh, a new swtpm
# with an empty state. swtpm ends when QEMU closes its control channel.
if [ "${1:-}" = --prepare ]; then
    uefi=$2 vars=$3
    kill "$(cat "$uefi/tpm/pid" 2>/dev/null)" 2>/dev/null || true
    rm -rf "$uefi" && mkdir -p "$uefi/tpm" && cp "$vars" "$uefi/vars.fd"
    swtpm socket --tpm2 --tpmstate dir="$uefi/tpm" --ctrl type=unixio,path="$uefi/tpm/sock" \
        --pid file="$uefi/tpm/pid" --log file="$uefi/tpm/log" --terminate --daemon
    # --daemon returns once the socket listens.
    [ -S "$uefi/tpm/sock" ] || { echo "swtpm did not start"; cat "$uefi/tpm/log"; exit 1; }
    exit 0
fi

[ "${1:-}" = --vars ] && { vars=$(realpath "$2"); shift 2; }
[ $# -ge 2 ] || { echo "usage: uefi-guest.sh [--vars FILE] VM_DIR OUT_DIR [JOB]" >&2; exit 2; }
for f in "$code" "$vars"; do [ -f "$f" ] || { echo "$f is missing: install ovmf" >&2; exit 1; }; done
command -v swtpm >/dev/null || { echo "swtpm is missing: install swtpm" >&2; exit 1; }
mkdir -p "$1" "$2"
vm=$(cd "$1" && pwd) out=$(cd "$2" && pwd) job=${3:-}
uefi=$vm/uefi
trap 'kill "$(cat "$uefi/tpm/pid" 2>/dev/null)" 2>/dev/null || true' EXIT
rm -rf "$out/efivars" "$out/boot-log.bin" "$out/dmesg.txt"

commands="python3 $(printf %q "$here/efi-capture.py") $(printf %q "$out")"
[ -n "$job" ] && commands="$commands || exit 1
export UEFI_EFIVARS=$(printf %q "$out/efivars") UEFI_BOOT_LOG=$(printf %q "$out/boot-log.bin")
$job"
W32RUN_PREPARE="bash $(printf %q "$here/uefi-guest.sh") --prepare $(printf %q "$uefi") $(printf %q "$vars")" \
W32RUN_QEMU_ARGS="-machine q35 ${W32RUN_QEMU_ARGS:-}
 -drive if=pflash,format=raw,readonly=on,file=$code
 -drive if=pflash,format=raw,file=$uefi/vars.fd
 -chardev socket,id=chrtpm,path=$uefi/tpm/sock -tpmdev emulator,id=tpm0,chardev=chrtpm
 -device tpm-tis,tpmdev=tpm0" bash "$here/w32run" "$vm" "$commands"
