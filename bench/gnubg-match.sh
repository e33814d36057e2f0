#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tablor's engine against GNU Backgammon (bench/gnubg-match.py), from the
# top of the source tree:
#   bench/gnubg-match.sh --games 200 --seed 1 --level 2 [--engine build/tablor-engine] [--plies 0]
# gnubg runs with a HOME of its own, so that no personal gnubg settings change
# the games; its own output goes to gnubg.log there (kept with --keep-log DIR).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
gnubg=${GNUBG:-/usr/games/gnubg}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
args=()
keep=""
while [ $# -gt 0 ]; do
    case $1 in
    --keep-log) keep=$2; shift 2 ;;
    --engine) args+=(--engine "$(realpath "$2")"); shift 2 ;;
    *) args+=("$1"); shift ;;
    esac
done
if [[ " ${args[*]-} " != *" --engine "* ]]; then args+=(--engine "$(realpath "$here/../build/tablor-engine")"); fi
status=0
TABLOR_GNUBG_MATCH="$(printf '%q ' "${args[@]}")" HOME="$home" \
    "$gnubg" -t -q -p "$here/gnubg-match.py" 3>&1 >"$home/gnubg.log" 2>&1 || status=$?
if [ -n "$keep" ]; then cp "$home/gnubg.log" "$keep/"; fi
if [ $status -ne 0 ]; then
    echo "gnubg-match: gnubg ended with status $status; the end of its output:" >&2
    tail -n 20 "$home/gnubg.log" >&2
fi
exit $status
