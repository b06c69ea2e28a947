# Sourced by test.sh and run.sh: the Wine environment of one run.
#   harness_build           configure and build (release preset) in build/release
#   harness_start DIR       a fresh 32-bit Wine prefix in DIR/wineprefix, a private Xvfb
#                           (unless keep_display=1 and DISPLAY is set), one wineserver
#   harness_stop            stops the wineserver and the Xvfb (also called on exit)

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$root/build/release"
xvfb_pid=""

harness_build() {
  if [ ! -f "$build_dir/build.ninja" ]; then
    cmake --preset mingw-release -S "$root" >/dev/null
  fi
  cmake --build "$build_dir" -- -k 0 | grep -v '^\[' || true
  # grep swallows ninja's exit code; ask once more to report a failed build clearly
  cmake --build "$build_dir" >/dev/null 2>&1 || { cmake --build "$build_dir"; return 1; }
}

harness_start() {
  local dir=$1
  export WINEARCH=win32
  export WINEPREFIX="$dir/wineprefix"
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEDEBUG=-all
  if [ "${keep_display:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display number itself and writes it to the pipe when it is ready,
    # so parallel runs never share a screen.
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    local number
    read -r -t 30 number <"$fifo" || { echo "Xvfb did not start" >&2; rm -f "$fifo"; return 1; }
    rm -f "$fifo"
    export DISPLAY=":$number"
  fi
  if [ "${fresh_prefix:-1}" = 1 ]; then rm -rf "$WINEPREFIX"; fi
  mkdir -p "$WINEPREFIX"
  # One wineserver for the whole run; its output must not hold the caller's pipes open.
  wineserver -p >/dev/null 2>&1 </dev/null
  if [ ! -f "$WINEPREFIX/system.reg" ] || [ "${fresh_prefix:-1}" = 1 ]; then
    wine wineboot -i >/dev/null 2>&1 </dev/null
    # Without a window manager, a closing top-level window otherwise stalls about 2 s.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  fi
}

harness_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" >/dev/null 2>&1 || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  xvfb_pid=""
}
