#!/usr/bin/env bash
# Installs what building and testing Vindrulen needs on Debian 12, and nothing
# when it is all there already. Run as root (or with sudo available).
set -euo pipefail

packages=(
  cmake make ninja-build
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32:i386
  xvfb xauth xdotool imagemagick x11-utils
  fonts-liberation
  googletest
)
# Printing tests: a private CUPS daemon with a PDF queue, and tools that read the PDF back.
packages+=(cups-daemon cups-client printer-driver-cups-pdf libcups2:i386 poppler-utils ghostscript)
# The Windows installer (makensis), the API reference (doxygen) and the header's comment check.
packages+=(nsis doxygen python3)

sudo_cmd=()
if [ "$(id -u)" != 0 ]; then sudo_cmd=(sudo); fi

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  missing=("${packages[@]}")
else
  for p in "${packages[@]}"; do
    st=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$st" = "install ok installed" ] || missing+=("$p")
  done
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
