#!/usr/bin/env bash
# Romprobe's tables against dmidecode: the sample table goes through Romprobe --smbios and
# --save-smbios; dmidecode --from-dump must show every fact that Romprobe --json shows, and
# Romprobe must read its own dump to the same JSON. Romprobe -s must print for every keyword
# what dmidecode -s prints (run from a batch file, as scripts do). Then the summary's language
# and the exit codes with their messages.
# usage: dmidecode-check.sh BUILD_DIR (the x86_64 build)
set -eu
build=$(cd "$1" && pwd); here=$(cd "$(dirname "$0")" && pwd)
work=$build/dmidecode-check
rm -rf "$work"; mkdir -p "$work"
dmidecode=$(command -v dmidecode || echo /usr/sbin/dmidecode)
wine() { bash "$here/run-under-wine.sh" "$build" "${locale:-en_US.UTF-8}" "$@"; }

# Romprobe -s against dmidecode -s, each keyword: the UUID in upper case, a string the table
# lacks as an empty line, the processor ID from dmidecode's ID bytes in the order of WMIC's
# ProcessorId; bytes outside ASCII, which dmidecode shows as '.', in the console's code page.
keywords=$(wine Romprobe.exe -s '?' 2>&1 | tr -d '\r' | sed -n 's/^  //p')
[ -n "$keywords" ] || { echo "Romprobe lists no keywords"; exit 1; }
{ echo "@echo off"
  for k in $keywords; do
    echo "Romprobe.exe -s $k --smbios dmidecode-check\\saved.bin >dmidecode-check\\s-$k.txt"
  done
  # One value into a variable, as the README shows it.
  echo 'for /f "delims=" %%v in ('"'"'Romprobe.exe -s system-serial-number --smbios dmidecode-check\saved.bin'"'"') do set SERIAL=%%v'
  echo 'echo [%SERIAL%]>dmidecode-check\serial.txt'
} | sed 's/$/\r/' >"$work/keywords.bat"
keywords_agree() {
  wine cmd.exe /c 'dmidecode-check\keywords.bat'
  [ "$(tr -d '\r' <"$work/serial.txt")" = "[SN-0042]" ] || { echo "for /f gave $(cat "$work/serial.txt")"; return 1; }
  local k ours theirs failed=0
  for k in $keywords; do
    ours=$(tr -d '\r' <"$work/s-$k.txt" | LC_ALL=C sed 's/[\x80-\xff]\+/./g')
    if [ $k = processor-id ]; then
      theirs=$(sed -n 's/^\tID: //p' "$work/dmidecode.txt" | awk '{ print $8 $7 $6 $5 $4 $3 $2 $1 }')
    else
      theirs=$("$dmidecode" --from-dump "$work/saved.bin" -s $k | sed 's/^Not Specified$//; s/^<BAD INDEX>$//')
    fi
    [ $k = system-uuid ] && theirs=$(echo "$theirs" | tr a-f A-F)
    [ "$ours" = "$theirs" ] || { echo "FAIL -s $k: Romprobe '$ours', dmidecode '$theirs'"; failed=1; }
  done
  [ $failed = 0 ] && echo "Romprobe -s agrees with dmidecode -s on all $(echo $keywords | wc -w) keywords"
}

# The two tables: SMBIOS 3.2 with a TPM 2.0, SMBIOS 2.8 with a TPM 1.2.
for version in "3 2 2" "2 8 1"; do
  set -- $version
  wine smbios_sample.exe dmidecode-check/sample.bin "$1" "$2" "$3"
  wine Romprobe.exe --smbios dmidecode-check/sample.bin --save-smbios dmidecode-check/saved.bin \
    --json >"$work/sample.json"
  "$dmidecode" --from-dump "$work/saved.bin" >"$work/dmidecode.txt" 2>"$work/dmidecode.err"
  # dmidecode finds nothing wrong with the entry point, the count or the length.
  if [ -s "$work/dmidecode.err" ]; then cat "$work/dmidecode.err"; exit 1; fi
  grep -q "^SMBIOS $1\.$2" "$work/dmidecode.txt"
  wine Romprobe.exe --smbios dmidecode-check/saved.bin --json >"$work/saved.json"
  cmp "$work/sample.json" "$work/saved.json"
  python3 "$here/../support/dmidecode_agrees.py" "$work/sample.json" "$work/dmidecode.txt"
  keywords_agree
done

# The summary speaks the user's language; a file that cannot be read, is no table or cannot be
# written gives 1, a command line that is not understood 2, each with its message on standard
# error.
locale=de_DE.UTF-8 wine Romprobe.exe --smbios dmidecode-check/saved.bin | grep -q "^  Hersteller: *Tolvo"
code=0; wine Romprobe.exe --smbios dmidecode-check/none.bin 2>"$work/err" || code=$?
grep -q "^Romprobe: cannot read dmidecode-check/none.bin" "$work/err" && [ "$code" = 1 ] || exit 1
code=0; wine Romprobe.exe --smbios 2>"$work/err" || code=$?
grep -q "^Usage: Romprobe" "$work/err" && [ "$code" = 2 ]

expect() { # CODE MESSAGE ARGUMENTS...
  local want=$1 message=$2 code=0; shift 2
  wine Romprobe.exe "$@" 2>"$work/err" >"$work/out" || code=$?
  grep -q "$message" "$work/err" "$work/out" && [ "$code" = "$want" ] ||
    { echo "Romprobe $*: exit code $code, said: $(cat "$work/err" "$work/out")"; exit 1; }
}
expect 1 "^Romprobe: dmidecode-check/keywords.bat is not an SMBIOS table" --smbios dmidecode-check/keywords.bat
expect 1 "^Romprobe: cannot write dmidecode-check" --smbios dmidecode-check/saved.bin --save-smbios dmidecode-check
expect 2 "^Romprobe: unknown option: -t" -t 17
expect 2 "^Romprobe: unknown keyword: uuid" -s uuid
expect 0 "^Romprobe [0-9.]*.$" --version
