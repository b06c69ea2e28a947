#!/usr/bin/env bash
# Builds the release configuration and runs every benchmark (build/release/bin/*_bench.exe)
# on Wine under a private virtual display, one after another, each printing what it measured
# and its ratio to its goal. Installs what is missing first (Debian 12, as root).
# Not part of scripts/test.sh: the benchmarks time, they do not test.
# Extra arguments name benchmarks to run (for example: scripts/bench.sh startup copy); only
# those are built.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/deps.sh" || exit 1
source "$here/harness.sh"

# Only the benchmark programs that run are built (with what they start, see bench/CMakeLists.txt).
if [ $# -gt 0 ]; then
  names=()
  for name in "$@"; do names+=("${name%_bench}_bench"); done
else
  names=()
  for source in "$root"/bench/*_bench.cpp; do names+=("$(basename "$source" .cpp)"); done
fi
harness_build "${names[@]}" || exit 1
trap harness_stop EXIT
# VU_RUN_DIR: where this run keeps its Wine prefix (default: build/release/bench), so that
# several runs can share one build.
harness_start "${VU_RUN_DIR:-$build_dir/bench}" || exit 1
echo "bench: fresh Wine prefix $WINEPREFIX on display $DISPLAY"
echo "bench: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
     "$(free -g | awk '/^Mem:/ {print $2}') GiB, $(wine --version)"

programs=()
for name in "${names[@]}"; do programs+=("$build_dir/bin/$name.exe"); done

failed=()
for exe in "${programs[@]}"; do
  name=$(basename "$exe" .exe)
  echo
  echo "=== $name"
  if ! wine "$exe" </dev/null | tr -d '\r'; then failed+=("$name"); fi
done

echo
if [ ${#failed[@]} -gt 0 ]; then
  echo "bench: failed: ${failed[*]}"
  exit 1
fi
echo "bench: all ${#programs[@]} benchmarks ran"
