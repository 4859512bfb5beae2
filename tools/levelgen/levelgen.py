#!/usr/bin/env python3
"""Writes the two level packs (data/levels and data/levelsGold) from the board
shapes in motifs.py and the level table below. Deterministic: the same table
always gives the same files, so the committed levels can be regenerated and
diffed. Usage: levelgen.py <repository root>
"""
import os
import random
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
            elif ch == "#" and line_count(mask, x, y) >= 2:
                # A brick that only one line can reach takes the player for ever.
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
    if spec["locks"]:
        rng.shuffle(bricks)
        bricks.sort(key=lambda c: cells_below(mask, *c))
        for (x, y) in bricks[: spec["locks"]]:
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
    "tree": "Fir", "tallTree": "Tannenbaum", "star": "Star", "bell": "Bell", "bells": "Bells",
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


CYCLE = ["tree", "bells", "heart", "present", "cane", "stocking", "mitten", "gingerbread", "candle",
         "wreath", "globe", "lantern", "star", "snowflake", "house", "present", "letterE", "letterL",
         "tallTree", "bells", "ribbonPresent", "bigHeart", "cane", "stocking", "mitten", "gingerbread",
         "candle", "wreath", "globe", "lantern", "star", "snowflake", "house", "tree", "letterT",
         "letterH", "tallTree", "bells", "snowman", "ribbonPresent", "bigHeart", "cane", "stocking",
         "lantern", "wreath", "globe"]


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
        levels.append(level(title(CLASSIC_WORDS, k, CYCLE[i], [l["name"] for l in levels]), CYCLE[i], ramp(30, 90, i, n), armour=min(0.4, 0.1 + i / n * 0.4),
                            locks=(i % 4 == 2) * (2 + i // 12), bonus=bonus,
                            pattern=["random", "bottom", "top", "centre", "edge", "checker"][i % 6]))
    return levels


def gold():
    levels = [
        level(GOLD_NAMES[0], "star", 60, armour=0.3, start=[PUDDING, PUDDING], bonus=[PUDDING]),
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
        levels.append(level(title(GOLD_WORDS, k, CYCLE[(i + 5) % len(CYCLE)], [l["name"] for l in levels]), CYCLE[(i + 5) % len(CYCLE)], ramp(80, 150, i, n),
                            armour=min(0.8, 0.4 + i / n * 0.5), locks=2 + i // 8 + (i % 3 == 1) * 2, bonus=bonus,
                            pattern=["random", "checker", "bottom", "edge", "top", "centre"][i % 6]))
    return levels


def capacity(spec):
    """Most brick layers the level's shape can carry."""
    mask = motif(spec["shape"])
    return sum(2 for row in mask for ch in row if ch in "#+*")


def load_calibration():
    """Brick layers per level found by calibrate.py or tune.py: pack, level, layers
    and, where tuning changed it, the number of locked gems."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "calibration.txt")
    table = {}
    if os.path.exists(path):
        for line in open(path):
            parts = line.split()
            if len(parts) in (3, 4) and not line.startswith("#"):
                table[(int(parts[0]), int(parts[1]))] = tuple(int(p) for p in parts[2:])
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
        result.append(specs)
    return result


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    for pack, (folder, specs) in enumerate(zip(("levels", "levelsGold"), packs())):
        out = os.path.join(root, "data", folder)
        os.makedirs(out, exist_ok=True)
        assert len(specs) == 55, (folder, len(specs))
        names = [spec["name"] for spec in specs]
        assert len(set(names)) == 55, [n for n in names if names.count(n) > 1]
        for number, spec in enumerate(specs, start=1):
            with open(os.path.join(out, "%d.txt" % number), "w", newline="\n") as f:
                f.write(build(spec, pack, number))


if __name__ == "__main__":
    main()
