#!/usr/bin/env bash
# Clicks through a thousand rebuilds of each report kind in the x86_64 Firmlook.exe under
# Wine and prints the resident memory (VmRSS from /proc) of its Wine process before and after
# each kind. Run by hand after `make build`; it takes several minutes (the system report
# measures the CPU clock for about 0.1 s per rebuild). Not part of `make test`.
# usage: tests/bench/rebuild-soak.sh [REBUILDS [KIND]]  (KIND: a part of a report kind's name)
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
WINE_RUN_CAP=${WINE_RUN_CAP:-7200} \
  exec bash "$root/tests/wine/run-under-wine.sh" "$root/build/win64" en_US.UTF-8 \
  rebuild_soak.exe "${1:-1000}" "${@:2}"
