#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one rule of the code's layout: a layer includes only itself and the
# layers below it. src/core uses the standard library alone; src/program adds
# the core; src/shell may use both, Qt and SDL. Prints every include that
# breaks the rule and fails if there is one. One file of the core may call
# the system itself: the rule for links in shared folders needs the owners of
# a link and its folder, which the standard library does not tell.
#
# Inside src/program each folder includes of the others only what its rule
# below allows: the platform and the sound at the bottom, the dialogs'
# models above them, the view above those (it never reaches up to the input
# or to the game's controllers), the input above the view (of which it sees
# only the board and the side panel, never a drawn location's internals),
# the game's controllers above the input, and the application on top.
#
# Usage: check-layers.sh [ROOT]: the tree to check, the project's own by default.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

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

# What each folder of src/program may include of the program besides
# itself: a folder ("view/") or one header ("view/BoardView.h"). A folder not
# named may include all of the program.
declare -A program_rules=(
    [platform]=""
    [sound]="platform/"
    [dialogs]="platform/ app/StringTable.h"
    # The shared context of the window's parts is the one way up left in
    # the view; it goes when each part is handed only what it uses.
    [view]="platform/ sound/ app/StringTable.h game/Commands.h game/WindowContext.h"
    [input]="platform/ dialogs/ game/ app/StringTable.h view/BoardView.h view/SidePanel.h"
    [game]="platform/ sound/ dialogs/ app/ input/ view/BoardView.h view/SidePanel.h view/Locations.h"
)
check_program_folders() {
    local folder
    for folder in "${!program_rules[@]}"; do
        [ -d "src/program/$folder" ] || continue
        local allowed=" $folder/ ${program_rules[$folder]} "
        while IFS= read -r line; do
            local file=${line%%:*}
            local rest=${line#*:}
            local number=${rest%%:*}
            local text=${rest#*:}
            [[ $text =~ \#[[:space:]]*include[[:space:]]*\"program/([^\"]*)\" ]] || continue
            local name=${BASH_REMATCH[1]}
            local ok=0 entry
            for entry in $allowed; do
                if [[ $entry == */ && $name == "$entry"* ]] || [[ $name == "$entry" ]]; then
                    ok=1
                    break
                fi
            done
            if [ "$ok" -eq 0 ]; then
                echo "$file:$number: program/$folder may not include \"program/$name\""
                status=1
            fi
        done < <(grep -rn --include='*.cpp' --include='*.h' -E '^[[:space:]]*#[[:space:]]*include' "src/program/$folder" || true)
    done
}

check src/core core
check src/program core program
check_program_folders

if [ "$status" -eq 0 ]; then
    echo "layers: src/core includes only itself, src/program only itself and the core, and each folder of src/program only what its rule allows"
fi
exit "$status"
