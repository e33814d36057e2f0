#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets of the readers of outside data (position, scheme,
# graph, settings, rolls, weights and match files) with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a while on its corpus.
#
# Usage: scripts/fuzz.sh [--seconds N] [--merge] [--only NAME] [BUILD_DIR]
#   --seconds N  run each target N seconds (default 10)
#   --merge      add the inputs that reach new code to fuzz/corpus/<name>/
#                (for long runs by hand; short runs never touch the corpus;
#                hit counts are not told apart, which keeps the corpus small)
#   --only NAME  build and run one target (PositionFile, SchemeFile, ...)
#   BUILD_DIR    where the targets, logs and crash inputs go (default build-fuzz)
#
# Exits non-zero when a target fails to build, crashes, breaks an invariant
# or hangs; exits 0 with a notice when clang++ or libFuzzer is missing.
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
seconds=10
merge=0
only=""
build=""
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) seconds="${2:?--seconds needs a number}"; shift 2 ;;
    --seconds=*) seconds="${1#*=}"; shift ;;
    --merge) merge=1; shift ;;
    --only) only="${2:?--only needs a target name}"; shift 2 ;;
    -h | --help) sed -n '2,15p' "$0"; exit 0 ;;
    -*) echo "fuzz: unknown option $1" >&2; exit 2 ;;
    *) build="$1"; shift ;;
    esac
done
# libFuzzer would take 0 seconds as "no limit".
case "$seconds" in '' | *[!0-9]* | 0) echo "fuzz: --seconds wants a whole number of at least 1" >&2; exit 2 ;; esac

# Each target: its name, the sources of the reader it drives, and the longest
# input worth trying (0: libFuzzer's own choice from the corpus).
targets=(PositionFile SchemeFile GraphFile SettingsFile RollsFile WeightsFile MatchFile)
# Every reader opens files through RegularFile, every writer writes through AtomicFile.
files="src/core/files/RegularFile.cpp src/core/files/AtomicFile.cpp src/core/files/LinkRule.cpp"
declare -A sources=(
    [PositionFile]="src/core/files/PositionFile.cpp src/core/board/BoardData.cpp $files"
    [SchemeFile]="src/core/files/SchemeFile.cpp $files"
    [GraphFile]="src/core/files/WinGraph.cpp $files"
    [SettingsFile]="src/core/settings/Profile.cpp src/core/settings/Settings.cpp $files"
    [RollsFile]="src/core/dice/DiceRecord.cpp src/core/settings/Paths.cpp src/core/files/RegularFile.cpp
                 src/core/files/LinkRule.cpp"
    [MatchFile]="src/core/files/MatchImport.cpp src/core/files/MatchFile.cpp src/core/files/Notation.cpp src/core/neural/Plays.cpp
                 src/core/neural/Checkers.cpp src/core/board/BoardData.cpp $files"
    [WeightsFile]="src/core/neural/WeightsFile.cpp src/core/neural/Evaluator.cpp src/core/neural/Network.cpp
                   src/core/neural/Encoding.cpp src/core/neural/Checkers.cpp src/core/neural/Bearoff.cpp
                   src/core/neural/Plays.cpp src/core/board/BoardData.cpp $files"
)
declare -A maxlen=([PositionFile]=600 [SchemeFile]=200 [GraphFile]=420 [SettingsFile]=0 [RollsFile]=512 [WeightsFile]=0 [MatchFile]=4096)
# Every settings lookup takes a fresh 64 KiB read buffer; with AddressSanitizer's
# default 256 MiB quarantine each one faults in new pages, which halves the speed.
declare -A asan=([SettingsFile]="quarantine_size_mb=16")

if [ -n "$only" ] && [ -z "${sources[$only]+set}" ]; then
    echo "fuzz: no target $only (targets: ${targets[*]})" >&2
    exit 2
fi

build="${build:-$root/build-fuzz}"
mkdir -p "$build" || exit 1
build="$(cd "$build" && pwd)"

cxx="${FUZZ_CXX:-clang++}"
if ! command -v "$cxx" >/dev/null 2>&1; then
    echo "fuzz: skipped, $cxx is not installed"
    exit 0
fi
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined -Wall -Wextra -Wno-missing-field-initializers -I "$root/src")
probe="$build/.probe"
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe.cpp"
if ! "$cxx" "${flags[@]}" "$probe.cpp" -o "$probe" >"$probe.log" 2>&1; then
    echo "fuzz: skipped, $cxx cannot link a libFuzzer target (fuzzer runtime missing?):"
    sed 's/^/  /' "$probe.log" | tail -n 5
    exit 0
fi

# Every input is written to a file, many times faster in a folder in memory
# than on disk. The targets make their files in it, so nothing outlives the run.
scratch="${TMPDIR:-/tmp}"
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm
work="$(mktemp -d "$scratch/tablor-fuzz-run.XXXXXX")" || exit 1
trap 'rm -rf "$work"' EXIT
export TMPDIR="$work"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

selected=("${targets[@]}")
[ -n "$only" ] && selected=("$only")

# Builds one target unless it is newer than every file it could depend on.
build_target() {
    local name="$1" bin="$build/$1Fuzz"
    if [ -x "$bin" ] && [ -z "$(find "$root/src" "$root/fuzz" "$root/scripts/fuzz.sh" -newer "$bin" \
        \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' \) -print -quit)" ]; then
        return 0
    fi
    rm -f "$bin"
    local srcs=()
    for s in ${sources[$name]}; do srcs+=("$root/$s"); done
    "$cxx" "${flags[@]}" "$root/fuzz/${name}Fuzz.cpp" "${srcs[@]}" -o "$bin.new" >"$build/$name.build.log" 2>&1 &&
        mv "$bin.new" "$bin"
}

failed=0
pids=()
for name in "${selected[@]}"; do
    # Two builds at a time.
    if [ ${#pids[@]} -ge 2 ]; then
        wait "${pids[0]}" || true
        pids=("${pids[@]:1}")
    fi
    build_target "$name" &
    pids+=($!)
done
wait
for name in "${selected[@]}"; do
    if [ ! -x "$build/${name}Fuzz" ]; then
        echo "fuzz: $name FAILED to build:"
        sed 's/^/  /' "$build/$name.build.log" | tail -n 30
        rm -f "$build/${name}Fuzz.new"
        failed=1
    fi
done
[ $failed -eq 0 ] || exit 1

mkdir -p "$build/artifacts"
for name in "${selected[@]}"; do
    bin="$build/${name}Fuzz"
    corpus="$root/fuzz/corpus/$name"
    fresh="$work/corpus-$name"
    mkdir -p "$fresh"
    log="$build/$name.log"
    args=(-max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1
          -artifact_prefix="$build/artifacts/$name-")
    [ "${maxlen[$name]}" -gt 0 ] && args+=(-max_len="${maxlen[$name]}")
    # New inputs go to the first folder, a temporary one; the project's corpus is only read.
    ASAN_OPTIONS="${ASAN_OPTIONS:-${asan[$name]:-}}" "$bin" "${args[@]}" "$fresh" "$corpus" >"$log" 2>&1
    status=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    cov="$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)"
    found="$(find "$fresh" -type f | wc -l)"
    kept="$(find "$corpus" -type f 2>/dev/null | wc -l)"
    if [ $status -ne 0 ]; then
        echo "fuzz: $name FAILED (exit $status), log $log:"
        grep -E 'invariant broken|ERROR: |runtime error|SUMMARY|Test unit written|ALARM|timeout' "$log" | head -n 12 |
            sed 's/^/  /'
        failed=1
        continue
    fi
    echo "fuzz: $name ok: ${runs:-?} runs in ${seconds}s, ${cov:-cov ?}, corpus $kept (+$found new)"
    if [ $merge -eq 1 ] && [ "$found" -gt 0 ]; then
        ASAN_OPTIONS="${ASAN_OPTIONS:-${asan[$name]:-}}" "$bin" -merge=1 -use_counters=0 "$corpus" "$fresh" \
            >"$build/$name.merge.log" 2>&1 || {
            echo "fuzz: $name merge FAILED, log $build/$name.merge.log"
            failed=1
        }
        echo "fuzz: $name corpus now $(find "$corpus" -type f | wc -l) files"
    fi
done
exit $failed
