#!/bin/sh
# The small drive of the disk-full tests: a 256 KiB tmpfs at C:\small_drive of the run's Wine
# prefix (runs that share a build never share a drive), mounted ("mount") and unmounted
# (anything else) by the ctest fixture "small_drive" of tests/CMakeLists.txt. Where the
# machine refuses the mount, the folder holds the marker "refused": the tests say so and skip.
dir="${WINEPREFIX:-$HOME/.wine}/drive_c/small_drive"
if mountpoint -q "$dir" 2>/dev/null; then umount "$dir" || exit 1; fi
rm -rf "$dir"
[ "${1:-}" = mount ] || exit 0
mkdir -p "$dir" || exit 1
if ! mount -t tmpfs -o size=256k tmpfs "$dir" 2>/dev/null; then
  echo "the machine refused the mount: $dir is a plain folder"
  : >"$dir/refused"
fi
