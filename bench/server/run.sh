#!/usr/bin/env bash
# The dedicated server under light load over 127.0.0.1: rooms of four machines at the Medium
# pace (the machines only send keys and read frames; the server plays every game itself).
# Prints the server's CPU per room, the rooms one core holds at full pace (from that), and
# the frame latency the server adds, p50 and p99, at 10 and at 100 rooms.
#   bench/server/run.sh [build dir] [seconds per run]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../../build}"
seconds="${2:-20}"
server="$build/bin/slyders-server"
load="$build/bench/server/bench_server_load"
work="$(mktemp -d)"
port=$((30000 + $$ % 20000))
export XDG_CONFIG_HOME="$work" XDG_DATA_HOME="$work" HOME="$work"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
ticks=$(getconf CLK_TCK)

cpu() {  # user + system clock ticks of the process
    awk '{print $14 + $15}' "/proc/$1/stat"
}

run() {  # rooms
    local rooms="$1"
    "$server" --port "$port" --address 127.0.0.1 --db "$work/ladder-$rooms.db" \
        --max-rooms "$rooms" >"$work/server-$rooms.log" 2>&1 &
    pid=$!
    sleep 0.5
    local warmup=$((4 + rooms / 8))  # rooms made and the first games started
    # One load process per 10 rooms: a single one cannot keep 400 machines at the pace.
    local loaders=() k
    for ((k = 0; k < (rooms + 9) / 10; k++)); do
        local n=$((rooms - k * 10 < 10 ? rooms - k * 10 : 10))
        "$load" "$port" "$n" "$warmup" "$seconds" >"$work/load-$rooms-$k.json" &
        loaders+=($!)
    done
    sleep "$warmup"
    local before start
    before=$(cpu "$pid")
    start=$(date +%s.%N)
    wait "${loaders[@]}"
    local after end
    after=$(cpu "$pid")
    end=$(date +%s.%N)
    kill -TERM "$pid"
    wait "$pid" || true
    pid=""
    python3 - "$rooms" "$before" "$after" "$start" "$end" "$ticks" "$work/load-$rooms" \
        "$work/server-$rooms.log" <<'PY'
import json, sys
rooms, before, after, start, end, hz = int(sys.argv[1]), *map(float, sys.argv[2:7])
import glob
parts = [json.load(open(f)) for f in glob.glob(sys.argv[7] + "-*.json")]
# The percentiles of the parts, weighted by their frames: close to those of the whole.
samples = sum(p["samples"] for p in parts) or 1
load = {"ticks_released": sum(p["ticks_released"] for p in parts), "samples": samples,
        "latency_p50_ms": sum(p["latency_p50_ms"] * p["samples"] for p in parts) / samples,
        "latency_p99_ms": max(p["latency_p99_ms"] for p in parts)}
games = sum(1 for l in open(sys.argv[8]) if " checked after " in l)
share = (after - before) / hz / (end - start)
per_room = share / rooms
playing = sum(1 for l in open(sys.argv[8]) if " started with " in l)
print(f"{rooms:4d} rooms ({playing} games started): server CPU {share * 100:.1f} % of a core, {per_room * 100:.2f} % per room "
      f"(~{int(1 / per_room) if per_room > 0 else 0} rooms a core at full pace); "
      f"{load['ticks_released']} ticks released, {games} games checked; added latency "
      f"p50 {load['latency_p50_ms']:.2f} ms, p99 {load['latency_p99_ms']:.2f} ms "
      f"({load['samples']} frames)")
PY
}

echo "slyders-server, four-player rooms at the Medium pace, ${seconds} s each run"
run 10
run 100
