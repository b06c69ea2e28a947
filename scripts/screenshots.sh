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

# Waits until the window has left the screen's top-left corner (gives up after 10 s).
wait_moved() {
  local deadline=$((SECONDS + 10))
  until [[ "$(harness_geometry "$1")" != *+0+0 ]]; do
    [ $SECONDS -lt $deadline ] || { echo "screenshots: window $1 never moved" >&2; return 1; }
  done
}

# Vindrulen: the corner form at start, then the configuration form after a click on "Config"
# (the button spans client x 101..140 along the top of the client area: the click goes near
# the window's lower edge, below the caption); the form then moves to the screen's middle.
wine "$build_dir/bin/vindrulen.exe" >/dev/null 2>&1 &
vindrulen=$(harness_window Vindrulen 30)
harness_shot "$vindrulen" "$out/vindrulen-corner.png"
eval "$(xdotool getwindowgeometry --shell "$vindrulen")"
xdotool mousemove $((X + 121)) $((Y + HEIGHT - 8)) click 1 mousemove 1023 767
wait_moved "$vindrulen"
harness_shot "$vindrulen" "$out/vindrulen-config.png"
xdotool windowclose "$vindrulen" 2>/dev/null || true

# The gallery: each page opened from the menu bar with Alt and the item's underlined letter;
# a page's title shows once it is complete.
wine "$build_dir/bin/gallery.exe" >/dev/null 2>&1 &
gallery=$(harness_window 'Galleri - Knappar' 30)
for page in K:Knappar:knappar F:Fält:falt L:Listor:listor R:Rita:rita D:Dialoger:dialoger \
            E:Redigerare:redigerare; do
  IFS=: read -r key title file <<<"$page"
  xdotool key "alt+${key,,}"
  harness_window "Galleri - $title" >/dev/null
  harness_shot "$gallery" "$out/gallery-$file.png"
done
xdotool windowclose "$gallery" 2>/dev/null || true
