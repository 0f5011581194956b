#!/usr/bin/env bash
# Romprobe's tables against dmidecode: the sample table goes through Romprobe --smbios and
# --save-smbios; dmidecode --from-dump must show every fact that Romprobe --json shows, and
# Romprobe must read its own dump to the same JSON. Then the summary's language and the exit
# codes.
# usage: dmidecode-check.sh BUILD_DIR (the x86_64 build)
set -eu
build=$(cd "$1" && pwd); here=$(cd "$(dirname "$0")" && pwd)
work=$build/dmidecode-check
rm -rf "$work"; mkdir -p "$work"
dmidecode=$(command -v dmidecode || echo /usr/sbin/dmidecode)
wine() { bash "$here/run-under-wine.sh" "$build" "${locale:-en_US.UTF-8}" "$@"; }

for version in "3 2" "2 8"; do
  set -- $version
  wine smbios_sample.exe dmidecode-check/sample.bin "$1" "$2"
  wine Romprobe.exe --smbios dmidecode-check/sample.bin --save-smbios dmidecode-check/saved.bin \
    --json >"$work/sample.json"
  "$dmidecode" --from-dump "$work/saved.bin" >"$work/dmidecode.txt" 2>"$work/dmidecode.err"
  # dmidecode finds nothing wrong with the entry point, the count or the length.
  if [ -s "$work/dmidecode.err" ]; then cat "$work/dmidecode.err"; exit 1; fi
  grep -q "^SMBIOS $1\.$2" "$work/dmidecode.txt"
  wine Romprobe.exe --smbios dmidecode-check/saved.bin --json >"$work/saved.json"
  cmp "$work/sample.json" "$work/saved.json"
  python3 "$here/../support/dmidecode_agrees.py" "$work/sample.json" "$work/dmidecode.txt"
done

# The summary speaks the user's language; a file that cannot be read gives 1, a command line
# that is not understood 2, each with its message on standard error.
locale=de_DE.UTF-8 wine Romprobe.exe --smbios dmidecode-check/saved.bin | grep -q "^  Hersteller: *Tolvo"
code=0; wine Romprobe.exe --smbios dmidecode-check/none.bin 2>"$work/err" || code=$?
grep -q "^Romprobe: cannot read dmidecode-check/none.bin" "$work/err" && [ "$code" = 1 ] || exit 1
code=0; wine Romprobe.exe --smbios 2>"$work/err" || code=$?
grep -q "^Usage: Romprobe" "$work/err" && [ "$code" = 2 ]
