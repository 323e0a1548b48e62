#!/usr/bin/env bash
# Tick timing of the real game: runs a DEMO game under Xvfb for a while with the tick log on
# and prints the number of ticks, the median and 99th percentile of |release - scheduled|
# (scheduled = anchor + (tick mod 20) x period, the anchor being the release of the group's
# tick 19 before), the 99th percentile of each tick's work, and the CPU use while ticking.
# Two cases, both in a 1280x720 window: a DEMO game on the window's own 648-pixel arena, and
# a DEMO game recorded on a 972-pixel arena (a 1080-line screen's) watched there, scaled.
#   bench/tick/run.sh [build dir] [seconds] [extra game options]
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(realpath -m "${1:-$here/build}")"  # the script changes folder later
seconds="${2:-20}"
shift $(( $# > 2 ? 2 : $# )) || true
command -v Xvfb >/dev/null || { echo "needs Xvfb (apt-get install xvfb)"; exit 2; }
cmake --build "$build" --target slyders slyders-sim >/dev/null || echo "(build failed; timing the existing binary)"

top="$(mktemp -d)"
game="" xvfb=""
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$top"' EXIT
display=":$(( 90 + RANDOM % 9 ))"
Xvfb "$display" -screen 0 1400x900x24 >/dev/null 2>&1 & xvfb=$!
sleep 1
"$build/bin/slyders-sim" --demo --seed 11 --arena 972 --record "$top/972.slyrep" >/dev/null

# measure "case" game options...
measure() {
    echo "== $1"
    shift
    work="$top/$RANDOM"
    mkdir -p "$work"
    cd "$work"  # the game may write Default.par here, never in the checkout
    DISPLAY="$display" "$build/bin/slyders" --window 1280x720 --seed 11 --tick-log "$work/ticks.log" "$@" \
        >/dev/null 2>&1 & game=$!

    # CPU time is sampled while ticks keep coming: a finished DEMO game waits for its message box.
    clk=$(getconf CLK_TCK)
    cpu() { awk '{print $14 + $15}' "/proc/$game/stat"; }
    sleep 2
    t0=$(date +%s.%N); c0=$(cpu); n0=$(wc -l < "$work/ticks.log")
    t1=$t0; c1=$c0
    end=$(( $(date +%s) + seconds ))
    while [ "$(date +%s)" -lt "$end" ]; do
        sleep 0.5
        n=$(wc -l < "$work/ticks.log")
        if [ "$n" -gt "$n0" ]; then t1=$(date +%s.%N); c1=$(cpu); n0=$n; fi
    done

    # Percentile p (0..1) of a column of numbers.
    pct() { sort -n | awk -v p="$1" '{ v[NR] = $1 } END { if (NR) print v[int(NR * p) + 1]; else print "-" }'; }

    awk '{ tick[NR] = $1; rel[NR] = $2; idx[$1] = NR }
         END {
             for (i = 1; i <= NR; i++) {
                 n = tick[i]; k = n % 20; prev = n - k - 1
                 if (!(prev in idx)) continue
                 d = rel[i] - (rel[idx[prev]] + k * 13000); print (d < 0 ? -d : d)
             }
         }' "$work/ticks.log" > "$work/dev"
    awk '{ print $3 }' "$work/ticks.log" > "$work/work"
    echo "ticks logged:        $(wc -l < "$work/ticks.log")"
    echo "release deviation:   median $(pct 0.5 < "$work/dev") us, p99 $(pct 0.99 < "$work/dev") us (target p99 < 1000 us)"
    echo "tick work:           median $(pct 0.5 < "$work/work") us, p99 $(pct 0.99 < "$work/work") us"
    awk -v c0="$c0" -v c1="$c1" -v t0="$t0" -v t1="$t1" -v clk="$clk" 'BEGIN {
        if (t1 > t0) printf "CPU while ticking:   %.1f %% of one core (target < 10 %%)\n", 100 * (c1 - c0) / clk / (t1 - t0) }'
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    game=""
}

measure "1280x720 window, DEMO game on its own 648-pixel arena" --demo "$@"
measure "1280x720 window showing a 972-pixel game (a replay), scaled" --replay "$top/972.slyrep" "$@"
