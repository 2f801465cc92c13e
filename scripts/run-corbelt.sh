#!/usr/bin/env bash
# Sets up, builds, installs and starts the privacy proxy Corbelt in a Wine
# prefix of its own, with a local tinyproxy as its anonymous hub, so that
# its proxy answers on 127.0.0.1:8100:
#
#   scripts/run-corbelt.sh         start (returns once the proxy answers)
#   scripts/run-corbelt.sh stop    end the program, the hub, Wine and the display
#
# It runs the x86_64 build: this machine cannot execute 32-bit programs.
# The Wine world lives in <build root>/run-corbelt (VELMORA_BUILD_ROOT moves
# it). Sourced with CORBELT_WORLD set, as the end-to-end test does, it only
# defines the corbelt_* functions.
set -euo pipefail
corbelt_scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$corbelt_scripts/loopback-test.sh"
CORBELT_PORT=8100
CORBELT_FOLDER='C:\Program Files\Velmora Veilstride'

# The Wine world of CORBELT_WORLD: prefix, home and display state.
corbelt_world() {
  export VELMORA_BUILD="$CORBELT_WORLD"
  . "$corbelt_scripts/wine-env.sh"
  corbelt_dir="$WINEPREFIX/drive_c/Program Files/Velmora Veilstride"
}

# Runs the helper in the prefix: corbelt_poke options <file> | exit.
corbelt_poke() {
  (cd "$WINEPREFIX/drive_c" && timeout 90 "$WINELOADER" corbelt_poke.exe "$@" </dev/null)
}

# Starts tinyproxy on a free loopback port as the hub; CORBELT_HUB_PORT.
corbelt_start_hub() {
  command -v tinyproxy >/dev/null || { echo "run-corbelt: tinyproxy is not installed" >&2; return 1; }
  CORBELT_HUB_PORT="$(free_port)"
  cat >"$CORBELT_WORLD/hub.conf" <<CONF
Port $CORBELT_HUB_PORT
Listen 127.0.0.1
Timeout 60
MaxClients 50
ViaProxyName "corbelt-hub"
LogLevel Info
CONF
  tinyproxy -d -c "$CORBELT_WORLD/hub.conf" </dev/null >"$CORBELT_WORLD/hub.log" 2>&1 &
  echo $! >"$CORBELT_WORLD/hub.pid"
  wait_port "$CORBELT_HUB_PORT" 20 || { echo "run-corbelt: the hub did not start" >&2; return 1; }
}

# Lays the staged program folder <bin> into the prefix as installed, with a
# hub list naming the local hub and, on a first install, settings that
# route every site through it; <poke> is the helper program.
corbelt_install() {
  local bin="$1" poke="$2"
  [ -f "$bin/Corbelt.exe" ] || { echo "run-corbelt: no Corbelt.exe in $bin" >&2; return 1; }
  velmora_wine_up
  mkdir -p "$corbelt_dir"
  cp -rf "$bin"/. "$corbelt_dir/"
  printf '127.0.0.1:%s\r\n' "$CORBELT_HUB_PORT" >"$corbelt_dir/Block/AnonPS.txt"
  cp -f "$poke" "$WINEPREFIX/drive_c/corbelt_poke.exe"
  if [ ! -f "$corbelt_dir/Options.opt" ]; then
    corbelt_poke options "$CORBELT_FOLDER\\Options.opt" >/dev/null
  fi
}

# Starts Corbelt.exe in the background; its process id in CORBELT_PID.
corbelt_start() {
  (cd "$corbelt_dir" && exec "$WINELOADER" Corbelt.exe </dev/null >"$CORBELT_WORLD/corbelt.log" 2>&1) &
  CORBELT_PID=$!
  echo "$CORBELT_PID" >"$CORBELT_WORLD/corbelt.pid"
}

# Exit from the tray menu: the program saves and restores the browsers.
corbelt_exit() {
  corbelt_poke exit >/dev/null 2>&1 || return 1
  local pid
  pid="$(cat "$CORBELT_WORLD/corbelt.pid" 2>/dev/null || true)"
  [ -z "$pid" ] || timeout 60 tail --pid="$pid" -f /dev/null || true
  rm -f "$CORBELT_WORLD/corbelt.pid"
}

# Ends the hub, Wine and the display.
corbelt_down() {
  if [ -f "$CORBELT_WORLD/hub.pid" ]; then
    kill "$(cat "$CORBELT_WORLD/hub.pid")" 2>/dev/null || true
    rm -f "$CORBELT_WORLD/hub.pid"
  fi
  velmora_wine_down
  rm -f "$CORBELT_WORLD/corbelt.pid"
}

# Both proxies use port 8100: while the popup blocker's run command (or
# anything else) holds it, Corbelt cannot start.
corbelt_refuse_taken_port() {
  port_open "$CORBELT_PORT" || return 0
  if pgrep -u "$(id -u)" -f 'Halvane\.exe' >/dev/null 2>&1; then
    echo "run-corbelt: the popup blocker Halvane runs and holds port $CORBELT_PORT, which Corbelt needs too;" \
         "end it first with scripts/run-halvane.sh stop" >&2
  else
    echo "run-corbelt: 127.0.0.1:$CORBELT_PORT is taken already" >&2
  fi
  exit 1
}

main() {
  local root build_root
  root="$(cd "$corbelt_scripts/.." && pwd)"
  build_root="${VELMORA_BUILD_ROOT:-$root/build}"
  export CORBELT_WORLD="$build_root/run-corbelt"
  mkdir -p "$CORBELT_WORLD"
  case "${1:-start}" in
    start)
      if [ -f "$CORBELT_WORLD/corbelt.pid" ] && kill -0 "$(cat "$CORBELT_WORLD/corbelt.pid")" 2>/dev/null; then
        echo "run-corbelt: Corbelt runs already (scripts/run-corbelt.sh stop ends it)" >&2
        exit 1
      fi
      corbelt_refuse_taken_port
      if [ "$(id -u)" = 0 ]; then "$root/scripts/setup.sh"; fi
      # Only what runs: the program with its data, and the helper that ends it.
      VELMORA_BUILD_ROOT="$build_root" "$root/scripts/build.sh" x86_64 corbelt corbelt_poke
      corbelt_refuse_taken_port
      corbelt_world
      corbelt_start_hub
      corbelt_install "$build_root/x86_64/bin/Veilstride" "$build_root/x86_64/tests/corbelt_poke.exe"
      corbelt_start
      if ! wait_port "$CORBELT_PORT" 90; then
        echo "run-corbelt: the proxy did not start; see $CORBELT_WORLD/corbelt.log" >&2
        corbelt_down
        exit 1
      fi
      echo "run-corbelt: Corbelt runs (display $DISPLAY); its proxy answers on 127.0.0.1:$CORBELT_PORT," \
           "through the hub tinyproxy on 127.0.0.1:$CORBELT_HUB_PORT"
      echo "  try:  curl -x 127.0.0.1:$CORBELT_PORT http://example.com/"
      echo "  stop: scripts/run-corbelt.sh stop"
      ;;
    stop)
      [ -d "$CORBELT_WORLD/wine/prefix" ] || { echo "run-corbelt: nothing runs"; return 0; }
      corbelt_world
      [ -f "$VELMORA_STATE/display" ] && export DISPLAY="$(cat "$VELMORA_STATE/display")"
      corbelt_exit || true
      corbelt_down
      echo "run-corbelt: stopped"
      ;;
    *) echo "usage: $0 [start|stop]" >&2; exit 2 ;;
  esac
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then main "$@"; fi
