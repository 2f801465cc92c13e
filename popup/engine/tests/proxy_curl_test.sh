#!/usr/bin/env bash
# A real client outside Wine: curl fetches a page from an origin on the
# Linux side through the popup blocker's proxy running under Wine, and the
# page must arrive with the blocking script in front and its new length.
# Usage: proxy_curl_test.sh <proxy_host.exe> <wine-run.sh>
set -euo pipefail
host_exe="$(readlink -f "$1")"
runner="$2"

build="$(dirname "$host_exe")"
while [ ! -f "$build/CMakeCache.txt" ] && [ "$build" != / ]; do build="$(dirname "$build")"; done
export VELMORA_BUILD="$build"
stop_file="$build/wine/prefix/drive_c/velmora-e2e/stop"

free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

work="$(mktemp -d)"
origin_pid=""
host_pid=""
cleanup() {
  mkdir -p "$(dirname "$stop_file")" && touch "$stop_file"
  [ -n "$host_pid" ] && { timeout 20 tail --pid="$host_pid" -f /dev/null || kill "$host_pid" 2>/dev/null || true; }
  [ -n "$origin_pid" ] && kill "$origin_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

page='<html><head><title>e2e</title></head><body>from the linux origin</body></html>'
printf '%s' "$page" >"$work/index.html"
origin_port="$(free_port)"
(cd "$work" && exec timeout 120 python3 -m http.server "$origin_port" --bind 127.0.0.1 >/dev/null 2>&1) &
origin_pid=$!

proxy_port="$(free_port)"
rm -f "$stop_file"
timeout 150 "$runner" "$host_exe" "$proxy_port" 100 >"$work/host.log" 2>&1 &
host_pid=$!

for _ in $(seq 240); do
  grep -q READY "$work/host.log" 2>/dev/null && break
  kill -0 "$host_pid" 2>/dev/null || { echo "proxy host ended early:"; cat "$work/host.log"; exit 1; }
  sleep 0.25
done
grep -q "READY $proxy_port" "$work/host.log" || { echo "proxy host not ready:"; cat "$work/host.log"; exit 1; }

for _ in $(seq 40); do
  curl -s -o /dev/null "http://127.0.0.1:$origin_port/index.html" && break
  sleep 0.25
done

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
