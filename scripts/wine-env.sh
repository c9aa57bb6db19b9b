# Sourced by the scripts that run Windows programs: one Wine prefix and, where asked,
# one virtual display, both inside build/, both cleaned up by the ids recorded here.

KROMELIK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KROMELIK_WINE_DIR=${KROMELIK_WINE_DIR:-$KROMELIK_ROOT/build/wine}
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX=${WINEPREFIX:-$KROMELIK_WINE_DIR/prefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}

# Starts this shell's own wineserver for the prefix, so that it can be ended by its id;
# every Wine program started afterwards in the prefix talks to it.
kromelik_start_wineserver() {
  [ -n "${KROMELIK_WINESERVER_PID:-}" ] && kill -0 "$KROMELIK_WINESERVER_PID" 2>/dev/null && return 0
  mkdir -p "$WINEPREFIX"
  "$WINESERVER" -f -p >/dev/null 2>&1 &
  KROMELIK_WINESERVER_PID=$!
}

# Creates the prefix unless it is there already; with "fresh", always anew. The Mono and
# Gecko installers are switched off, since they would open dialogs and wait forever.
kromelik_wine_prefix() {
  if [ "${1:-}" = fresh ] && [ -d "$WINEPREFIX" ]; then
    kromelik_stop_wineserver
    rm -rf "$WINEPREFIX"
  fi
  kromelik_start_wineserver
  if [ -f "$WINEPREFIX/.kromelik-ready" ]; then
    # The prefix's first program starts Wine's background services, which keep the
    # standard streams they inherit: give them none, or a pipe read by the caller
    # would never close.
    "$WINE" wineboot </dev/null >/dev/null 2>&1
    return 0
  fi
  WINEDLLOVERRIDES="mscoree,mshtml=" "$WINE" wineboot -i </dev/null >/dev/null 2>&1
  # A crash must never wait for a click, and without a window manager every hide of a
  # managed window would stall for seconds.
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  # Wine does not look into its own font folder for these names: without copies in the
  # prefix, menus lose their check marks and arrows (Marlett) and the pastel menus their
  # face (Tahoma).
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf \
        /usr/share/wine/fonts/ms_sans_serif.ttf "$fonts"/ 2>/dev/null || true
  touch "$WINEPREFIX/.kromelik-ready"
}

# Ends every program of the prefix, then the wineserver this shell started.
kromelik_stop_wineserver() {
  "$WINESERVER" -k 2>/dev/null || true
  if [ -n "${KROMELIK_WINESERVER_PID:-}" ]; then
    kill "$KROMELIK_WINESERVER_PID" 2>/dev/null || true
    wait "$KROMELIK_WINESERVER_PID" 2>/dev/null || true
    KROMELIK_WINESERVER_PID=""
  fi
}

# Starts Xvfb on a display number of its own choosing and exports DISPLAY. The server
# names the number once it is ready for clients, so two runs on one machine can never
# take the same display or talk to each other's server.
kromelik_start_xvfb() {
  mkdir -p "$KROMELIK_WINE_DIR"
  local announced="$KROMELIK_WINE_DIR/xvfb.display"
  : >"$announced"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$announced" \
    >"$KROMELIK_WINE_DIR/xvfb.log" 2>&1 &
  KROMELIK_XVFB_PID=$!
  local waited=0 number=""
  until number=$(tr -dc '0-9' <"$announced") && [ -n "$number" ]; do
    if ! kill -0 "$KROMELIK_XVFB_PID" 2>/dev/null || [ $waited -ge 200 ]; then
      echo "Xvfb did not start" >&2
      return 1
    fi
    sleep 0.05
    waited=$((waited + 1))
  done
  export DISPLAY=":${number}"
  xdpyinfo >/dev/null 2>&1 || { echo "Xvfb on $DISPLAY does not answer" >&2; return 1; }
}

# Ends what this shell started, by the ids it recorded: the prefix's wineserver (with
# the programs still running in it) and Xvfb.
kromelik_cleanup() {
  kromelik_stop_wineserver
  if [ -n "${KROMELIK_XVFB_PID:-}" ]; then
    kill "$KROMELIK_XVFB_PID" 2>/dev/null || true
    wait "$KROMELIK_XVFB_PID" 2>/dev/null || true
    KROMELIK_XVFB_PID=""
  fi
}

# Until the process PID has used no processor time for three seconds while no icon helper
# of the program ran (a program's start settled: its menus built, its icons in, and the
# threads that end after two idle seconds gone), or 60 s have passed.
kromelik_wait_settled() {
  local pid=$1 last="" now quiet=0 tries=0
  while [ "$quiet" -lt 12 ] && [ "$tries" -lt 240 ]; do
    now=$(awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null) || return 1
    if [ "$now" = "$last" ] && ! pgrep -f 'kromelik\.exe /ikony' >/dev/null; then
      quiet=$((quiet + 1))
    else
      quiet=0
    fi
    last=$now
    tries=$((tries + 1))
    sleep 0.25
  done
}
