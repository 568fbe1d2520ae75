#!/usr/bin/env bash
# Fails when a C++ file the project tracks differs from what the project's
# .clang-format makes of it, and names the files (clang-format -i FILE mends one).
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.." || exit 1
command -v clang-format >/dev/null || { echo "check_format: clang-format is missing (scripts/deps installs it)" >&2; exit 1; }
differ=()
while IFS= read -r file; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || differ+=("$file")
done < <(git ls-files '*.cpp' '*.h')
if ((${#differ[@]})); then
  printf 'not formatted with .clang-format: %s\n' "${differ[@]}" >&2
  exit 1
fi
echo "format: every C++ file matches .clang-format"
