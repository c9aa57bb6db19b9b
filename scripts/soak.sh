#!/usr/bin/env bash
# The soak: the real program under Wine driven as weeks of use would drive it, once in
# each menu style: menus opened over every button, slides, every dialog opened and
# closed, changes of the screen. It prints the program's resident memory after a warm-up
# and at the end, and the objects the program counts as live before and after; it fails
# when memory grew by more than 1 MB or any count grew.
#
# The counts are for both styles together, each style's run taking half:
#   SOAK_MENUS (10000) SOAK_SLIDES (2000) SOAK_DIALOGS (200 of each) SOAK_SCREENS (100)
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
menus=${SOAK_MENUS:-10000}
slides=${SOAK_SLIDES:-2000}
dialogs=${SOAK_DIALOGS:-200}
screens=${SOAK_SCREENS:-100}
export WINEPREFIX="$PWD/build/wine/soak-prefix"
source scripts/wine-env.sh
trap kromelik_cleanup EXIT
kromelik_start_xvfb || exit 1
kromelik_wine_prefix
program="$PWD/build/windows/kromelik.exe"
probe="$PWD/build/windows/tests/winprobe.exe"
key='HKCU\Software\Brenvald\Kromelik'
p() { "$WINE" "$probe" "$@" | tr -d '\r'; }

# Each dialog: its window's title, the button whose menu has its item, and the keys
# that reach the item in that menu.
dialog_rows=(
  "O programie ...|100|Down Down Down Down"
  "Opcje|100|Down Down Down Down Down"
  "Wyszukaj w internecie|109|Up"
  "Organizuj szybkie uruchamianie|108|Down"
  "Organizuj gry i zabawy|104|Down"
  "Organizuj programy|103|Up Right"
  "Organizuj ulubione|109|Up Up Right"
)

# The program's resident memory now, as the kernel counts it: Wine's loader becomes the
# program, so the id started here is the program's own.
rss() { awk '/VmRSS/ {print $2}' "/proc/$pid/status"; }

# The program's work, COUNT times over for the menus, slides and so on given.
exercise() {
  local menu_count=$1 slide_count=$2 dialog_count=$3 screen_count=$4 row title id keys i
  local phase=$SECONDS
  p soak-menus Kromelik "$menu_count" || { echo "the menus stopped opening" >&2; return 1; }
  echo "  $menu_count menus: $((SECONDS - phase)) s, then $(rss) KiB"
  phase=$SECONDS
  for row in "${dialog_rows[@]}"; do
    IFS='|' read -r title id keys <<<"$row"
    # shellcheck disable=SC2086 # the keys are words of their own
    p soak-dialog Kromelik "$id" "$title" "$dialog_count" $keys ||
      { echo "$title stopped opening" >&2; return 1; }
  done
  echo "  $dialog_count openings of each dialog: $((SECONDS - phase)) s, then $(rss) KiB"
  phase=$SECONDS
  # The platform's news of a new screen size; Xvfb keeps its size, so the program reads
  # the same one and lays the strip out anew all the same.
  for ((i = 0; i < screen_count; i++)); do
    p send Kromelik 0x007E 24 0x03000400 >/dev/null || { echo "no screen change" >&2; return 1; }
  done
  echo "  $screen_count screen changes: $((SECONDS - phase)) s, then $(rss) KiB"
  phase=$SECONDS
  # A strip still waiting above the screen after its start is unmapped too, and comes
  # only once it has slid away: the platform says when it has.
  xdotool mousemove 600 300
  p wait-hidden Kromelik 10000 >/dev/null || { echo "the strip does not slide away" >&2; return 1; }
  for ((i = 0; i < slide_count; i++)); do
    xdotool mousemove 600 300
    wait_mapped 0 || { echo "the strip stopped sliding away" >&2; return 1; }
    xdotool mousemove 600 0
    wait_mapped 1 || {
      echo "the strip stopped sliding in: Windows sees the cursor at $(p cursor), the strip at" \
           "$(p rect Kromelik), in front: $(p foreground)" >&2
      return 1
    }
  done
  xdotool mousemove 600 300
  p wait-hidden Kromelik 10000 >/dev/null
  echo "  $slide_count slides: $((SECONDS - phase)) s, then $(rss) KiB"
}

# Until the strip's X window is mapped (1: at least partly on the screen) or not (0),
# for at most 10 s. Asked of the X server, natively: a probe under Wine takes longer to
# start than a slide. (Wine moves the pointer for SetCursorPos only at times, so the
# cursor is moved with xdotool, as a user's mouse would move it.)
wait_mapped() {
  local want=$1 tries now
  for ((tries = 0; tries < 1000; tries++)); do
    if xdotool search --onlyvisible --name '^Kromelik$' >/dev/null 2>&1; then now=1; else now=0; fi
    [ "$now" = "$want" ] && return 0
    sleep 0.01
  done
  return 1
}

failed=0
for style in NO YES; do
  "$WINE" reg add "$key" /v XPMenu /t REG_SZ /d "$style" /f >/dev/null 2>&1
  label=$([ "$style" = YES ] && echo "pastel menus" || echo "classic menus")
  echo "== $label: $((menus / 2)) menu openings, $((slides / 2)) slides, $((dialogs / 2)) openings of each of ${#dialog_rows[@]} dialogs, $((screens / 2)) screen changes"
  xdotool mousemove 600 20
  "$WINE" "$program" &
  pid=$!
  p wait-top Kromelik -45 60000 >/dev/null || { echo "the program did not start" >&2; exit 1; }
  started=$(date +%s)
  # Warm-up: a tenth of the run, and forty openings of each dialog, so what is made once
  # for the run is made and Wine's heaps have reached the size this work keeps them at:
  # they rise by some 3 MB over the first forty openings of the dialogs, then swing by a
  # megabyte or two from one round to the next without growing.
  exercise $((menus / 20 > 24 ? menus / 20 : 24)) $((slides / 20 > 4 ? slides / 20 : 4)) \
    $((dialogs / 2 < 40 ? dialogs / 2 : 40)) $((screens / 20 > 2 ? screens / 20 : 2)) >/dev/null || exit 1
  kromelik_wait_settled "$pid"
  rss_before=$(rss)
  counts_before=$(p live-objects Kromelik)
  exercise $((menus / 2)) $((slides / 2)) $((dialogs / 2)) $((screens / 2)) || exit 1
  kromelik_wait_settled "$pid"
  rss_after=$(rss)
  counts_after=$(p live-objects Kromelik)
  echo "resident memory after the warm-up ${rss_before} KiB, at the end ${rss_after} KiB" \
       "($((rss_after - rss_before)) KiB), $(( $(date +%s) - started )) s"
  echo "live objects before: $(echo $counts_before)"
  echo "live objects after:  $(echo $counts_after)"
  if [ $((rss_after - rss_before)) -gt 1024 ]; then
    echo "FAIL: memory grew by more than 1 MB" >&2
    failed=1
  fi
  grown=$(paste -d' ' <(echo "$counts_before") <(echo "$counts_after") |
          awk '$4 > $2 {print $1 " " $2 " -> " $4}')
  if [ -n "$grown" ]; then
    echo "FAIL: counts grew: $grown" >&2
    failed=1
  fi
  p close Kromelik >/dev/null
  wait "$pid"
done
[ "$failed" -eq 0 ] && echo "soak passed"
exit "$failed"
