#!/usr/bin/env bash
# The dedicated server under light load over 127.0.0.1: rooms of four machines at the Medium
# pace (the machines only send keys and read frames; the server plays every game itself).
# The server runs on one core and the load on another. For each room count it prints the
# server's CPU per room, the pace the server kept (ticks released / ticks the machines' clocks
# allowed), the frame latency it adds (p50, p99), its memory per room, and machines cut off;
# then the most rooms one core held at full pace (>= 98 % of the ticks), next to the count
# the CPU per room at 100 rooms promises.
#   bench/server/run.sh [build dir] [seconds per run] [arena side] [room counts...]
# On a machine busy with other work, BENCH_NICE=-10 (as root) gives the server and the load
# their cores first, as a server machine would.
set -euo pipefail
# With the kernel's autogroups a nice value counts only within a session: the run takes one
# of its own and sets the nice of its whole group.
if [ -n "${BENCH_NICE:-}" ] && [ -z "${BENCH_SESSION:-}" ] && command -v setsid >/dev/null; then
    BENCH_SESSION=1 exec setsid -w "$0" "$@"
fi
if [ -n "${BENCH_NICE:-}" ] && [ -w /proc/self/autogroup ]; then
    echo "$BENCH_NICE" >"/proc/$$/autogroup" 2>/dev/null || true
fi
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../../build}"
seconds="${2:-15}"
arena="${3:-486}"
shift $(($# < 3 ? $# : 3))
counts=("$@")
[ ${#counts[@]} -eq 0 ] && counts=(10 100 200 250 300)
server="$build/bin/slyders-server"
load="$build/bench/server/bench_server_load"
work="$(mktemp -d)"
port=$((30000 + $$ % 20000))
export XDG_CONFIG_HOME="$work" XDG_DATA_HOME="$work" HOME="$work" XDG_RUNTIME_DIR="$work"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
ticks=$(getconf CLK_TCK)
pinServer=() pinLoad=()
if command -v taskset >/dev/null && [ "$(nproc)" -ge 2 ]; then
    pinServer=(taskset -c 0) pinLoad=(taskset -c 1)
fi
if [ -n "${BENCH_NICE:-}" ]; then
    pinServer=(nice -n "$BENCH_NICE" "${pinServer[@]}") pinLoad=(nice -n "$BENCH_NICE" "${pinLoad[@]}")
fi

cpu() {  # user + system clock ticks of the process
    awk '{print $14 + $15}' "/proc/$1/stat"
}

run() {  # rooms
    local rooms="$1"
    "${pinServer[@]}" "$server" --port "$port" --address 127.0.0.1 --db "$work/ladder-$rooms.db" \
        --max-rooms "$rooms" >"$work/server-$rooms.log" 2>&1 &
    pid=$!
    sleep 0.5
    local warmup=$((4 + rooms / 40))  # connections, rooms made and the first games started
    "${pinLoad[@]}" "$load" "$port" "$rooms" "$warmup" "$seconds" "$arena" \
        >"$work/load-$rooms.json" 2>"$work/load-$rooms.err" &
    local loader=$!
    sleep "$warmup"
    local before start
    before=$(cpu "$pid")
    start=$(date +%s.%N)
    wait "$loader"
    local after end rss
    after=$(cpu "$pid")
    end=$(date +%s.%N)
    rss=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
    kill -TERM "$pid"
    wait "$pid" || true
    pid=""
    python3 - "$rooms" "$before" "$after" "$start" "$end" "$ticks" "$work/load-$rooms.json" \
        "$work/server-$rooms.log" "$rss" "$work/results" <<'PY'
import json, sys
rooms, before, after, start, end, hz = int(sys.argv[1]), *map(float, sys.argv[2:7])
load = json.load(open(sys.argv[7]))
log = open(sys.argv[8]).read().splitlines()
games = sum(" checked after " in l for l in log)
share = (after - before) / hz / (end - start)
per_room = share / rooms
rss_mb = int(sys.argv[9]) / 1024
print(f"{rooms:4d} rooms: server CPU {share * 100:5.1f} % of a core, {per_room * 100:.3f} % per room; "
      f"pace {load['pace'] * 100:5.1f} % ({load['ticks_released']} ticks, {games} games checked); "
      f"added latency p50 {load['latency_p50_ms']:.2f} ms, p99 {load['latency_p99_ms']:.2f} ms; "
      f"peak memory {rss_mb:.0f} MB ({rss_mb / rooms:.1f} MB a room); {load['cut_off']} machines cut off")
with open(sys.argv[10], "a") as out:
    out.write(f"{rooms} {per_room} {load['pace']} {load['cut_off']} {games / rooms / (end - start)}\n")
PY
}

echo "slyders-server, four-player rooms at the Medium pace, arena $arena, ${seconds} s measured each run"
[ ${#pinServer[@]} -gt 0 ] && echo "(${pinServer[*]} for the server, ${pinLoad[*]} for the load)"
for rooms in "${counts[@]}"; do run "$rooms"; done
python3 - "$work/results" <<'PY'
import sys
rows = [l.split() for l in open(sys.argv[1])]
# The server keeps up only when it also plays and checks the games as fast as they end: at
# least half as many games a room and a second as with the fewest rooms.
checked = float(rows[0][4]) if rows else 0
held = [int(r[0]) for r in rows
        if float(r[2]) >= 0.98 and int(r[3]) == 0 and float(r[4]) >= checked / 2]
at100 = [float(r[1]) for r in rows if int(r[0]) == 100]
print(f"most rooms one core held at full pace (>= 98 % of the ticks, nobody cut off, "
      f"the games checked as they end): "
      f"{max(held) if held else 0} of {' '.join(r[0] for r in rows)} tried")
if at100 and at100[0] > 0:
    print(f"rooms one core holds by the CPU per room at 100 rooms: ~{int(1 / at100[0])}")
PY
