#!/usr/bin/env python3
"""Tunes the brick layers of every level so that the simple player's median
moves follow a smooth rising curve through each pack (calibration.txt, read by
levelgen.py). Plays with tv_levelcheck; run by hand after changing the table:
calibrate.py <repository root> <tv_levelcheck> [rounds] [seeds]
"""
import os
import re
import subprocess
import sys

import levelgen

HERE = os.path.dirname(os.path.abspath(__file__))
ROW = re.compile(r"^(classic|gold)\s+(\d+)\s+.*?\s(\d+)/(\d+)\s+(\d+)\s+(\d+)\s+(\d+)")


def target(pack, number):
    # Median moves the simple player should need: the same trend as tune.py.
    lo, hi = (13, 62) if pack == 0 else (64, 112)
    return lo + (hi - lo) * (number - 1) / 54


def write(table, locks):
    with open(os.path.join(HERE, "calibration.txt"), "w") as f:
        f.write("# pack level layers [locks] (written by calibrate.py / tune.py)\n")
        for (pack, number), gold in sorted(table.items()):
            f.write("%d %d %d %d\n" % (pack, number, gold, locks[(pack, number)]))


def main():
    root, checker = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    seeds = sys.argv[4] if len(sys.argv) > 4 else "5"
    table = {}
    locks = {}  # kept as tune.py left them
    for pack, specs in enumerate(levelgen.packs()):
        for number, spec in enumerate(specs, start=1):
            table[(pack, number)] = spec["gold"]
            locks[(pack, number)] = spec["locks"]
    for r in range(rounds):
        write(table, locks)
        subprocess.run([sys.executable, os.path.join(HERE, "levelgen.py"), root], check=True)
        out = subprocess.run([checker, "--seeds", seeds, os.path.join(root, "data")], capture_output=True,
                             text=True).stdout
        for line in out.splitlines():
            m = ROW.match(line)
            if not m:
                continue
            pack = 0 if m.group(1) == "classic" else 1
            number, wins, total, median = int(m.group(2)), int(m.group(3)), int(m.group(4)), int(m.group(5))
            want = target(pack, number)
            gold = table[(pack, number)]
            if wins < total:
                factor = 0.75
            else:
                factor = max(0.6, min(1.6, (want / max(median, 1)) ** 0.6))
            cap = levelgen.capacity(levelgen.packs()[pack][number - 1])
            table[(pack, number)] = max(3, min(cap, round(gold * factor)))
            print("round %d %s %2d: wins %d/%d median %3d want %3d gold %3d -> %3d" %
                  (r, m.group(1), number, wins, total, median, want, gold, table[(pack, number)]), flush=True)
    write(table, locks)
    subprocess.run([sys.executable, os.path.join(HERE, "levelgen.py"), root], check=True)


if __name__ == "__main__":
    main()
