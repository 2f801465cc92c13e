#!/usr/bin/env bash
# The installed program under Wine with a real browser behind its proxy:
# headless Chromium loads a local page through the proxy, and
# browser_popups.py checks over DevTools that the page's own popups are
# stopped and marked while those the user clicks or types for open.
# Everything started here is ended on every path, within about two minutes.
# Usage: halvane_browser_test.sh <staged program folder> <scripts folder>
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bin="$(cd "$1" && pwd)"
scripts="$(cd "$2" && pwd)"
build="$(dirname "$(dirname "$bin")")"
# A Wine world of its own, so that this test and halvane_e2e may run at once.
export HALVANE_WORLD="$build/halvane-browser"
. "$scripts/halvane-wine.sh"
. "$scripts/loopback-test.sh"

command -v chromium >/dev/null || { echo "FAIL: chromium is not installed"; exit 1; }

work="$(mktemp -d)"
origin_pid=""
browser_pid=""
HALVANE_PID=""
cleanup() {
  [ -n "$browser_pid" ] && kill -- -"$browser_pid" 2>/dev/null || true
  [ -n "$origin_pid" ] && kill "$origin_pid" 2>/dev/null || true
  velmora_wine_down
  [ -n "$browser_pid" ] && timeout 10 tail --pid="$browser_pid" -f /dev/null 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$HALVANE_WORLD/halvane.log" ] && cat "$HALVANE_WORLD/halvane.log"; exit 1; }

proxy_port="$(free_port)"
halvane_install "$bin" "$proxy_port"

cp "$here/pages/"*.html "$work/"
origin_port="$(free_port)"
serve_folder "$work" "$origin_port" 140

halvane_start
wait_port "$proxy_port" 45 || fail "the proxy never answered on $proxy_port"

# Chromium in a process group of its own, so that the clean-up ends its
# helpers too. Loopback addresses go through the proxy as well.
setsid timeout 90 chromium --headless --no-sandbox --disable-gpu \
  --no-first-run --no-default-browser-check --disable-background-networking \
  --disable-component-update --disable-sync --disable-popup-blocking \
  --user-data-dir="$work/profile" --remote-debugging-port=0 \
  --proxy-server="127.0.0.1:$proxy_port" --proxy-bypass-list='<-loopback>' \
  about:blank </dev/null >"$work/chromium.log" 2>&1 &
browser_pid=$!

timeout 70 python3 "$here/browser_popups.py" "$work/profile" \
  "http://127.0.0.1:$origin_port/popups.html" 60 || {
  echo "--- chromium log"; grep -v dbus "$work/chromium.log" | tail -n 20 || true
  fail "the browser's popups"
}
