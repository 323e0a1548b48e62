#!/usr/bin/env bash
# Replays: how many bytes a minute of play costs, and how fast slyders-sim plays a replay
# back next to the simulator's own speed for the same game. The game is a DEMO game at the
# default arena side (972), recorded by the simulator as the window records its games; a
# minute of play is taken at Medium speed (20 ticks in 19 periods of 13 ms).
#   bench/replay/run.sh [build dir, default <repo>/build] [seed, default 5] [runs, default 5]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(realpath -m "${1:-$root/build}")"
seed="${2:-5}"
runs="${3:-5}"

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
ninja -C "$build" slyders-sim >/dev/null
sim="$build/bin/slyders-sim"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)

field() { sed -n "s/.*\"$1\":\([0-9.a-z]*\).*/\1/p" <<<"$2" | tail -n 1; }

"$sim" --demo --seed "$seed" --record game.slyrep >/dev/null 2>&1
bytes="$(stat -c %s game.slyrep)"

# The best of several runs of each: the machine is shared, and the best run is the one
# least disturbed by other work.
best_own=0
best_replay=0
for _ in $(seq "$runs"); do
    own="$("${pin[@]}" "$sim" --demo --seed "$seed" 2>/dev/null | tail -n 1)"
    back="$("${pin[@]}" "$sim" --replay game.slyrep 2>/dev/null)"
    [ "$(field agrees "$back")" = "true" ] || { echo "the replay does not agree: $back"; exit 1; }
    best_own="$(awk -v a="$best_own" -v b="$(field ticks_per_second "$own")" 'BEGIN { print (b > a ? b : a) }')"
    best_replay="$(awk -v a="$best_replay" -v b="$(field ticks_per_second "$back")" 'BEGIN { print (b > a ? b : a) }')"
done
ticks="$(field ticks "$back")"

awk -v bytes="$bytes" -v ticks="$ticks" -v own="$best_own" -v back="$best_replay" 'BEGIN {
    minutes = ticks * (19.0 / 20.0) * 0.013 / 60.0
    printf "game: DEMO, seed '"$seed"', %d ticks (%.2f minutes at Medium speed)\n", ticks, minutes
    printf "replay file: %d bytes, %.0f bytes per minute of play\n", bytes, bytes / minutes
    printf "slyders-sim --replay: %.0f ticks per second (checks a state hash every 20 ticks)\n", back
    printf "slyders-sim, the same game: %.0f ticks per second\n", own
}'
