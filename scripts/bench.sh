#!/usr/bin/env bash
# The benchmarks: the core's micro-benchmarks natively, then the real program under Wine
# on a virtual display: time from its start to its main window, its peak memory, and the
# slide in from the cursor touching the top edge to the strip fully shown.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
export WINEPREFIX="$PWD/build/wine/bench-prefix"
source scripts/wine-env.sh

echo "== Core micro-benchmarks"
build/bench/bench/core_bench --benchmark_min_time=0.2

trap kromelik_cleanup EXIT
kromelik_start_xvfb || exit 1
kromelik_wine_prefix
program="$PWD/build/windows/kromelik.exe"
probe="$PWD/build/windows/tests/winprobe.exe"
# The first start of a prefix pays for Wine's own warm-up; it is not counted.
"$WINE" "$probe" wait-window Kromelik 1 >/dev/null 2>&1

echo "== Program under Wine (5 starts)"
for run in 1 2 3 4 5; do
  start=$(date +%s%N)
  "$WINE" "$program" &
  program_pid=$!
  "$WINE" "$probe" wait-window Kromelik 30000 >/dev/null || { echo "no window" >&2; exit 1; }
  shown=$(date +%s%N)
  # Peak resident memory of the program's process, as the kernel counts it: Wine's
  # loader becomes the program, so the id started here is the program's own, and
  # another copy running on this machine is never measured instead.
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$program_pid/status" 2>/dev/null)
  "$WINE" "$probe" close Kromelik >/dev/null
  wait "$program_pid"
  printf 'start %d: window after %d ms, peak memory %s KiB\n' "$run" $(( (shown - start) / 1000000 )) "${peak:-?}"
done

echo "== Slide in under Wine (5 times; the slide timer ticks every 100 ms, so up to that"
echo "   much passes before the strip starts to move)"
"$WINE" "$program" &
program_pid=$!
"$WINE" "$probe" wait-top Kromelik -45 30000 >/dev/null || { echo "no window" >&2; exit 1; }
for run in 1 2 3 4 5; do
  read -r appeared shown < <("$WINE" "$probe" measure-slide Kromelik 600 | tr -d '\r')
  printf 'slide %d: strip moving after %s ms, fully shown after %s ms (slide itself %s ms)\n' \
    "$run" "$appeared" "$shown" "$(awk -v a="$appeared" -v b="$shown" 'BEGIN {printf "%.1f", b - a}')"
done
"$WINE" "$probe" close Kromelik >/dev/null
wait "$program_pid"
