#!/usr/bin/env bash
# The router test bed: two homes behind routers of their own, an internet between them, all
# in network namespaces made here and removed at the end. It proves, with headless machines
# (slyders-sim):
#  - two machines of one home see each other's game in the local network's list, and a host
#    that stops is gone from it;
#  - a game hosted in home A cannot be joined from home B while A's router forwards nothing,
#    and the host says so with the lobby's words;
#  - with miniupnpd running in A's router the host opens its port by itself, the guest from
#    home B joins through it, both machines play the same game, and the port is closed again
#    when the host ends;
#  - when a slyders-server has been built, the server scenario runs too.
# Needs root (ip netns); prints a SKIP line and succeeds where namespaces cannot be made.
#   tests/netns/router_test.sh [BUILD_DIR]
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../../build}"
sim="$build/bin/slyders-sim"
port=27960

skip() {
    echo "SKIP: router test bed: $*"
    exit 0
}
[ "$(id -u)" -eq 0 ] || skip "needs root to make network namespaces"
for tool in ip nft miniupnpd timeout; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (./build.sh netns installs it)"
done
[ -x "$sim" ] || { echo "FAIL: no $sim: build first"; exit 1; }

id="sly$$"
probe="${id}probe"
ip netns add "$probe" 2>/dev/null || skip "ip netns add fails here (no network namespaces)"
ip netns del "$probe"

tmp="$(mktemp -d)"
namespaces=()
pids=()
teardown() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    for ns in "${namespaces[@]}"; do ip netns del "$ns" 2>/dev/null; done
    rm -rf "$tmp"
}
trap teardown EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*"
    for f in "$tmp"/*.out "$tmp"/*.err; do
        [ -s "$f" ] && { echo "--- $(basename "$f")"; tail -n 20 "$f"; }
    done
    exit 1
}
ok() { echo "ok: $*"; }

# The internet is 11.0.0.0/24: the router daemon refuses documentation and private ranges as
# a public address. Nothing leaves the namespaces, which have no link to this machine's own.
inet="${id}net" ra="${id}ra" rb="${id}rb" ha="${id}ha" ha2="${id}ha2" gb="${id}gb" srv="${id}srv"
newns() {
    ip netns add "$1" || fail "cannot add namespace $1"
    namespaces+=("$1")
    ip -n "$1" link set lo up
}
# A cable between two namespaces: ends named $2 in $1 and $4 in $3.
cable() { ip link add "$2" netns "$1" type veth peer name "$4" netns "$3" || fail "no cable $1-$3"; }
addr() { ip -n "$1" addr add "$3" brd + dev "$2" && ip -n "$1" link set "$2" up; }
in_ns() { local ns="$1"; shift; ip netns exec "$ns" "$@"; }

for ns in "$inet" "$ra" "$rb" "$ha" "$ha2" "$gb" "$srv"; do newns "$ns"; done
ip -n "$inet" link add wan type bridge && ip -n "$inet" link set wan up
for end in "$ra:11.0.0.1:porta" "$rb:11.0.0.2:portb" "$srv:11.0.0.10:portsrv"; do
    IFS=: read -r ns a socket <<<"$end"
    cable "$ns" wan "$inet" "$socket"
    ip -n "$inet" link set "$socket" master wan up
    addr "$ns" wan "$a/24"
done
# Each home: a router with its LAN bridge, and the machines on it.
home() {
    local router="$1" net="$2"
    shift 2
    ip -n "$router" link add lan type bridge
    addr "$router" lan "$net.1/24"
    local n=2
    for machine in "$@"; do
        cable "$machine" eth0 "$router" "m$n"
        ip -n "$router" link set "m$n" master lan up
        addr "$machine" eth0 "$net.$n/24"
        ip -n "$machine" route add default via "$net.1"
        n=$((n + 1))
    done
    in_ns "$router" sysctl -qw net.ipv4.ip_forward=1
    # A home router: out through masquerading, in only what was asked for from inside or
    # what the router daemon forwards (its chains are the ones miniupnpd fills).
    in_ns "$router" nft -f - <<'NFT' || fail "nftables refused the router's rules"
table inet filter {
    chain forward {
        type filter hook forward priority 0; policy drop;
        ct state established,related accept
        iifname "lan" accept
        jump miniupnpd
    }
    chain miniupnpd {
    }
    chain prerouting {
        type nat hook prerouting priority -100; policy accept;
        jump prerouting_miniupnpd
    }
    chain postrouting {
        type nat hook postrouting priority 100; policy accept;
        jump postrouting_miniupnpd
        oifname "wan" masquerade
    }
    chain prerouting_miniupnpd {
    }
    chain postrouting_miniupnpd {
    }
}
NFT
}
home "$ra" 192.168.10 "$ha" "$ha2"
home "$rb" 192.168.20 "$gb"
ip -n "$gb" route get 11.0.0.1 >/dev/null || fail "home B has no way to home A's router"
ok "two homes behind masquerading routers, an internet between"

# Every machine keeps its files in a home of its own below the test's folder. Started in the
# background, `ip` itself is the machine's process ($!): each step execs the next.
home_of() {
    mkdir -p "$tmp/home-$1"
    echo "HOME=$tmp/home-$1 XDG_CONFIG_HOME=$tmp/home-$1/.config XDG_DATA_HOME=$tmp/home-$1/.local/share"
}
machine() {
    local ns="$1" name="$2"
    shift 2
    # shellcheck disable=SC2046
    ip netns exec "$ns" env -u XDG_RUNTIME_DIR $(home_of "$name") "$@"
}
host_game() {  # NAME: a host in home A at every address, waiting for one guest
    # shellcheck disable=SC2046
    ip netns exec "$ha" env -u XDG_RUNTIME_DIR $(home_of "$1") timeout 60 "$sim" --host "$port" \
        --listen any --joiners 1 --wait-seconds 40 --arena 250 --unpaced --games 1 \
        >"$tmp/$1.out" 2>"$tmp/$1.err" &
    host_pid=$!
    pids+=("$host_pid")
}
wait_line() {  # FILE PATTERN SECONDS
    local i
    for ((i = 0; i < $3 * 10; i++)); do
        grep -q "$2" "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}
find_games() {  # NAME: the list as a machine of home A sees it
    machine "$ha2" "$1" timeout 10 "$sim" --find-games 2.5 >"$tmp/$1.out" 2>"$tmp/$1.err"
}

# --- no router daemon: the local network sees the game, the other home cannot join it
host_game closed
wait_line "$tmp/closed.out" '"port_mapping"' 15 || fail "the host never said what the router did"
grep -q "Your router did not open port $port" "$tmp/closed.out" ||
    fail "without a router daemon the host does not give the lobby's message"
ok "without a mapping the host says: $(grep -o 'Your router did not open port [0-9]*' "$tmp/closed.out")"
find_games list1 || fail "the local network's list failed"
grep -q "\"game\":\"192.168.10.2:$port\"" "$tmp/list1.out" ||
    fail "the other machine of home A does not list the game"
ok "a machine on the same bridge lists the game within 2.5 s"
machine "$gb" refused timeout 20 "$sim" --join "11.0.0.1:$port" --wait-seconds 4 \
    >"$tmp/refused.out" 2>"$tmp/refused.err" && fail "home B joined with nothing forwarded"
ok "home B cannot join directly: $(tail -n 1 "$tmp/refused.err")"
kill "$host_pid" 2>/dev/null
wait "$host_pid" 2>/dev/null
find_games list2 || fail "the local network's list failed"
grep -q '"games_found":0' "$tmp/list2.out" || fail "a host that stopped is still listed"
ok "a host that stopped is gone from the list"

# --- miniupnpd in A's router: the port opens by itself and home B joins through it
cat >"$tmp/miniupnpd.conf" <<CONF
ext_ifname=wan
listening_ip=lan
http_port=0
enable_natpmp=yes
enable_upnp=yes
secure_mode=yes
system_uptime=yes
uuid=3f1d2a60-5c1e-4b7e-9a57-51d3e2a0c0de
allow 1024-65535 192.168.10.0/24 1024-65535
deny 0-65535 0.0.0.0/0 0-65535
CONF
ip netns exec "$ra" timeout 120 miniupnpd -d -f "$tmp/miniupnpd.conf" -P "$tmp/miniupnpd.pid" \
    >"$tmp/miniupnpd.out" 2>"$tmp/miniupnpd.err" &
pids+=("$!")
sleep 1
host_game mapped
wait_line "$tmp/mapped.out" '"port_mapping"' 15 || fail "the host never said what the router did"
grep -q "Friends on the internet join 11.0.0.1:$port" "$tmp/mapped.out" ||
    fail "the router daemon did not open the port for the host"
ok "the host says: $(grep -o 'Friends on the internet join [0-9.:]*' "$tmp/mapped.out")"
in_ns "$ra" nft list chain inet filter prerouting_miniupnpd | grep -q "dport $port" ||
    fail "the router holds no forwarding for the port"
machine "$gb" joined timeout 60 "$sim" --join "11.0.0.1:$port" --wait-seconds 20 \
    >"$tmp/joined.out" 2>"$tmp/joined.err" || fail "home B did not play through the mapped port"
wait "$host_pid" || fail "the host did not end well"
host_hash="$(grep -o '"final_hash":"[0-9a-f]*"' "$tmp/mapped.out")"
[ -n "$host_hash" ] && grep -q "$host_hash" "$tmp/joined.out" || fail "the machines ended apart"
grep -q '"stopped":null' "$tmp/joined.out" || fail "the guest's game was stopped"
ok "home B joined through the mapped port; both machines end at $host_hash"
in_ns "$ra" nft list chain inet filter prerouting_miniupnpd | grep -q "dport $port" &&
    fail "the port is still forwarded after the host ended"
ok "the forwarding went with the host"

# --- a room through a server on the internet side
server="$(find "$build" -name slyders-server -type f -perm -u+x 2>/dev/null | head -n 1)"
if [ -z "$server" ]; then
    echo "SKIP: server scenario: no slyders-server in $build"
elif [ ! -f "$here/server_scenario.sh" ]; then
    echo "SKIP: server scenario: slyders-server is built but tests/netns/server_scenario.sh is missing"
else
    # The scenario runs with the bed as it stands: in_ns, machine, fail, ok, $srv at
    # 11.0.0.10, home A's $ha and $ha2, home B's $gb, $sim, $server and $tmp.
    # shellcheck source=/dev/null
    . "$here/server_scenario.sh"
fi
echo "router test bed: passed"
