#!/usr/bin/env bash
# Installs what building and testing Vindrulen needs on Debian 12, and nothing
# when it is all there already. Run as root (or with sudo available).
#   deps.sh        everything: building, running, testing, packaging, benchmarks
#   deps.sh build  only the cross compiler and the build tools
#   deps.sh run    what building and running the program needs (scripts/run.sh)
set -euo pipefail
what=${1:-all}

# Building: the cross compiler and the build tools.
packages=(
  cmake make ninja-build
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
)
# Running: Wine, a virtual display and its tools.
# Wine's own drawing needs what an install without recommended packages leaves out:
# its fonts (Marlett draws the caption buttons, Tahoma the menus and dialogs), XRender
# (Wine's text and image output), Xcursor (colour and animated pointers such as the
# wait cursor), XRandR and Xinerama (the screen and monitor sizes) and XInput2 and
# XFixes (pointer input and selection). Sound, OpenGL, Vulkan, video, ODBC, Kerberos
# and GStreamer are left out: nothing here uses them.
[ "$what" = build ] || packages+=(
  wine wine32:i386
  fonts-wine libxrender1:i386 libxcursor1:i386 libxrandr2:i386 libxinerama1:i386
  libxi6:i386 libxfixes3:i386
  xvfb xauth xdotool imagemagick x11-utils
  fonts-liberation
)
if [ "$what" = all ]; then
packages+=(googletest)
# Printing tests: a private CUPS daemon with a PDF queue, and tools that read the PDF back.
packages+=(cups-daemon cups-client printer-driver-cups-pdf libcups2:i386 poppler-utils ghostscript)
# The Windows installer (makensis), the API reference (doxygen) and the header's comment check.
packages+=(nsis doxygen python3)
fi

sudo_cmd=()
if [ "$(id -u)" != 0 ]; then sudo_cmd=(sudo); fi

missing=()
lists_stale=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  missing=("${packages[@]}")
  lists_stale=1
else
  for p in "${packages[@]}"; do
    st=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$st" = "install ok installed" ] || missing+=("$p")
  done
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # The package lists are read afresh unless a call of the last hour did it (run.sh installs
  # in two steps).
  if [ "$lists_stale" = 1 ] ||
     [ -z "$(find /var/lib/apt/lists -maxdepth 1 -name '*i386_Packages*' -mmin -60 2>/dev/null)" ]; then
    "${sudo_cmd[@]}" apt-get update -qq
  fi
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
