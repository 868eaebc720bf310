#!/usr/bin/env python3
"""Records the replay fixtures that pin the game's behaviour, draw for draw.

Each fixture is a script of dzwonex-text commands; after every `state`
command stands the FNV-1a 64 hash of the state line the game printed.
The replay test feeds the script to dzwonex-text and compares the hashes.

Re-record only when a rule of the game is meant to change:
    tests/text/replay/record.py build/bin/dzwonex-text tests/text/replay
The asset folder holds a 1400 x 1000 map and a 400 x 200 banner strip,
the same sizes as the test's own asset folder.
"""
import json
import os
import random
import subprocess
import sys
import tempfile

SEEDS = [1, 0, 2718, 31337, 123456789, 777, 2026, 4294967295]
USERS = ["Tester", "Zażółć Gęślą", "Jan Kowalski", "x", "Tester", "Ąę", "Gracz", "Operator"]
COMMANDS = 2000
STATE_EVERY = 25
MAP_W, MAP_H = 1400, 1000


def fnv1a64(data: bytes) -> str:
    h = 0xCBF29CE484222325
    for b in data:
        h ^= b
        h = (h * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return f"{h:016x}"


def make_assets(folder: str) -> None:
    subprocess.run(["convert", "-size", f"{MAP_W}x{MAP_H}", "xc:gray", os.path.join(folder, "Mapa.jpg")], check=True)
    subprocess.run(["convert", "-size", "400x200", "xc:white", "-type", "TrueColor", f"BMP3:{folder}/Bannery.bmp"],
                   check=True)


def record(exe: str, assets: str, seed: int, user: str) -> list:
    args = ["--seed", str(seed), "--user", user, "--assets", assets]
    proc = subprocess.Popen([exe] + args, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=False)
    rnd = random.Random(seed * 7919 + 13)
    lines = [f"# args: --seed {seed} --user {user}"]
    state = None

    def ask_state():
        proc.stdin.write(b"state\n")
        proc.stdin.flush()
        line = proc.stdout.readline().rstrip(b"\n")
        return line, json.loads(line.decode("utf-8"))

    for i in range(1, COMMANDS + 1):
        if i % STATE_EVERY == 0:
            raw, state = ask_state()
            lines.append("state " + fnv1a64(raw))
            continue
        roll = rnd.random()
        if roll < 0.30:
            cmd = "day"
        elif roll < 0.42:
            cmd = "tak"
        elif roll < 0.52:
            cmd = "nie"
        elif roll < 0.62:
            cmd = "ok"
        elif roll < 0.72:
            # A press on or near a point: the picture of the state says where they are.
            # The latest recorded state is at most 24 commands old; few points move meanwhile.
            points = [p for kind in state["subscribers"] for p in kind] if state else []
            if points:
                x, y = rnd.choice(points)
                x = min(max(x + rnd.randint(-9, 9), 0), MAP_W - 1)
                y = min(max(y + rnd.randint(-9, 9), 0), MAP_H - 1)
            else:
                x, y = rnd.randrange(MAP_W), rnd.randrange(MAP_H)
            cmd = f"click {x} {y}"
        elif roll < 0.80:
            cmd = f"click {rnd.randrange(MAP_W)} {rnd.randrange(MAP_H)}"
        elif roll < 0.88:
            cmd = f"speed {rnd.choice([-30, -5, 0, 0, 19, 20, 57, 100, 150, 199, 200, 230, 400])}"
        elif roll < 0.95:
            cmd = f"page {rnd.randrange(4)}"
        else:
            cmd = "banner"
        proc.stdin.write((cmd + "\n").encode())
        lines.append(cmd)
    proc.stdin.write(b"quit\n")
    proc.stdin.close()
    proc.wait()
    if proc.returncode != 0:
        raise SystemExit(f"dzwonex-text ended with {proc.returncode} for seed {seed}")
    return lines


def main() -> None:
    exe, out_dir = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as assets:
        make_assets(assets)
        for seed, user in zip(SEEDS, USERS):
            lines = record(exe, assets, seed, user)
            with open(os.path.join(out_dir, f"seed-{seed}.txt"), "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
