# Sourced by test.sh and run.sh: the Wine environment of one run.
#   harness_build [TARGET]  configure and build (release preset) in build/release, or in
#                           VU_BUILD_DIR when set; only the named targets when given
#   harness_start DIR       a fresh 32-bit Wine prefix in DIR/wineprefix with Wine's own
#                           fonts, a private Xvfb (unless keep_display=1 and DISPLAY is
#                           set), one wineserver; a print queue unless with_cups=0
#   harness_stop            stops the wineserver and the Xvfb (also called on exit)
#   harness_window TITLE    the X id of the visible window of that title, once it shows
#   harness_shot WID FILE   saves that window as a PNG once it has painted
#   harness_cups_start DIR  (called by harness_start) a private CUPS daemon in DIR/cups whose
#                           default printer writes PDF files into VU_PDF_DIR
#   harness_cups_stop       (called by harness_stop) stops that daemon

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$(realpath -m "${VU_BUILD_DIR:-$root/build/release}")
xvfb_pid=""
cups_pid=""
cups_queue=""

harness_build() {
  if [ ! -f "$build_dir/build.ninja" ]; then
    cmake --preset mingw-release -S "$root" -B "$build_dir" >/dev/null
  fi
  local targets=()
  if [ $# -gt 0 ]; then targets=(--target "$@"); fi
  # Builds of one folder take turns (several runs may share a build folder).
  exec 8>"$build_dir/.build.lock"
  flock 8
  cmake --build "$build_dir" "${targets[@]}" -- -k 0 | grep -v '^\[' || true
  # grep swallows ninja's exit code; ask once more to report a failed build clearly
  cmake --build "$build_dir" "${targets[@]}" >/dev/null 2>&1 ||
    { cmake --build "$build_dir" "${targets[@]}"; flock -u 8; return 1; }
  flock -u 8
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
  # Wine learns the printers when it boots: the print queue comes first.
  if [ "${with_cups:-1}" = 1 ]; then harness_cups_start "$dir" || return 1; fi
  # One wineserver for the whole run; its output must not hold the caller's pipes open.
  wineserver -p >/dev/null 2>&1 </dev/null
  if [ ! -f "$WINEPREFIX/system.reg" ] || [ "${fresh_prefix:-1}" = 1 ]; then
    wine wineboot -i >/dev/null 2>&1 </dev/null
    # Without a window manager, a closing top-level window otherwise stalls about 2 s.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  fi
  harness_fonts
}

# Wine's own fonts (Marlett for the caption buttons, Tahoma for menus and dialogs...) come
# with fonts-wine in /usr/share/wine/fonts, where the Wine of Debian 12 does not look: they
# go into the prefix's Fonts folder, which every Wine process started afterwards reads.
harness_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  local f
  for f in /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.ttc /usr/share/wine/fonts/*.fon; do
    [ -f "$f" ] && [ ! -f "$fonts/$(basename "$f")" ] && cp "$f" "$fonts/"
  done
  return 0
}

harness_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  harness_cups_stop
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" >/dev/null 2>&1 || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  xvfb_pid=""
}

# Printing: a private CUPS daemon (its own socket, spool and logs under DIR/cups) with one
# cups-pdf queue as its default printer. CUPS_SERVER points every Wine call at it; each
# printed job becomes one PDF file in VU_PDF_DIR (a Unix path; Z: plus the path in Wine).
# cups-pdf reads its settings from /etc/cups/cups-pdf-<queue>.conf, so the queue's name is
# made from DIR: runs from different folders never share a queue or an output folder.
harness_cups_start() {
  local cups="$1/cups"
  cups_queue="vu_pdf_$(printf '%s' "$cups" | md5sum | cut -c1-10)"
  rm -rf "$cups"
  mkdir -p "$cups"/{root,spool,cache,state,tmp,log,pdf,pdf-spool}
  chmod 0777 "$cups/pdf" "$cups/pdf-spool"
  # Filters run as an unprivileged user and keep temporary files there (copies, for one).
  chmod 1777 "$cups/tmp"
  cat >"$cups/cupsd.conf" <<CONF
Listen $cups/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
  cat >"$cups/cups-files.conf" <<CONF
ServerRoot $cups/root
RequestRoot $cups/spool
CacheDir $cups/cache
StateDir $cups/state
TempDir $cups/tmp
ErrorLog $cups/log/error_log
AccessLog $cups/log/access_log
PageLog $cups/log/page_log
FileDevice Yes
SystemGroup root
CONF
  cat >"/etc/cups/cups-pdf-$cups_queue.conf" <<CONF
Out $cups/pdf
AnonDirName $cups/pdf
Spool $cups/pdf-spool
Log $cups/log
Grp root
UserUMask 0000
CONF
  setsid cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" >/dev/null 2>&1 </dev/null &
  cups_pid=$!
  export CUPS_SERVER="$cups/cups.sock"
  local tries=0
  until lpstat -r 2>/dev/null | grep -q "scheduler is running"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$cups_pid" 2>/dev/null; then
      echo "harness: the CUPS daemon did not start (see $cups/log/error_log)" >&2
      return 1
    fi
    sleep 0.1
  done
  lpadmin -p "$cups_queue" -E -v "cups-pdf:/$cups_queue" \
    -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd >/dev/null 2>&1 &&
    lpadmin -d "$cups_queue" >/dev/null 2>&1 ||
    { echo "harness: could not set up the print queue $cups_queue" >&2; return 1; }
  export VU_PDF_DIR="$cups/pdf"
  export VU_PRINTER="$cups_queue"
}

harness_cups_stop() {
  if [ -n "$cups_pid" ]; then
    kill -TERM "$cups_pid" >/dev/null 2>&1 || true
    wait "$cups_pid" 2>/dev/null || true
  fi
  if [ -n "$cups_queue" ]; then rm -f "/etc/cups/cups-pdf-$cups_queue.conf"; fi
  cups_pid=""
  cups_queue=""
}

# The window's X id once a visible window of that title shows (gives up after SECONDS,
# default 10; a program's first window may take longer on a busy machine).
harness_window() {
  local id
  id=$(timeout "${2:-10}" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || true
  [ -n "$id" ] || { echo "harness: no window titled '$1'" >&2; return 1; }
  echo "$id"
}

# The window's place and size on the screen, as WxH+X+Y.
harness_geometry() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
}

# Saves the window as FILE (PNG) once it has painted: the screen under it is taken until two
# captures in a row are alike and hold more than a few colours (gives up after 10 s).
harness_shot() {
  local wid=$1 file=$2 deadline=$((SECONDS + 10)) last="" next capture
  capture=$(mktemp --suffix=.png)
  while [ $SECONDS -lt $deadline ]; do
    import -window root -crop "$(harness_geometry "$wid")" +repage "$capture"
    next=$(convert "$capture" -format '%#' info:)
    if [ "$next" = "$last" ] && [ "$(convert "$capture" -format '%k' info:)" -gt 4 ]; then
      convert "$capture" -strip "$file"
      rm -f "$capture"
      echo "$file ($(harness_geometry "$wid"))"
      return 0
    fi
    last=$next
  done
  rm -f "$capture"
  echo "harness: $file never settled" >&2
  return 1
}
