#!/usr/bin/env bash
# Romprobe's tables against dmidecode: the sample table goes through Romprobe --smbios and
# --save-smbios; dmidecode --from-dump must show every fact that Romprobe --json shows, and
# Romprobe must read its own dump to the same JSON. Romprobe -s must print for every keyword
# what dmidecode -s prints (run from a batch file, as scripts do). Then the summary's language
# and the exit codes with their messages, each on the stream it belongs on. Last, Secure Boot
# from files against openssl, efitools and tpm2-tools.
# usage: dmidecode-check.sh BUILD_DIR (the x86_64 build)
set -euo pipefail
build=$(cd "$1" && pwd); here=$(cd "$(dirname "$0")" && pwd)
work=$build/dmidecode-check
rm -rf "$work"; mkdir -p "$work"
dmidecode=$(command -v dmidecode || echo /usr/sbin/dmidecode)
project_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$project_version" ] || { echo "no project version in $build/CMakeCache.txt"; exit 1; }
wine() { bash "$here/run-under-wine.sh" "$build" "${locale:-en_US.UTF-8}" "$@"; }

# expect CODE STREAM LINE ARGUMENTS...: Romprobe ARGUMENTS ends with exit code CODE, its first
# line on STREAM (out or err) is LINE, whole and to the letter (the CR aside), and the other
# stream stays empty. After exit code 2 the usage or the keyword list follows the line;
# otherwise the line is all there is.
expect() {
  local want=$1 stream=$2 line=$3 code=0 other=out text first ok=1; shift 3
  [ "$stream" = out ] && other=err
  wine Romprobe.exe "$@" >"$work/out" 2>"$work/err" || code=$?
  text=$(tr -d '\r' <"$work/$stream"); first=${text%%$'\n'*}
  [ "$code" = "$want" ] && grep -qxF -- "$line" <<<"$first" && [ ! -s "$work/$other" ] || ok=0
  if [ "$want" = 2 ]; then
    grep -qE '^(Usage: Romprobe|Keywords:)' <<<"$(sed -n 2p <<<"$text")" || ok=0
  else
    [ "$text" = "$first" ] || ok=0
  fi
  if [ $ok = 0 ]; then
    echo "FAIL Romprobe $*: wanted exit code $want and '$line' on std$stream alone"
    echo "exit code $code; stdout:"; cat "$work/out"; echo "stderr:"; cat "$work/err"
    exit 1
  fi
}

# Wine says so on standard output when it makes its prefix: let that happen here.
wine Romprobe.exe --version >/dev/null

# Romprobe -s against dmidecode -s, each keyword: the UUID in upper case, a string the table
# lacks as an empty line, the processor ID from dmidecode's ID bytes in the order of WMIC's
# ProcessorId; bytes outside ASCII, which dmidecode shows as '.', in the console's code page.
# Every run of Romprobe in the batch file must end with exit code 0.
expect 2 err 'Romprobe: unknown keyword: ?' -s '?'
keywords=$(tr -d '\r' <"$work/err" | sed -n 's/^  //p')
[ -n "$keywords" ] || { echo "Romprobe lists no keywords"; exit 1; }
# Secure Boot's keywords are Romprobe's own and come last; dmidecode knows the others.
secure_boot_keywords="firmware-type secure-boot secure-boot-ca-2023"
[ "$(echo $keywords | tr ' ' '\n' | tail -3 | xargs)" = "$secure_boot_keywords" ] ||
  { echo "FAIL the keywords do not end in $secure_boot_keywords"; exit 1; }
keywords=$(echo $keywords | tr ' ' '\n' | head -n -3)
{ echo "@echo off"
  for k in $keywords; do
    echo "Romprobe.exe -s $k --smbios dmidecode-check\\saved.bin >dmidecode-check\\s-$k.txt"
    echo "if errorlevel 1 echo $k >>dmidecode-check\\failed.txt"
  done
  # One value into a variable, as the README shows it; the same for Secure Boot's verdict on a
  # copy of a real firmware's variables, which hold only the certificates of 2011.
  echo 'for /f "delims=" %%v in ('"'"'Romprobe.exe -s system-serial-number --smbios dmidecode-check\saved.bin'"'"') do set SERIAL=%%v'
  echo 'for /f "delims=" %%v in ('"'"'Romprobe.exe -s secure-boot-ca-2023 --efivars dmidecode-check\efivars'"'"') do set CA2023=%%v'
  echo 'echo [%SERIAL%] [%CA2023%]>dmidecode-check\serial.txt'
} | sed 's/$/\r/' >"$work/keywords.bat"
keywords_agree() {
  rm -f "$work/failed.txt"
  wine cmd.exe /c 'dmidecode-check\keywords.bat'
  [ ! -e "$work/failed.txt" ] || { echo "FAIL Romprobe -s failed for: $(tr -d '\r' <"$work/failed.txt")"; return 1; }
  [ "$(tr -d '\r' <"$work/serial.txt")" = "[SN-0042] [not updated]" ] ||
    { echo "for /f gave $(cat "$work/serial.txt")"; return 1; }
  local k ours theirs failed=0
  for k in $keywords; do
    ours=$(tr -d '\r' <"$work/s-$k.txt" | LC_ALL=C sed 's/[\x80-\xff]\+/./g')
    if [ $k = processor-id ]; then
      theirs=$(sed -n 's/^\tID: //p' "$work/dmidecode.txt" | awk '{ print $8 $7 $6 $5 $4 $3 $2 $1 }')
    else
      theirs=$("$dmidecode" --from-dump "$work/saved.bin" -s $k | sed 's/^Not Specified$//; s/^<BAD INDEX>$//')
    fi
    if [ $k = system-uuid ]; then theirs=$(echo "$theirs" | tr a-f A-F); fi
    [ "$ours" = "$theirs" ] || { echo "FAIL -s $k: Romprobe '$ours', dmidecode '$theirs'"; failed=1; }
  done
  [ $failed = 0 ] || return 1
  echo "Romprobe -s agrees with dmidecode -s on all $(echo $keywords | wc -w) keywords"
}

cp -r "$here/../data/secureboot/ovmf-efivars" "$work/efivars"

# The two tables: SMBIOS 3.2 with a TPM 2.0, SMBIOS 2.8 with a TPM 1.2.
for version in "3 2 2" "2 8 1"; do
  set -- $version
  wine smbios_sample.exe dmidecode-check/sample.bin "$1" "$2" "$3"
  wine Romprobe.exe --smbios dmidecode-check/sample.bin --save-smbios dmidecode-check/saved.bin \
    --json >"$work/sample.json"
  "$dmidecode" --from-dump "$work/saved.bin" >"$work/dmidecode.txt" 2>"$work/dmidecode.err"
  # dmidecode finds nothing wrong with the entry point, the count or the length.
  if [ -s "$work/dmidecode.err" ]; then cat "$work/dmidecode.err"; exit 1; fi
  grep -qE "^SMBIOS $1\.$2(\.[0-9]+)? present\.$" "$work/dmidecode.txt" ||
    { echo "FAIL dmidecode does not read SMBIOS $1.$2: $(sed -n 3p "$work/dmidecode.txt")"; exit 1; }
  wine Romprobe.exe --smbios dmidecode-check/saved.bin --json >"$work/saved.json"
  cmp "$work/sample.json" "$work/saved.json"
  python3 "$here/../support/dmidecode_agrees.py" "$work/sample.json" "$work/dmidecode.txt"
  keywords_agree
done

# The summary speaks the user's language; a file that cannot be read, is no table or cannot be
# written gives 1, a command line that is not understood 2, each with its message on standard
# error.
locale=de_DE.UTF-8 wine Romprobe.exe --smbios dmidecode-check/saved.bin >"$work/out"
grep -q "^  Hersteller: *Tolvo" "$work/out" || { echo "FAIL the summary is not German:"; cat "$work/out"; exit 1; }
expect 1 err "Romprobe: cannot read dmidecode-check/none.bin" --smbios dmidecode-check/none.bin
expect 1 err "Romprobe: dmidecode-check/keywords.bat is not an SMBIOS table" --smbios dmidecode-check/keywords.bat
expect 1 err "Romprobe: cannot write dmidecode-check" --smbios dmidecode-check/saved.bin --save-smbios dmidecode-check
expect 2 err "Romprobe: missing value after --smbios" --smbios
expect 2 err "Romprobe: unknown option: -t" -t 17
expect 2 err "Romprobe: unknown keyword: uuid" -s uuid
expect 0 out "Romprobe $project_version" --version

# Secure Boot read by Romprobe itself under Wine, held against openssl, efitools and
# tpm2-tools on the real data and on PCs made of Microsoft's certificates; a folder without
# variables and a log that cannot be read are exit code 1. Wine has no firmware variables and
# no TPM: its own answer is a legacy BIOS.
expect 1 err "Romprobe: cannot read dmidecode-check" --efivars dmidecode-check
expect 1 err "Romprobe: cannot read dmidecode-check/none.bin" --boot-log dmidecode-check/none.bin
expect 0 out "unsupported" -s secure-boot
printf '#!/bin/sh\nexec bash "%s" "%s" en_US.UTF-8 Romprobe.exe --json "$@"\n' \
  "$here/run-under-wine.sh" "$build" >"$work/romprobe-json"
chmod +x "$work/romprobe-json"
python3 "$here/../support/secureboot_agrees.py" "$work/romprobe-json" "$here/../data/secureboot"
