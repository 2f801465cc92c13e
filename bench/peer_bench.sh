#!/usr/bin/env bash
# Measures the popup blocker's proxy side by side with a peer proxy, in one
# run on this machine, against a native origin:
#
#   bench/peer_bench.sh
#
# The origin is nginx on a free loopback port serving a 100 KB page and a
# 10 MB file; Halvane runs through scripts/run-halvane.sh (so 127.0.0.1:8100
# must be free); the peer is privoxy with its default actions on another
# free port. wrk drives the page (16 connections) and curl the file (median
# of 5), direct and through both proxies in turn. Prints one table and the
# ratios, and leaves nothing running: nginx, privoxy, Halvane, its Wine and
# its display all end with the script, however it ends.
#
# PEER_BENCH_SECONDS (default 5) sets one wrk run, PEER_BENCH_ROUNDS
# (default 3) how often each path runs it; the median round counts.
# On a machine with four processors or more the proxies (Halvane with its
# Wine, privoxy) run on the first half of them and nginx, wrk and curl on
# the other half, so the load generator does not take the proxy's
# processors; PEER_BENCH_SHARED=1 lets everything share them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_root="${VELMORA_BUILD_ROOT:-$root/build}"
. "$root/scripts/loopback-test.sh"
seconds="${PEER_BENCH_SECONDS:-5}"
rounds="${PEER_BENCH_ROUNDS:-3}"
connections=16
transfers=5
page_size=$((100 * 1024))
file_size=$((10 * 1024 * 1024))

if [ "$(id -u)" = 0 ]; then "$root/scripts/setup.sh"; fi
# nginx and privoxy live in /usr/sbin, which a user's PATH may lack.
PATH="$PATH:/usr/sbin"
for tool in nginx privoxy wrk curl python3 taskset; do
  command -v "$tool" >/dev/null || { echo "peer_bench: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

# Two halves of the processors: one for the proxies, one for the rest.
cpus="$(nproc)"
proxy_cpus=()
client_cpus=()
if [ "$cpus" -ge 4 ] && [ -z "${PEER_BENCH_SHARED:-}" ]; then
  proxy_cpus=(taskset -c "0-$((cpus / 2 - 1))")
  client_cpus=(taskset -c "$((cpus / 2))-$((cpus - 1))")
fi

scratch="$(mktemp -d "${TMPDIR:-/tmp}/peer-bench.XXXXXX")"
# nginx's workers drop to an unprivileged user when started as root.
chmod 755 "$scratch"
nginx_pid=
privoxy_pid=
halvane_up=

# Everything this script started ends here, whatever way the script ends.
finish() {
  local status=$?
  trap - EXIT INT TERM
  [ -n "$halvane_up" ] && "$root/scripts/run-halvane.sh" stop >/dev/null
  for pid in $nginx_pid $privoxy_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$scratch"
  exit "$status"
}
trap finish EXIT
trap 'exit 130' INT TERM

# Two distinct loopback ports that are free now.
read -r origin_port privoxy_port < <(python3 -c '
import socket
held = [socket.socket() for _ in range(2)]
for s in held: s.bind(("127.0.0.1", 0))
print(*(s.getsockname()[1] for s in held))')

# Waits for a server of ours to answer; ends the run when it does not.
await_port() {
  wait_port "$1" 10 && return 0
  echo "peer_bench: nothing answers on port $1" >&2
  return 1
}

start_origin() {
  mkdir -p "$scratch/www" "$scratch/nginx"
  awk -v size="$page_size" 'BEGIN {
    page = "<html><head><title>bench</title></head><body>\n"
    tail = "</body></html>\n"
    while (length(page) + 27 + length(tail) <= size) page = page "<p>some paragraph text</p>\n"
    while (length(page) + length(tail) < size) page = page "."
    printf "%s%s", page, tail
  }' >"$scratch/www/page.html"
  head -c "$file_size" /dev/urandom >"$scratch/www/big.bin"
  cat >"$scratch/nginx/nginx.conf" <<EOF
worker_processes 2;
pid $scratch/nginx/nginx.pid;
error_log $scratch/nginx/error.log;
events { worker_connections 1024; }
http {
  access_log off;
  client_body_temp_path $scratch/nginx/body;
  proxy_temp_path $scratch/nginx/proxy;
  fastcgi_temp_path $scratch/nginx/fastcgi;
  uwsgi_temp_path $scratch/nginx/uwsgi;
  scgi_temp_path $scratch/nginx/scgi;
  types { text/html html; application/octet-stream bin; }
  keepalive_requests 1000000;
  sendfile on;
  server {
    listen 127.0.0.1:$origin_port;
    root $scratch/www;
  }
}
EOF
  "${client_cpus[@]}" nginx -p "$scratch/nginx" -e "$scratch/nginx/error.log" -c "$scratch/nginx/nginx.conf" \
    -g 'daemon off;' </dev/null >/dev/null 2>&1 &
  nginx_pid=$!
  await_port "$origin_port"
}

start_peer() {
  # The packaged configuration and actions; only the port and the log move.
  sed -e "s|^logdir .*|logdir $scratch|" -e '/^listen-address/d' /etc/privoxy/config >"$scratch/privoxy.conf"
  echo "listen-address 127.0.0.1:$privoxy_port" >>"$scratch/privoxy.conf"
  "${proxy_cpus[@]}" privoxy --no-daemon "$scratch/privoxy.conf" </dev/null >/dev/null 2>&1 &
  privoxy_pid=$!
  await_port "$privoxy_port"
}

# Through the run command, on its port, in its Wine world.
start_halvane() {
  "${proxy_cpus[@]}" "$root/scripts/run-halvane.sh" start >/dev/null
  halvane_up=1
}


# The proxy option of each path for curl, and the wrk script that sends its
# requests with an absolute URL.
origin="http://127.0.0.1:$origin_port"
paths=(direct Halvane privoxy)
declare -A via=([direct]="" [Halvane]="127.0.0.1:8100" [privoxy]="127.0.0.1:$privoxy_port")

wrk_script() {
  cat >"$scratch/through-proxy.lua" <<EOF
wrk.path = "$origin/page.html"
wrk.headers["Host"] = "127.0.0.1:$origin_port"
EOF
}

# One wrk run: "<req/s> <p50 ms> <p99 ms> <errors>".
pages_run() {
  local path="$1" out target="$origin/page.html" script=()
  if [ -n "${via[$path]}" ]; then
    target="http://${via[$path]}/"
    script=(-s "$scratch/through-proxy.lua")
  fi
  out="$("${client_cpus[@]}" wrk -t4 -c"$connections" -d"${seconds}s" --latency "${script[@]}" "$target")"
  awk '
    function ms(v) { if (v ~ /us$/) return v / 1000; if (v ~ /ms$/) return v + 0; if (v ~ /s$/) return v * 1000; return v }
    /Requests\/sec:/ { rps = $2 }
    $1 == "50%" { p50 = ms($2) }
    $1 == "99%" { p99 = ms($2) }
    /Socket errors:/ { errors += $4 + $6 + $8 + $10 }
    /Non-2xx/ { errors += $NF }
    END { printf "%.0f %.2f %.2f %d\n", rps, p50, p99, errors }' <<<"$out"
}

# One 10 MB transfer: MB/s, or 0 when the file did not arrive whole.
file_run() {
  local path="$1" proxy=()
  [ -n "${via[$path]}" ] && proxy=(-x "${via[$path]}")
  "${client_cpus[@]}" curl -s -o /dev/null "${proxy[@]}" -w '%{http_code} %{size_download} %{speed_download}\n' "$origin/big.bin" |
    awk -v size="$file_size" '{ printf "%.1f\n", ($1 == 200 && $2 == size) ? $3 / 1048576 : 0 }'
}

# The page as each path delivers it: its size shows whether the script went in.
page_bytes() {
  local proxy=()
  [ -n "${via[$1]}" ] && proxy=(-x "${via[$1]}")
  curl -s "${proxy[@]}" "$origin/page.html" | wc -c
}

# The middle line, by the first column.
median() { sort -k1,1g | awk '{ v[NR] = $0 } END { print v[int((NR + 1) / 2)] }'; }

start_origin
start_peer
start_halvane
wrk_script

declare -A pages files bytes
for path in "${paths[@]}"; do bytes[$path]="$(page_bytes "$path")"; done
for ((r = 0; r < rounds; r++)); do
  for path in "${paths[@]}"; do pages[$path]+="$(pages_run "$path")"$'\n'; done
done
for ((t = 0; t < transfers; t++)); do
  for path in "${paths[@]}"; do files[$path]+="$(file_run "$path")"$'\n'; done
done

printf '\n100 KB page: wrk, %d connections, %d s, median of %d rounds; 10 MB file: curl, median of %d\n' \
  "$connections" "$seconds" "$rounds" "$transfers"
printf '%-9s %10s %9s %9s %7s %11s %9s\n' path req/s p50-ms p99-ms errors page-bytes MB/s
declare -A rps mbs
for path in "${paths[@]}"; do
  read -r rps[$path] p50 p99 errors < <(printf '%s' "${pages[$path]}" | median)
  mbs[$path]="$(printf '%s' "${files[$path]}" | median)"
  printf '%-9s %10s %9s %9s %7s %11s %9s\n' "$path" "${rps[$path]}" "$p50" "$p99" "$errors" "${bytes[$path]}" "${mbs[$path]}"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
printf '\nratios          pages  stream\n'
printf 'Halvane/direct  %5s  %6s\n' "$(ratio "${rps[Halvane]}" "${rps[direct]}")" "$(ratio "${mbs[Halvane]}" "${mbs[direct]}")"
printf 'privoxy/direct  %5s  %6s\n' "$(ratio "${rps[privoxy]}" "${rps[direct]}")" "$(ratio "${mbs[privoxy]}" "${mbs[direct]}")"
printf 'Halvane/privoxy %5s  %6s\n' "$(ratio "${rps[Halvane]}" "${rps[privoxy]}")" "$(ratio "${mbs[Halvane]}" "${mbs[privoxy]}")"
