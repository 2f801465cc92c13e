# Sourced by the shell tests, run commands and benchmarks that drive
# programs under Wine from the Linux side over the loopback: free ports,
# waiting for a port, a local origin, and the proxy hosts that run until a
# stop file appears.

# A free loopback port, on stdout.
free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# serve_folder <folder> <port> <seconds>: an HTTP origin for the folder's
# files, for at most <seconds>; its process id in origin_pid.
serve_folder() {
  (cd "$1" && exec timeout "$3" python3 -m http.server "$2" --bind 127.0.0.1 >/dev/null 2>&1) &
  origin_pid=$!
}

# port_open <port>: whether something takes connections on <port>.
port_open() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# wait_port <port> [seconds]: waits (20 seconds unless told) for something
# to take connections on <port>; fails when nothing does.
wait_port() {
  local seconds="${2:-20}" i
  for ((i = 0; i < seconds * 4; i++)); do
    port_open "$1" && return 0
    sleep 0.25
  done
  return 1
}

# require_port <port>: wait_port, ending the test when nothing listens.
require_port() {
  wait_port "$1" && return 0
  echo "nothing listens on port $1"
  exit 1
}

# proxy_host_world <host program> <folder>: exports VELMORA_BUILD, the build
# tree that holds the program (its Wine prefix is the one wine-run.sh uses),
# and sets stop_file, the file in C:\<folder> whose appearance ends the host.
proxy_host_world() {
  local build
  build="$(dirname "$1")"
  while [ ! -f "$build/CMakeCache.txt" ] && [ "$build" != / ]; do build="$(dirname "$build")"; done
  export VELMORA_BUILD="$build"
  stop_file="$build/wine/prefix/drive_c/$2/stop"
  rm -f "$stop_file"
}

# wait_host_ready <pid> <log> <port>: waits for the host's "READY <port>"
# line; ends the test when the host ends first or never says so.
wait_host_ready() {
  local i
  for ((i = 0; i < 240; i++)); do
    grep -q READY "$2" 2>/dev/null && break
    kill -0 "$1" 2>/dev/null || { echo "proxy host ended early:"; cat "$2"; exit 1; }
    sleep 0.25
  done
  grep -q "READY $3" "$2" || { echo "proxy host not ready:"; cat "$2"; exit 1; }
}

# stop_host <pid> <seconds>: the stop file, then up to <seconds> for the host
# to end before it is killed. An empty <pid> only leaves the stop file.
stop_host() {
  mkdir -p "$(dirname "$stop_file")" && touch "$stop_file"
  [ -n "$1" ] || return 0
  timeout "$2" tail --pid="$1" -f /dev/null || kill "$1" 2>/dev/null || true
}
