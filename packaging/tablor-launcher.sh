#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Tablor, as installed: starts the game in the player's own folder.
#
# The game keeps its settings, scores, colour schemes and statistics graph in
# the folder it is started in, and looks there for its sounds and its manual.
# An installed game therefore runs in a folder of the player's own,
# $XDG_DATA_HOME/tablor (~/.local/share/tablor by default), which this script
# creates and fills with the manual and the five default sounds; a file that
# is already there is never replaced, so the player's own choices survive.
#
# The game and its data are found relative to this script (@TABLOR_GAME_REL@
# and @TABLOR_DATA_REL@ from the folder this script is installed in), so the
# installed tree may be moved as a whole. TABLOR_BIN names another game binary
# (for tests).
set -eu

self=$(readlink -f "$0")
here=$(dirname "$self")
game=${TABLOR_BIN:-$here/@TABLOR_GAME_REL@}
data=$here/@TABLOR_DATA_REL@

# By the desktop's conventions an unset, empty or relative XDG_DATA_HOME
# means ~/.local/share.
case ${XDG_DATA_HOME:-} in
/*) base=$XDG_DATA_HOME ;;
*) base=${HOME:?tablor: HOME is not set}/.local/share ;;
esac
folder=$base/tablor

if ! mkdir -p "$folder"; then
    echo "tablor: cannot create the folder $folder" >&2
    exit 1
fi

# The manual and the default sounds, where the player has none of the name.
if [ -d "$data" ]; then
    for file in "$data"/*; do
        [ -f "$file" ] || continue
        name=$(basename "$file")
        if [ ! -e "$folder/$name" ]; then
            cp "$file" "$folder/$name" || echo "tablor: cannot copy $name to $folder" >&2
        fi
    done
fi

if [ ! -x "$game" ]; then
    echo "tablor: the game is not installed at $game" >&2
    exit 127
fi

cd "$folder"
exec "$game" "$@"
