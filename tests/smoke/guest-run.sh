#!/usr/bin/env bash
# Inside the emulated guest: starts a CUPS of the guest's own with a PDF printer, makes a
# 32-bit Wine prefix on the guest's tmpfs and runs the smoke program of the i686 build once
# per language, the English pass printing too, against the deliverables in PROGRAM_DIR. The
# PDF lands in OUT_DIR/pdf. FIRMWARE_DATE is the BIOS date the guest's SMBIOS tables hold;
# the smoke program also checks what Romprobe.exe makes of a copy of the guest's ROM.
# usage: guest-run.sh BUILD_DIR PROGRAM_DIR OUT_DIR FIRMWARE_DATE
set -u
build=$1; program=$2; out=$3; firmware_date=$4
export WINEPREFIX=/tmp/wineprefix32 WINEARCH=win32 WINEDEBUG=-all
# No Mono or Gecko installers, and no desktop menu entries: every process costs seconds here.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine wineserver=/usr/lib/wine/wineserver
seconds() { echo $(( $(date +%s) - $1 ))s; }

Xvfb :7 -screen 0 1280x1024x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
for _ in $(seq 300); do [ -S /tmp/.X11-unix/X7 ] && break; sleep 0.1; done
[ -S /tmp/.X11-unix/X7 ] || { echo "Xvfb did not start"; cat /tmp/xvfb.log; exit 1; }
export DISPLAY=:7

# CUPS with the host's programs but the guest's own configuration, spool and printer, so
# that nothing of the host's printing set-up is touched.
start_printer() {
    mkdir -p /tmp/cups-etc /run/cups /root/PDF "$out/pdf"
    cp -a /etc/cups/. /tmp/cups-etc/
    rm -f /tmp/cups-etc/printers.conf* /tmp/cups-etc/ppd/*
    mount --bind /tmp/cups-etc /etc/cups
    for d in /var/spool/cups /var/cache/cups /var/log/cups; do mount -t tmpfs cups $d; done
    chmod 710 /var/spool/cups
    mkdir -m 1770 /var/spool/cups/tmp
    # cups-pdf writes to the job owner's home.
    mount --bind "$out/pdf" /root/PDF
    ip link set lo up
    /usr/sbin/cupsd || return 1
    for _ in $(seq 100); do [ -S /run/cups/cups.sock ] && break; sleep 0.2; done
    lpadmin -p FirmlookPDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd 2>/dev/null &&
        lpadmin -d FirmlookPDF
}
start=$(date +%s)
start_printer || echo "the guest's printer could not be set up"
echo "printer set up in $(seconds "$start")"

start=$(date +%s)
# One wineserver for the whole run: the seeded firmware values are volatile.
mkdir -p "$WINEPREFIX"
$wineserver -p
timeout 400 $wine wineboot -i >"$out/wineboot.log" 2>&1 || { echo "wineboot failed"; exit 1; }
echo "32-bit Wine prefix made in $(seconds "$start")"

# The ROM window C0000h to FFFFFh as the guest's firmware left it.
dd if=/dev/mem of="$out/guest-rom.img" bs=4096 skip=192 count=64 2>/dev/null ||
    echo "the guest's ROM could not be read from /dev/mem"
echo "guest ROM: system date at FFFF5h '$(dd if="$out/guest-rom.img" bs=1 skip=$((0x3FFF5)) count=8 2>/dev/null)'"

rc=0
export FIRMLOOK_EXE="Z:$program/Firmlook.exe"
cd "$build" || exit 1
# The English pass prints and checks the guest's own firmware too.
machine=(--print --firmware-date "$firmware_date" --rom-image "Z:$out/guest-rom.img")
for pass in en:en_US.UTF-8 de:de_DE.UTF-8; do
    IFS=: read -r lang locale <<<"$pass"
    start=$(date +%s)
    extra=(); [ "$lang" = en ] && extra=("${machine[@]}")
    LC_ALL=$locale timeout 300 $wine firmlook_smoke.exe "Z:$out/i686/$lang" "${extra[@]}" || rc=1
    echo "smoke run $locale took $(seconds "$start")"
done
# The PDF printer may still be converting the job.
for _ in $(seq 120); do lpstat -o 2>/dev/null | grep -q . || break; sleep 0.5; done
$wineserver -k
exit $rc
