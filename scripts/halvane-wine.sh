# Sourced by the scripts that run the installed popup blocker: a Wine world
# of its own (prefix, home, display) under a folder, the installation into
# it, and the program started there.
# HALVANE_WORLD must name that folder (absolute).
: "${HALVANE_WORLD:?HALVANE_WORLD names the folder of the Wine world}"
halvane_scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# wine-env.sh keeps its prefix, home and display state under VELMORA_BUILD.
export VELMORA_BUILD="$HALVANE_WORLD"
. "$halvane_scripts/wine-env.sh"

HALVANE_FOLDER='C:\Program Files\Velmora Blinkward'
HALVANE_TITLE='Velmora Blinkward.com'
halvane_dir="$WINEPREFIX/drive_c/Program Files/Velmora Blinkward"

# The prefix (made once), the display, the installation of <staged folder>
# with the proxy on <port>.
halvane_install() {
  local bin="$1" port="$2"
  velmora_wine_up
  "$halvane_scripts/install-halvane.sh" "$bin" "$WINEPREFIX" "$HALVANE_FOLDER" >/dev/null
  sed -i "s/^PopupPort=.*/PopupPort=$port/" "$halvane_dir/QXINI.ini"
}

# Starts Halvane.exe in the background; its process id in HALVANE_PID.
halvane_start() {
  (cd "$halvane_dir" && exec "$WINELOADER" Halvane.exe </dev/null >"$HALVANE_WORLD/halvane.log" 2>&1) &
  HALVANE_PID=$!
}

# A value of the program's registry key.
halvane_reg_value() {
  (cd "$WINEPREFIX/drive_c" && "$WINELOADER" reg query 'HKCU\Software\Velmora Blinkward' /v "$1" </dev/null 2>/dev/null) |
    tr -d '\r' | awk -v name="$1" 'index($0, name) { print $NF }'
}
