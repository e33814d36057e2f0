#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers' check fails on each include that breaks a rule: planted one at
# a time in a copy of the sources, each must be reported by file and line,
# and the untouched copy must pass.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

fresh() {
    rm -rf "$work/tree"
    mkdir -p "$work/tree/src"
    cp -r "$source_dir/src/core" "$source_dir/src/program" "$work/tree/src/"
}
check() { bash "$source_dir/scripts/check-layers.sh" "$work/tree" >"$work/out" 2>&1; }

fresh
check || fail "the untouched sources break a rule: $(cat "$work/out")"

# planted FILE INCLUDE EXPECTED: the include added at the end of FILE is reported.
planted() {
    local file=$1 include=$2 expected=$3
    fresh
    echo "#include $include" >>"$work/tree/$file"
    if check; then fail "$include in $file passed the check"; fi
    grep -qF "$file:" "$work/out" || fail "$include in $file not reported by file: $(cat "$work/out")"
    grep -qF "$expected" "$work/out" || fail "$include in $file: no \"$expected\" in: $(cat "$work/out")"
}

planted src/program/view/BoardView.cpp '"program/input/MoveInput.h"' 'program/view may not include "program/input/MoveInput.h"'
planted src/program/view/SidePanel.h '"program/game/TurnCycle.h"' 'program/view may not include "program/game/TurnCycle.h"'
planted src/program/input/MoveInput.cpp '"program/view/PositionTop.h"' 'program/input may not include "program/view/PositionTop.h"'
planted src/program/dialogs/StatDlg.cpp '"program/game/GameState.h"' 'program/dialogs may not include "program/game/GameState.h"'
planted src/program/platform/Platform.h '"program/sound/SoundEvents.h"' 'program/platform may not include'
planted src/core/board/Board.cpp '"program/platform/Platform.h"' 'src/core may not include'
planted src/core/board/Board.cpp '<QString>' 'standard library only'
echo "every planted include was reported"
