#!/usr/bin/env bash
# The portable ZIP made by cpack holds the program, its README and licence with Windows line
# ends, and nothing of the toolkit's programmer files.
#   portable_zip.sh BUILD_DIR
set -euo pipefail
work=$PWD/portable_zip
rm -rf "$work" && mkdir -p "$work/unpacked"
cpack --config "$1/CPackConfig.cmake" -G ZIP -B "$work" >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
(cd "$work/unpacked" && for zip in "$work"/*.zip; do cmake -E tar xf "$zip"; done)
top=Vindrulen-1.0.0-win32
actual=$(cd "$work/unpacked" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$(echo $actual)" = "$top/LICENSE.txt $top/README.txt $top/bin/vindrulen.exe" ] \
  || { echo "the ZIP holds: $(echo $actual)"; exit 1; }
! grep -l $'[^\r]$' "$work/unpacked/$top"/*.txt || { echo "lines without CR LF"; exit 1; }
