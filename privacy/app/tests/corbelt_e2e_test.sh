#!/usr/bin/env bash
# The installed program under Wine, in a prefix of its own inside the build
# tree, with tinyproxy as its anonymous hub: curl fetches a page from an
# origin on the loopback through 127.0.0.1:8100 and the hub, Internet
# Explorer points at the proxy while the program runs, and after Exit the
# site is in "Options.opt" and the browser's proxy switch is as it was
# (off, or no switch at all).
# Usage: corbelt_e2e_test.sh <staged program folder> <corbelt_poke.exe> <scripts folder>
set -euo pipefail
bin="$(cd "$1" && pwd)"
poke="$(readlink -f "$2")"
scripts="$(cd "$3" && pwd)"
build="$(dirname "$(dirname "$bin")")"
export CORBELT_WORLD="$build/corbelt-e2e"
mkdir -p "$CORBELT_WORLD"
. "$scripts/run-corbelt.sh"
corbelt_world
command -v curl >/dev/null || { echo "curl is not installed"; exit 1; }
if port_open "$CORBELT_PORT"; then
  echo "127.0.0.1:$CORBELT_PORT is taken: another proxy runs (scripts/run-halvane.sh or run-corbelt.sh stop)"
  exit 1
fi

work="$(mktemp -d)"
origin_pid=""
cleanup() {
  [ -n "$origin_pid" ] && kill "$origin_pid" 2>/dev/null || true
  corbelt_down
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  for log in corbelt.log hub.log; do [ -f "$CORBELT_WORLD/$log" ] && tail -20 "$CORBELT_WORLD/$log"; done
  exit 1
}
ie_proxy() {  # the value of Internet Explorer's proxy switch
  (cd "$WINEPREFIX/drive_c" && "$WINELOADER" reg query \
    'HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings' /v ProxyEnable </dev/null 2>/dev/null) |
    tr -d '\r' | awk '/ProxyEnable/ { print $NF }'
}

# A fresh installation each run: the settings file is the one this run made.
rm -rf "$WINEPREFIX/drive_c/Program Files/Velmora Veilstride"
corbelt_start_hub || fail "no hub"
corbelt_install "$bin" "$poke" || fail "install"
printf '%s' '<html><body>origin page</body></html>' >"$work/index.html"
origin_port="$(free_port)"
(cd "$work" && exec timeout 250 python3 -m http.server "$origin_port" --bind 127.0.0.1 >/dev/null 2>&1) &
origin_pid=$!
wait_port "$origin_port" 20 || fail "the origin did not start"

corbelt_start
wait_port "$CORBELT_PORT" 120 || fail "the proxy never answered on $CORBELT_PORT"
[ "$(ie_proxy)" = 0x1 ] || fail "Internet Explorer does not point at the proxy while it runs ($(ie_proxy))"

curl -s --max-time 30 -x "127.0.0.1:$CORBELT_PORT" -D "$work/head" -o "$work/body" \
  "http://127.0.0.1:$origin_port/index.html" || fail "curl through the proxy"
grep -q 'origin page' "$work/body" || fail "the page did not come through: $(cat "$work/head" "$work/body")"
grep -qi 'corbelt-hub' "$work/head" || fail "the page did not pass the hub: $(cat "$work/head")"
echo "page through the proxy and the hub"

corbelt_exit || fail "Exit did not end the program"
grep -q "127.0.0.1" "$corbelt_dir/Options.opt" || fail "the site is not in Options.opt"
# Off, or absent again when the user had no switch before set-up.
case "$(ie_proxy)" in
  0x0 | "") ;;
  *) fail "Internet Explorer still points at the proxy after exit ($(ie_proxy))" ;;
esac
echo "site saved, browser restored"
