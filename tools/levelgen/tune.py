#!/usr/bin/env python3
"""Retunes single levels whose median moves stray from the pack's trend.

The simple player's moves do not grow steadily with brick layers (a board
covered wall to wall is easier than a few stray bricks), so calibrate.py's
proportional steps can swing past the target. This searches instead: for each
level off the trend it tries layer counts outward from the current one, then
the other brick patterns (where the bricks lie matters more than how many there
are), and for levels past the introductions also a few more or fewer locked
gems, and keeps the first that lands near the target and is won in every seed.
Writes calibration.txt (layers, locks, pattern) and regenerates both packs.

tune.py <repository root> <tv_levelcheck> [pack:level ...]
With no levels named, plays the full table first and retunes those off trend.
"""
import os
import shutil
import subprocess
import sys
import tempfile

import levelgen

HERE = os.path.dirname(os.path.abspath(__file__))
SCAN_SEEDS = int(os.environ.get("TUNE_SEEDS", "12"))
SCAN_FIRST_SEED = 5001  # apart from the seeds the table is played with, so a lucky fit does not flatter it
CLOSE = 0.07  # accepted distance from the target while searching
OFF = 0.10  # distance from the target that makes a level worth retuning


def play(checker, data, pack=None, number=None, seeds=10):
    if pack is None and os.environ.get("TUNE_TABLE"):
        # A full table already played (tv_levelcheck output), to save a run.
        return levelgen.checker_rows(open(os.environ["TUNE_TABLE"]).read())
    args = [checker, "--seeds", str(seeds), "--min-wins", "0"]
    if pack is not None:
        args += ["--first-seed", str(SCAN_FIRST_SEED),
                 "--pack", levelgen.PACK_NAMES[pack], "--levels", "%d-%d" % (number, number)]
    return levelgen.checker_rows(subprocess.run(args + [data], capture_output=True, text=True).stdout)


def write_table(specs_by_pack):
    levelgen.save_calibration({(pack, number): (spec["gold"], spec["locks"], spec["pattern"])
                               for pack, specs in enumerate(specs_by_pack)
                               for number, spec in enumerate(specs, start=1)})


PATTERNS = ("random", "bottom", "top", "centre", "edge", "checker")


def candidates(spec, pack, number, harder):
    """Layer, lock and pattern triples to try, the nearest steps the right way first."""
    cap = levelgen.capacity(spec)
    gold, locks, pattern = spec["gold"], spec["locks"], spec["pattern"]
    up = [1.15, 1.3, 1.5, 1.75, 2.0, 2.5, 3.0]
    steps = up if harder else [1 / f for f in up]
    layers = []
    for f in steps:
        g = max(3, min(cap, round(gold * f)))
        if g != gold and g not in layers:
            layers.append(g)
    out = [(g, locks, pattern) for g in layers]
    # The classic pack's first levels stay free of locked gems but for the one
    # that introduces them.
    if pack == 1 or number > 9:
        least = levelgen.INTRO_LOCKS.get((pack, number), 0)
        for dl in ((1, 2, 4, 6, 9) if harder else (-1, -2, -4, -6)):
            lk = min(levelgen.lock_limit(spec), max(least, locks + dl))
            if lk != locks and all(o[1] != lk for o in out):
                out += [(g, lk, pattern) for g in [gold] + layers[:3]]
    for p in PATTERNS:
        if p != pattern:
            out += [(g, locks, p) for g in [gold] + layers[:3]]
    return out


def score(wins, total, median, restarts, want):
    """Distance from the target, with a lost game or a level that keeps running
    out of moves (more than one restart in two games) counting as far off."""
    return abs(median - want) / want + (wins < total) + (2 * restarts > total)


def tune(root, checker, todo, rows):
    specs_by_pack = levelgen.packs()
    work = tempfile.mkdtemp(prefix="tvtune")
    data = os.path.join(work, "data")
    shutil.copytree(os.path.join(root, "data"), data)
    try:
        for pack, number in todo:
            spec = specs_by_pack[pack][number - 1]
            want = levelgen.target(pack, number)
            path = os.path.join(data, levelgen.FOLDERS[pack], "%d.txt" % number)
            wins, total, median, restarts = rows[(pack, number)]
            best = (score(wins, total, median, restarts, want), spec["gold"], spec["locks"], spec["pattern"], median)
            print("%s %2d: median %3d want %3.0f layers %3d locks %d %s" %
                  (levelgen.PACK_NAMES[pack], number, median, want, spec["gold"], spec["locks"], spec["pattern"]), flush=True)
            for g, lk, pat in candidates(spec, pack, number, median < want):
                trial = dict(spec, gold=g, locks=lk, pattern=pat)
                with open(path, "w", newline="\n") as f:
                    f.write(levelgen.build(trial, pack, number))
                w, t, m, r = play(checker, data, pack, number, SCAN_SEEDS)[(pack, number)]
                s = score(w, t, m, r, want)
                print("    layers %3d locks %d %-7s: %d/%d median %3d restarts %d" % (g, lk, pat, w, t, m, r), flush=True)
                if s < best[0]:
                    best = (s, g, lk, pat, m)
                if s <= CLOSE:
                    break
            spec["gold"], spec["locks"], spec["pattern"] = best[1], best[2], best[3]
            with open(path, "w", newline="\n") as f:
                f.write(levelgen.build(spec, pack, number))
            print("  -> layers %d locks %d %s (median %d)" % best[1:], flush=True)
            write_table(specs_by_pack)
    finally:
        shutil.rmtree(work)
    subprocess.run([sys.executable, os.path.join(HERE, "levelgen.py"), root], check=True)


def main():
    root, checker = sys.argv[1], sys.argv[2]
    named = [tuple(int(p) for p in a.split(":")) for a in sys.argv[3:]]
    rows = play(checker, os.path.join(root, "data"))
    if named:
        todo = named
    else:
        todo = [k for k, (w, t, m, r) in sorted(rows.items()) if score(w, t, m, r, levelgen.target(*k)) > OFF]
    tune(root, checker, todo, rows)


if __name__ == "__main__":
    main()
