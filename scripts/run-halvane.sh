#!/usr/bin/env bash
# Sets up, builds, installs and starts the popup blocker in a Wine prefix of
# its own, so that its proxy answers on 127.0.0.1:8100:
#
#   scripts/run-halvane.sh         start (returns once the proxy answers)
#   scripts/run-halvane.sh stop    end the program, Wine and the display
#
# It runs the x86_64 build: this machine cannot execute 32-bit programs.
# The Wine world lives in <build root>/run (VELMORA_BUILD_ROOT moves it).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_root="${VELMORA_BUILD_ROOT:-$root/build}"
. "$root/scripts/loopback-test.sh"
export HALVANE_WORLD="$build_root/run"
port=8100

stop() {
  [ -d "$HALVANE_WORLD/wine/prefix" ] || { echo "run-halvane: nothing runs"; return 0; }
  . "$root/scripts/halvane-wine.sh"
  # As the browser helper ends it: the program saves and leaves.
  local poke="$build_root/x86_64/tests/halvane_poke.exe"
  if [ -f "$poke" ]; then
    cp -f "$poke" "$WINEPREFIX/drive_c/"
    (cd "$WINEPREFIX/drive_c" && timeout 30 "$WINELOADER" halvane_poke.exe close "$HALVANE_TITLE" </dev/null >/dev/null 2>&1) || true
    sleep 3
  fi
  velmora_wine_down
  echo "run-halvane: stopped"
}

# Corbelt's run command holds port 8100 too: one of the two at a time.
corbelt_runs() {
  local pidfile="$build_root/run-corbelt/corbelt.pid"
  [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null
}

start() {
  if corbelt_runs; then
    echo "run-halvane: the privacy proxy Corbelt runs and holds port $port, which Halvane needs too;" \
         "end it first with scripts/run-corbelt.sh stop" >&2
    exit 1
  fi
  if [ "$(id -u)" = 0 ]; then "$root/scripts/setup.sh"; fi
  # Only what runs: the program with its data, and the tool that ends it.
  VELMORA_BUILD_ROOT="$build_root" "$root/scripts/build.sh" x86_64 halvane_program halvane_media halvane_poke
  if port_open "$port"; then
    echo "run-halvane: 127.0.0.1:$port is taken already (scripts/run-halvane.sh stop ends an earlier run)" >&2
    exit 1
  fi
  . "$root/scripts/halvane-wine.sh"
  halvane_install "$build_root/x86_64/bin/Blinkward" "$port"
  halvane_start
  if ! wait_port "$port" 90; then
    echo "run-halvane: the proxy did not start; see $HALVANE_WORLD/halvane.log" >&2
    velmora_wine_down
    exit 1
  fi
  echo "run-halvane: Halvane runs (display $DISPLAY); its proxy answers on 127.0.0.1:$port"
  echo "  try:  curl -x 127.0.0.1:$port http://example.com/"
  echo "  stop: scripts/run-halvane.sh stop"
}

case "${1:-start}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 [start|stop]" >&2; exit 2 ;;
esac
