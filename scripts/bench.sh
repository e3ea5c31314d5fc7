#!/usr/bin/env bash
# Builds the benchmarks in release mode (the preset "release-bench") and runs each;
# every one prints its ratio against a floor measured in the same run and fails when
# the ratio is above target.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" || exit 1
cd "$here" || exit 1
cmake --preset release-bench >/dev/null || exit 1
cmake --build --preset release-bench || exit 1
status=0
for b in "$here"/build-bench/bench/*; do
  # Only the benchmark executables: the folder also holds CMake's own folders.
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen "$b" || status=1
done
exit $status
