#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan+UBSan, the preset "fuzz") and runs one.
#   scripts/fuzz.sh <target> [seconds]     e.g. scripts/fuzz.sh fuzz_texttable 300
# The target's seed corpus is fuzz/<folder>/corpus; new inputs go to build-fuzz/corpus/<target>.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" clang
target=${1:?name of a fuzz target}
seconds=${2:-60}
build="$here/build-fuzz"
cd "$here"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "$target"
seeds=$(dirname "$(grep -rl "lumora_fuzzer($target" "$here/fuzz" | head -n1)")/corpus
work="$build/corpus/$target"
mkdir -p "$work"
export QT_QPA_PLATFORM=offscreen
"$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "$work" "$seeds"
