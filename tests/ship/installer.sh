#!/usr/bin/env bash
# The Windows installer as a user meets it: made by cpack with NSIS, run silently under
# Wine into a chosen folder, it installs the program with a Start-menu shortcut and an
# entry in the installed programs; its uninstaller, run silently, takes all of that away.
# Exit code 77 (skipped) when makensis is not installed.
#   installer.sh BUILD_DIR
set -euo pipefail
build=$1
command -v makensis >/dev/null || { echo "makensis is not installed: skipped"; exit 77; }
work=$PWD/installer
rm -rf "$work"
mkdir -p "$work"
# Shortcuts made inside Wine must not become menu entries of this machine's desktop.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"

cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$work/cpack" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; exit 1; }
installers=("$work"/cpack/*.exe)
[ ${#installers[@]} = 1 ] && [ -f "${installers[0]}" ] \
  || { echo "cpack made no single installer: ${installers[*]}"; exit 1; }
installer=${installers[0]}

folder_name=VindrulenShipTest
target='C:\'$folder_name
folder=$WINEPREFIX/drive_c/$folder_name
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vindrulen'
rm -rf "$folder"
shortcuts() { find "$WINEPREFIX/drive_c" -path '*Start Menu*' -iname 'Vindrulen.lnk' 2>/dev/null; }
registered() { wine reg query "$uninstall_key" >/dev/null 2>&1; }
if [ -n "$(shortcuts)" ] || registered; then
  echo "the prefix already has Vindrulen installed"
  exit 1
fi

# A run that fails half-way leaves nothing installed behind it.
cleanup() {
  if [ -f "$folder/Uninstall.exe" ]; then
    wine "$folder/Uninstall.exe" /S "_?=$target" >/dev/null 2>&1 || true
  fi
  rm -rf "$folder"
}
trap cleanup EXIT

wine "$installer" /S "/D=$target" >"$work/install.log" 2>&1 \
  || { echo "the installer failed"; cat "$work/install.log"; exit 1; }

failures=0
fail() { echo "$*"; failures=$((failures + 1)); }
[ -f "$folder/bin/vindrulen.exe" ] || fail "no bin/vindrulen.exe in $target"
[ -f "$folder/README.txt" ] || fail "no README.txt in $target"
[ -f "$folder/LICENSE.txt" ] || fail "no LICENSE.txt in $target"
[ ! -e "$folder/include" ] && [ ! -e "$folder/lib" ] || fail "programmer files installed for users"
cmp -s "$folder/bin/vindrulen.exe" "$build/bin/vindrulen.exe" || fail "the installed program is not the built one"
shortcut=$(shortcuts)
if [ -z "$shortcut" ]; then
  fail "no Start-menu shortcut Vindrulen.lnk"
elif ! grep -aqi 'bin\\vindrulen.exe' "$shortcut"; then
  fail "the shortcut $shortcut does not lead to bin\\vindrulen.exe"
fi
registered || fail "no uninstall entry $uninstall_key"
[ -f "$folder/Uninstall.exe" ] || fail "no Uninstall.exe"
[ "$failures" = 0 ] || exit 1
echo "installed: $(cd "$folder" && find . -type f | sort | tr '\n' ' ')"
echo "shortcut: ${shortcut#"$WINEPREFIX"/}"

# The uninstaller copies itself away and ends at once; its copy removes the folder.
wine "$folder/Uninstall.exe" /S >"$work/uninstall.log" 2>&1 \
  || { echo "the uninstaller failed"; cat "$work/uninstall.log"; exit 1; }
deadline=$((SECONDS + 60))
while [ -e "$folder" ] && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
[ ! -e "$folder" ] || fail "the install folder is still there: $(find "$folder" | tr '\n' ' ')"
[ -z "$(shortcuts)" ] || fail "the Start-menu shortcut is still there: $(shortcuts)"
if [ -n "$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -iname 'Vindrulen' -type d)" ]; then
  fail "the Start-menu folder Vindrulen is still there"
fi
registered && fail "the uninstall entry is still there"
[ "$failures" = 0 ] || exit 1
echo "installer: installed into $target with its shortcut, and uninstalled cleanly"
