#!/usr/bin/env bash
# Static checks of the 32-bit deliverables, which cannot run on this machine's kernel:
# machine type, subsystem, imported DLLs, resources and the Windows-1252 texts.
# usage: check-deliverables.sh BUILD_DIR EXPECTED_DIR
set -u
build=$1; expected=$2
exe=$build/Firmlook.exe
objdump=i686-w64-mingw32-objdump
windres=i686-w64-mingw32-windres
passed=0; failed=0
check() { # check NAME COMMAND...
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); echo "ok   $name"
  else failed=$((failed + 1)); echo "FAIL $name"; fi
}
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

$objdump -f "$exe" > "$work/header" 2>&1
$objdump -p "$exe" > "$work/private" 2>&1
$windres -J coff -i "$exe" -O rc -o "$work/resources.rc" 2>"$work/windres.log"

check "Firmlook.exe is a PE32 file for i386" grep -q 'file format pei-i386' "$work/header"
check "Firmlook.exe uses the Windows GUI subsystem" grep -q 'Subsystem[[:space:]]*00000002' "$work/private"

# shell32 and comdlg32 are loaded only when the WWW or print command runs.
allowed='^(kernel32|user32|gdi32|advapi32|comctl32|msvcrt)\.dll$'
imports=$(sed -n 's/.*DLL Name: //p' "$work/private" | tr 'A-Z' 'a-z')
unexpected=$(printf '%s\n' "$imports" | grep -v -E "$allowed")
check "Firmlook.exe imports only the platform's DLLs ($(echo $imports))" test -z "$unexpected"
check "Firmlook.exe imports kernel32, user32 and comctl32" \
  bash -c "printf '%s\n' '$imports' | grep -qx kernel32.dll && printf '%s\n' '$imports' | grep -qx user32.dll && printf '%s\n' '$imports' | grep -qx comctl32.dll"

sed -n '/^100 DIALOGEX/,/^END/p' "$work/resources.rc" > "$work/dialog.rc"
check "dialog template 100 is exactly as specified" diff -u "$expected/expected-dialog.rc" "$work/dialog.rc"
check "icon group 101 holds one 48 x 48 image of 24 bits" \
  bash -c "sed -n '/^101 14/,/^END/p' '$work/resources.rc' | grep -q 'Has 1 elements' &&
           sed -n '/^101 14/,/^END/p' '$work/resources.rc' | grep -q '\"\\\\060\\\\060\\\\000\\\\000\", 1, 24,'"
check "version block names Firmlook" grep -q 'VALUE "FileDescription", "Firmlook"' "$work/resources.rc"
# The project's version, four numbers, in the version block and in both manifests.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
check "the project version ($version) has four numbers" grep -qxE '[0-9]+(\.[0-9]+){3}' <<<"$version"
for value in FileVersion ProductVersion; do
  check "version block's $value is $version" grep -qF "VALUE \"$value\", \"$version\"" "$work/resources.rc"
done
manifest=$(sed -n '/RT_MANIFEST/,/^END/p' "$work/resources.rc")
for needle in "name=\"\"Tolvo.Firmlook\"\" version=\"\"$version\"\"" '<description>Firmlook</description>' \
              'name=""Microsoft.Windows.Common-Controls"" version=""6.0.0.0""' \
              'level=""asInvoker""' '>true</dpiAware>' \
              'SMI/2016/WindowsSettings"">PerMonitorV2, PerMonitor</dpiAwareness>' \
              'supportedOS Id=""{e2011457-1546-43c5-a5fe-008deee3d3f0}""' \
              'supportedOS Id=""{35138b9a-5d96-4fbd-8e2d-a2440225f93a}""' \
              'supportedOS Id=""{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}""' \
              'supportedOS Id=""{1f676c76-80e1-4239-95bb-83d0f6d0da78}""' \
              'supportedOS Id=""{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}""'; do
  check "manifest holds $needle" grep -qF "$needle" <<<"$manifest"
done

# German texts are single Windows-1252 bytes in the binary, never UTF-8 sequences.
check "German texts are Windows-1252 (0xDC 'ber Firmlook...')" \
  bash -c "LC_ALL=C grep -qa $'\xDCber Firmlook...' '$exe'"
check "German texts are Windows-1252 (verf 0xFC gbar)" bash -c "LC_ALL=C grep -qa $'verf\xFCgbar' '$exe'"
# Only in the texts: machine code holds such byte pairs too (C3 84 is "mov ebx,eax; test").
i686-w64-mingw32-objcopy -O binary --only-section=.rdata "$exe" "$work/rdata"
check "no UTF-8 umlauts in Firmlook.exe's texts" \
  bash -c "test -s '$work/rdata' && ! LC_ALL=C grep -qa -E $'\xC3[\x84\x96\x9C\xA4\xB6\xBC\x9F]' '$work/rdata'"

# memquery.dll: exactly the eight undecorated names, kernel32 only (no runtime start-up).
dll=$build/memquery.dll
$objdump -f "$dll" > "$work/dll-header" 2>&1
$objdump -p "$dll" > "$work/dll-private" 2>&1
check "memquery.dll is a PE32 DLL for i386" grep -q 'file format pei-i386' "$work/dll-header"
exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' "$work/dll-private" | sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
check "memquery.dll exports exactly _GetRamEx0.._GetRamEx6 and _TickRate ($exports)" \
  test "$exports" = "_GetRamEx0 _GetRamEx1 _GetRamEx2 _GetRamEx3 _GetRamEx4 _GetRamEx5 _GetRamEx6 _TickRate "
dllimports=$(sed -n 's/.*DLL Name: //p' "$work/dll-private" | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
check "memquery.dll imports only kernel32 ($dllimports)" test "$dllimports" = "kernel32.dll "

# Romprobe.exe: a console program that needs kernel32 and the runtime only.
probe=$build/Romprobe.exe
$objdump -f "$probe" > "$work/probe-header" 2>&1
$objdump -p "$probe" > "$work/probe-private" 2>&1
check "Romprobe.exe is a PE32 file for i386" grep -q 'file format pei-i386' "$work/probe-header"
check "Romprobe.exe uses the console subsystem" grep -q 'Subsystem[[:space:]]*00000003' "$work/probe-private"
probeimports=$(sed -n 's/.*DLL Name: //p' "$work/probe-private" | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
# What older Windows lacks is looked up at run time, and so is advapi32 (the registry and the
# token's privileges), which only this PC's Secure Boot needs: loading it would slow every
# other run.
check "Romprobe.exe imports only kernel32 and msvcrt ($probeimports)" \
  test "$probeimports" = "kernel32.dll msvcrt.dll "
for late in GetSystemFirmwareTable GetFirmwareType GetFirmwareEnvironmentVariable Tbsi_ RegOpenKey; do
  check "Romprobe.exe finds $late at run time, not by import" \
    bash -c "! grep -q '$late' <(sed -n '/Import Tables/,/Export Tables\|The Function Table/p' '$work/probe-private')"
done

# Romprobe's manifest: asInvoker, so that Windows never redirects its writes to the
# VirtualStore (Wine has none, so only this check holds it), and Firmlook's supportedOS list.
$windres -J coff -i "$probe" -O rc -o "$work/probe-resources.rc" 2>"$work/probe-windres.log"
probemanifest=$(sed -n '/RT_MANIFEST/,/^END/p' "$work/probe-resources.rc")
for needle in "name=\"\"Tolvo.Romprobe\"\" version=\"\"$version\"\"" 'level=""asInvoker""'; do
  check "Romprobe.exe's manifest holds $needle" grep -qF "$needle" <<<"$probemanifest"
done
supported() { grep -o 'supportedOS Id=""{[^}]*}""' <<<"$1" | sort; }
check "Romprobe.exe's manifest lists the supportedOS entries of Firmlook.exe's ($(supported "$probemanifest" | wc -l))" \
  test -n "$(supported "$manifest")" -a "$(supported "$probemanifest")" = "$(supported "$manifest")"

# Release form: sizes within their limits in KB, no symbols, no link time stamp (the release
# zip must come out the same from every build of one commit).
for limit in Firmlook.exe:52 memquery.dll:14 Romprobe.exe:64; do
  file=${limit%%:*}; max=$((${limit#*:} * 1024))
  if [ ! -f "$build/$file" ]; then check "$file is built" false; continue; fi
  size=$(stat -c %s "$build/$file")
  check "$file is $size bytes ($((size / 1024)) KB), at most $max" test "$size" -le "$max"
  $objdump -p "$build/$file" > "$work/release-header" 2>&1
  check "$file carries no symbols" grep -q 'symbols stripped' "$work/release-header"
  check "$file carries no time stamp" grep -qE '^Time/Date[[:space:]]+Thu Jan  1 00:00:00 1970' "$work/release-header"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
