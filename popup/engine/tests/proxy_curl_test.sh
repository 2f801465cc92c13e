#!/usr/bin/env bash
# A real client outside Wine: curl fetches a page from an origin on the
# Linux side through the popup blocker's proxy running under Wine, and the
# page must arrive with the blocking script in front and its new length.
# Usage: proxy_curl_test.sh <proxy_host.exe> <wine-run.sh>
set -euo pipefail
host_exe="$(readlink -f "$1")"
runner="$2"

. "$(dirname "$runner")/loopback-test.sh"
proxy_host_world "$host_exe" velmora-e2e

work="$(mktemp -d)"
origin_pid=""
host_pid=""
cleanup() {
  stop_host "$host_pid" 20
  [ -n "$origin_pid" ] && kill "$origin_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

page='<html><head><title>e2e</title></head><body>from the linux origin</body></html>'
printf '%s' "$page" >"$work/index.html"
origin_port="$(free_port)"
serve_folder "$work" "$origin_port" 120

proxy_port="$(free_port)"
timeout 150 "$runner" "$host_exe" "$proxy_port" 100 >"$work/host.log" 2>&1 &
host_pid=$!
wait_host_ready "$host_pid" "$work/host.log" "$proxy_port"
require_port "$origin_port"

curl -s --max-time 30 -x "127.0.0.1:$proxy_port" -D "$work/head" -o "$work/body" \
  "http://127.0.0.1:$origin_port/index.html"

script='<script>/*velmora-e2e*/if( Quiv_beep ) Quiv_beep.src="C:/velmora-e2e/PopUp.wav";</script>'
expected="$script
<html><head><BGSOUND ID='Quiv_beep'><title>e2e</title></head><body>from the linux origin</body></html>"
body="$(cat "$work/body"; printf x)"
body="${body%x}"
if [ "$body" != "$expected" ]; then
  echo "unexpected body:"; cat "$work/body"; echo; echo "expected:"; echo "$expected"
  exit 1
fi
length="$(tr -d '\r' <"$work/head" | awk -F': ' 'tolower($1) == "content-length" { print $2 }')"
actual="$(stat -c %s "$work/body")"
if [ "$length" != "$actual" ]; then
  echo "Content-Length $length, body $actual bytes"; cat "$work/head"
  exit 1
fi
echo "curl through the proxy: injected page of $actual bytes"
