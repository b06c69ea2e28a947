#!/bin/sh
# The small drive: a 256 KiB tmpfs for the tests of a copy onto a drive that fills up.
#
#   small_drive.sh mount     mounts it at $WINEPREFIX/drive_c/small_drive (C:\small_drive)
#   small_drive.sh unmount   unmounts it and removes the folder
#
# tests/CMakeLists.txt runs these as the ctest fixture "small_drive": the setup test
# small_drive.mount (FIXTURES_SETUP) and the cleanup test small_drive.unmount
# (FIXTURES_CLEANUP). A test source that mentions VU_SMALL_DRIVE gets FIXTURES_REQUIRED
# small_drive, RESOURCE_LOCK small_drive and the environment variable VU_SMALL_DRIVE=
# C:\small_drive (the drive's folder as the Wine program sees it, without a last backslash).
# The drive lives in the run's own Wine prefix, so runs that share a build folder never share
# a drive.
#
# Where the machine refuses the mount (not root, no tmpfs), the folder stays a plain folder
# holding the marker file "refused", and the script still succeeds: the tests look for the
# marker, say that the disk-full case did not run, and skip it.
set -u
dir="${WINEPREFIX:-$HOME/.wine}/drive_c/small_drive"
case "${1:-}" in
mount)
  if mountpoint -q "$dir" 2>/dev/null; then umount "$dir" || exit 1; fi
  rm -rf "$dir"
  mkdir -p "$dir" || exit 1
  if ! mount -t tmpfs -o size=256k tmpfs "$dir" 2>/dev/null; then
    echo "the machine refused the mount: $dir is a plain folder"
    : >"$dir/refused"
  fi
  ;;
unmount)
  if mountpoint -q "$dir" 2>/dev/null; then umount "$dir" || exit 1; fi
  rm -rf "$dir"
  ;;
*)
  echo "usage: $0 mount|unmount" >&2
  exit 2
  ;;
esac
