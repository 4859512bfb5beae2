#!/usr/bin/env python3
"""Tunes the brick layers of every level so that the simple player's median
moves follow a smooth rising curve through each pack (calibration.txt, read by
levelgen.py). Plays with tv_levelcheck; run by hand after changing the table:
calibrate.py <repository root> <tv_levelcheck> [rounds] [seeds]
"""
import os
import subprocess
import sys

import levelgen

HERE = os.path.dirname(os.path.abspath(__file__))


def step(gold, locks, least, cap, most, wins, total, median, restarts, want):
    """Next layers and locks for one level. Layers come first; once the shape is
    full, locked gems carry the difficulty further (and go first when easing).
    least: the locked gems the level's topic needs; most: the shape's limit.
    A level that runs out of moves more than once a game on average is eased
    like a lost one: starting over is no fun, whatever the median says."""
    if wins < total or restarts > total:
        if locks > least:
            return gold, max(least, locks * 2 // 3)
        return max(3, round(gold * 0.75)), locks
    ratio = want / max(median, 1)
    if 0.95 <= ratio <= 1.05:
        return gold, locks
    if ratio > 1:
        if gold < cap:
            return max(3, min(cap, round(gold * min(1.8, ratio ** 1.3)))), locks
        return gold, min(most, locks + max(1, round((ratio - 1) * 12)))
    if locks > least:
        return gold, max(least, locks - max(1, round((1 / ratio - 1) * 12)))
    return max(3, min(cap, round(gold * max(0.55, ratio ** 1.3)))), locks


def main():
    root, checker = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    seeds = sys.argv[4] if len(sys.argv) > 4 else "10"
    specs = {(pack, number): spec for pack, pack_specs in enumerate(levelgen.packs())
             for number, spec in enumerate(pack_specs, start=1)}
    state = {k: (min(levelgen.capacity(s), s["gold"]), min(s["locks"], levelgen.lock_limit(s)))
             for k, s in specs.items()}

    def write():
        # Patterns stay as tune.py left them.
        levelgen.save_calibration({k: (gold, locks, specs[k]["pattern"]) for k, (gold, locks) in state.items()})

    for r in range(rounds):
        write()
        subprocess.run([sys.executable, os.path.join(HERE, "levelgen.py"), root], check=True)
        out = subprocess.run([checker, "--seeds", seeds, "--first-seed", str(1000 + 100 * r), os.path.join(root, "data")],
                             capture_output=True, text=True).stdout
        for (pack, number), (wins, total, median, restarts) in sorted(levelgen.checker_rows(out).items()):
            spec = specs[(pack, number)]
            want = levelgen.target(pack, number)
            gold, locks = state[(pack, number)]
            state[(pack, number)] = step(gold, locks, levelgen.INTRO_LOCKS.get((pack, number), 0),
                                         levelgen.capacity(spec), levelgen.lock_limit(spec),
                                         wins, total, median, restarts, want)
            print("round %d %s %2d: wins %d/%d median %3d restarts %3d want %3d layers %3d locks %2d -> %3d %2d" %
                  ((r, levelgen.PACK_NAMES[pack], number, wins, total, median, restarts, want, gold, locks) +
                   state[(pack, number)]), flush=True)
    write()
    subprocess.run([sys.executable, os.path.join(HERE, "levelgen.py"), root], check=True)


if __name__ == "__main__":
    main()
