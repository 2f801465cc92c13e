#!/usr/bin/env bash
# Installs everything the build and the tests need on Debian 12 (as root).
# Quick when all is there already.
set -euo pipefail
packages=(cmake make g++-mingw-w64-i686 g++-mingw-w64-x86-64
          mingw-w64-tools libwine-dev wine wine64 xvfb xauth googletest curl python3
          clang libclang-rt-14-dev dosfstools mtools ntfs-3g tinyproxy-bin chromium
          nginx privoxy wrk)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
