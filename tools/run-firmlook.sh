#!/usr/bin/env bash
# Starts the x86_64 build of Firmlook under Wine. Uses the current X display, or a virtual
# one (Xvfb) when there is none, and a Wine prefix of its own under build/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix-run} WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${DISPLAY:-}" ]; then
  display=$(( 500 + $$ % 400 ))
  Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  trap 'kill $!' EXIT
  for _ in $(seq 100); do [ -S /tmp/.X11-unix/X$display ] && break; sleep 0.1; done
  export DISPLAY=:$display
  echo "No X display: Firmlook runs on the virtual display $DISPLAY"
fi
cd "$root/build/win64"
exec /usr/lib/wine/wine64 ./Firmlook.exe
