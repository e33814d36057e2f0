#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game in a virtual X server, with the mouse and the keyboard
# driven by xdotool: the human's opening (one move by two clicks, one by a
# key), the computer's answer, a position saved through the file dialog,
# the program killed and started again (it goes on in the same turn), the
# rest of the game finished by the program, the statistics dialog left with
# Esc. Then it checks what the program wrote: the position file against
# the engine tool's play, the scores in tablorw.ini and the graph file.
# Then, under openbox (when it is installed), a framed window: the side panel
# stands as in the unframed window at the start, after New game and after
# "Play clockwise" is turned on, and Alt+F4 during the computer's turn ends
# the program at once without writing a file, the game kept as the human's
# turn left it.
#
# Usage: EndToEnd.sh TABLOR_BINARY TABLOR_ENGINE_BINARY
#
# Where the board is on the screen: the X server runs without a window
# manager, so the program's window has no frame and its X window is the
# whole outer rectangle W x H on which the board is laid out:
#   Unit S = (W + H) / 57, piece size D = S * 115 / 100, column = W / 17;
#   point i of the top row (1..12) starts at x = column * (12 - i), plus 3S
#   (the bar) when i < 7; a point i of the bottom row (13..24) stands in the
#   column of point 25 - i;
#   a top-row point spans y = 2S .. 2S + 5D + D/2, a bottom-row point
#   y = H - 5S - 5D - D/2 .. H - 5S, both 2S wide;
#   the k-th piece (k <= 5) has its disc's corner at x + 2D/5 and
#   y = 2S + (k - 1) D (top row) or H - 5S - k D (bottom row);
#   a point's letter is written S above the top row's edge, S/2 below the
#   bottom row's base.
# These are client coordinates. The client area (the board canvas) starts
# below the menu bar; its first row is the first one, going down the window's
# left edge, in the board's background colour (200, 192, 200 in the first
# colour scheme), which the script measures once the board is painted.
#
# Waiting: every wait polls with a time limit. The program shows that the
# human's turn is live by the hover highlight: with the dice in hand and
# "Possible moves" highlighting, the letter of the point under the pointer
# turns yellow (and it never does during the computer's turn).
set -uo pipefail

if ! command -v Xvfb >/dev/null 2>&1 || ! command -v xdotool >/dev/null 2>&1; then
    echo "end_to_end: skipped: Xvfb or xdotool not installed"
    exit 0
fi
if ! command -v import >/dev/null 2>&1; then
    echo "end_to_end: skipped: ImageMagick's import not installed"
    exit 0
fi
if [ $# -ne 2 ] || [ ! -x "$1" ] || [ ! -x "$2" ]; then
    echo "usage: EndToEnd.sh TABLOR_BINARY TABLOR_ENGINE_BINARY (both executable)" >&2
    exit 2
fi
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
engine=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")

name=end_to_end
work=$(mktemp -d "${TMPDIR:-/tmp}/tablor-e2e.XXXXXX")
xvfb_pid=""
game_pid=""
wm_pid=""
failed=0

cleanup() { end_session "$game_pid" "$wm_pid"; }
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Every wait ends by this time, well before the test's own time limit, so
# that the script always gets to clean up after itself.
deadline=$(($(date +%s) + 270))
# shellcheck source=tests/e2e/Session.sh
. "$(dirname "$0")/Session.sh"

# A game that has ended while a wait goes on fails the test at once.
poll_guard() {
    if [ -n "$game_pid" ] && ! kill -0 "$game_pid" 2>/dev/null; then
        wait "$game_pid"
        fail "the game ended unexpectedly (exit status $?) while waiting for: $*"
    fi
}

# ------------------------------------------------------------------ screen

# Prints "x y r g b" for every pixel of the screen rectangle (x, y, w, h),
# x and y counted from the rectangle's corner.
screen_pixels() {
    import -window root -crop "${3}x${4}+${1}+${2}" +repage -depth 8 txt:- 2>/dev/null |
        sed -nE 's/^([0-9]+),([0-9]+): *\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3 \4 \5/p'
}
# pixel X Y: "r g b" of one screen pixel.
pixel() { screen_pixels "$1" "$2" 1 1 | awk '{print $3, $4, $5}'; }
# has_yellow X Y W H: a yellow pixel (a highlighted letter) lies in the rectangle.
has_yellow() { screen_pixels "$@" | awk '$3 >= 224 && $4 >= 224 && $5 <= 64 {found = 1} END {exit !found}'; }

# visible_window NAME: the id of the visible window with exactly that title.
visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
window_shown() { [ -n "$(visible_window "$1")" ]; }
window_gone() { [ -z "$(visible_window "$1")" ]; }
focus() { timeout 10 xdotool windowfocus --sync "$1" >/dev/null 2>&1 || fail "could not give window $1 the keyboard focus"; }

# ------------------------------------------------------------------ the board's geometry

S=0 D=0 COL=0 H=0 ORIGIN_X=0 ORIGIN_Y=0

point_x() {
    local i=$1
    [ "$i" -gt 12 ] && i=$((25 - i))
    local x=$((COL * (12 - i)))
    [ "$i" -lt 7 ] && x=$((x + 3 * S))
    echo "$x"
}
# point_centre I: the screen position of the middle of point I's rectangle.
point_centre() {
    local x y
    x=$(($(point_x "$1") + S))
    if [ "$1" -le 12 ]; then
        y=$((2 * S + (5 * D + D / 2) / 2))
    else
        y=$((H - 5 * S - (5 * D + D / 2) / 2))
    fi
    echo "$((ORIGIN_X + x)) $((ORIGIN_Y + y))"
}
# piece_centre I K: the screen position of the middle of the K-th piece on point I.
piece_centre() {
    local i=$1 k=$2 x y
    x=$(($(point_x "$i") + D * 2 / 5 + D / 2))
    if [ "$i" -le 12 ]; then
        y=$((2 * S + (k - 1) * D + D / 2))
    else
        y=$((H - 5 * S - k * D + D / 2))
    fi
    echo "$((ORIGIN_X + x)) $((ORIGIN_Y + y))"
}
# letter_box I: the screen rectangle (x y w h) that holds point I's letter.
letter_box() {
    local x y
    x=$(point_x "$1")
    if [ "$1" -le 12 ]; then y=$S; else y=$((H - 5 * S + S / 2)); fi
    echo "$((ORIGIN_X + x)) $((ORIGIN_Y + y)) $((2 * S)) $S"
}
letters=ABCDEFGHIJKLMNOPQRSTUVWX
letter_of() { echo "${letters:$1-1:1}"; }

# The side panel: the human's first die picture stands at x(5) (x(9) playing
# clockwise) and the cube at the computer's tray, x(1) (S/2 clockwise), plus
# S/4; both have their top at the human's tray, half way down the client area.
# panel_offset CLOCKWISE: the first die's top edge less the cube's, found by
# going down the middle of each, between the rows of points, to the first
# pixel that is not the background. Where the program lays the panel out
# right, it is the same for every window, framed or not. (The middle of the
# cube is not taken: the trays' counts stand right-aligned over its right part.)
first_drawn_row() {
    local top=$((ORIGIN_Y + 2 * S + 5 * D + D / 2 + 2)) bottom=$((ORIGIN_Y + H - 5 * S - 5 * D - D / 2 - 2))
    local row
    row=$(screen_pixels "$1" "$top" 1 $((bottom - top)) | awk -v bg="$background" '$3 " " $4 " " $5 != bg {print $2; exit}')
    [ -n "$row" ] && echo $((top + row))
}
panel_offset() {
    local die_x cube_x die cube
    if [ "$1" = 1 ]; then
        die_x=$((COL * 8 + 3 * S)) cube_x=$((S / 2))
    else
        die_x=$((COL * 7 + 3 * S)) cube_x=$((COL * 11 + 3 * S))
    fi
    die=$(first_drawn_row $((ORIGIN_X + die_x + 16)))
    cube=$(first_drawn_row $((ORIGIN_X + cube_x + S / 4 + S / 4)))
    [ -n "$die" ] && [ -n "$cube" ] && echo $((die - cube))
}

# hover_probe I: moves the pointer over point I (a little to and fro, so that
# it always moves) and tells whether the point's letter is highlighted.
hover_probe() {
    local cx cy
    read -r cx cy <<<"$(point_centre "$1")"
    hover_turn=$((1 - hover_turn))
    xdotool mousemove $((cx + 4 * hover_turn - 2)) "$cy"
    sleep 0.2
    # shellcheck disable=SC2046
    has_yellow $(letter_box "$1")
}
hover_turn=0
# hover_until_yellow I SECONDS: waits until point I's letter lights up under the pointer.
hover_until_yellow() { poll "$2" hover_probe "$1"; }

# pixel_at "X Y": "r g b" of that screen pixel.
pixel_at() {
    local x y
    read -r x y <<<"$1"
    pixel "$x" "$y"
}
is_colour() { [ "$(pixel_at "$1")" = "$2" ]; }
# expect_piece I K COLOUR OWNER_NAME SECONDS: waits until the K-th piece on point I has that colour.
expect_piece() {
    local at
    at=$(piece_centre "$1" "$2")
    if ! poll "$5" is_colour "$at" "$3"; then
        fail "expected piece $2 of point $(letter_of "$1") to be the $4's ($3) at screen ($at), found ($(pixel_at "$at"))"
    fi
}

# ------------------------------------------------------------------ the game's folder

cat >"$work/rolls.txt" <<'EOF'
3-1
6-4
5-2
4-4
6-1
2-3
5-5
3-6
1-1
4-2
6-6
5-3
2-1
4-3
EOF
cat >"$work/tablorw.ini" <<EOF
[Options]
UseCube=0
AutoFinish=0
DiceAsIcons=1
Speed=50
AutoChangeTurn=1
LevelOfPlay=2
FirstMoveBy=2
ShowProgress=1
AutoForcedMoves=0
HitShake=0
HighLight=2
IntelMoves=0
DiceMode=2
ClockWise=0
RollsList=$work/rolls.txt
CurScheme=0
[Game]
Human=0
Computer=0
EOF

# ------------------------------------------------------------------ X server and game

start_xvfb

# start_game FOLDER: starts the game in that folder (see launch_game).
start_game() {
    launch_game "$game" "$1"
    game_pid=$launched
}
start_game "$work"

poll 30 window_shown Tablor || fail "no visible window named \"Tablor\" within 30 s"
main=$(visible_window Tablor)
eval "$(xdotool getwindowgeometry --shell "$main")"
W=$WIDTH H=$HEIGHT
# A screen wider than 1024: H = 63 % of the screen's height (less a caption), W = 1.5 H.
[ "$W" -eq $((H * 3 / 2)) ] || fail "window size ${W}x${H}: expected the width to be 3/2 of the height"
S=$(((W + H) / 57)) D=$((S * 115 / 100)) COL=$((W / 17))

background="200 192 200"
client_top() {
    local row
    row=$(screen_pixels $((X + 2)) "$Y" 1 80 | awk -v bg="$background" '$3 " " $4 " " $5 == bg {print $2; exit}')
    [ -n "$row" ] && ORIGIN_Y=$((Y + row))
}
poll 30 client_top || fail "the board's background ($background) did not appear below the menu bar at x=$((X + 2))"
ORIGIN_X=$X
echo "end_to_end: window ${W}x${H} at ($X,$Y), board from ($ORIGIN_X,$ORIGIN_Y), unit $S, piece $D"

white="255 255 255" orange="255 128 0"
# The layout as derived: the human's five pieces on L, the computer's on M.
expect_piece 12 1 "$white" human 10
expect_piece 12 5 "$white" human 1
expect_piece 13 1 "$orange" computer 1

# ------------------------------------------------------------------ the human's opening 3-1

hover_until_yellow 9 30 || fail "the human's turn did not start: point I's letter never turned yellow under the pointer"
# Without a window manager the window has no frame: the panel's layout here
# is the reference for the framed window below.
reference_offset=$(panel_offset 0)
[ -n "$reference_offset" ] || fail "the die pictures or the cube were not found beside the board"

# Q (17) to T (20) with the 3: two clicks.
read -r qx qy <<<"$(point_centre 17)"
xdotool mousemove "$qx" "$qy" click 1
read -r tx ty <<<"$(point_centre 20)"
xdotool mousemove "$tx" "$ty" click 1
expect_piece 20 1 "$white" human 15
# S (19) to T with the 1: the key S, the one die left gives the target.
focus "$main"
xdotool key s
expect_piece 20 2 "$white" human 15

# The turn passes to the computer by itself; the next turn of the human
# begins when it is done.
hover_until_yellow 10 90 || fail "the human's second turn did not start within 90 s (point J's letter never turned yellow)"

# ------------------------------------------------------------------ the expected position

count=() owner=()
for i in $(seq 0 27); do count[i]=0 owner[i]=0; done
owner[0]=2 owner[25]=1 owner[26]=1 owner[27]=2
place() { count[$1]=$2 owner[$1]=$3; }
place 1 2 2; place 6 5 1; place 8 3 1; place 12 5 2; place 13 5 1; place 17 3 2; place 19 5 2; place 24 2 1
take() {
    count[$1]=$((count[$1] - 1))
    if [ "${count[$1]}" -eq 0 ] && [ "$1" -ne 0 ] && [ "$1" -ne 25 ] && [ "$1" -le 24 ]; then owner[$1]=0; fi
}
put() {
    count[$1]=$((count[$1] + 1))
    [ "${owner[$1]}" -eq 0 ] && owner[$1]=$2
}
take 17; put 20 2
take 19; put 20 2
board=""
for i in $(seq 0 27); do board+="${board:+,}${count[i]}:${owner[i]}"; done

# The computer's play with 6-4. Its book is for the game's opening turn only,
# which the human had.
json=$("$engine" move --board "$board" --dice 6 4 --level 2) || fail "tablor-engine move --board $board --dice 6 4 failed"
moves=$(sed -nE 's/^\{"moves":\[(.*)\],"dice".*/\1/p' <<<"$json" | tr -d '[]' | tr ',' ' ')
[ -n "$moves" ] || fail "tablor-engine found no play for 6-4: $json"
read -r -a play <<<"$moves"
for ((m = 0; m < ${#play[@]}; m += 2)); do
    from=${play[m]} to=$((play[m] - play[m + 1]))
    [ "$to" -lt 1 ] && to=26
    take "$from"
    if [ "$to" -le 24 ] && [ "${count[to]}" -eq 1 ] && [ "${owner[to]}" -eq 2 ]; then
        take "$to"
        put 0 2
    fi
    put "$to" 1
done
expected=""
for i in $(seq 0 27); do expected+="${count[i]} 0 0 0 ${owner[i]} 0 0 0 "; done

# ------------------------------------------------------------------ save the position

# save_position NAME: Ctrl+S, NAME typed into the "Save As" dialog, Enter;
# sets saved to the file's path. Fails unless a whole position file is written.
file_saved() { [ -f "$saved" ] && [ "$(stat -c %s "$saved")" -eq 286 ] && window_gone "Save As"; }
save_position() {
    focus "$main"
    xdotool key ctrl+s
    poll 20 window_shown "Save As" || fail "Ctrl+S: no \"Save As\" dialog within 20 s"
    focus "$(visible_window "Save As")"
    xdotool type --delay 30 "$1"
    xdotool key Return
    saved=$work/$1
    poll 20 file_saved || fail "after typing $1 and Enter: expected $saved of 286 bytes and the dialog closed," \
        "found $(stat -c %s "$saved" 2>/dev/null || echo 'no file'), dialog $(window_shown "Save As" && echo open || echo closed)"
}
save_position e2e.pos

magic=$(od -A n -v -t d4 -N 4 "$saved" | tr -s ' ' | sed 's/^ //')
[ "$magic" = 32 ] || fail "saved file: magic expected 32, found $magic"
found=$(od -A n -v -t u1 -j 4 -N 224 "$saved" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
expected=${expected% }
if [ "$found" != "$expected" ]; then
    read -r -a f <<<"$found"
    read -r -a e <<<"$expected"
    echo "location: expected count:owner / found count:owner (bytes)" >&2
    for i in $(seq 0 27); do
        b=$((i * 8))
        echo "  $i: ${e[b]}:${e[b + 4]} / ${f[b]}:${f[b + 4]} (${f[*]:b:8})" >&2
    done
    fail "the saved board is not the opening Q-T S-T followed by the computer's 6-4 ($json)"
fi

# ------------------------------------------------------------------ killed, and started again

# At the start of each of the human's turns the game keeps the turn in
# tablorw.sav. Killed now, the program starts again in this very turn: the
# same board, dice, cube and statistics (the thinking clocks aside) as the
# position just saved.
kept=$work/tablorw.sav
# file_bytes FILE OFFSET COUNT: the bytes as unsigned numbers on one line.
file_bytes() { od -A n -v -t u1 -j "$2" -N "$3" "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
# same_turn A B: the two position files agree in all but the thinking clocks
# (bytes 245 to 252).
same_turn() { [ "$(file_bytes "$1" 4 241)" = "$(file_bytes "$2" 4 241)" ] && [ "$(file_bytes "$1" 253 33)" = "$(file_bytes "$2" 253 33)" ]; }
# (A position file of 286 bytes, and 16 bytes that name the game.)
[ -f "$kept" ] && [ "$(stat -c %s "$kept")" -eq 302 ] ||
    fail "at the human's turn: expected tablorw.sav of 302 bytes, found $(stat -c %s "$kept" 2>/dev/null || echo 'no file')"
same_turn "$kept" "$saved" || fail "tablorw.sav does not hold the turn just saved in e2e.pos"
kill -KILL "$game_pid"
wait "$game_pid" 2>/dev/null
game_pid=""
[ -f "$kept" ] || fail "killed: tablorw.sav is gone"

start_game "$work"
poll 30 window_shown Tablor || fail "started again: no visible window named \"Tablor\" within 30 s"
main=$(visible_window Tablor)
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" -eq "$W" ] && [ "$HEIGHT" -eq "$H" ] || fail "started again: window ${WIDTH}x${HEIGHT}, before ${W}x${H}"
poll 30 client_top || fail "started again: the board's background did not appear below the menu bar"
ORIGIN_X=$X
hover_until_yellow 10 30 || fail "started again: the human's turn did not go on (point J's letter never turned yellow)"
# The human's opening is on the board, not a new game's.
expect_piece 20 2 "$white" human 5
save_position resumed.pos
same_turn "$saved" "$work/e2e.pos" || {
    echo "before the kill: $(file_bytes "$work/e2e.pos" 4 282)" >&2
    echo "started again:   $(file_bytes "$saved" 4 282)" >&2
    fail "started again, the position saved is not the turn saved before the kill"
}

# ------------------------------------------------------------------ finish the game, quit

focus "$main"
xdotool key ctrl+f
poll 120 window_shown Statistics || fail "Ctrl+F: no \"Statistics\" dialog within 120 s"
focus "$(visible_window Statistics)"
xdotool key Escape
exited() { ! kill -0 "$game_pid" 2>/dev/null; }
limit=$(($(date +%s) + 30))
[ "$limit" -gt "$deadline" ] && limit=$deadline
while ! exited && [ "$(date +%s)" -lt "$limit" ]; do sleep 0.25; done
exited || fail "Esc in the statistics dialog: the game was still running 30 s later"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the game exited with status $status, expected 0"
[ ! -e "$kept" ] || fail "the game has ended: tablorw.sav was not removed"

# ------------------------------------------------------------------ scores and graph

score() { awk -F= -v key="$1" '/^\[/ {in_game = ($0 == "[Game]")} in_game && $1 == key {print $2}' "$work/tablorw.ini"; }
human=$(score Human) computer=$(score Computer)
[[ "$human" =~ ^[0-9]+$ && "$computer" =~ ^[0-9]+$ ]] ||
    fail "tablorw.ini [Game]: expected Human and Computer scores, found Human='$human' Computer='$computer'"
points=$((human + computer))
if [ "$points" -lt 1 ] || [ "$points" -gt 3 ] || { [ "$human" -ne 0 ] && [ "$computer" -ne 0 ]; }; then
    fail "tablorw.ini [Game]: expected one game's points (1 to 3) for one side only, found Human=$human Computer=$computer"
fi

graph=$work/tablorw32.gph
if [ ! -f "$graph" ] || [ "$(stat -c %s "$graph")" -ne 208 ]; then
    fail "tablorw32.gph: expected 208 bytes, found $(stat -c %s "$graph" 2>/dev/null || echo 'no file')"
fi
read -r -a g <<<"$(od -A n -v -t d4 "$graph" | tr -s ' \n' ' ')"
if [ "$human" -gt 0 ]; then wins=2 percent=66; else wins=1 percent=33; fi
rest=0
for ((i = 4; i < 52; ++i)); do rest=$((rest | g[i])); done
if [ "${g[0]}" -ne 3 ] || [ "${g[1]}" -ne "$wins" ] || [ "${g[2]}" -ne 50 ] || [ "${g[3]}" -ne "$percent" ] ||
    [ "$rest" -ne 0 ]; then
    fail "tablorw32.gph: expected games 3, wins $wins, percent 50 $percent then zeros (Human=$human)," \
        "found games ${g[0]}, wins ${g[1]}, percent ${g[2]} ${g[3]}, later slots $([ "$rest" -eq 0 ] && echo zero || echo 'not zero')"
fi

# ------------------------------------------------------------------ with a window manager

# The window manager frames the window after the program has laid out its
# board; the panel must follow, and stay level through New game and a change
# of direction. Then Alt+F4 (the window manager's close) during the
# computer's turn ends the program at once, writing nothing.
if ! command -v openbox >/dev/null 2>&1; then
    echo "end_to_end: passed without a window manager (openbox not installed)" \
        "(computer's 6-4: $moves; scores Human=$human Computer=$computer)"
    exit 0
fi
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
poll 20 wm_running || fail "openbox did not start: $(cat "$work/openbox.log")"

framed=$work/framed
mkdir "$framed"
for _ in $(seq 1 40); do echo 3-1; done >"$framed/rolls.txt"
cat >"$framed/tablorw.ini" <<EOF
[Options]
UseCube=1
AutoFinish=0
DiceAsIcons=1
Speed=1
AutoChangeTurn=1
LevelOfPlay=2
FirstMoveBy=2
ShowProgress=1
AutoForcedMoves=0
HitShake=0
HighLight=0
DiceMode=2
ClockWise=0
RollsList=$framed/rolls.txt
CurScheme=0
EOF
start_game "$framed"
poll 30 window_shown Tablor || fail "with openbox: no visible window named \"Tablor\" within 30 s"
main=$(visible_window Tablor)
# The frame is on when the client window no longer stands at the corner
# the program first put it in.
framed_by_wm() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    [ "$X" -gt 10 ] || [ "$Y" -gt 10 ]
}
poll 20 framed_by_wm || fail "with openbox: the window was not framed"
poll 30 client_top || fail "with openbox: the board's background did not appear below the menu bar"
ORIGIN_X=$X

# offset_is CLOCKWISE: the panel stands as in the unframed window.
offset_is() { [ "$(panel_offset "$1")" = "$reference_offset" ]; }
check_panel() {
    poll 20 offset_is "$1" || fail "with openbox, $2: the first die's top stands $(panel_offset "$1") px from" \
        "the cube's top, $reference_offset px without a frame"
}
check_panel 0 "at the start"

focus "$main"
xdotool key ctrl+n
poll 20 window_shown Tablor || true
sleep 0.5
xdotool key Return
sleep 1
check_panel 0 "after New game"

focus "$main"
xdotool key F9
poll 20 window_shown Settings || fail "with openbox: F9 did not open the settings"
focus "$(visible_window Settings)"
sleep 0.5
xdotool key alt+w
sleep 0.5
xdotool key Return
poll 20 window_gone Settings || fail "with openbox: the settings did not close"
clockwise_written() { grep -q '^ClockWise=1' "$framed/tablorw.ini"; }
poll 10 clockwise_written || fail "with openbox: Alt+W and Enter in the settings did not turn on \"Play clockwise\""
check_panel 1 "playing clockwise"
settings_before=$(cat "$framed/tablorw.ini")

# The human's 3-1, then the computer's turn (its pause of 1.5 s and its
# moves at the slowest speed); Alt+F4 as soon as it has begun. Keys typed
# while a piece moves are dropped: S is typed again until the turn has passed,
# which the game tells by keeping itself at the computer's turn (stage 1, at
# byte 298 of tablorw.sav).
computer_turn_kept() { [ "$(kept_stage "$framed")" = 1 ]; }
second_move_played() {
    computer_turn_kept && return 0
    xdotool key s
    poll 1 computer_turn_kept
}
focus "$main"
xdotool key q t
poll 20 second_move_played || fail "with openbox: Q T S did not end the human's 3-1 (tablorw.sav is not kept at the computer's turn)"
start=$(date +%s%N)
xdotool key alt+F4
limit=$(($(date +%s) + 10))
while kill -0 "$game_pid" 2>/dev/null && [ "$(date +%s)" -lt "$limit" ]; do sleep 0.01; done
ms=$((($(date +%s%N) - start) / 1000000))
kill -0 "$game_pid" 2>/dev/null && fail "Alt+F4 during the computer's turn: the game was still running 10 s later"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "Alt+F4: the game exited with status $status, expected 0"
# Well before the computer's turn (more than 1.5 s) could have ended.
[ "$ms" -lt 1000 ] || fail "Alt+F4 during the computer's turn: the game took $ms ms to end"
[ "$(cat "$framed/tablorw.ini")" = "$settings_before" ] || fail "Alt+F4: the settings file was changed"
[ ! -e "$framed/tablorw32.gph" ] || fail "Alt+F4: a graph file was written"
# The game stays kept at the computer's turn: the next start goes on with it.
computer_turn_kept || fail "Alt+F4 during the computer's turn: tablorw.sav no longer holds the game at the computer's turn"
kill "$wm_pid" 2>/dev/null
wait "$wm_pid" 2>/dev/null

echo "end_to_end: passed (computer's 6-4: $moves; scores Human=$human Computer=$computer;" \
    "with openbox the panel stays level, Alt+F4 in the computer's turn ended the game in $ms ms)"
