#!/usr/bin/env bash
# The portable ZIP as a user meets it: made by cpack, it holds the program, its README and
# licence and nothing of the toolkit's programmer files; unpacked into a folder of its own,
# vindrulen.exe starts there under Wine (no other file needed), shows its main window and
# ends normally when that window is closed.
#   portable_zip.sh BUILD_DIR
set -euo pipefail
build=$1
work=$PWD/portable_zip
rm -rf "$work"
mkdir -p "$work/unpacked"

cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$work/cpack" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; exit 1; }
zips=("$work"/cpack/*.zip)
[ ${#zips[@]} = 1 ] && [ -f "${zips[0]}" ] || { echo "cpack made no single ZIP: ${zips[*]}"; exit 1; }
zip=${zips[0]}

(cd "$work/unpacked" && cmake -E tar xf "$zip")
top=Vindrulen-1.0.0-win32
actual=$(cd "$work/unpacked" && find . -type f | sed 's|^\./||' | sort)
expected=$(printf '%s\n' "$top/LICENSE.txt" "$top/README.txt" "$top/bin/vindrulen.exe" | sort)
if [ "$actual" != "$expected" ]; then
  echo "the ZIP holds other files than the program's:"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
# Texts for Windows: every line ends in CR LF.
for text in README.txt LICENSE.txt; do
  if grep -q $'[^\r]$' "$work/unpacked/$top/$text"; then
    echo "$text has lines without Windows line ends"
    exit 1
  fi
done

# Started from the unpacked folder, the program shows its window.
exe=$work/unpacked/$top/bin/vindrulen.exe
(cd "$work/unpacked/$top/bin" && exec wine "$exe") >"$work/program.log" 2>&1 &
program=$!
stop() { kill "$program" 2>/dev/null || true; }
trap stop EXIT
# Wine marks each window with the process id of the program that made it.
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$program" --name '^Vindrulen$' \
         | head -n 1 || true)
if [ -z "$window" ]; then
  echo "no window titled Vindrulen of the unpacked program appeared within 30 s"
  cat "$work/program.log"
  exit 1
fi

# Closed as a user closes it (WM_CLOSE), the program ends with exit code 0.
wine taskkill /im vindrulen.exe >/dev/null 2>&1
status=0
timeout 30 tail --pid="$program" -f /dev/null || { echo "the program did not end after WM_CLOSE"; exit 1; }
wait "$program" || status=$?
trap - EXIT
if [ "$status" != 0 ]; then
  echo "the program ended with exit code $status"
  exit 1
fi
echo "portable ZIP: $zip unpacked, started, window shown and closed"
