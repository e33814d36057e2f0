#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one rule of the code's layout: a layer includes only itself and the
# layers below it. src/core uses the standard library alone; src/program adds
# the core; src/shell may use both, Qt and SDL. Prints every include that
# breaks the rule and fails if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
# check FOLDER ALLOWED-PREFIXES...: every quoted include of FOLDER's sources
# names one of the allowed layers, and every <...> include is a standard
# library header (a bare lower-case name such as <vector>).
check() {
    local folder=$1
    shift
    local allowed
    allowed=$(printf '%s/|' "$@")
    allowed="^(${allowed%|})"
    while IFS= read -r line; do
        local file=${line%%:*}
        local rest=${line#*:}
        local number=${rest%%:*}
        local text=${rest#*:}
        local name
        if [[ $text =~ \#[[:space:]]*include[[:space:]]*\"([^\"]*)\" ]]; then
            name=${BASH_REMATCH[1]}
            if ! [[ $name =~ $allowed ]] || [[ $name == *..* ]]; then
                echo "$file:$number: $folder may not include \"$name\""
                status=1
            fi
        elif [[ $text =~ \#[[:space:]]*include[[:space:]]*\<([^\>]*)\> ]]; then
            name=${BASH_REMATCH[1]}
            if ! [[ $name =~ ^[a-z_]+$ ]]; then
                echo "$file:$number: $folder may not include <$name> (standard library only)"
                status=1
            fi
        fi
    done < <(grep -rn --include='*.cpp' --include='*.h' -E '^[[:space:]]*#[[:space:]]*include' "$folder" || true)
}

check src/core core
check src/program core program

if [ "$status" -eq 0 ]; then
    echo "layers: src/core includes only itself, src/program only itself and the core"
fi
exit "$status"
