#!/usr/bin/env python3
"""A UDP forwarder on 127.0.0.1 that holds every datagram back and loses a share of them,
with a fixed seed. One upstream socket per guest. Stops by itself after --seconds."""
import argparse, heapq, random, select, socket, time

ap = argparse.ArgumentParser()
ap.add_argument("--listen", type=int, required=True)
ap.add_argument("--to", type=int, required=True)
ap.add_argument("--delay-ms", type=float, default=40)
ap.add_argument("--drop", type=float, default=0.05)
ap.add_argument("--seconds", type=float, default=300)
a = ap.parse_args()

rng = random.Random(13)
outer = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
outer.bind(("127.0.0.1", a.listen))
upstream = {}  # guest address -> its socket towards the host
back = {}      # socket -> guest address
held = []      # (due, n, socket, bytes, address)
n = 0
end = time.monotonic() + a.seconds
while time.monotonic() < end:
    ready, _, _ = select.select([outer] + list(back), [], [], 0.0005)
    now = time.monotonic()
    for s in ready:
        data, addr = s.recvfrom(4096)
        if rng.random() < a.drop:
            continue
        if s is outer:
            up = upstream.get(addr)
            if up is None:
                up = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
                up.bind(("127.0.0.1", 0))
                upstream[addr], back[up] = up, addr
            target = (up, ("127.0.0.1", a.to))
        else:
            target = (outer, back[s])
        n += 1
        heapq.heappush(held, (now + a.delay_ms / 1000, n, target[0], data, target[1]))
    while held and held[0][0] <= now:
        _, _, s, data, addr = heapq.heappop(held)
        s.sendto(data, addr)
