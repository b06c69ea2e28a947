#!/usr/bin/env bash
# cmake --install lays out the program and the toolkit for programmers (and nothing else);
# another project builds against the installed CMake package with the same tool chain, and
# its program runs on Wine.
#   install_package.sh BUILD_DIR CONSUMER_SOURCE TOOLCHAIN_FILE WINE_RUNNER GENERATOR
set -euo pipefail
build=$1 consumer=$2 toolchain=$3 runner=$4 generator=$5 work=$PWD/install_package
prefix=$work/prefix package=lib/cmake/Vindrulen/Vindrulen
rm -rf "$work"
cmake --install "$build" --prefix "$prefix" >/dev/null
actual=$(cd "$prefix" && find . -type f | sed -e 's|^\./||' \
  -e 's|Targets-[a-z]*\.cmake$|Targets-BUILDTYPE.cmake|' | LC_ALL=C sort)
expected="LICENSE.txt README.txt bin/vindrulen.exe include/vu.h ${package}Config.cmake
  ${package}ConfigVersion.cmake ${package}Targets-BUILDTYPE.cmake ${package}Targets.cmake lib/libvutoolkit.a"
[ "$(echo $actual)" = "$(echo $expected)" ] || { echo "installed: $(echo $actual)"; exit 1; }
# The package brings every Windows library the toolkit calls.
for lib in user32 gdi32 comctl32 comdlg32 shell32; do
  grep -q "INTERFACE_LINK_LIBRARIES.*\\b$lib\\b" "$prefix/${package}Targets.cmake" \
    || { echo "Vindrulen::vutoolkit does not bring $lib"; exit 1; }
done
# Found by its folder: the tool chain searches packages only in its own root.
cmake -S "$consumer" -B "$work/consumer" -G "$generator" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DVindrulen_DIR="$prefix/lib/cmake/Vindrulen" >"$work/log" 2>&1 \
  && cmake --build "$work/consumer" >>"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
output=$("$runner" "$work/consumer/consumer.exe" | tr -d '\r')
[ "$output" = "-40213 font" ] || { echo "the consumer printed: $output"; exit 1; }
