#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Trains the Expert's networks from zero with the command that made
# res/expert.tnw, and resumes from the last checkpoint when run again on the
# same folder (a checkpoint is written every 50,000 games). The result is
# DIR/checkpoint.tnw; copy it to res/expert.tnw to play with it.
#
#   scripts/train-expert.sh [DIR]     (default build/train)
#
# One training thread: the run is the same, bit for bit, on any machine
# (more threads train faster but give other weights).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/build/train}"
build="${TABLOR_BUILD:-$root/build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target tablor-train -j "$(nproc)"
exec nice "$build/tablor-train" --dir "$dir" --seed 1 --threads 1 --hidden 128 --race-hidden 64 \
    --alpha 0.1 --alpha-end 0.02 --anneal-games 4000000 --games "${TABLOR_TRAIN_GAMES:-5000000}" \
    --round-games 100 --checkpoint-games 50000 --keep-games 500000
