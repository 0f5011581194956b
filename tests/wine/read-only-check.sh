#!/usr/bin/env bash
# Firmlook in a folder nobody can write, named like a second download into Program Files
# (x86): a read-only bind mount of a source folder, through which the test lays the files in
# and plants old result files. Needs root (as CI runs); the mount goes again on every exit.
# usage: read-only-check.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$build/read-only
folder="$root/Program Files (x86)/Firmlook (1)"
cleanup() {
  mountpoint -q "$folder" && { umount "$folder" || umount -l "$folder"; }
  rm -rf "$root"
}
trap cleanup EXIT
cleanup
mkdir -p "$root/source" "$folder" || exit 1
mount --bind "$root/source" "$folder" && mount -o remount,bind,ro "$folder" ||
  { echo "FAIL the read-only bind mount needs root"; exit 1; }
windows() { local path="Z:$1"; printf '%s' "${path//\//\\}"; }
FIRMLOOK_READ_ONLY=$(windows "$folder") FIRMLOOK_READ_ONLY_SOURCE=$(windows "$root/source") \
  bash "$here/run-under-wine.sh" "$build" en_US.UTF-8 firmlook_e2e.exe --gtest_filter='ReadOnlyFolder.*'
