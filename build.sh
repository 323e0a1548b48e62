#!/usr/bin/env bash
# Slyders: set up, build, play and test.
#   ./build.sh play [game options]   install what is missing, build, start the game
#   ./build.sh test                  install what is missing, build, run every test headless
#   ./build.sh build                 install what is missing and build only
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build_dir="${SLYDERS_BUILD_DIR:-$here/build}"

# Debian packages the project needs; only the missing ones are installed.
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libopenal-dev libopenal1
          libgtest-dev googletest fonts-comic-neue fonts-liberation2 fonts-bebas-neue
          fonts-dejavu-core libenet-dev)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
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
    *)
        echo "usage: $0 play [options] | test | build" >&2
        exit 2
        ;;
esac
