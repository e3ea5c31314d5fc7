#!/usr/bin/env bash
# Fails when a C++ file of the project differs from the house .clang-format.
# With --fix it formats the files in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/lumora-format.$$; then
  grep -o '^[^:]*:' /tmp/lumora-format.$$ | sort -u | sed 's/:$/: differs from .clang-format/' >&2
  rm -f /tmp/lumora-format.$$
  echo "Run scripts/check-format.sh --fix to format them." >&2
  exit 1
fi
rm -f /tmp/lumora-format.$$
echo "Formatting: ${#files[@]} files follow .clang-format."
