#!/usr/bin/env bash
# Takes a screenshot of the Firmlook dialog (the x86_64 build under Wine on a virtual
# display) with a few typical firmware values seeded, for the README, at 96 DPI or the DPI
# given (192: a 4K laptop at 200 %; the screen grows with it).
# usage: screenshot.sh OUTPUT.png [DPI]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "$1")
dpi=${2:-96}
export WINEPREFIX=$root/build/wineprefix-shot WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=en_US.UTF-8
display=$(( 600 + $$ % 300 ))
Xvfb :$display -screen 0 $((1024 * dpi / 96))x$((768 * dpi / 96))x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap '/usr/lib/wine/wineserver -k 2>/dev/null; kill $xvfb' EXIT
for _ in $(seq 100); do [ -S /tmp/.X11-unix/X$display ] && break; sleep 0.1; done
export DISPLAY=:$display
wine=/usr/lib/wine/wine64
[ -f "$WINEPREFIX/system.reg" ] || $wine wineboot -i >/dev/null 2>&1
# The wineserver reads the DPI when it starts.
$wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
/usr/lib/wine/wineserver -k 2>/dev/null || true; /usr/lib/wine/wineserver -w
/usr/lib/wine/wineserver -p
key='HKLM\HARDWARE\DESCRIPTION\System'
$wine reg add "$key" /v SystemBiosDate /d 06/20/19 /f >/dev/null
$wine reg add "$key" /v VideoBiosDate /d 11/03/17 /f >/dev/null
$wine reg add "$key" /v SystemBiosVersion /t REG_MULTI_SZ /d 'DELL   - 1072009\01.9.1\0American Megatrends - 5000C' /f >/dev/null
$wine reg add "$key" /v VideoBiosVersion /t REG_MULTI_SZ /d 'Hardware Version 0.0' /f >/dev/null
cd "$root/build/win64"
$wine ./Firmlook.exe &
for _ in $(seq 100); do
  id=$(xwininfo -root -tree 2>/dev/null | awk '/" Firmlook"/ {print $1; exit}')
  [ -n "$id" ] && break; sleep 0.2
done
sleep 2
mkdir -p "$(dirname "$out")"
import -window "$id" "$out"
echo "wrote $out"
