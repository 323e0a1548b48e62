#!/usr/bin/env bash
# The host's memory while one guest floods it with state checks, over 127.0.0.1: a headless
# host with one guest seat and the flooding guest (bench_flood), the host's resident memory
# sampled every second. The same without the flood shows what the game itself takes.
#   bench/net/flood.sh [build dir] [seconds] [slyders-sim of the host] [protocol version]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../../build}"
seconds="${2:-20}"
sim="${3:-$build/bin/slyders-sim}"
version="${4:-}"
flood="$build/bench/net/bench_flood"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work" XDG_DATA_HOME="$work" HOME="$work"
port=27971
rss() { awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$1/status" 2>/dev/null || echo 0; }

run() {  # name, seconds of flooding
    local name="$1" span="$2"
    timeout $((span + 60)) "$sim" --host "$port" --joiners 1 --games 1 --wait-seconds 30 \
        >/dev/null 2>&1 &
    local runner=$!
    sleep 0.5
    local host
    host=$(pgrep -P "$runner" | head -n 1)  # the host itself, under timeout
    local before most now
    before=$(rss "$host")
    "$flood" "$port" "$span" $version >"$work/$name.out" &
    local flooder=$!
    wait_for_game=3  # the game starts, and takes its own memory, before the flood
    most=$before
    for ((i = 0; i < span + wait_for_game; i++)); do
        sleep 1
        now=$(rss "$host")
        ((now > most)) && most=$now
        ((i >= wait_for_game)) && ! kill -0 "$flooder" 2>/dev/null && break
    done
    wait "$flooder" || true
    echo "$name: $(cat "$work/$name.out")"
    now=$(rss "$host")
    ((now > 0)) && now="$now MB at the end" || now="the host has finished its game"
    echo "  host memory: ${before} MB in the lobby, ${most} MB at most, $now"
    kill "$runner" 2>/dev/null || true
    wait "$runner" 2>/dev/null || true
}

run "no flood" 0
run "flood" "$seconds"
