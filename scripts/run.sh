#!/usr/bin/env bash
# Builds and runs Vindrulen on Wine. With a display (DISPLAY set) the window opens there;
# without one, a virtual display is started and a screenshot of the window is saved.
# Installs what building and running need first (Debian 12, as root) and builds only the
# program, in build/run: the tests, examples and benchmarks are scripts/test.sh's business.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export VU_BUILD_DIR="${VU_BUILD_DIR:-$(cd "$here/.." && pwd)/build/run}"
source "$here/harness.sh"

# The compiler first; the program builds while Wine and the display are installed.
"$here/deps.sh" build
build() {
  if [ ! -f "$build_dir/build.ninja" ]; then
    cmake --preset mingw-release -S "$root" -B "$build_dir" -DVU_BUILD_TESTS=OFF \
      -DVU_BUILD_EXAMPLES=OFF -DVU_BUILD_BENCH=OFF >/dev/null
  fi
  harness_build vindrulen
}
build &
build_pid=$!
"$here/deps.sh" run
wait "$build_pid" || { echo "run: the build failed" >&2; exit 1; }
exe="$build_dir/bin/vindrulen.exe"
trap harness_stop EXIT
# The prefix is kept between runs (a second run starts in seconds); no print queue.
keep_display=1 fresh_prefix=0 with_cups=0

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  harness_start "$build_dir"
  echo "run: Vindrulen on display $DISPLAY"
  wine "$exe"
  exit 0
fi

unset DISPLAY
harness_start "$build_dir"
echo "run: no display found; started a virtual display $DISPLAY (1024 x 768)"
wine "$exe" >/dev/null 2>&1 &
wid=$(harness_window Vindrulen 30)
shot_dir="$build_dir/screenshots"
mkdir -p "$shot_dir"
harness_shot "$wid" "$shot_dir/vindrulen.png" >/dev/null
echo "run: screenshot of the window saved to $shot_dir/vindrulen.png"
xdotool windowclose "$wid" 2>/dev/null || true
wineserver -k >/dev/null 2>&1 || true
