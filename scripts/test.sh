#!/usr/bin/env bash
# Builds everything and runs every test on Wine under a private virtual display:
# each test program once as it is and once under Wine's heap checker.
# Installs what is missing first (Debian 12, as root). Ends with ctest's summary.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/deps.sh"
source "$here/harness.sh"

# VU_TARGETS="a b" builds only those targets (a quick run of a few test programs).
# shellcheck disable=SC2086
harness_build ${VU_TARGETS:-}
trap harness_stop EXIT
start=$(date +%s)
# VU_RUN_DIR: where this run keeps its Wine prefix and print queue (default: the build
# folder), so that several runs can share one build.
harness_start "${VU_RUN_DIR:-$build_dir}"
echo "test: fresh Wine prefix $WINEPREFIX on display $DISPLAY, booted in $(( $(date +%s) - start )) s"
echo "test: every program runs twice, the second time under Wine's heap checker (label heap);"
echo "test: the suite's wall time is ctest's 'Total Test time (real)' below"
cd "$build_dir"
# As many programs at once as there are cores (a -j among the arguments overrides it); the
# desktop's locks keep real input to itself. No second run for a failing program: a test
# that fails once fails the suite.
ctest --output-on-failure --timeout 120 -j "$(nproc)" "$@"
