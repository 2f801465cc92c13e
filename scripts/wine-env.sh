# Sourced by the Wine scripts: the scratch Wine world of one build tree.
# VELMORA_BUILD must name the build tree (absolute).
: "${VELMORA_BUILD:?VELMORA_BUILD names the build tree}"

export WINEPREFIX="$VELMORA_BUILD/wine/prefix"
export WINEARCH=win64
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver
# HOME and the XDG folders: Wine links "My Documents", the desktop and the
# Recycle Bin to these, so they must stay inside the build tree too.
export HOME="$VELMORA_BUILD/wine/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_DESKTOP_DIR="$HOME/Desktop"
export XDG_DOCUMENTS_DIR="$HOME/Documents"
export WINEDEBUG="${VELMORA_WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The drive through which the prefix sees the build tree, and nothing else.
VELMORA_DRIVE=v
VELMORA_STATE="$VELMORA_BUILD/wine/state"

velmora_prefix_ready() { [ -f "$WINEPREFIX/.velmora-ready" ]; }

# Creates the prefix on first use: 64-bit, Windows XP, no host drive.
velmora_make_prefix() {
  mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" \
           "$XDG_DESKTOP_DIR" "$XDG_DOCUMENTS_DIR" "$VELMORA_STATE"
  (
    flock 9
    velmora_prefix_ready && exit 0
    rm -rf "$WINEPREFIX"
    "$WINELOADER" wineboot --init </dev/null >/dev/null 2>&1 9>&- || true
    "$WINESERVER" -w
    "$WINELOADER" reg add 'HKCU\Software\Wine' /v Version /d winxp64 /f >/dev/null 2>&1 9>&-
    "$WINESERVER" -w
    rm -f "$WINEPREFIX/dosdevices/z:"
    ln -sfn "$VELMORA_BUILD" "$WINEPREFIX/dosdevices/$VELMORA_DRIVE:"
    # Wine links its shell folders to the user's home on creation; cut any
    # link that leads out of the build tree.
    find "$WINEPREFIX/drive_c/users" -type l 2>/dev/null | while read -r link; do
      case "$(readlink -f "$link")" in
        "$VELMORA_BUILD"/*) ;;
        *) rm -f "$link"; mkdir -p "$link" ;;
      esac
    done
    touch "$WINEPREFIX/.velmora-ready"
  ) 9>"$VELMORA_BUILD/wine/.lock"
}

# A display: the caller's, or one Xvfb of this build tree.
velmora_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${VELMORA_OWN_DISPLAY:-}" ]; then return; fi
  local num pidfile="$VELMORA_STATE/xvfb.pid"
  (
    flock 8
    if [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null; then exit 0; fi
    num=$(( 90 + RANDOM % 400 ))
    while [ -e "/tmp/.X11-unix/X$num" ] || [ -e "/tmp/.X$num-lock" ]; do num=$((num + 1)); done
    Xvfb ":$num" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 8>&- &
    echo $! >"$pidfile"
    echo ":$num" >"$VELMORA_STATE/display"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$num" ] && break; sleep 0.1; done
  ) 8>"$VELMORA_STATE/.xlock"
  export DISPLAY="$(cat "$VELMORA_STATE/display")"
  export VELMORA_OWN_DISPLAY=1
}

velmora_wine_up() {
  mkdir -p "$VELMORA_BUILD/wine/state"
  VELMORA_STATE="$VELMORA_BUILD/wine/state"
  velmora_prefix_ready || velmora_make_prefix
  velmora_display
  # One wineserver for the whole run: each program start then costs less.
  # When this call starts it, start Wine's services too, with no standard
  # handles of ours: whatever they inherit they keep open for the whole run,
  # and a test runner reading a test's output would wait on them forever.
  if "$WINESERVER" -p </dev/null >/dev/null 2>&1; then
    "$WINELOADER" wineboot </dev/null >/dev/null 2>&1 || true
  fi
}

# Stops what velmora_wine_up started.
velmora_wine_down() {
  # The kill does not wait for Wine's processes to go; the wait does.
  "$WINESERVER" -k >/dev/null 2>&1 || true
  timeout 30 "$WINESERVER" -w >/dev/null 2>&1 || true
  local pidfile="$VELMORA_STATE/xvfb.pid"
  if [ -f "$pidfile" ]; then
    kill "$(cat "$pidfile")" 2>/dev/null || true
    rm -f "$pidfile" "$VELMORA_STATE/display"
  fi
}
