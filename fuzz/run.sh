#!/usr/bin/env bash
# Fuzzes the lista.txt parser for the given number of seconds (300 unless told). Inputs
# that reach new code are kept in build/fuzz/corpus for the next run; the seeds in
# fuzz/corpus are only read, so the work tree stays as committed. A crash or a broken
# rule is saved in build/fuzz/crashes and fails the run; the full log is
# build/fuzz/last-run.log.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-300}
fuzzer=build/fuzz/custom_menu_fuzz
log=build/fuzz/last-run.log
if [ ! -x "$fuzzer" ]; then
  echo "$fuzzer is not built (make fuzz-build)" >&2
  exit 2
fi
mkdir -p build/fuzz/corpus build/fuzz/crashes

# 64 KiB reaches the nesting bound many times over; a unit that takes 20 s is a hang,
# not a slow parse.
UBSAN_OPTIONS=print_stacktrace=1 "$fuzzer" -max_total_time="$seconds" -max_len=65536 \
  -timeout=20 -print_final_stats=1 -artifact_prefix=build/fuzz/crashes/ \
  build/fuzz/corpus fuzz/corpus >"$log" 2>&1
status=$?

grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log"
if [ $status -ne 0 ]; then
  echo "The fuzzer stopped with status $status; what it found:" >&2
  grep -E 'rule broken|ERROR: |runtime error|SUMMARY|Test unit written|^Base64' "$log" | head -n 20 >&2
fi
exit $status
