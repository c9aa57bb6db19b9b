#!/usr/bin/env bash
# Starts the toolbar under Wine. On a real display it runs until it is closed; where
# there is none, it runs a short while on a virtual display and leaves a screenshot.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
export WINEPREFIX="$PWD/build/wine/run-prefix"
source scripts/wine-env.sh
program="$PWD/build/windows/kromelik.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  kromelik_wine_prefix
  echo "Starting Kromelik on $DISPLAY (close it with its own Zamknij button)."
  "$WINE" "$program"
  exit $?
fi

trap kromelik_cleanup EXIT
kromelik_start_xvfb || exit 1
kromelik_wine_prefix
echo "No display: starting Kromelik on a virtual display ($DISPLAY) for a short while."
"$WINE" "$program" &
program_pid=$!
probe="$PWD/build/windows/tests/winprobe.exe"
"$WINE" "$probe" wait-window Kromelik 30000 >/dev/null || echo "The main window did not appear." >&2
"$WINE" "$probe" wait-top Kromelik -45 10000 >/dev/null
# As a user would: the cursor below the strip, then at the top edge, then a click on
# the programs button, so the picture shows the strip with a menu open.
xdotool mousemove 600 300 >/dev/null 2>&1
"$WINE" "$probe" wait-hidden Kromelik 10000 >/dev/null
xdotool mousemove 600 0 >/dev/null 2>&1
"$WINE" "$probe" wait-top Kromelik 0 10000 >/dev/null || echo "The strip did not slide in." >&2
xdotool mousemove 183 24 click 1 >/dev/null 2>&1
"$WINE" "$probe" wait-menu 10000 >/dev/null || echo "The menu did not open." >&2
shot="$PWD/build/screenshot.png"
import -window root "$shot" && echo "Screenshot: $shot"
xdotool key Escape >/dev/null 2>&1
"$WINE" "$probe" close Kromelik >/dev/null 2>&1
wait "$program_pid" 2>/dev/null
