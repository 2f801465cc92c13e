#!/usr/bin/env bash
# Installs the popup blocker into a Wine prefix, as the product's installer
# would on Windows: the build's staged program folder (bin/Blinkward, laid
# out as installed) is copied into a program folder, and HKCU
# "Software\Velmora Blinkward" receives the values the program requires.
#
#   install-halvane.sh <staged program folder> <wine prefix> [program folder]
#
# The program folder is a C: path, "C:\Program Files\Velmora Blinkward" when
# not given. The prefix must exist (scripts/wine-env.sh makes one per build
# tree). The installation leaves the program nothing to ask at start: Internet
# Explorer already points at the proxy (as the proxy wizard would set it), so
# the first-run question has nothing to offer and catching stays on; the tray
# notice is switched off; the start mode is "Manual Start", so neither the Run
# value nor the browser helper starts the program behind the user's back.
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
  sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
fi
bin="$(cd "$1" && pwd)"
prefix="$(cd "$2" && pwd)"
folder="${3:-C:\\Program Files\\Velmora Blinkward}"

[ -f "$bin/Halvane.exe" ] || { echo "install-halvane: no Halvane.exe in $bin" >&2; exit 1; }
[ -d "$prefix/drive_c" ] || { echo "install-halvane: $prefix is no Wine prefix" >&2; exit 1; }
case "$folder" in
  [Cc]:\\*) ;;
  *) echo "install-halvane: the program folder must be a C: path" >&2; exit 1 ;;
esac

# C:\a\b -> <prefix>/drive_c/a/b
target="$prefix/drive_c/$(printf '%s' "${folder:3}" | tr '\\' '/')"
mkdir -p "$target"

cp -rf "$bin"/. "$target/"
# The engine settings as shipped, with the manual start mode.
sed 's/^Startup=.*/Startup=0/' "$bin/QXINI.ini" >"$target/QXINI.ini"

export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINELOADER="${WINELOADER:-/usr/lib/wine/wine64}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

cd "$prefix/drive_c"
reg_add() {  # key value type data
  "$WINELOADER" reg add "$1" /v "$2" /t "$3" /d "$4" /f </dev/null >/dev/null
}

key='HKCU\Software\Velmora Blinkward'
reg_add "$key" Path REG_SZ "$folder"
reg_add "$key" Language REG_SZ English
reg_add "$key" 'Blocked Popups' REG_SZ 0
reg_add "$key" 'User Wav Path' REG_SZ "$folder\\Sounds\\Default.wav"
reg_add "$key" FirstRun REG_DWORD 1
reg_add "$key" ShowAtStart REG_DWORD 0
reg_add "$key" 'Wizard Message' REG_SZ N
reg_add "$key\\Proxy Setting" 'Lan Is Configured' REG_DWORD 1

ie='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
reg_add "$ie" ProxyEnable REG_DWORD 1
reg_add "$ie" ProxyServer REG_SZ 'http=VelmoraBlinkward:8100'
reg_add "$ie" ProxyOverride REG_SZ local

# The browser helper registers itself as Internet Explorer's helper object
# (Orlenby.exe, the uninstaller, is already in the folder for the uninstall).
if [ -f "$target/Vintabar.dll" ]; then
  "$WINELOADER" regsvr32 /s "$folder\\Vintabar.dll" </dev/null >/dev/null ||
    { echo "install-halvane: Vintabar.dll did not register" >&2; exit 1; }
fi

echo "install-halvane: installed into $folder"
