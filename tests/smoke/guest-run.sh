#!/usr/bin/env bash
# Inside the emulated guest: starts a CUPS of the guest's own with a PDF printer, makes a
# 32-bit Wine prefix on the guest's tmpfs and runs the smoke program of the i686 build once
# per language, the English pass printing too, against the deliverables in PROGRAM_DIR. The
# PDF lands in OUT_DIR/pdf. FIRMWARE_DATE is the BIOS date the guest's SMBIOS tables hold;
# the smoke program also checks what Romprobe.exe makes of a copy of the guest's ROM.
# Every long step runs as long as it makes progress (tools/watch-progress.sh); the prefix
# that wineboot makes is kept in OUT_DIR for the next run with the same Wine. A pass that
# finished leaves OUT_DIR/i686/LANG/finished. The English pass also holds Romprobe.exe's
# --json and -s against the guest's dmidecode; a last run starts Firmlook from a read-only
# folder.
# usage: guest-run.sh BUILD_DIR PROGRAM_DIR OUT_DIR FIRMWARE_DATE
set -u
build=$1; program=$2; out=$3; firmware_date=$4
here=$(cd "$(dirname "$0")" && pwd)
watch() { bash "$here/../../tools/watch-progress.sh" ${W32RUN_BEAT:+--beat "$W32RUN_BEAT"} "$@"; }
# After a step stood still: what the guest's kernel and wineboot said last.
last_words() {
    echo "--- last lines of the guest console"; dmesg | tail -n 5
    [ -f "$out/wineboot.log" ] && { echo "--- last lines of wineboot"; tail -n 5 "$out/wineboot.log"; }
}
export WINEPREFIX=/tmp/wineprefix32 WINEARCH=win32 WINEDEBUG=-all
# No Mono or Gecko installers, and no desktop menu entries: every process costs seconds here.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine wineserver=/usr/lib/wine/wineserver
seconds() { echo $(( $(date +%s) - $1 ))s; }

Xvfb :7 -screen 0 1280x1024x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
xvfb=$!
while kill -0 $xvfb 2>/dev/null && [ ! -S /tmp/.X11-unix/X7 ]; do sleep 0.1; done
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
    while pgrep -x cupsd >/dev/null && [ ! -S /run/cups/cups.sock ]; do sleep 0.2; done
    lpadmin -p FirmlookPDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd 2>/dev/null &&
        lpadmin -d FirmlookPDF
}
start=$(date +%s)
start_printer || echo "the guest's printer could not be set up"
echo "printer set up in $(seconds "$start")"

# A fresh prefix, or the one an earlier run of the same Wine made. wineboot is retried once
# when it stood still: nothing of Firmlook has run yet.
start=$(date +%s)
kept=$out/prefix-$($wine --version | tr -c 'A-Za-z0-9.\n' _).tar
if [ -f "$kept" ] && mkdir -p "$WINEPREFIX" && tar -xf "$kept" -C "$WINEPREFIX"; then
    echo "32-bit Wine prefix taken from $(basename "$kept") in $(seconds "$start")"
else
    rm -rf "$WINEPREFIX" "$out/wineboot.log"; mkdir -p "$WINEPREFIX"
    for try in 1 2; do
        watch --idle 600 --log "$out/wineboot.log" --watch "$WINEPREFIX" "wineboot" -- \
            $wine wineboot -i
        made=$?
        [ $made -eq 124 ] && last_words
        [ $made -eq 124 ] && [ $try = 1 ] && { echo "wineboot stood still; trying once more"; continue; }
        break
    done
    [ $made -eq 0 ] || { echo "wineboot failed"; exit 1; }
    # The registry reaches the disk when the server ends.
    $wineserver -w
    echo "32-bit Wine prefix made in $(seconds "$start")"
    # Kept for the next run, in the background and from a snapshot of hard links: Wine
    # replaces its registry files rather than rewriting them, so the snapshot stays as
    # wineboot left it while the passes run.
    rm -f "$out"/prefix-*.tar
    cp -al "$WINEPREFIX" /tmp/prefix-made &&
        { nice -n 19 tar -cf "$kept.new" -C /tmp/prefix-made . && mv "$kept.new" "$kept"; } &
    keeping=$!
fi
# One wineserver for the whole run: the seeded firmware values are volatile.
$wineserver -p

# The ROM window C0000h to FFFFFh as the guest's firmware left it.
dd if=/dev/mem of="$out/guest-rom.img" bs=4096 skip=192 count=64 2>/dev/null ||
    echo "the guest's ROM could not be read from /dev/mem"
echo "guest ROM: system date at FFFF5h '$(dd if="$out/guest-rom.img" bs=1 skip=$((0x3FFF5)) count=8 2>/dev/null)'"

# Romprobe's command line against the guest's own dmidecode: on the tables that Wine hands
# out, and on the firmware's own tables, which dmidecode saves.
romprobe_against_dmidecode() {
    local failed=0 agrees="python3 $here/../support/dmidecode_agrees.py"
    dmidecode >"$out/dmidecode.txt" && rm -f "$out/guest-smbios.bin" &&
        dmidecode --dump-bin "$out/guest-smbios.bin" >/dev/null || return 1
    echo "Romprobe.exe --json, Wine's tables, against dmidecode:"
    watch "Romprobe.exe --json" -- $wine "$program/Romprobe.exe" --json >"$out/romprobe-wine.json" &&
        $agrees "$out/romprobe-wine.json" "$out/dmidecode.txt" --wine || failed=1
    echo "Romprobe.exe --smbios --json, the firmware's tables, against dmidecode:"
    watch "Romprobe.exe --smbios" -- $wine "$program/Romprobe.exe" \
        --smbios "Z:$out/guest-smbios.bin" --json >"$out/romprobe-firmware.json" &&
        $agrees "$out/romprobe-firmware.json" "$out/dmidecode.txt" || failed=1
    # One value a line, as scripts read it: from the firmware's tables all three, from Wine's
    # the two that Wine copies (its UUID is the machine-id).
    local key from ours theirs
    for key in system-serial-number system-uuid bios-version; do
        theirs=$(dmidecode -s $key | sed 's/^Not Specified$//')
        [ $key = system-uuid ] && theirs=$(echo "$theirs" | tr a-f A-F)
        for from in firmware wine; do
            [ $from = wine ] && [ $key = system-uuid ] && continue
            set -- -s $key; [ $from = firmware ] && set -- "$@" --smbios "Z:$out/guest-smbios.bin"
            watch "Romprobe.exe $*" -- $wine "$program/Romprobe.exe" "$@" >"$out/romprobe-s.txt" &&
                ours=$(tr -d '\r' <"$out/romprobe-s.txt") || ours="(failed)"
            if [ "$ours" = "$theirs" ]; then
                echo "Romprobe.exe -s $key, $from tables: '$ours' as dmidecode"
            else
                echo "FAIL Romprobe.exe -s $key, $from tables: '$ours', dmidecode '$theirs'"; failed=1
            fi
        done
    done
    return $failed
}

rc=0
export FIRMLOOK_EXE="Z:$program/Firmlook.exe"
cd "$build" || exit 1

# Wine's desktop, held for the whole run (see firmlook_smoke.exe --hold-desktop). Wine
# starts the prefix's services with the first program, then the desktop process with the
# first that needs a display, and gives it 10 s. Here both start first, each waited for as
# long as it works: the desktop process until its CPU time stands still for 5 s, which it
# does once it waits for messages, with its desktop window made.
start=$(date +%s)
$wine cmd.exe /c exit
while pgrep -f 'wineboot.exe' >/dev/null; do sleep 0.5; done
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' /proc/$1/stat 2>/dev/null; }
$wine explorer.exe /desktop &
desktop=$! ticks=-1 still=0
while [ $still -lt 5 ] && kill -0 $desktop 2>/dev/null; do
    sleep 1
    now=$(cpu_ticks $desktop)
    if [ "$now" = "$ticks" ]; then still=$((still + 1)); else still=0 ticks=$now; fi
done
for try in 1 2; do
    $wine firmlook_smoke.exe --hold-desktop >/tmp/desktop.log 2>&1 &
    holder=$!
    while kill -0 $holder 2>/dev/null && ! grep -q ready /tmp/desktop.log; do sleep 0.5; done
    grep -q ready /tmp/desktop.log && break
    echo "Wine's desktop was not up in time; holding it once more"
done
grep -q ready /tmp/desktop.log || { echo "Wine's desktop did not start"; exit 1; }
echo "Wine's desktop held in $(seconds "$start")"
# The English pass prints and checks the guest's own firmware too.
machine=(--print --firmware-date "$firmware_date" --rom-image "Z:$out/guest-rom.img")
for pass in en:en_US.UTF-8 de:de_DE.UTF-8; do
    IFS=: read -r lang locale <<<"$pass"
    start=$(date +%s)
    extra=(); [ "$lang" = en ] && extra=("${machine[@]}")
    mkdir -p "$out/i686/$lang"
    watch "the $locale smoke run" -- \
        env LC_ALL=$locale $wine firmlook_smoke.exe "Z:$out/i686/$lang" "${extra[@]}"
    case $? in
    0) touch "$out/i686/$lang/finished" ;;
    124) rc=1; last_words ;;
    *) rc=1; touch "$out/i686/$lang/finished" ;;
    esac
    echo "smoke run $locale took $(seconds "$start")"
    [ "$lang" = en ] && { romprobe_against_dmidecode || rc=1; }
done
# Firmlook in a read-only folder: the bind mount is made here in the guest, on the host's
# file system that the guest sees over 9p.
start=$(date +%s)
watch "the read-only folder run" -- bash "$here/../support/read-only-folder.sh" "$program" \
    "$out/read-only" env LC_ALL=en_US.UTF-8 $wine firmlook_smoke.exe --read-only-folder || rc=1
echo "read-only folder run took $(seconds "$start")"
# The PDF printer may still be converting the job; its spool and the PDF folder move while it
# does.
watch --no-cpu --watch /var/spool/cups --watch "$out/pdf" "the PDF printer" -- \
    sh -c 'while lpstat -o 2>/dev/null | grep -q .; do sleep 1; done' || rc=1
$wineserver -k
[ -n "${keeping:-}" ] && wait $keeping
exit $rc
