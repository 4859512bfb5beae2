#!/usr/bin/env python3
"""Writes the two level packs (data/levels and data/levelsGold) from the board
shapes in motifs.py and the level table below. Deterministic: the same table
always gives the same files, so the committed levels can be regenerated and
diffed. Usage: levelgen.py [--check] <repository root>
"""
import os
import random
import re
import sys

from motifs import motif

# Piece types.
PUDDING, ACROSS, STANDING, STAR, SNOWMAN, SNOWBALL, MATCH, SACK = 8, 9, 10, 11, 12, 13, 14, 15


def level(name, shape, gold, armour=0.0, locks=0, start=(), bonus=(), pattern="random", seed=0):
    return dict(name=name, shape=shape, gold=gold, armour=armour, locks=locks, start=list(start),
                bonus=list(bonus), pattern=pattern, seed=seed)


def cells_below(mask, x, y):
    """Playable cells under (x, y) in the same column segment."""
    n = 0
    y += 1
    while y < len(mask) and mask[y][x] != ".":
        n += 1
        y += 1
    return n


def line_count(mask, x, y):
    """Lines of three playable cells that pass through (x, y)."""
    h = len(mask)
    w = len(mask[0])

    def ok(cx, cy):
        return 0 <= cx < w and 0 <= cy < h and mask[cy][cx] != "."

    n = 0
    for s in (-2, -1, 0):
        n += all(ok(x + s + k, y) for k in range(3))
        n += all(ok(x, y + s + k) for k in range(3))
    return n


def reachable(mask, x, y):
    """Whether a brick may lie here. A cell that only two lines pass through
    (a star's point, a narrow arm) is matched so seldom that its last brick
    turns the level into a long hunt decided by luck rather than play."""
    return line_count(mask, x, y) >= 3


def order_cells(mask, cells, pattern, rng):
    cells = list(cells)
    rng.shuffle(cells)
    h = len(mask)
    w = len(mask[0])
    if pattern == "bottom":
        cells.sort(key=lambda c: -c[1])
    elif pattern == "top":
        cells.sort(key=lambda c: c[1])
    elif pattern == "centre":
        cells.sort(key=lambda c: abs(c[0] - (w - 1) / 2) + abs(c[1] - (h - 1) / 2))
    elif pattern == "edge":
        cells.sort(key=lambda c: -(abs(c[0] - (w - 1) / 2) + abs(c[1] - (h - 1) / 2)))
    elif pattern == "stripes":
        cells.sort(key=lambda c: (c[1] % 2, c[1]))
    elif pattern == "checker":
        cells.sort(key=lambda c: (c[0] + c[1]) % 2)
    return cells


def build(spec, pack, number):
    rng = random.Random(pack * 1000 + number * 7 + spec["seed"])
    mask = motif(spec["shape"])
    h = len(mask)
    w = len(mask[0])
    code = [[0] * w for _ in range(h)]
    free = []
    for y in range(h):
        for x in range(w):
            ch = mask[y][x]
            if ch == ".":
                continue
            code[y][x] = -1
            if ch == "+":
                code[y][x] = 1
            elif ch == "*":
                code[y][x] = 3 if spec["armour"] > 0 else 1
            elif ch == "#" and reachable(mask, x, y):
                free.append((x, y))
    layers = sum({1: 1, 3: 2}.get(code[y][x], 0) for y in range(h) for x in range(w))
    armour_every = 0 if spec["armour"] <= 0 else max(1, round(1 / spec["armour"]))
    order = order_cells(mask, free, spec["pattern"], rng)
    # Past one layer on every free cell, the extra layers become armour, in the same order.
    extra = max(0, spec["gold"] - layers - len(order))
    placed = 0
    for (x, y) in order:
        if layers >= spec["gold"]:
            break
        placed += 1
        if (extra > 0 or (armour_every and placed % armour_every == 0)) and layers + 2 <= spec["gold"]:
            code[y][x] = 3
            layers += 2
            extra -= 1
        else:
            code[y][x] = 1
            layers += 1

    bricks = [(x, y) for y in range(h) for x in range(w) if code[y][x] in (1, 3)]
    # Locked gems sit low in their segment, so the column under them is short
    # and refills do not stall behind them for long.
    locks = min(spec["locks"], lock_limit(spec))
    if locks:
        rng.shuffle(bricks)
        bricks.sort(key=lambda c: cells_below(mask, *c))
        for (x, y) in bricks[:locks]:
            code[y][x] = 4 if code[y][x] == 3 else 2
    # Start pieces go on bricks in the upper part of the board.
    spots = [(x, y) for y in range(h) for x in range(w) if code[y][x] in (1, 3)]
    rng.shuffle(spots)
    spots.sort(key=lambda c: c[1])
    spots = spots[: max(len(spec["start"]) * 3, 1)]
    rng.shuffle(spots)
    for piece, (x, y) in zip(spec["start"], spots):
        code[y][x] = piece + 20 if code[y][x] == 3 else piece

    bonus = ",".join(str(b) for b in spec["bonus"]) if spec["bonus"] else "0"
    gold = sum(2 if c in (3, 4) or c >= 21 else (1 if c not in (0, -1) else 0) for row in code for c in row)
    lines = ["REM," + spec["name"], str(60 + 3 * gold), bonus, "%d,%d" % (w, h), "0,0"]
    lines += [",".join(str(c) for c in row) for row in code]
    return "\n".join(lines) + "\n"


def ramp(a, b, i, n):
    return round(a + (b - a) * i / (n - 1))


CLASSIC_NAMES = [
    "Plum Pudding", "Crackers Across", "Frosted Locks", "Standing Crackers", "Snowball Fight",
    "Snowman Builder", "Evening Star", "Santa's Sack", "Iron Frost"]

GOLD_NAMES = [
    "Golden Pudding", "Golden Standing", "Gilded Locks", "Golden Across", "Golden Snowman",
    "Golden Snowball", "Golden Star", "Gilded Sack", "Golden Armour"]

TITLES = {
    "tree": "Fir", "tallTree": "Tannenbaum", "grandTree": "Grand Fir", "star": "Star", "bell": "Bell", "bells": "Bells",
    "snowman": "Snowman", "cane": "Candy Cane", "present": "Present", "ribbonPresent": "Ribboned Box",
    "heart": "Heart", "bigHeart": "Sweetheart", "letterE": "Letter E", "letterL": "Letter L",
    "letterT": "Letter T", "letterH": "Letter H", "wreath": "Wreath", "stocking": "Stocking",
    "mitten": "Mitten", "gingerbread": "Gingerbread Man", "candle": "Candle", "globe": "Snow Globe",
    "lantern": "Lantern", "snowflake": "Snowflake", "house": "Cottage", "sleigh": "Sleigh",
}
CLASSIC_WORDS = ["Little", "Frosty", "Silver", "Cosy", "Twinkling", "Snowy", "Merry", "Glittering", "Icy",
                 "Candlelit", "Midnight", "Starlit", "Jolly", "Winter", "Sparkling", "Crisp", "Holly"]
GOLD_WORDS = ["Golden", "Gilded", "Gold Leaf", "Royal", "Burnished", "Treasure", "Gold Dust", "Amber",
              "Bullion", "Glowing", "Regal", "Gold Thread", "Sovereign", "Lustrous", "Honeyed", "Gold Star",
              "Radiant"]


def title(words, k, shape, taken):
    """An adjective and the shape's name, the next adjective when that pair is taken."""
    while words[k % len(words)] + " " + TITLES[shape] in taken:
        k += 1
    return words[k % len(words)] + " " + TITLES[shape]


# Classic shapes after the introductions. The lantern's hooded top is slow to
# clear even with few bricks, so it appears once, near the end of the pack.
CLASSIC_SHAPES = [
    "tree", "bells", "heart", "present", "cane", "stocking", "mitten", "gingerbread", "candle",
    "wreath", "globe", "bell", "star", "snowflake", "house", "present", "letterE", "letterL",
    "tallTree", "bells", "ribbonPresent", "bigHeart", "cane", "stocking", "mitten", "gingerbread",
    "candle", "wreath", "globe", "heart", "star", "snowflake", "house", "tree", "letterT",
    "letterH", "tallTree", "bells", "snowman", "ribbonPresent", "bigHeart", "cane", "stocking",
    "lantern", "wreath", "globe"]

# Gold shapes after the introductions. The small boards (a star, a stocking, a
# candle) cannot hold a gold level's work without locking most of their gems, and
# a board mostly locked keeps running out of moves, so the gold pack is played on
# the larger shapes, the largest towards the end, and closes on the great tree.
# The lantern's walled sides make it swing from easy to endless between games,
# so it stays out of the late levels.
GOLD_SHAPES = [
    "tallTree", "snowman", "letterT", "bigHeart", "bells", "mitten", "present", "ribbonPresent",
    "letterE", "tallTree", "snowman", "letterT", "bigHeart", "bells", "cane", "letterE", "present",
    "ribbonPresent", "mitten", "wreath", "lantern", "house", "globe", "grandTree", "bells", "cane",
    "letterE", "house", "wreath", "present", "bigHeart", "house", "globe", "ribbonPresent",
    "letterE", "cane", "wreath", "bells", "house", "globe", "letterE", "house", "cane",
    "wreath", "house", "grandTree"]


def classic():
    levels = [
        level(CLASSIC_NAMES[0], "tree", 10, start=[PUDDING, PUDDING], bonus=[PUDDING]),
        level(CLASSIC_NAMES[1], "present", 14, start=[ACROSS, ACROSS], bonus=[ACROSS]),
        level(CLASSIC_NAMES[2], "heart", 16, locks=3, start=[MATCH], bonus=[MATCH]),
        level(CLASSIC_NAMES[3], "candle", 16, start=[STANDING, STANDING], bonus=[STANDING]),
        level(CLASSIC_NAMES[4], "snowman", 20, start=[SNOWBALL, SNOWBALL], bonus=[SNOWBALL, PUDDING]),
        level(CLASSIC_NAMES[5], "bell", 22, start=[SNOWMAN, SNOWMAN], bonus=[SNOWMAN, ACROSS]),
        level(CLASSIC_NAMES[6], "star", 24, start=[STAR, STAR], bonus=[STAR, STANDING]),
        level(CLASSIC_NAMES[7], "stocking", 26, start=[SACK, SACK], bonus=[SACK, PUDDING]),
        level(CLASSIC_NAMES[8], "globe", 30, armour=0.5, bonus=[PUDDING, ACROSS, STANDING]),
    ]
    pool = [PUDDING, ACROSS, STANDING, STAR, SNOWMAN, SNOWBALL, SACK]
    n = 55 - len(levels)
    for i in range(n):
        k = len(levels)
        bonus = [pool[(k + j) % len(pool)] for j in range(3 - i * 2 // n)]
        levels.append(level(title(CLASSIC_WORDS, k, CLASSIC_SHAPES[i], [l["name"] for l in levels]), CLASSIC_SHAPES[i], ramp(30, 90, i, n), armour=min(0.4, 0.1 + i / n * 0.4),
                            locks=(i % 4 == 2) * (2 + i // 12), bonus=bonus,
                            pattern=["random", "bottom", "top", "centre", "edge", "checker"][i % 6]))
    return levels


def gold():
    levels = [
        level(GOLD_NAMES[0], "bell", 60, armour=0.3, start=[PUDDING, PUDDING], bonus=[PUDDING]),
        level(GOLD_NAMES[1], "letterT", 62, armour=0.3, start=[STANDING, STANDING], bonus=[STANDING]),
        level(GOLD_NAMES[2], "bigHeart", 64, armour=0.3, locks=5, start=[MATCH], bonus=[MATCH, PUDDING]),
        level(GOLD_NAMES[3], "letterH", 66, armour=0.3, start=[ACROSS, ACROSS], bonus=[ACROSS]),
        level(GOLD_NAMES[4], "snowman", 66, armour=0.3, start=[SNOWMAN, SNOWMAN], bonus=[SNOWMAN, STANDING]),
        level(GOLD_NAMES[5], "tallTree", 70, armour=0.3, start=[SNOWBALL, SNOWBALL], bonus=[SNOWBALL, ACROSS]),
        level(GOLD_NAMES[6], "lantern", 70, armour=0.3, start=[STAR, STAR], bonus=[STAR, PUDDING]),
        level(GOLD_NAMES[7], "house", 72, armour=0.3, start=[SACK, SACK], bonus=[SACK]),
        level(GOLD_NAMES[8], "globe", 80, armour=0.8, bonus=[PUDDING, STANDING]),
    ]
    pool = [PUDDING, STAR, ACROSS, SACK, STANDING, PUDDING, ACROSS]
    n = 55 - len(levels)
    for i in range(n):
        k = len(levels)
        bonus = [pool[(k + j) % len(pool)] for j in range(2 - i * 2 // n)]
        shape = GOLD_SHAPES[i]
        levels.append(level(title(GOLD_WORDS, k, shape, [l["name"] for l in levels]), shape, ramp(80, 150, i, n),
                            armour=min(0.8, 0.4 + i / n * 0.5), locks=2 + i // 8 + (i % 3 == 1) * 2, bonus=bonus,
                            pattern=["random", "checker", "bottom", "edge", "top", "centre"][i % 6]))
    levels[-1]["name"] = "The Great Tannenbaum"
    return levels


def target(pack, number):
    """Median moves the simple player should need on a level: a steady rise
    through each pack, the gold pack starting where the classic pack ends."""
    lo, hi = (13, 62) if pack == 0 else (64, 112)
    return lo + (hi - lo) * (number - 1) / 54


# The introductions of locked gems need some on the board whatever the tuning does.
INTRO_LOCKS = {(0, 3): 3, (1, 3): 5}


def lock_limit(spec):
    """Most locked gems the level's shape takes. Past a third of the board, the
    few free gems seldom line up and the level keeps running out of moves."""
    mask = motif(spec["shape"])
    return sum(ch != "." for row in mask for ch in row) // 3


def capacity(spec):
    """Most brick layers the level's shape can carry."""
    mask = motif(spec["shape"])
    return sum(2 for y, row in enumerate(mask) for x, ch in enumerate(row)
               if ch in "+*" or (ch == "#" and reachable(mask, x, y)))


CALIBRATION = os.path.join(os.path.dirname(os.path.abspath(__file__)), "calibration.txt")
PACK_NAMES = ("classic", "gold")
FOLDERS = ("levels", "levelsGold")  # under data/
CHECKER_ROW = re.compile(r"^(classic|gold)\s+(\d+)\s+.*?\s(\d+)/(\d+)\s+(\d+)\s+(\d+)\s+(\d+)")


def checker_rows(out):
    """tv_levelcheck's table: (pack, level) -> (wins, games, median moves, restarts)."""
    rows = {}
    for line in out.splitlines():
        m = CHECKER_ROW.match(line)
        if m:
            rows[(PACK_NAMES.index(m.group(1)), int(m.group(2)))] = tuple(int(m.group(k)) for k in (3, 4, 5, 6))
    return rows


def save_calibration(rows):
    """rows: (pack, level) -> (layers, locks, pattern)."""
    with open(CALIBRATION, "w") as f:
        f.write("# pack level layers [locks [pattern]] (written by calibrate.py / tune.py)\n")
        for (pack, number), (layers, locks, pattern) in sorted(rows.items()):
            f.write("%d %d %d %d %s\n" % (pack, number, layers, locks, pattern))


def load_calibration():
    """Brick layers per level found by calibrate.py or tune.py: pack, level, layers
    and, where tuning changed them, the number of locked gems and the brick pattern."""
    table = {}
    if os.path.exists(CALIBRATION):
        for line in open(CALIBRATION):
            parts = line.split()
            if len(parts) in (3, 4, 5) and not line.startswith("#"):
                table[(int(parts[0]), int(parts[1]))] = tuple(int(p) for p in parts[2:4]) + tuple(parts[4:])
    return table


def packs():
    table = load_calibration()
    result = []
    for pack, specs in enumerate([classic(), gold()]):
        for number, spec in enumerate(specs, start=1):
            row = table.get((pack, number), (spec["gold"],))
            spec["gold"] = row[0]
            if len(row) > 1:
                spec["locks"] = row[1]
            if len(row) > 2:
                spec["pattern"] = row[2]
        result.append(specs)
    return result


def main():
    """levelgen.py <repository root> writes the packs; with --check it only
    reports level files that differ from what the table gives (exit code 1)."""
    args = [a for a in sys.argv[1:] if a != "--check"]
    check = len(args) < len(sys.argv) - 1
    root = args[0] if args else "."
    stale = []
    for pack, (folder, specs) in enumerate(zip(FOLDERS, packs())):
        out = os.path.join(root, "data", folder)
        os.makedirs(out, exist_ok=True)
        assert len(specs) == 55, (folder, len(specs))
        names = [spec["name"] for spec in specs]
        assert len(set(names)) == 55, [n for n in names if names.count(n) > 1]
        for number, spec in enumerate(specs, start=1):
            path = os.path.join(out, "%d.txt" % number)
            text = build(spec, pack, number)
            if check:
                if not os.path.exists(path) or open(path, newline="").read() != text:
                    stale.append(path)
                continue
            with open(path, "w", newline="\n") as f:
                f.write(text)
    for path in stale:
        print("differs from the generator: " + path)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
