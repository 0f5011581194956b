#!/usr/bin/env bash
# Runs a Windows test program under Wine once per DPI, in the order given (96 first: the DPI
# test's later passes compare with its figures).
# usage: dpi-passes.sh BUILD_DIR "DPI..." PROGRAM [ARGS...]
set -u
build=$1; dpis=$2; shift 2
status=0
for dpi in $dpis; do
  echo "== $dpi DPI"
  WINE_LOGPIXELS=$dpi bash "$(dirname "$0")/run-under-wine.sh" "$build" en_US.UTF-8 "$@" || status=1
done
exit $status
