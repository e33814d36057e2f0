#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one rule of the code's layout: a layer includes only itself and the
# layers below it. src/core uses the standard library alone; src/program adds
# the core; src/shell may use both, Qt and SDL. Prints every include that
# breaks the rule and fails if there is one. One file of the core may call
# the system itself: the rule for links in shared folders needs the owners of
# a link and its folder, which the standard library does not tell.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
# The system headers allowed, by file.
declare -A system_headers=([src/core/files/LinkRule.cpp]="sys/stat.h unistd.h")
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
            if ! [[ $name =~ ^[a-z_]+$ ]] && [[ " ${system_headers[$file]:-} " != *" $name "* ]]; then
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
