#!/usr/bin/env bash
# Firmlook in a folder nobody can write, named like a second download into Program Files
# (x86): lays Firmlook.exe, memquery.dll and Romprobe.exe from DELIVERABLES into a source
# folder, makes WORK/Program Files (x86)/Firmlook (1) a read-only bind mount of it, writes a
# ROM image beside, and runs the command with FIRMLOOK_READ_ONLY, FIRMLOOK_READ_ONLY_SOURCE
# and ROMPROBE_IMAGE naming the three (as Wine paths). The test plants old result files
# through the source folder. Needs root (CI and the guest run as root); the mount goes again
# on every exit.
# usage: read-only-folder.sh DELIVERABLES WORK COMMAND...
set -u
deliverables=$1; work=$2; shift 2
folder="$work/Program Files (x86)/Firmlook (1)"
cleanup() {
  mountpoint -q "$folder" && { umount "$folder" || umount -l "$folder"; }
  rm -rf "$work"
}
trap cleanup EXIT
cleanup
mkdir -p "$work/source" "$folder" || exit 1
cp "$deliverables"/{Firmlook.exe,memquery.dll,Romprobe.exe} "$work/source/" || exit 1
# A ROM window C0000h to FFFFFh with the system date at FFFF5h.
python3 -c "import sys
rom = bytearray((i * 7 + (i >> 8)) & 255 for i in range(0x40000))
rom[0x3FFF5:0x3FFFD] = b'08/14/09'
sys.stdout.buffer.write(rom)" >"$work/rom.img" || exit 1
mount --bind "$work/source" "$folder" && mount -o remount,bind,ro "$folder" ||
  { echo "FAIL the read-only bind mount could not be made (it needs root)"; exit 1; }
touch "$folder/written" 2>/dev/null && { echo "FAIL $folder is writable"; exit 1; }
echo "ok   $folder is a read-only bind mount"
wine_path() { local path="Z:$1"; printf '%s' "${path//\//\\}"; }
FIRMLOOK_READ_ONLY=$(wine_path "$folder") FIRMLOOK_READ_ONLY_SOURCE=$(wine_path "$work/source") \
  ROMPROBE_IMAGE=$(wine_path "$work/rom.img") "$@"
