#!/usr/bin/env bash
# Simulator speed against an older commit: builds slyders-sim of BASE_REV (in a temporary git
# worktree, removed at exit) and of the current tree with the same build type, checks that both
# play the same games (every game line byte for byte, DEMO and computers-only), then times both
# on the same DEMO games, alternating, five runs each (SLYDERS_COMPARE_RUNS), and prints the best
# figure of each, their ratio, and the middle ratio of the pairs of runs.
#   bench/sim/compare.sh [BASE_REV, default e64d5ec] [games, default 200] [build dir of the
#                        current tree, default <repo>/build-compare]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
base_rev="${1:-e64d5ec}"
games="${2:-200}"
build="$(realpath -m "${3:-$root/build-compare}")"
build_type=RelWithDebInfo
runs="${SLYDERS_COMPARE_RUNS:-5}"
export QT_QPA_PLATFORM=offscreen

tmp="$(mktemp -d)"
cleanup() {
    git -C "$root" worktree remove --force "$tmp/base" >/dev/null 2>&1 || true
    rm -rf "$tmp"
}
trap cleanup EXIT

build_sim() {  # source dir, build dir
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" -DSLYDERS_TESTS=OFF >/dev/null
    ninja -C "$2" -j2 slyders-sim >/dev/null
}

echo "building $base_rev ($(git -C "$root" rev-parse --short "$base_rev")) and the current tree ($build_type)"
git -C "$root" worktree add --detach "$tmp/base" "$base_rev" >/dev/null 2>&1
build_sim "$tmp/base" "$tmp/base-build"
build_sim "$root" "$build"
base_sim="$tmp/base-build/bin/slyders-sim"
new_sim="$build/bin/slyders-sim"

# The game lines are all lines but the summary; both builds must print them byte for byte.
same_games() {
    "$base_sim" "$@" 2>/dev/null | grep -v '"summary"' >"$tmp/base.out"
    "$new_sim" "$@" 2>/dev/null | grep -v '"summary"' >"$tmp/new.out"
    if ! cmp -s "$tmp/base.out" "$tmp/new.out"; then
        echo "DIFFERENT GAMES for: $*" >&2
        diff "$tmp/base.out" "$tmp/new.out" | head -n 6 >&2
        exit 1
    fi
    echo "same games ($(wc -l <"$tmp/new.out") lines): $*"
}
same_games --demo --games "$games" --seed 1
same_games --games 20 --seed 5 --computers 2 --skill 1
same_games --games 20 --seed 5 --computers 2 --skill 3
same_games --games 20 --seed 5 --computers 1 --skill 2

pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)
rate() {  # simulator -> ticks per second of one run
    "${pin[@]}" "$1" --demo --games "$games" --seed 1 2>/dev/null | tail -n 1 |
        sed -n 's/.*"ticks_per_second":\([0-9.]*\).*/\1/p'
}
best_base=0 best_new=0 ratios=()
for ((i = 1; i <= runs; ++i)); do
    b="$(rate "$base_sim")"
    n="$(rate "$new_sim")"
    ratios+=("$(awk -v a="$b" -v b="$n" 'BEGIN { printf "%.2f", b / a }')")
    echo "run $i: base $b, current $n ticks/s (ratio ${ratios[-1]})"
    best_base="$(awk -v a="$best_base" -v b="$b" 'BEGIN { print (b > a ? b : a) }')"
    best_new="$(awk -v a="$best_new" -v b="$n" 'BEGIN { print (b > a ? b : a) }')"
done
echo "$games DEMO games, best of $runs:"
echo "  base $base_rev: $best_base ticks per second"
echo "  current tree: $best_new ticks per second"
awk -v a="$best_base" -v b="$best_new" 'BEGIN { printf "  ratio of the best runs: %.2f\n", b / a }'
# Each pair of runs shares the machine's mood of the moment, so the middle ratio of the pairs
# is the steadier figure on a noisy machine.
printf '%s\n' "${ratios[@]}" | sort -n | awk '{ r[NR] = $1 } END { printf "  middle ratio of the %d pairs: %.2f\n", NR, r[int((NR + 1) / 2)] }'
