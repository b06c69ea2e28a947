#!/usr/bin/env bash
# The Windows installer made by cpack with NSIS, run silently under Wine into a chosen folder,
# installs the program (and no programmer files) with a Start-menu shortcut and an
# uninstaller. Exit code 77 (skipped) without makensis.
#   installer.sh BUILD_DIR
set -euo pipefail
command -v makensis >/dev/null || { echo "makensis is not installed: skipped"; exit 77; }
build=$1 work=$PWD/installer folder=$WINEPREFIX/drive_c/VindrulenShipTest
rm -rf "$work" "$folder"
# Shortcuts made inside Wine must not become menu entries of this machine's desktop.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
shortcuts() { find "$WINEPREFIX/drive_c" -path '*Start Menu*' -iname 'Vindrulen.lnk' "$@"; }
shortcuts -delete
cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$work" >"$work.log" 2>&1 || { cat "$work.log"; exit 1; }
wine "$work"/*.exe /S '/D=C:\VindrulenShipTest' || { echo "the installer failed"; exit 1; }
fail() { echo "$*"; exit 1; }
cmp "$folder/bin/vindrulen.exe" "$build/bin/vindrulen.exe" || fail "the installed program is not the built one"
[ -f "$folder/README.txt" ] && [ -f "$folder/LICENSE.txt" ] || fail "no README.txt or LICENSE.txt"
[ ! -e "$folder/include" ] && [ ! -e "$folder/lib" ] || fail "programmer files installed for users"
[ -f "$folder/Uninstall.exe" ] || fail "no Uninstall.exe"
[ -n "$(shortcuts -exec grep -ali 'bin\\vindrulen.exe' {} +)" ] || fail "no Start-menu shortcut to bin\\vindrulen.exe"
