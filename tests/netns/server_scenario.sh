# The router test bed's last part (sourced by router_test.sh, with its helpers and machines):
# a dedicated server on the internet side, a room made by a machine of home A, joined by the
# other machine of home A and by home B through their masquerading routers, nothing forwarded.
# All three play one game, the server checks it, and its ladder holds it.
srvport=27970
in_ns "$srv" env -u XDG_RUNTIME_DIR HOME="$tmp/home-server" timeout 90 "$server" \
    --address 11.0.0.10 --port "$srvport" --db "$tmp/ladder.db" \
    >"$tmp/server.out" 2>"$tmp/server.err" &
server_pid=$!
pids+=("$server_pid")
sleep 1
roomsim=(timeout 60 "$sim" --server "11.0.0.10:$srvport" --arena 250 --unpaced --wait-seconds 30
         --games 1)
machine "$ha" owner "${roomsim[@]}" --create --joiners 2 --names Ann \
    >"$tmp/owner.out" 2>"$tmp/owner.err" &
owner_pid=$!
pids+=("$owner_pid")
wait_line "$tmp/owner.out" '"room":"' 15 || fail "the owner got no room from the server"
room="$(grep -o '"room":"[A-Z0-9]*"' "$tmp/owner.out" | head -n 1 | cut -d'"' -f4)"
ok "home A's owner made room $room at the server on the internet"
machine "$ha2" bob "${roomsim[@]}" --room "$room" --names Bob >"$tmp/bob.out" 2>"$tmp/bob.err" &
bob_pid=$!
pids+=("$bob_pid")
machine "$gb" cid "${roomsim[@]}" --room "$room" --names Cid >"$tmp/cid.out" 2>"$tmp/cid.err" ||
    fail "home B did not play in the room"
wait "$bob_pid" || fail "the second machine of home A did not play in the room"
wait "$owner_pid" || fail "the owner did not end well"
room_hash="$(grep -o '"final_hash":"[0-9a-f]*"' "$tmp/owner.out" | head -n 1)"
[ -n "$room_hash" ] || fail "the owner played no game"
for who in bob cid; do
    grep -q "$room_hash" "$tmp/$who.out" || fail "$who ended apart from the owner"
done
ok "three machines in two homes played room $room alike, ending at $room_hash"
for ((i = 0; i < 50; i++)); do
    grep -q "checked" "$tmp/server.out" && break
    sleep 0.1
done
grep -q "checked" "$tmp/server.out" || fail "the server did not check the game"
kill "$server_pid" 2>/dev/null
wait "$server_pid" 2>/dev/null
in_ns "$srv" timeout 10 "$server" --ladder --db "$tmp/ladder.db" >"$tmp/ladder.out" 2>&1 ||
    fail "the ladder cannot be read"
grep -q "Ann" "$tmp/ladder.out" || fail "the ladder does not hold the room's players"
ok "the server checked the game and its ladder holds it"
