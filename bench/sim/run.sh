#!/usr/bin/env bash
# Simulator speed: builds slyders-sim, plays 200 DEMO games at the default arena side (972)
# and prints the ticks per second. The simulator runs on one core; the figure per CPU second
# is also given, as it does not suffer when other work shares the machine.
#   bench/sim/run.sh [build dir, default <repo>/build] [more slyders-sim options]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(realpath -m "${1:-$root/build}")"
[ $# -gt 0 ] && shift

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
ninja -C "$build" -j2 slyders-sim >/dev/null

pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
TIMEFORMAT='%U %S'
cpu="$( { time "${pin[@]}" "$build/bin/slyders-sim" --demo --games 200 "$@" >"$out" 2>/dev/null; } 2>&1 )"

summary="$(tail -n 1 "$out")"
field() { sed -n "s/.*\"$1\":\([0-9.]*\).*/\1/p" <<<"$summary"; }
ticks="$(field ticks)"
echo "games: $(field games), ticks: $ticks, wall: $(field wall_seconds) s"
echo "ticks per second: $(field ticks_per_second)"
awk -v t="$ticks" -v c="$cpu" 'BEGIN { split(c, p, " "); s = p[1] + p[2];
    if (s > 0) printf "ticks per CPU second: %.0f\n", t / s }'
