#!/usr/bin/env bash
# Replays: how many bytes a minute of play costs, and how fast slyders-sim checks a replay
# (plays it back and compares its state hash every 20 ticks) next to the simulator's own speed
# for the very same game, with the ratio of the two. The games are DEMO games at the default
# arena side (972), recorded by the simulator as the window records its games; a minute of
# play is taken at Medium speed (20 ticks in 19 periods of 13 ms).
# Then the jumps of a replay watched in the window: 100 jumps to random moments of the longest
# DEMO game found among 300 seeds (seed 1161, 5029 ticks, about a minute at Medium: no game
# of computers lasts five minutes), from the moments of the game kept every few hundred ticks
# as the window does, by playing from the start instead, and with the moments as far apart as
# a five-minute game keeps them (a jump replays at most that far), median and worst.
# It ends with the video export figures of bench/video/run.sh.
#   bench/replay/run.sh [build dir, default <repo>/build] [seeds, default "3 5 7 11"] [runs, default 5]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(realpath -m "${1:-$root/build}")"
seeds="${2:-3 5 7 11}"
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
best() { awk -v a="$1" -v b="$2" 'BEGIN { print (b > a ? b : a) }'; }
calc() { awk "BEGIN { printf \"%.6f\", $1 }"; }

printf "%-6s %7s %8s %10s %16s %14s %6s\n" seed ticks bytes "bytes/min" "replay ticks/s" "sim ticks/s" ratio
all_ticks=0 all_replay_s=0 all_sim_s=0 all_bytes=0 lowest=""
for seed in $seeds; do
    "$sim" --demo --seed "$seed" --record "game$seed.slyrep" >/dev/null 2>&1
    bytes="$(stat -c %s "game$seed.slyrep")"
    # The best of several runs of each, taken in turn: the machine is shared, and the best run
    # is the one least disturbed by other work.
    best_own=0 best_replay=0
    for _ in $(seq "$runs"); do
        own="$("${pin[@]}" "$sim" --demo --seed "$seed" 2>/dev/null | tail -n 1)"
        back="$("${pin[@]}" "$sim" --replay "game$seed.slyrep" 2>/dev/null)"
        [ "$(field agrees "$back")" = "true" ] || { echo "seed $seed: the replay does not agree: $back"; exit 1; }
        best_own="$(best "$best_own" "$(field ticks_per_second "$own")")"
        best_replay="$(best "$best_replay" "$(field ticks_per_second "$back")")"
    done
    ticks="$(field ticks "$back")"
    awk -v seed="$seed" -v bytes="$bytes" -v ticks="$ticks" -v own="$best_own" -v back="$best_replay" \
        'BEGIN { printf "%-6s %7d %8d %10.0f %16.0f %14.0f %6.2f\n", seed, ticks, bytes,
                 bytes / (ticks * (19.0 / 20.0) * 0.013 / 60.0), back, own, back / own }'
    ratio="$(calc "$best_replay / $best_own")"
    replay_s="$(calc "$ticks / $best_replay")"
    sim_s="$(calc "$ticks / $best_own")"
    all_ticks=$((all_ticks + ticks))
    all_bytes=$((all_bytes + bytes))
    all_replay_s="$(calc "$all_replay_s + $replay_s")"
    all_sim_s="$(calc "$all_sim_s + $sim_s")"
    lowest="$(calc "($ratio < ${lowest:-9}) ? $ratio : ${lowest:-9}")"
done

awk -v ticks="$all_ticks" -v bytes="$all_bytes" -v rs="$all_replay_s" -v ss="$all_sim_s" \
    -v lowest="$lowest" 'BEGIN {
    minutes = ticks * (19.0 / 20.0) * 0.013 / 60.0
    printf "all games: %d ticks (%.2f minutes at Medium speed), %.0f replay bytes per minute of play\n",
           ticks, minutes, bytes / minutes
    printf "slyders-sim --replay: %.0f ticks per second (a state hash checked every 20 ticks)\n", ticks / rs
    printf "slyders-sim, the same games: %.0f ticks per second\n", ticks / ss
    printf "replay checking / simulator speed: %.2f (lowest single game %.2f)\n", ss / rs, lowest
}'

long_seed=1161
"$sim" --demo --seed "$long_seed" --record long.slyrep >/dev/null 2>&1
seeks="$("${pin[@]}" "$sim" --replay long.slyrep --seeks 100 2>/dev/null | tail -n 1)"
awk -v ticks="$(field ticks "$seeks")" -v moments="$(field moments "$seeks")" \
    -v scan="$(field scan_seconds "$seeks")" -v p50="$(field seek_p50_ms "$seeks")" \
    -v worst="$(field seek_worst_ms "$seeks")" -v sp50="$(field from_start_p50_ms "$seeks")" \
    -v sworst="$(field from_start_worst_ms "$seeks")" \
    -v fspacing="$(field five_minute_spacing "$seeks")" -v fp50="$(field five_minute_p50_ms "$seeks")" \
    -v fworst="$(field five_minute_worst_ms "$seeks")" 'BEGIN {
    printf "seek: 100 random jumps in a game of %d ticks (%.2f minutes at Medium), %d kept moments, read in %.2f s\n",
           ticks, ticks * (19.0 / 20.0) * 0.013 / 60.0, moments, scan
    printf "seek from kept moments: p50 %.1f ms, worst %.1f ms\n", p50, worst
    printf "seek by playing from the start: p50 %.1f ms, worst %.1f ms\n", sp50, sworst
    printf "seek with the moments of a five-minute game (%d ticks apart): p50 %.1f ms, worst %.1f ms\n", fspacing, fp50, fworst
}'

# Video export of a minute of game against the minute itself.
"$root/bench/video/run.sh" "$build" 1
