#!/usr/bin/env bash
# A real client and a real hub: curl outside Wine fetches a page from an
# origin on the Linux side through the privacy proxy under Wine, which
# routes it through tinyproxy as its anonymous hub. When that hub goes
# away, the failed request is logged and the next hub of the list serves.
# Usage: hub_curl_test.sh <corbelt_host.exe> <wine-run.sh>
set -euo pipefail
host_exe="$(readlink -f "$1")"
runner="$2"
command -v tinyproxy >/dev/null || { echo "tinyproxy is not installed"; exit 1; }

. "$(dirname "$runner")/loopback-test.sh"
proxy_host_world "$host_exe" velmora-e2e-privacy

work="$(mktemp -d)"
origin_pid="" host_pid="" hub_a_pid="" hub_b_pid=""
cleanup() {
  stop_host "$host_pid" 30
  for pid in "$origin_pid" "$hub_a_pid" "$hub_b_pid"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

start_hub() {  # name port -> pid on stdout
  cat >"$work/$1.conf" <<CONF
Port $2
Listen 127.0.0.1
Timeout 60
MaxClients 50
ViaProxyName "$1"
LogLevel Info
CONF
  tinyproxy -d -c "$work/$1.conf" >"$work/$1.log" 2>&1 &
  echo $!
}

page='<html><head><title>hub</title></head><body>through the hub</body></html>'
printf '%s' "$page" >"$work/index.html"
origin_port="$(free_port)"
serve_folder "$work" "$origin_port" 150
hub_a_port="$(free_port)"
hub_a_pid="$(start_hub hubA "$hub_a_port")"
hub_b_port="$(free_port)"
hub_b_pid="$(start_hub hubB "$hub_b_port")"
require_port "$origin_port"; require_port "$hub_a_port"; require_port "$hub_b_port"

proxy_port="$(free_port)"
timeout 170 "$runner" "$host_exe" "$proxy_port" 150 "127.0.0.1:$hub_a_port" "127.0.0.1:$hub_b_port" \
  >"$work/host.log" 2>&1 &
host_pid=$!
wait_host_ready "$host_pid" "$work/host.log" "$proxy_port"

fetch() {  # n -> head and body files
  curl -s --max-time 30 -x "127.0.0.1:$proxy_port" -D "$work/head$1" -o "$work/body$1" \
    "http://127.0.0.1:$origin_port/index.html" || true
}
expect_page_via() {  # n hub
  if [ "$(cat "$work/body$1")" != "$page" ] || ! tr -d '\r' <"$work/head$1" | grep -qi "^via:.*$2"; then
    echo "request $1 did not arrive through $2:"; cat "$work/head$1" "$work/body$1"; exit 1
  fi
}

fetch 1
expect_page_via 1 hubA
grep -q "index.html" "$work/hubA.log" || { echo "hubA saw no request"; cat "$work/hubA.log"; exit 1; }

kill "$hub_a_pid"
for _ in $(seq 40); do kill -0 "$hub_a_pid" 2>/dev/null || break; sleep 0.25; done
hub_a_pid=""
fetch 2
grep -q "404 Error connecting to site" "$work/head2" || { echo "no failure reply:"; cat "$work/head2"; exit 1; }
fetch 3
expect_page_via 3 hubB

stop_host "$host_pid" 30
host_pid=""
grep -q "^EVENT 6 127.0.0.1 127.0.0.1:$hub_a_port" "$work/host.log" ||
  { echo "the hub failure was not logged:"; cat "$work/host.log"; exit 1; }
[ "$(grep -c '^EVENT 1 ' "$work/host.log")" = 3 ] || { echo "events:"; cat "$work/host.log"; exit 1; }
echo "curl through the privacy proxy and tinyproxy: hub A served, failed, hub B served"
