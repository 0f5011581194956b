#!/usr/bin/env bash
# Runs a Windows test program of the x86_64 build under Wine on a private Xvfb display.
# usage: run-under-wine.sh BUILD_DIR LOCALE PROGRAM [ARGS...]
# The program and wineboot run as long as they make progress (tools/watch-progress.sh), the
# program up to WINE_RUN_CAP seconds in all (3000 unless set).
# The Wine prefix lives in BUILD_DIR/wineprefix and is created on first use. One wineserver
# is kept up for the whole run, because the firmware values the tests seed under
# HKLM\HARDWARE are volatile and vanish when it exits.
# WINE_LOGPIXELS=N runs the program at N DPI: the value is set for the run and set back to 96
# at its end, each time with a new wineserver, which reads it when it starts. The screen grows
# with it, as a screen of that density would.
set -u
build=$(cd "$1" && pwd); locale=$2; program=$3; shift 3
watch=$(cd "$(dirname "$0")/../../tools" && pwd)/watch-progress.sh

export WINEPREFIX=$build/wineprefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=" WINE=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

# A display number that no other X server on this machine uses.
display=$(( 100 + $$ % 400 ))
while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done
dpi=${WINE_LOGPIXELS:-96}
Xvfb :$display -screen 0 $((1280 * dpi / 96))x$((1024 * dpi / 96))x24 -nolisten tcp >"$build/xvfb.log" 2>&1 &
xvfb=$!
logpixels() {
  $WINE reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  $wineserver -k >/dev/null 2>&1; $wineserver -w
}
cleanup() {
  [ -n "${WINE_LOGPIXELS:-}" ] && logpixels 96
  WINEPREFIX=$WINEPREFIX $wineserver -k >/dev/null 2>&1
  kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null
}
trap cleanup EXIT
while kill -0 $xvfb 2>/dev/null && [ ! -S /tmp/.X11-unix/X$display ]; do sleep 0.1; done
[ -S /tmp/.X11-unix/X$display ] || { echo "Xvfb did not start"; cat "$build/xvfb.log"; exit 1; }
export DISPLAY=:$display

# The prefix is made once per build folder, under a lock in case two runs start together.
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating Wine prefix $WINEPREFIX"
    rm -f "$build/wineboot.log"
    bash "$watch" --log "$build/wineboot.log" --watch "$WINEPREFIX" wineboot -- \
        $WINE wineboot -i || { tail -n 5 "$build/wineboot.log"; exit 1; }
    $wineserver -w
  fi
) 9>"$build/wineprefix.lock" || { echo "the Wine prefix could not be made"; exit 1; }

[ -n "${WINE_LOGPIXELS:-}" ] && logpixels "$WINE_LOGPIXELS"
$wineserver -p >/dev/null 2>&1
cd "$build" || exit 1
bash "$watch" --cap "${WINE_RUN_CAP:-3000}" "$program under $locale" -- \
    env LC_ALL=$locale $WINE "$program" "$@"
