#!/usr/bin/env bash
# Boots the emulated guest of w32run as a UEFI PC: Debian's OVMF firmware with Secure Boot on
# (a fresh copy of the variable store with Microsoft's keys, unless --vars names another) and
# a TPM 2.0 from swtpm, both made anew before each boot. In the guest, the Secure Boot
# variables are copied as efivarfs shows them (4 bytes of attributes, then the data; named
# NAME-GUID) to OUT_DIR/efivars, the firmware's TCG boot log to OUT_DIR/boot-log.bin and the
# kernel's lines on EFI, Secure Boot and the TPM to OUT_DIR/dmesg.txt. Then JOB, if given,
# runs in the guest with UEFI_EFIVARS and UEFI_BOOT_LOG naming the copies. The guest is
# waited for as w32run does (its W32RUN_* settings apply).
# Without --shim QEMU hands the kernel to the firmware, which starts it unverified (its log has
# no EV_EFI_VARIABLE_AUTHORITY). --shim boots Debian's signed shim, GRUB and kernel from a
# disk, verified by the firmware and shim; their db must trust Microsoft Corporation UEFI CA
# 2011, else the firmware stops at its boot menu until W32RUN_IDLE runs out.
# usage: uefi-guest.sh [--vars FILE] [--shim] VM_DIR OUT_DIR [JOB]
# Exit status: w32run's, that is the capture's or JOB's, 124 after a time-out.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
code=/usr/share/OVMF/OVMF_CODE_4M.fd
vars=/usr/share/OVMF/OVMF_VARS_4M.ms.fd

# Before each boot (w32run may boot twice): the variable store copied afresh, a new swtpm
# with an empty state, and for --shim the boot disk. swtpm ends when QEMU closes its control
# channel.
if [ "${1:-}" = --prepare ]; then
    vm=$2 uefi=$2/uefi vars=$3 shim=$4
    kill "$(cat "$uefi/tpm/pid" 2>/dev/null)" 2>/dev/null || true
    rm -rf "$uefi" && mkdir -p "$uefi/tpm" && cp "$vars" "$uefi/vars.fd"
    if [ "$shim" = 1 ]; then
        # Debian's signed boot chain on a FAT disk, as the firmware finds a removable one.
        printf 'set timeout=0\nlinux /vmlinuz %s\ninitrd /initrd.gz\nboot\n' \
            "$(cat "$vm/cmdline")" >"$uefi/grub.cfg"
        truncate -s 64M "$uefi/esp.img" && mformat -i "$uefi/esp.img" :: &&
            mmd -i "$uefi/esp.img" ::/EFI ::/EFI/BOOT ::/EFI/debian &&
            mcopy -i "$uefi/esp.img" /usr/lib/shim/shimx64.efi.signed ::/EFI/BOOT/BOOTX64.EFI &&
            mcopy -i "$uefi/esp.img" /usr/lib/grub/x86_64-efi-signed/grubx64.efi.signed \
                ::/EFI/BOOT/grubx64.efi &&
            mcopy -i "$uefi/esp.img" "$uefi/grub.cfg" ::/EFI/BOOT/ &&
            mcopy -i "$uefi/esp.img" "$uefi/grub.cfg" ::/EFI/debian/ &&
            mcopy -i "$uefi/esp.img" "$vm/vmlinuz" "$vm/initrd.gz" :: || exit 1
    fi
    swtpm socket --tpm2 --tpmstate dir="$uefi/tpm" --ctrl type=unixio,path="$uefi/tpm/sock" \
        --pid file="$uefi/tpm/pid" --log file="$uefi/tpm/log" --terminate --daemon
    # --daemon returns once the socket listens.
    [ -S "$uefi/tpm/sock" ] || { echo "swtpm did not start"; cat "$uefi/tpm/log"; exit 1; }
    exit 0
fi

shim=0
while [ $# -gt 0 ]; do
    case $1 in
    --vars) vars=$(realpath "$2"); shift 2 ;;
    --shim) shim=1; shift ;;
    *) break ;;
    esac
done
[ $# -ge 2 ] || { echo "usage: uefi-guest.sh [--vars FILE] [--shim] VM_DIR OUT_DIR [JOB]" >&2; exit 2; }
for f in "$code" "$vars"; do [ -f "$f" ] || { echo "$f is missing: install ovmf" >&2; exit 1; }; done
command -v swtpm >/dev/null || { echo "swtpm is missing: install swtpm" >&2; exit 1; }
if [ $shim = 1 ] && ! { [ -f /usr/lib/shim/shimx64.efi.signed ] && command -v mcopy >/dev/null; }; then
    echo "--shim needs shim-signed, grub-efi-amd64-signed and mtools" >&2; exit 1
fi
mkdir -p "$1" "$2"
vm=$(cd "$1" && pwd) out=$(cd "$2" && pwd) job=${3:-}
uefi=$vm/uefi
trap 'kill "$(cat "$uefi/tpm/pid" 2>/dev/null)" 2>/dev/null || true' EXIT
rm -rf "$out/efivars" "$out/boot-log.bin" "$out/dmesg.txt"

commands="python3 $(printf %q "$here/efi-capture.py") $(printf %q "$out")"
[ -n "$job" ] && commands="$commands || exit 1
export UEFI_EFIVARS=$(printf %q "$out/efivars") UEFI_BOOT_LOG=$(printf %q "$out/boot-log.bin")
$job"
disk=
[ $shim = 1 ] && disk="-drive if=none,id=esp,format=raw,file=$uefi/esp.img -device virtio-blk-pci,drive=esp,bootindex=0"
W32RUN_OWN_LOADER=$shim \
W32RUN_PREPARE="bash $(printf %q "$here/uefi-guest.sh") --prepare $(printf %q "$vm") $(printf %q "$vars") $shim" \
W32RUN_QEMU_ARGS="-machine q35 ${W32RUN_QEMU_ARGS:-}
 -drive if=pflash,format=raw,readonly=on,file=$code
 -drive if=pflash,format=raw,file=$uefi/vars.fd
 -chardev socket,id=chrtpm,path=$uefi/tpm/sock -tpmdev emulator,id=tpm0,chardev=chrtpm
 -device tpm-tis,tpmdev=tpm0 $disk" bash "$here/w32run" "$vm" "$commands"
