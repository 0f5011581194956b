#!/usr/bin/env bash
# The 32-bit deliverables for real: runs the i686 smoke program in the emulated guest against
# the deliverables unpacked from the release zip, compares its firmware reports byte for byte
# with those of the x86_64 twin under Wine here, and reads the PDF that the 32-bit program
# printed there. The guest's SMBIOS tables carry a BIOS date and names chosen here, and
# Romprobe.exe --json must agree with the guest's dmidecode on them.
# usage: w32vm-smoke.sh SOURCE_DIR
set -u
root=$(cd "$1" && pwd)
out=$root/build/w32vm
rc=0
for program in win32/firmlook_smoke.exe win64/firmlook_smoke.exe; do
    [ -f "$root/build/$program" ] || { echo "build/$program is missing: build both presets"; exit 1; }
done
zip=$(ls "$root"/dist/Firmlook-*.zip 2>/dev/null | tail -1)
[ -n "$zip" ] || { echo "no release zip in dist/: run make dist"; exit 1; }
rm -rf "$out/i686" "$out/x86_64" "$out/pdf" "$out/release"
mkdir -p "$out/i686" "$out/x86_64" "$out/pdf" "$out/release"
python3 -m zipfile -e "$zip" "$out/release" || { echo "FAIL $zip does not unpack"; exit 1; }
chmod +x "$out/release"/*.exe "$out/release"/*.dll
echo "deliverables from $(basename "$zip"): $(cd "$out/release" && ls | tr '\n' ' ')"
firmware_date=04/27/16

echo "== x86_64 twin under Wine"
for pass in en:en_US.UTF-8 de:de_DE.UTF-8; do
    bash "$root/tests/wine/run-under-wine.sh" "$root/build/win64" "${pass#*:}" firmlook_smoke.exe \
        "Z:$out/x86_64/${pass%%:*}" || rc=1
done

echo "== i686 deliverables in the emulated guest"
start=$(date +%s)
# From the source folder, which the guest then sees even when it lies under /tmp. The guest
# runs while it makes progress, within what is left of the hour this layer may take.
# The guest's SMBIOS tables, for the firmware checks and for Romprobe against dmidecode.
tables="-smbios type=0,vendor=Tolvo,version=FL-2.17,date=04/27/2016,release=5.17
 -smbios type=1,manufacturer=Tolvo,product=Firmlook-Test-PC,version=1.0,serial=SYS-0001,sku=FL-SKU-7,family=Test-Family
 -smbios type=2,manufacturer=Tolvo-Boards,product=FL-B1,version=Rev-2,serial=BRD-0002,asset=BOARD-9
 -smbios type=3,manufacturer=Tolvo-Cases,version=C3,serial=CHS-0003,asset=CHASSIS-4
 -uuid 12345678-9abc-4def-8123-456789abcdef"
(cd "$root" && W32RUN_QEMU_ARGS=$tables \
    W32RUN_CAP=$((3300 - SECONDS)) W32RUN_WATCH="$out/wineboot.log" \
    bash tools/w32vm/w32run "$out/vm" \
    "bash tests/smoke/guest-run.sh '$root/build/win32' '$out/release' '$out' $firmware_date") || rc=1
echo "guest run took $(( $(date +%s) - start ))s"

echo "== firmware reports of both builds"
for lang in en de; do
    # A pass that did not finish has said so above; its missing files say nothing more.
    [ -e "$out/i686/$lang/finished" ] || { echo "skip the $lang reports: that guest pass did not finish"; continue; }
    for report in typical rom odd switched; do
        file=$lang/$report.txt
        if [ -s "$out/i686/$file" ] && cmp -s "$out/i686/$file" "$out/x86_64/$file"; then
            echo "ok   $file is byte-identical"
        else
            echo "FAIL $file differs or is missing"
            rc=1
        fi
    done
done
echo "== the 32-bit print-out"
[ -e "$out/i686/en/finished" ] || { echo "skip the PDF: the English guest pass did not finish"; exit 1; }
pdf=$out/pdf/Firmlook.pdf
pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
if [ "$pages" = 1 ]; then echo "ok   the PDF has one page"; else echo "FAIL PDF pages: '$pages'"; rc=1; fi
# PDF hyphens come back as soft hyphens (U+00AD) and semicolons as Greek question marks
# (U+037E), whose glyphs they share; the beginning of each line is enough here.
text=$(pdftotext -layout "$pdf" - 2>/dev/null | sed 's/\xC2\xAD/-/g; s/\xCD\xBE/;/g' | tr -s ' ')
missing=0
[ -s "$out/i686/en/printed.txt" ] || { echo "FAIL the smoke run wrote no printed report"; missing=1; }
while IFS= read -r line; do
    line=$(printf '%s' "$line" | tr -d '\r' | cut -c1-60 | tr -s ' ' | sed 's/^ //; s/ $//')
    [ -z "$line" ] && continue
    grep -qF -- "$line" <<<"$text" || { echo "FAIL line missing from the PDF: $line"; missing=1; }
done < <(cat "$out/i686/en/printed.txt" 2>/dev/null)
if [ $missing -eq 0 ]; then
    echo "ok   the PDF holds every line of the printed report"
else
    rc=1
fi
exit $rc
