#!/usr/bin/env bash
# The benchmarks: the core's micro-benchmarks natively, then the real program under Wine
# on a virtual display: time from its start to its main window shown next to a bare Win32
# window program's, empty and with a heavy user's lists and Recent folder, its peak and
# settled memory (next to the bare window's, and one's that asks the shell for a file's
# icon), and the slide in from the cursor touching the top edge to the strip fully shown.
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
tools="$PWD/build/windows/tests"
probe="$tools/winprobe.exe"
# The first start of a prefix pays for Wine's own warm-up; it is not counted.
"$WINE" "$probe" wait-window Kromelik 1 >/dev/null 2>&1

# Starts PROGRAM six times and waits each time for its window TITLE shown, then closes it. The
# first start is shown but not counted: it pays for what only a first start does (the
# program's registration, the files read into the cache). Leaves the median of the
# other five in `median`.
measure_starts() {
  local label=$1 title=$2 exe=$3 run start shown peak pid elapsed
  local counted=() peaks=()
  # Within the strip's band the strip waits above the screen until the cursor leaves it;
  # below it, it would slide away at its first tick, before anyone had seen it shown.
  xdotool mousemove 600 20
  for run in 0 1 2 3 4 5; do
    start=$(date +%s%N)
    "$WINE" "$exe" &
    pid=$!
    # Shown as the platform reports it: the bare window visible, the strip visible at its
    # waiting place above the screen.
    if [ "$title" = Kromelik ]; then
      "$WINE" "$probe" wait-top Kromelik -45 30000 >/dev/null || { echo "$label: not shown" >&2; exit 1; }
    else
      "$WINE" "$probe" wait-visible "$title" 30000 >/dev/null || { echo "$label: not shown" >&2; exit 1; }
    fi
    shown=$(date +%s%N)
    # Peak resident memory of the program's process, as the kernel counts it: Wine's
    # loader becomes the program, so the id started here is the program's own, and
    # another copy running on this machine is never measured instead.
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null)
    "$WINE" "$probe" close "$title" >/dev/null
    wait "$pid"
    elapsed=$(( (shown - start) / 1000000 ))
    if [ "$run" -eq 0 ]; then
      printf '%s, first start (not counted): window after %d ms, peak memory %s KiB\n' \
        "$label" "$elapsed" "${peak:-?}"
    else
      counted+=("$elapsed")
      peaks+=("${peak:-0}")
      printf '%s, start %d: window after %d ms, peak memory %s KiB\n' "$label" "$run" "$elapsed" "${peak:-?}"
    fi
  done
  median=$(printf '%s\n' "${counted[@]}" | sort -n | sed -n 3p)
  median_peak=$(printf '%s\n' "${peaks[@]}" | sort -n | sed -n 3p)
  printf '%s: median %d ms, median peak memory %d KiB\n' "$label" "$median" "$median_peak"
}

echo "== Start to the main window shown under Wine (5 starts each)"
measure_starts "(a) bare window" Bare "$tools/barewindow.exe"
bare_ms=$median
bare_peak=$median_peak
measure_starts "(b) Kromelik, no lists" Kromelik "$program"
empty_ms=$median
empty_peak=$median_peak

echo "== Slide in under Wine (5 times; the slide timer ticks every 100 ms, so up to that"
echo "   much passes before the strip starts to move)"
"$WINE" "$program" &
program_pid=$!
"$WINE" "$probe" wait-top Kromelik -45 30000 >/dev/null || { echo "no window" >&2; exit 1; }
slides=()
for run in 1 2 3 4 5; do
  read -r appeared shown < <("$WINE" "$probe" measure-slide Kromelik 600 | tr -d '\r')
  slides+=("$shown")
  printf 'slide %d: strip moving after %s ms, fully shown after %s ms (slide itself %s ms)\n' \
    "$run" "$appeared" "$shown" "$(awk -v a="$appeared" -v b="$shown" 'BEGIN {printf "%.1f", b - a}')"
done
"$WINE" "$probe" close Kromelik >/dev/null
wait "$program_pid"
slide_ms=$(printf '%s\n' "${slides[@]}" | sort -n | sed -n 3p)

# Resident memory once the start has settled (menus built, icons in, the processor quiet
# for a second), the cursor below the strip: leaves it in `settled`.
settled_memory() {
  local title=$1 exe=$2 arg=${3:-} pid
  xdotool mousemove 600 300
  "$WINE" "$exe" $arg &
  pid=$!
  "$WINE" "$probe" wait-window "$title" 30000 >/dev/null || { echo "$title: no window" >&2; exit 1; }
  kromelik_wait_settled "$pid"
  settled=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  "$WINE" "$probe" close "$title" >/dev/null
  wait "$pid"
}
echo "== Settled memory without lists"
settled_memory Bare "$tools/barewindow.exe"
bare_settled=$settled
settled_memory Kromelik "$program"
empty_settled=$settled
# What the menus' file icons would cost a program that asked the shell itself: Wine's
# shell answers the first icon question for the whole process, with the common controls
# and five lists of every icon it gives, one of them at 256 pixels. Kromelik leaves that
# to its icon helper, which has ended by the time the start has settled.
settled_memory BareIcon "$tools/barewindow.exe" /shellicon
icon_settled=$settled
printf 'bare window %d KiB, Kromelik without lists %d KiB, bare window with one shell icon %d KiB resident\n' \
  "$bare_settled" "$empty_settled" "$icon_settled"

# The heavy user's machine is a prefix of its own, so the one above stays empty. Filling
# it takes a while, so it is filled again only when the tool that fills it has changed.
# Wine's shell starts winemenubuilder for every shortcut saved, which would triple that.
kromelik_stop_wineserver
export WINEPREFIX="$PWD/build/wine/bench-filled-prefix"
kromelik_wine_prefix
filled_mark="$WINEPREFIX/.kromelik-filled"
if [ ! -f "$filled_mark" ] || [ "$tools/filllists.exe" -nt "$filled_mark" ]; then
  echo "== Filling the prefix with 1,000 Recent shortcuts and 1,000-entry lists"
  WINEDLLOVERRIDES="winemenubuilder.exe=d" "$WINE" "$tools/filllists.exe" 'C:\KromelikBench' | tr -d '\r' ||
    { echo "the prefix could not be filled" >&2; exit 1; }
  touch "$filled_mark"
fi
"$WINE" "$probe" wait-window Kromelik 1 >/dev/null 2>&1

echo "== Start to the main window shown under Wine with 1,000 Recent shortcuts and 1,000-entry lists"
measure_starts "(c) Kromelik, full lists" Kromelik "$program"
full_ms=$median

# The window comes before the menus: this is how long a user who clicks the moment the
# window appears waits for the biggest of them. One probe, started with the program, waits
# for the button, clicks it and waits for the menu painted, so no probe's own start is
# counted after the program's.
echo "== Start to the open Programy menu with the same lists, clicked as the window appears (3 starts)"
ready=()
for run in 1 2 3; do
  start=$(date +%s%N)
  "$WINE" "$program" &
  pid=$!
  "$WINE" "$probe" click-when-ready Kromelik 103 >/dev/null || { echo "no Programy menu" >&2; exit 1; }
  opened=$(date +%s%N)
  "$WINE" "$probe" cancel-menu Kromelik >/dev/null
  "$WINE" "$probe" close Kromelik >/dev/null
  wait "$pid"
  ready+=($(( (opened - start) / 1000000 )))
  printf 'start %d: Programy menu open after %d ms\n' "$run" "${ready[-1]}"
done
ready_ms=$(printf '%s\n' "${ready[@]}" | sort -n | sed -n 2p)

echo "== An organizer of 1,000 entries opened from its menu item once the start has settled,"
echo "   with the same lists (3 times)"
"$WINE" "$program" &
pid=$!
"$WINE" "$probe" wait-window Kromelik 30000 >/dev/null || { echo "no window" >&2; exit 1; }
# The menus are built once the Programy menu opens; the organizer is measured after that.
"$WINE" "$probe" click Kromelik 103 >/dev/null && "$WINE" "$probe" wait-menu 120000 >/dev/null &&
  "$WINE" "$probe" cancel-menu Kromelik >/dev/null || { echo "no Programy menu" >&2; exit 1; }
"$WINE" "$probe" wait-no-menu 10000 >/dev/null
kromelik_wait_settled "$pid"
opens=()
for run in 1 2 3; do
  # The Rozrywka button: its first item is "Organizuj".
  took=$("$WINE" "$probe" measure-open Kromelik 104 "Organizuj gry i zabawy" 1000 | tr -d '\r') ||
    { echo "the games organizer did not show its 1,000 rows" >&2; exit 1; }
  opens+=("$took")
  printf 'open %d: the games organizer shows its 1,000 rows %s ms after the menu choice\n' "$run" "$took"
  "$WINE" "$probe" close "Organizuj gry i zabawy" >/dev/null
  "$WINE" "$probe" wait-hidden "Organizuj gry i zabawy" 10000 >/dev/null
done
"$WINE" "$probe" close Kromelik >/dev/null
wait "$pid"
open_ms=$(printf '%s\n' "${opens[@]}" | sort -n | sed -n 2p)

echo "== Click to the menu shown, every button, with the same lists: the first opening after"
echo "   the start has settled, then the next"
"$WINE" "$program" &
pid=$!
"$WINE" "$probe" wait-window Kromelik 30000 >/dev/null || { echo "no window" >&2; exit 1; }
kromelik_wait_settled "$pid"
slowest_menu=0
for id in 100 101 102 103 104 105 106 107 108 109 111; do
  first=$("$WINE" "$probe" measure-menu Kromelik "$id" | tr -d '\r') || first="-"
  "$WINE" "$probe" wait-no-menu 10000 >/dev/null
  next=$("$WINE" "$probe" measure-menu Kromelik "$id" | tr -d '\r') || next="-"
  "$WINE" "$probe" wait-no-menu 10000 >/dev/null
  printf 'button %d: first %s ms, next %s ms\n' "$id" "$first" "$next"
  for value in "$first" "$next"; do
    [ "$value" = "-" ] && continue
    slowest_menu=$(awk -v a="$slowest_menu" -v b="$value" 'BEGIN {print (b > a) ? b : a}')
  done
done
"$WINE" "$probe" close Kromelik >/dev/null
wait "$pid"

# The yardstick for the biggest menu: a small program opening a menu of 1,000 items it
# made beforehand.
"$WINE" "$tools/barewindow.exe" /menu &
pid=$!
"$WINE" "$probe" wait-window BareMenu 30000 >/dev/null || { echo "no yardstick window" >&2; exit 1; }
kromelik_wait_settled "$pid"
first=$("$WINE" "$probe" measure-menu BareMenu 100 | tr -d '\r') || first="-"
"$WINE" "$probe" wait-no-menu 10000 >/dev/null
yardstick_menu=$("$WINE" "$probe" measure-menu BareMenu 100 | tr -d '\r') || yardstick_menu="-"
printf 'a prebuilt menu of 1,000 items in a small program: first %s ms, next %s ms\n' "$first" "$yardstick_menu"
"$WINE" "$probe" close BareMenu >/dev/null
wait "$pid"

# Settled (its menus built, its icons in) and left alone, the cursor still below the
# strip: the processor time the process and the wine server take over 30 s, the
# process's wake-ups (voluntary context switches of all its threads) and its resident
# memory; next to the bare window, a program that runs nothing but a 100 ms timer, and
# one whose timer also reads the cursor. Under Wine a reading takes round trips to the
# wine server and to the X server, and the position a timer's message carries stands still
# while the mouse is over no window of Wine's: the last program is the least that a strip
# noticing the top edge within a tick can cost here.
# The wine server of this run's prefix: it works in a folder named by the prefix's device
# and inode, and other prefixes' servers (another run, the tests) may be busy meanwhile.
prefix_server() {
  local name pid
  name=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  for pid in $(pgrep -x 'wineserver(64)?'); do
    [[ "$(readlink "/proc/$pid/cwd")" == */"$name" ]] && { echo "$pid"; return 0; }
  done
  return 1
}

# Voluntary context switches of each of the process's threads, as "thread count" lines.
thread_switches() {
  local status
  for status in /proc/"$1"/task/*/status; do
    awk -v t="$(basename "$(dirname "$status")")" '/^voluntary_ctxt_switches/ {print t, $2}' \
      "$status" 2>/dev/null
  done
}

idle_figures() {
  local label=$1 title=$2 exe=$3 arg=${4:-} pid server c0 c1 t0 t1 w0 w1 rss
  xdotool mousemove 600 300
  "$WINE" "$exe" $arg &
  pid=$!
  "$WINE" "$probe" wait-window "$title" 30000 >/dev/null || { echo "$label: no window" >&2; exit 1; }
  kromelik_wait_settled "$pid"
  server=$(prefix_server) || { echo "$label: no wine server of the prefix" >&2; exit 1; }
  c0=$(thread_switches "$pid")
  t0=$(awk '{print $14 + $15}' "/proc/$pid/stat"); w0=$(awk '{print $14 + $15}' "/proc/$server/stat")
  sleep 30
  c1=$(thread_switches "$pid")
  t1=$(awk '{print $14 + $15}' "/proc/$pid/stat"); w1=$(awk '{print $14 + $15}' "/proc/$server/stat")
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  idle_cpu_ms=$(( (t1 - t0 + w1 - w0) * 1000 / $(getconf CLK_TCK) ))
  # Thread by thread: a worker that ends meanwhile takes its count with it.
  idle_wakeups=$(awk 'NR == FNR {before[$1] = $2; next} {s += $2 - before[$1]} END {print int(s / 30)}' \
    <(printf '%s\n' "$c0") <(printf '%s\n' "$c1"))
  idle_rss=$rss
  printf '%s: %d ms of processor over 30 s, %d wake-ups a second, %d KiB resident\n' \
    "$label" "$idle_cpu_ms" "$idle_wakeups" "$rss"
  "$WINE" "$probe" close "$title" >/dev/null
  wait "$pid"
}

echo "== Settled and idle, with the same lists (30 s each)"
idle_figures "bare window" Bare "$tools/barewindow.exe"
bare_idle_rss=$idle_rss
idle_figures "one 100 ms timer" BareTimer "$tools/barewindow.exe" /timer
timer_cpu=$idle_cpu_ms
timer_wakeups=$idle_wakeups
idle_figures "one 100 ms timer reading the cursor" BareCursor "$tools/barewindow.exe" /cursor
cursor_cpu=$idle_cpu_ms
cursor_wakeups=$idle_wakeups
idle_figures "Kromelik, strip waiting" Kromelik "$program"
kromelik_cpu=$idle_cpu_ms
kromelik_wakeups=$idle_wakeups
kromelik_rss=$idle_rss

echo "== Start-up medians"
printf '(a) bare window %d ms, (b) Kromelik without lists %d ms, (c) Kromelik with full lists %d ms\n' \
  "$bare_ms" "$empty_ms" "$full_ms"
printf 'idle, for comparison: a 100 ms timer that reads nothing %d ms of processor, %d wake-ups a second\n' \
  "$timer_cpu" "$timer_wakeups"

# The goals, each against its yardstick of this run. The strip's slide timer reads the
# cursor at every tick, so the program that runs that timer alone is the idle yardstick.
echo "== Summary"
awk -v bare="$bare_ms" -v empty="$empty_ms" -v full="$full_ms" -v ready="$ready_ms" \
    -v barePeak="$bare_peak" -v emptyPeak="$empty_peak" -v organizer="$open_ms" \
    -v menu="$slowest_menu" -v yard="$yardstick_menu" -v kRss="$kromelik_rss" \
    -v bRss="$bare_idle_rss" -v eSettled="$empty_settled" -v bSettled="$bare_settled" \
    -v iSettled="$icon_settled" -v kCpu="$kromelik_cpu" -v tCpu="$cursor_cpu" \
    -v kWake="$kromelik_wakeups" -v tWake="$cursor_wakeups" -v slide="$slide_ms" '
  function row(name, value, goal, met) {
    printf "%-52s %-24s %-30s %s\n", name, value, goal, (met == "" ? "" : met ? "met" : "NOT MET")
    if (met != "" && !met) missed++
  }
  BEGIN {
    row("figure", "measured", "goal", "")
    row("launch -> strip shown, no lists", sprintf("%.2fx (%d/%d ms)", empty / bare, empty, bare),
        "at most 1.5x the bare window", empty / bare <= 1.5)
    row("launch -> strip shown, full lists", sprintf("%.2fx (%d/%d ms)", full / bare, full, bare),
        "at most 1.5x the bare window", full / bare <= 1.5)
    row("launch -> Programy menu open, full lists", sprintf("%.2fx (%d/%d ms)", ready / bare, ready, bare),
        "at most 2x the bare window", ready / bare <= 2)
    within = (yard != "-" && menu <= yard + 40)
    row("slowest click -> menu shown, every button", sprintf("%s ms (prebuilt %s)", menu, yard),
        "under 100 ms, or prebuilt + 40", menu < 100 || within)
    row("organizer of 1,000 entries open", organizer " ms", "under 100 ms", organizer < 100)
    row("peak memory by the strip shown, beyond bare", sprintf("%.1f MiB", (emptyPeak - barePeak) / 1024),
        "under 6 MiB", (emptyPeak - barePeak) / 1024 < 6)
    row("settled memory, no lists, beyond bare", sprintf("%.1f MiB", (eSettled - bSettled) / 1024),
        "at most 8 MiB", (eSettled - bSettled) / 1024 <= 8)
    row("settled memory, full lists, beyond bare", sprintf("%.1f MiB", (kRss - bRss) / 1024),
        "at most 12 MiB", (kRss - bRss) / 1024 <= 12)
    row("(for comparison) one shell icon, beyond bare", sprintf("%.1f MiB", (iSettled - bSettled) / 1024), "", "")
    row("idle processor over 30 s, strip waiting", sprintf("%+d ms (%d/%d)", kCpu - tCpu, kCpu, tCpu),
        "timer program + 60 ms at most", kCpu - tCpu <= 60)
    row("idle wake-ups a second, strip waiting", sprintf("%.2fx (%d/%d)", (tWake > 0 ? kWake / tWake : 0), kWake, tWake),
        "at most 1.2x the timer program", tWake > 0 && kWake <= 1.2 * tWake)
    row("slide: cursor at the edge -> strip fully shown", slide " ms (median)", "", "")
    printf "%s\n", (missed ? missed " goal(s) not met" : "every goal met")
  }'
