#!/usr/bin/env bash
# Installs the build into a fresh prefix, checks that exactly the program, the toolkit's
# library and header and its CMake package land there, then builds a small program of
# another project against the installed package (find_package(Vindrulen)) with the same
# tool chain and runs it through Wine.
#   install_package.sh BUILD_DIR CONSUMER_SOURCE TOOLCHAIN_FILE WINE_RUNNER GENERATOR
set -euo pipefail
build=$1 consumer=$2 toolchain=$3 runner=$4 generator=$5
work=$PWD/install_package
rm -rf "$work"
mkdir -p "$work"
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >"$work/install.log"

# The tree under the prefix, with the build type's name taken out of the exported file.
actual=$(cd "$prefix" && find . -type f | sed -e 's|^\./||' \
           -e 's|VindrulenTargets-[a-z]*\.cmake$|VindrulenTargets-CONFIG.cmake|' | sort)
expected=$(sort <<'LIST'
LICENSE.txt
README.txt
bin/vindrulen.exe
include/vu.h
lib/cmake/Vindrulen/VindrulenConfig.cmake
lib/cmake/Vindrulen/VindrulenConfigVersion.cmake
lib/cmake/Vindrulen/VindrulenTargets-CONFIG.cmake
lib/cmake/Vindrulen/VindrulenTargets.cmake
lib/libvutoolkit.a
LIST
)
if [ "$actual" != "$expected" ]; then
  echo "installed files differ from the expected ones:"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi

# The imported target names the Windows libraries the toolkit calls.
targets=$prefix/lib/cmake/Vindrulen/VindrulenTargets.cmake
for lib in user32 gdi32 comctl32 comdlg32 shell32 kernel32; do
  if ! grep -q "INTERFACE_LINK_LIBRARIES.*\\b$lib\\b" "$targets"; then
    echo "Vindrulen::vutoolkit does not bring $lib"
    exit 1
  fi
done

# The package is found by its folder: the tool chain searches packages only in its own root.
cmake -S "$consumer" -B "$work/consumer" -G "$generator" \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
      -DVindrulen_DIR="$prefix/lib/cmake/Vindrulen" >"$work/configure.log" 2>&1 \
  || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/consumer" >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }

output=$("$runner" "$work/consumer/consumer.exe" | tr -d '\r')
expected_output=$'length 9\nnumber -40213\nappend vu_toolkit\nfont made'
if [ "$output" != "$expected_output" ]; then
  echo "the consumer printed:"
  echo "$output"
  echo "expected:"
  echo "$expected_output"
  exit 1
fi
echo "installed package found, linked and run: $prefix"
