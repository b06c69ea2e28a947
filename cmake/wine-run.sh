#!/usr/bin/env bash
# Runs one Windows program of the build through Wine (ctest's emulator).
# The environment (WINEPREFIX, DISPLAY, the running wineserver) comes from scripts/test.sh.
#
# With VU_HEAPCHECK=1 the program runs under Wine's heap checker: every heap block is
# validated, and a write past a block ends the process with "err:heap ...". The checker's
# trace lines are discarded; its error lines are kept, and any of them fails the run even
# when the program's own exit code is 0.
set -uo pipefail

if [ "${VU_HEAPCHECK:-0}" != 1 ]; then
  exec wine "$@"
fi

export WINEDEBUG=+heap
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winedbg.exe=d"
errors=$(mktemp)
# stdout passes through untouched; stderr is filtered down to the heap checker's errors.
wine "$@" 2> >(grep -a -E '^[0-9a-f:]*err:heap|^err:heap' > "$errors")
status=$?
wait
if [ -s "$errors" ]; then
  echo "heap checker found corruption:" >&2
  head -n 20 "$errors" >&2
  [ "$status" -ne 0 ] || status=99
fi
rm -f "$errors"
exit "$status"
