#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs each; every one prints its ratio
# against a floor measured in the same run and fails when the ratio is above target.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" || exit 1
cmake -S "$here" -B "$here/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMORA_TESTS=OFF >/dev/null
cmake --build "$here/build-bench" || exit 1
status=0
for b in "$here"/build-bench/bench/*; do
  # Only the benchmark executables: the folder also holds CMake's own folders.
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen "$b" || status=1
done
exit $status
