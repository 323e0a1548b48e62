#!/usr/bin/env bash
# Slyders: set up, build, play and test.
#   ./build.sh play [game options]   install what is missing, build, start the game
#   ./build.sh test                  install what is missing, build, run every test headless
#   ./build.sh build                 install what is missing and build only
#   ./build.sh package               install what is missing, build, make build/slyders_*.deb
#   ./build.sh fuzz [seconds]        build the fuzz targets with clang and run each for the
#                                    given time (default 60 s); non-zero on a finding
#   ./build.sh coverage              build with --coverage in build-coverage/, run every test
#                                    and print the line coverage of src/
#   ./build.sh netns                 build, then play through home routers made of network
#                                    namespaces (as root; skipped with a line otherwise)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build_dir="${SLYDERS_BUILD_DIR:-$here/build}"

# Debian packages the project needs; only the missing ones are installed.
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libopenal-dev libopenal1
          libgtest-dev googletest fonts-comic-neue fonts-liberation2 fonts-roboto-unhinted
          fonts-dejavu-core dpkg-dev fakeroot desktop-file-utils appstream file libsdl2-dev libsdl2-2.0-0
          libenet-dev python3 libminiupnpc-dev libnatpmp-dev libavcodec-dev libavformat-dev
          libswscale-dev libswresample-dev ffmpeg libsqlite3-dev qt6-charts-dev
          libqt6opengl6-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)

# Only the fuzz command needs these.
fuzz_packages=(clang libclang-rt-14-dev)
# Only the package command needs these (check_package.sh runs lintian on its package).
package_packages=(lintian)
# Only the coverage command needs these.
coverage_packages=(gcovr)
# Only the router test bed needs these: namespaces, routers' rules and a router daemon.
netns_packages=(iproute2 nftables miniupnpd)

install_missing() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S "$here" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build_dir" --parallel "$(nproc)"
}

# Every reader of outside bytes under libFuzzer with ASan and UBSan, in build-fuzz/: the seed
# corpora come from the targets themselves (the game's own writers), findings land in
# build-fuzz/findings/<target>/.
fuzz() {
    local seconds="${1:-60}" dir="${SLYDERS_FUZZ_DIR:-$here/build-fuzz}" found=0
    CC=clang CXX=clang++ cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSLYDERS_FUZZ=ON -DSLYDERS_TESTS=OFF >/dev/null
    cmake --build "$dir" --target slyders_fuzz --parallel "$(nproc)"
    for target in "$dir"/fuzz/*_fuzz; do
        local name corpus findings log
        name="$(basename "$target")"
        corpus="$dir/corpus/$name" findings="$dir/findings/$name" log="$dir/findings/$name.log"
        mkdir -p "$corpus" "$findings"
        SLYDERS_FUZZ_SEEDS="$corpus" "$target" >/dev/null
        "$target" -max_total_time="$seconds" -max_len=12000 -timeout=10 -print_final_stats=1 \
            -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1 || true
        local execs crashes
        execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
        crashes="$(find "$findings" -type f | wc -l)"
        echo "$name: ${execs:-0} executions, $crashes findings"
        if [ "$crashes" -gt 0 ] || [ -z "$execs" ]; then
            found=1
            grep -m 3 -E "ERROR|fuzz:|runtime error" "$log" | sed 's/^/    /' || true
            echo "    log: $log"
        fi
    done
    return $found
}

# Line coverage of src/ by the whole test suite, from a --coverage build of its own in
# build-coverage/ (no optimisation, so every line counts as written). The network tests run
# several threads through the same code: their counters must add up atomically, or gcov
# reports negative counts that gcovr refuses.
coverage() {
    local dir="${SLYDERS_COVERAGE_DIR:-$here/build-coverage}"
    cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="--coverage -fprofile-update=atomic" \
        -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
    find "$dir" -name '*.gcda' -delete
    # A failing test still leaves its coverage; the figures come out, then the failure counts.
    local status=0
    (cd "$dir" && ctest --output-on-failure --timeout 600 -j "$(nproc)") || status=$?
    gcovr -r "$here" --object-directory "$dir" --filter "$here/src/" --print-summary \
        -j "$(nproc)" -o "$dir/coverage.txt" "$dir"
    echo "per-file figures: $dir/coverage.txt"
    return $status
}

cmd="${1:-play}"
[ $# -gt 0 ] && shift
case "$cmd" in
    play)
        install_missing
        build
        # The game keeps "Default.par" in the folder it is started from.
        exec "$build_dir/bin/slyders" "$@"
        ;;
    test)
        install_missing
        build
        cd "$build_dir"
        ctest --output-on-failure --timeout 300 -j "$(nproc)"
        ;;
    build)
        install_missing
        build
        ;;
    package)
        install_missing "${package_packages[@]}"
        build
        # Packs the same build; dpkg-shlibdeps works out the libraries it needs.
        (cd "$build_dir" && cpack -G DEB)
        ls "$build_dir"/slyders_*.deb
        ;;
    fuzz)
        install_missing "${fuzz_packages[@]}"
        fuzz "$@"
        ;;
    coverage)
        install_missing "${coverage_packages[@]}"
        coverage
        ;;
    netns)
        if [ "$(id -u)" -eq 0 ]; then install_missing "${netns_packages[@]}"; else install_missing; fi
        build
        "$here/tests/netns/router_test.sh" "$build_dir"
        ;;
    *)
        echo "usage: $0 play [options] | test | build | package | fuzz [seconds] | coverage | netns" >&2
        exit 2
        ;;
esac
