#!/usr/bin/env bash
# Makes every picture of README.md and docs/ (docs/images/*.png) from the real programs:
# builds vindrulen.exe and gallery.exe, starts each on Wine under a private virtual display,
# brings it to the state a picture shows as a user would (a click, Alt and a menu letter),
# and saves the window once it has painted: two captures in a row alike and not blank.
# Debian 12 with the project's tools installed (scripts/test.sh installs them).
#   scripts/screenshots.sh [OUTPUT_FOLDER]   (default docs/images)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/harness.sh"
out=$(realpath -m "${1:-$root/docs/images}")
mkdir -p "$out"

harness_build vindrulen gallery
trap harness_stop EXIT
run_dir=$(realpath -m "${VU_RUN_DIR:-$build_dir/screenshots}")
with_cups=0 harness_start "$run_dir"
work=$run_dir/captures
mkdir -p "$work"

# The window's X id once a visible window of that title shows (gives up after SECONDS,
# default 10; a program's first window may take longer on a busy machine).
window_titled() {
  local id
  id=$(timeout "${2:-10}" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || true
  [ -n "$id" ] || { echo "screenshots: no window titled '$1'" >&2; return 1; }
  echo "$id"
}

# The window's place and size on the screen, as WxH+X+Y.
geometry() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
}

# Waits until the window has left the screen's top-left corner (gives up after 10 s).
wait_moved() {
  local deadline=$((SECONDS + 10))
  until [[ "$(geometry "$1")" != *+0+0 ]]; do
    [ $SECONDS -lt $deadline ] || { echo "screenshots: window $1 never moved" >&2; return 1; }
  done
}

# Saves the window as OUT once it has painted: the screen under it is taken until two
# captures in a row are alike and hold more than a few colours (gives up after 10 s).
shot() {
  local wid=$1 name=$2 deadline=$((SECONDS + 10)) last="" next
  while [ $SECONDS -lt $deadline ]; do
    import -window root -crop "$(geometry "$wid")" +repage "$work/next.png"
    next=$(convert "$work/next.png" -format '%#' info:)
    if [ "$next" = "$last" ] && [ "$(convert "$work/next.png" -format '%k' info:)" -gt 4 ]; then
      convert "$work/next.png" -strip "$out/$name"
      echo "screenshots: $out/$name ($(geometry "$wid"))"
      return 0
    fi
    last=$next
  done
  echo "screenshots: $name never settled" >&2
  return 1
}

# Vindrulen: the corner form at start, then the configuration form after a click on "Config"
# (the button spans client x 101..140 along the top of the client area: the click goes near
# the window's lower edge, below the caption); the form then moves to the screen's middle.
wine "$build_dir/bin/vindrulen.exe" >/dev/null 2>&1 &
vindrulen=$(window_titled Vindrulen 30)
shot "$vindrulen" vindrulen-corner.png
eval "$(xdotool getwindowgeometry --shell "$vindrulen")"
xdotool mousemove $((X + 121)) $((Y + HEIGHT - 8)) click 1 mousemove 1023 767
wait_moved "$vindrulen"
shot "$vindrulen" vindrulen-config.png
xdotool windowclose "$vindrulen" 2>/dev/null || true

# The gallery: each page opened from the menu bar with Alt and the item's underlined letter;
# a page's title shows once it is complete.
wine "$build_dir/bin/gallery.exe" >/dev/null 2>&1 &
gallery=$(window_titled 'Galleri - Knappar' 30)
for page in K:Knappar:knappar F:Fält:falt L:Listor:listor R:Rita:rita D:Dialoger:dialoger \
            E:Redigerare:redigerare; do
  IFS=: read -r key title file <<<"$page"
  xdotool key "alt+${key,,}"
  window_titled "Galleri - $title" >/dev/null
  shot "$gallery" "gallery-$file.png"
done
xdotool windowclose "$gallery" 2>/dev/null || true
