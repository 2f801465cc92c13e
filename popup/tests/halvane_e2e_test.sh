#!/usr/bin/env bash
# The installed program under Wine, in a prefix of its own inside the build
# tree: it starts hidden, its proxy injects the blocking script into a page
# that curl fetches from an origin on the loopback, a marked window loses
# its marker and is counted, and WM_LAST_BROWSER_CLOSED ends the program
# without a question, leaving the count in the registry.
# Usage: halvane_e2e_test.sh <staged program folder> <halvane_poke.exe> <scripts folder>
set -euo pipefail
bin="$(cd "$1" && pwd)"
poke="$(readlink -f "$2")"
scripts="$(cd "$3" && pwd)"
build="$(dirname "$(dirname "$bin")")"
export HALVANE_WORLD="$build/halvane-e2e"
. "$scripts/halvane-wine.sh"
. "$scripts/loopback-test.sh"

work="$(mktemp -d)"
origin_pid=""
HALVANE_PID=""
cleanup() {
  [ -n "$origin_pid" ] && kill "$origin_pid" 2>/dev/null || true
  velmora_wine_down
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$HALVANE_WORLD/halvane.log" ] && cat "$HALVANE_WORLD/halvane.log"; exit 1; }

proxy_port="$(free_port)"
halvane_install "$bin" "$proxy_port"
cp -f "$poke" "$WINEPREFIX/drive_c/halvane_poke.exe"
run_poke() { (cd "$WINEPREFIX/drive_c" && timeout 60 "$WINELOADER" halvane_poke.exe "$@" </dev/null); }

printf '%s' '<html><head><title>e2e</title></head><body>origin page</body></html>' >"$work/index.html"
origin_port="$(free_port)"
serve_folder "$work" "$origin_port" 250

halvane_start
wait_port "$proxy_port" 120 || fail "the proxy never answered on $proxy_port"

require_port "$origin_port"
curl -s --max-time 30 -x "127.0.0.1:$proxy_port" -o "$work/body" \
  "http://127.0.0.1:$origin_port/index.html" || fail "curl through the proxy"
grep -q 'Velmora Blinkward.com Catch Another Popup' "$work/body" || fail "no blocking script in: $(cat "$work/body")"
grep -q 'origin page' "$work/body" || fail "the page itself is missing"
echo "page through the proxy carries the blocking script"

run_poke mark 30 || fail "the marked window was not counted"
run_poke close "$HALVANE_TITLE" || fail "no window titled $HALVANE_TITLE"
timeout 60 tail --pid="$HALVANE_PID" -f /dev/null || fail "Halvane did not end after WM_LAST_BROWSER_CLOSED"
HALVANE_PID=""

count="$(halvane_reg_value 'Blocked Popups')"
[ "$count" = 1 ] || fail "Blocked Popups is '$count', not 1"
echo "one popup counted and saved; the program ended without a question"
