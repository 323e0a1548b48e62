#!/usr/bin/env bash
# Network play over 127.0.0.1: a headless host and two headless guests, straight and through
# a relay that delays every datagram by 40 ms and loses 5 %. Prints the pace against one
# keyboard, the input delay, the bytes each way per guest and the stalls per minute.
#   bench/net/run.sh [build dir] [games]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../../build}"
games="${2:-2}"
sim="$build/bin/slyders-sim"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work" XDG_DATA_HOME="$work" HOME="$work"
speed=1  # Medium: 13 ms a tick

run() {  # name, port the guests use, host port
    local name="$1" guestPort="$2" hostPort="$3"
    timeout 600 "$sim" --host "$hostPort" --joiners 2 --games "$games" --speed "$speed" \
        --wait-seconds 30 >"$work/$name.host" 2>/dev/null &
    local host=$!
    sleep 0.3
    timeout 600 "$sim" --join "127.0.0.1:$guestPort" --wait-seconds 30 >"$work/$name.g1" 2>/dev/null &
    local g1=$!
    timeout 600 "$sim" --join "127.0.0.1:$guestPort" --wait-seconds 30 >"$work/$name.g2" 2>/dev/null
    wait "$g1" "$host" || true
    python3 - "$name" "$work/$name" "$speed" <<'PY'
import json, sys
name, base, speed = sys.argv[1], sys.argv[2], int(sys.argv[3])
period = [16, 13, 10][speed]
def lines(f):
    return [json.loads(l) for l in open(f) if l.startswith("{")]
host = lines(base + ".host")
games = [l for l in host if "game" in l]
guests = [lines(base + s) for s in (".g1", ".g2")]
agree = all(
    [g["final_hash"] for g in gl if "game" in g] == [g["final_hash"] for g in games]
    for gl in guests)
print(f"{name}: {len(games)} games, machines agree: {agree}")
for gl in guests:
    gs = [g for g in gl if "game" in g]
    summary = [g for g in gl if g.get("summary")][0]
    ticks = sum(g["ticks"] for g in gs)
    wall = sum(g.get("wall_seconds", 0) for g in gs) or 1e-9
    # What one keyboard takes for the very same ticks: the release rule, fast finishes included.
    alone = sum(g.get("pace_seconds", 0) for g in gs) or 1e-9
    stalls = sum(g["stalls"] for g in gs)
    d = gs[0]["delay"] if gs else 0
    print(f"  guest seats {gs[0]['seats'] if gs else '?'}: {ticks / wall:.1f} ticks/s against "
          f"{ticks / alone:.1f} at one keyboard ({100 * alone / wall:.1f} % of its pace), "
          f"input delay {d} ticks = {d * period * 19 / 20:.0f} ms, "
          f"{summary['bytes_sent'] / wall:.0f} B/s up, "
          f"{summary['bytes_received'] / wall:.0f} B/s down, "
          f"{60 * stalls / wall:.1f} stalls/min longer than a tick")
PY
}

run direct 27961 27961
python3 "$here/relay.py" --listen 27963 --to 27962 --delay-ms 40 --drop 0.05 --seconds 600 &
relay=$!
run relay-40ms-5pct 27963 27962
kill "$relay" 2>/dev/null || true
