#!/usr/bin/env bash
# Strength and cost of the Expert. Plays GAMES games (default 1000) of one Expert against one
# Good computer in slyders-sim, normal rules, no humans, seeds 1 to GAMES: the first half with
# the Expert in slot 0, the second half with the sides swapped. Prints the share of games the
# Expert finishes ahead with its 95 % (Wilson) interval, the mean survival ticks of each, and
# then the Expert's work per tick at arena 972 (p50, p99) from bench_expert over TIMED games.
# A game of an Expert lasts a few thousand ticks: 1,000 games take over an hour of two busy
# cores, so a smaller count gives a first figure.
#   bench/ai/run.sh [games, default 1000] [build dir, default <repo>/build] [timed games, 20]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
games="${1:-1000}"
build="$(realpath -m "${2:-$root/build}")"
timed="${3:-20}"
export QT_QPA_PLATFORM=offscreen

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
ninja -C "$build" -j2 slyders-sim bench_expert >/dev/null

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
half=$(( games / 2 ))
# The two halves run side by side, one core each.
"$build/bin/slyders-sim" --skills 4,3 --seed 1 --games "$half" >"$tmp/a.out" &
first=$!
"$build/bin/slyders-sim" --skills 3,4 --seed $(( half + 1 )) --games $(( games - half )) >"$tmp/b.out"
wait "$first"

python3 - "$tmp/a.out" "$tmp/b.out" <<'PY'
import json, math, sys
ahead = draws = 0
survival = {"expert": [], "good": []}
for name in sys.argv[1:]:
    for line in open(name):
        g = json.loads(line)
        if g.get("summary"):
            continue
        expert = g["skills"].index(4)
        ahead += g["winner"] == expert
        draws += g["winner"] == "draw"
        died = dict(zip(g["deaths"], g["death_ticks"]))
        for slot in (0, 1):
            who = "expert" if slot == expert else "good"
            survival[who].append(died.get(slot, g["ticks"]))
n = len(survival["expert"])
p, z = ahead / n, 1.96
centre = (p + z * z / (2 * n)) / (1 + z * z / n)
spread = z * math.sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n)
print(f"games: {n} (Expert in slot 0 in the first half, slot 1 in the second)")
print(f"Expert ahead: {ahead} of {n} = {100 * p:.1f} % "
      f"(95 % interval {100 * (centre - spread):.1f} .. {100 * (centre + spread):.1f} %), "
      f"draws {draws}")
for who in ("expert", "good"):
    ticks = survival[who]
    print(f"mean survival ticks, {who}: {sum(ticks) / len(ticks):.0f}")
PY

"$build/bench/ai/bench_expert" "$timed"
