#!/usr/bin/env bash
# Two headless machines on 127.0.0.1, the guest's font library pointed at one face for every
# font (fontconfig with DejaVu only): it is refused at join, before any game, with what
# differs; then a guest with the host's fonts joins and the game is played to its end.
set -u
sim="${1:?usage: font_differs_test.sh SLYDERS_SIM}"
tmp="$(mktemp -d)"
host_pid=""
cleanup() {
    [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null && wait "$host_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_DATA_HOME="$tmp/home/.local/share"
mkdir -p "$HOME"
port=$((21000 + $$ % 20000))

cat >"$tmp/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$tmp/fontcache</cachedir>
</fontconfig>
CONF

fail() {
    echo "FAIL: $*"
    for f in "$tmp"/*.out "$tmp"/*.err; do [ -s "$f" ] && { echo "--- $f"; cat "$f"; }; done
    exit 1
}

timeout 60 "$sim" --host "$port" --joiners 1 --wait-seconds 30 --arena 200 --unpaced \
    >"$tmp/host.out" 2>"$tmp/host.err" &
host_pid=$!
sleep 1

FONTCONFIG_FILE="$tmp/fonts.conf" timeout 30 "$sim" --join "127.0.0.1:$port" --wait-seconds 10 \
    >"$tmp/other.out" 2>"$tmp/other.err" && fail "a guest drawing with another face joined"
grep -q "draws the arena's texts differently" "$tmp/other.err" ||
    fail "the refusal does not say that the texts are drawn differently"
grep -q '"ticks"' "$tmp/other.out" && fail "the refused guest played a game"

timeout 30 "$sim" --join "127.0.0.1:$port" --wait-seconds 20 >"$tmp/same.out" 2>"$tmp/same.err" ||
    fail "a guest with the host's fonts did not play"
wait "$host_pid" || fail "the host did not end well"
host_pid=""
host_hash="$(grep -o '"final_hash":"[0-9a-f]*"' "$tmp/host.out")"
[ -n "$host_hash" ] && grep -q "$host_hash" "$tmp/same.out" || fail "the machines ended apart"
echo "fonts: a guest with another face is refused at join; one with the host's plays alike"
