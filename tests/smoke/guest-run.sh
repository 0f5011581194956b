#!/usr/bin/env bash
# Inside the emulated guest: makes a 32-bit Wine prefix on the guest's tmpfs and runs the
# smoke program of the i686 build once per language.
# usage: guest-run.sh BUILD_DIR OUT_DIR
set -u
build=$1; out=$2
export WINEPREFIX=/tmp/wineprefix32 WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine wineserver=/usr/lib/wine/wineserver
seconds() { echo $(( $(date +%s) - $1 ))s; }

Xvfb :7 -screen 0 1280x1024x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
for _ in $(seq 300); do [ -S /tmp/.X11-unix/X7 ] && break; sleep 0.1; done
[ -S /tmp/.X11-unix/X7 ] || { echo "Xvfb did not start"; cat /tmp/xvfb.log; exit 1; }
export DISPLAY=:7

start=$(date +%s)
# One wineserver for the whole run: the seeded firmware values are volatile.
mkdir -p "$WINEPREFIX"
$wineserver -p
timeout 400 $wine wineboot -i >"$out/wineboot.log" 2>&1 || { echo "wineboot failed"; exit 1; }
echo "32-bit Wine prefix made in $(seconds "$start")"

rc=0
cd "$build" || exit 1
for pass in en:en_US.UTF-8 de:de_DE.UTF-8; do
    start=$(date +%s)
    LC_ALL=${pass#*:} timeout 300 $wine firmlook_smoke.exe "Z:$out/i686/${pass%%:*}" || rc=1
    echo "smoke run ${pass#*:} took $(seconds "$start")"
done
$wineserver -k
exit $rc
