#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source of the project as the project's .clang-format writes it
# (`make format` rewrites them so). Lists the files that differ and fails.
set -euo pipefail
cd "$(dirname "$0")/.."

format=${CLANG_FORMAT:-clang-format}
if ! command -v "$format" >/dev/null 2>&1; then
    echo "format: $format is not installed (scripts/deps.sh installs it)" >&2
    exit 1
fi
mapfile -t files < <(find src tools tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
bad=()
for f in "${files[@]}"; do
    if ! "$format" --dry-run --Werror "$f" >/dev/null 2>&1; then bad+=("$f"); fi
done
if [ ${#bad[@]} -gt 0 ]; then
    echo "format: these files differ from .clang-format (run make format):"
    printf '  %s\n' "${bad[@]}"
    exit 1
fi
echo "format: ${#files[@]} files as .clang-format writes them"
