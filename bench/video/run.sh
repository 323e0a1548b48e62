#!/usr/bin/env bash
# Video export: how long slyders-sim takes to make a minute of a game into a 1280x720 video,
# against the minute itself. The game is one Good computer alone on the arena of a 1080-line
# screen (972), 64 s of play at Medium speed; its first minute is exported as WebM (VP9, Opus)
# and as MP4 (H.264, AAC), the window picture drawn at 1728x1080 and scaled down, the game's
# sounds mixed in. Wall time depends on what else the machine runs; the CPU seconds (user and
# system, all threads) do not. Each file is checked with ffprobe: codecs, size, length.
#   bench/video/run.sh [build dir, default <repo>/build] [runs, default 1] [size, default 1280x720]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(realpath -m "${1:-$root/build}")"
runs="${2:-1}"
size="${3:-1280x720}"
minute=60
target=20  # seconds of work allowed for the minute, on two cores

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
ninja -C "$build" slyders-sim >/dev/null
sim="$build/bin/slyders-sim"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
"$sim" --computers 1 --skill 3 --arena 972 --seed 8 --record game.slyrep >/dev/null

field() { sed -n "s/.*\"$1\":\([0-9.]*\).*/\1/p" <<<"$2" | tail -n 1; }

printf "%-5s %9s %7s %9s %8s %12s %8s  %s\n" format size video "wall s" "cpu s" "wall s/min" "x real" "ffprobe"
worst=0
for format in webm mp4; do
    best_wall="" best_cpu=""
    for _ in $(seq "$runs"); do
        TIMEFORMAT="%R %U %S"
        { timing="$( { time "$sim" --replay game.slyrep --video "game.$format" --to "$minute" \
                          --size "$size" >out.json 2>err.txt; } 2>&1 )"; } || {
            echo "$format: the export failed: $(cat err.txt)"
            exit 1
        }
        read -r real user sys <<<"$timing"
        cpu="$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')"
        if [ -z "$best_wall" ] || awk -v a="$real" -v b="$best_wall" 'BEGIN { exit !(a < b) }'; then
            best_wall="$real" best_cpu="$cpu"
        fi
    done
    seconds="$(field seconds "$(cat out.json)")"
    probe="$(ffprobe -v error -show_entries stream=codec_name,width,height:format=duration \
                 -of default=nw=1:nk=1 "game.$format" | tr '\n' ' ')"
    per_minute="$(awk -v w="$best_wall" -v s="$seconds" 'BEGIN { printf "%.1f", w * 60 / s }')"
    awk -v f="$format" -v size="$size" -v s="$seconds" -v w="$best_wall" -v c="$best_cpu" \
        -v m="$per_minute" -v p="$probe" \
        'BEGIN { printf "%-5s %9s %7.1f %9.2f %8.2f %12s %8.2f  %s\n", f, size, s, w, c, m, s / w, p }'
    worst="$(awk -v a="$worst" -v b="$per_minute" 'BEGIN { print (b > a ? b : a) }')"
done
echo "target: a minute of game in at most $target s on two cores; slowest format: $worst s"
echo "load average while measuring: $(cut -d' ' -f1-3 /proc/loadavg)"
