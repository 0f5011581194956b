#!/usr/bin/env bash
# Builds the fuzz targets (CMake preset "fuzz": clang with libFuzzer, ASan and UBSan) and runs
# each for the given number of seconds (default 20), one after the other. Each run starts from
# the seeds and kept regression inputs in tests/fuzz/corpus/<target> plus what earlier runs
# found (build/fuzz/corpus/<target>). A crash, sanitizer report or failed check stops with a
# nonzero status; the input that caused it is left in build/fuzz/artifacts/.
#
#   tools/fuzz.sh [seconds-per-target] [target...]
#
# FUZZ_RUNS=N also ends each target after N executions, whichever comes first.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in tests/fuzz/*_fuzz.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi

failed=()
for target in "${targets[@]}"; do
  binary=$(find build/fuzz -name "$target" -type f -perm -u+x | head -n 1)
  seeds=tests/fuzz/corpus/$target
  found=build/fuzz/corpus/$target
  artifacts=build/fuzz/artifacts/$target
  mkdir -p "$found" "$artifacts"
  # The dump copy must see files longer than its 32,000-byte limit.
  options=(-max_total_time="$seconds" -artifact_prefix="$artifacts/" -print_final_stats=1)
  [ "$target" = rom_text_fuzz ] && options+=(-max_len=40000)
  [ -n "${FUZZ_RUNS:-}" ] && options+=(-runs="$FUZZ_RUNS")
  log=build/fuzz/$target.log
  if "$binary" "${options[@]}" "$found" "$seeds" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    time=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | grep -o '[0-9]* second' || true)
    echo "fuzz $target: ${runs:-?} runs in ${time:-?}s, no fault"
  else
    echo "fuzz $target: FAILED (log $log, input in $artifacts/)"
    grep -E 'ERROR|runtime error|check failed' "$log" | head -n 5 || true
    failed+=("$target")
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "fuzz faults in: ${failed[*]}"; exit 1; }
