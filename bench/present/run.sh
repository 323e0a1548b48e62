#!/usr/bin/env bash
# Builds and runs the presentation benchmark: times of ComposeWindowPicture, DrawBackground
# for each type, ShowHighScores with 20 players and PaintScoreboard on a 1920 x 1080 window.
#   bench/present/run.sh [build dir] [--png file]
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(realpath -m "${1:-$here/build}")"
shift $(( $# > 0 ? 1 : 0 ))
[ -f "$build/build.ninja" ] || cmake -S "$here" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target bench_present -- -j2 >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/present/bench_present" "$@"
