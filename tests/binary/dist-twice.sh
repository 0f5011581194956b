#!/usr/bin/env bash
# Builds the release zip twice, in two fresh build folders a few seconds apart, and checks
# that both zips are byte-identical and hold what a user needs.
# usage: dist-twice.sh SOURCE_DIR WORK_DIR
set -u
src=$(cd "$1" && pwd); work=$2
rm -rf "$work"; mkdir -p "$work"; work=$(cd "$work" && pwd)
for n in 1 2; do
  [ "$n" = 2 ] && sleep 2 # a time stamp in seconds would now differ
  if ! { cmake -S "$src" -B "$work/build$n" --toolchain "$src/cmake/mingw-i686.cmake" \
           -DCMAKE_BUILD_TYPE=Release -DFIRMLOOK_DIST_DIR="$work/dist$n" &&
         cmake --build "$work/build$n" --target dist -j2; } >"$work/build$n.log" 2>&1; then
    tail -30 "$work/build$n.log"; echo "FAIL build $n of the zip"; exit 1
  fi
done
zip1=$(ls "$work"/dist1/Firmlook-*.zip); zip2=$work/dist2/$(basename "$zip1")
failed=0
check() { # check NAME COMMAND...
  local name=$1; shift
  if "$@"; then echo "ok   $name"; else failed=1; echo "FAIL $name"; fi
}
check "two builds give the same $(basename "$zip1")" cmp "$zip1" "$zip2"
# Romprobe.exe is in the zip whenever this tree builds it.
expected="Firmlook.exe memquery.dll README.txt"
[ -f "$work/build1/Romprobe.exe" ] && expected="Firmlook.exe memquery.dll Romprobe.exe README.txt"
entries=$(python3 -c 'import sys, zipfile; print(" ".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip1")
check "the zip holds $expected ($entries)" test "$entries" = "$expected"
check "README.txt has CR LF line ends, Windows-1252 umlauts and the version" python3 -c '
import re, sys, zipfile
text = zipfile.ZipFile(sys.argv[1]).read("README.txt")
version = re.search(r"Firmlook-(.+)\.zip$", sys.argv[1]).group(1)
sys.exit(not (text.count(b"\n") == text.count(b"\r\n") > 20 and b"l\xe4sst" in text
              and text.startswith(b"Firmlook " + version.encode() + b"\r\n")))' "$zip1"
[ "$failed" -eq 0 ]
