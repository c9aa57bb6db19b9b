# Sourced by the scripts that run Windows programs: one Wine prefix and, where asked,
# one virtual display, both inside build/, both cleaned up by the ids recorded here.

KROMELIK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KROMELIK_WINE_DIR=${KROMELIK_WINE_DIR:-$KROMELIK_ROOT/build/wine}
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX=${WINEPREFIX:-$KROMELIK_WINE_DIR/prefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}

# Creates the prefix unless it is there already; with "fresh", always anew. The Mono and
# Gecko installers are switched off, since they would open dialogs and wait forever.
kromelik_wine_prefix() {
  if [ "${1:-}" = fresh ] && [ -d "$WINEPREFIX" ]; then
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  [ -f "$WINEPREFIX/.kromelik-ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  WINEDLLOVERRIDES="mscoree,mshtml=" "$WINE" wineboot -i >/dev/null 2>&1
  # A crash must never wait for a click, and without a window manager every hide of a
  # managed window would stall for seconds.
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  "$WINESERVER" -w
  touch "$WINEPREFIX/.kromelik-ready"
}

# Starts Xvfb on the first free display number and exports DISPLAY.
kromelik_start_xvfb() {
  local number=${1:-90}
  while [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; do
    number=$((number + 1))
  done
  mkdir -p "$KROMELIK_WINE_DIR"
  Xvfb ":${number}" -screen 0 1024x768x24 -nolisten tcp >"$KROMELIK_WINE_DIR/xvfb.log" 2>&1 &
  KROMELIK_XVFB_PID=$!
  export DISPLAY=":${number}"
  local waited=0
  until xdpyinfo >/dev/null 2>&1; do
    if ! kill -0 "$KROMELIK_XVFB_PID" 2>/dev/null || [ $waited -ge 100 ]; then
      echo "Xvfb did not start on $DISPLAY" >&2
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
}

# Ends what this shell started: the prefix's processes and our Xvfb, by its id.
kromelik_cleanup() {
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w 2>/dev/null || true
  if [ -n "${KROMELIK_XVFB_PID:-}" ]; then
    kill "$KROMELIK_XVFB_PID" 2>/dev/null || true
    wait "$KROMELIK_XVFB_PID" 2>/dev/null || true
    KROMELIK_XVFB_PID=""
  fi
}
