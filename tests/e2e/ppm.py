# Screenshots of the game read as binary PPM (8 bits a sample), for the end-to-end
# checks that judge what the window shows.
def load(path):
    """Returns (width, pixels): the pixels as bytes, three a pixel, row after row."""
    data = open(path, 'rb').read()
    parts, pos = [], 0
    while len(parts) < 4:
        while data[pos:pos+1].isspace(): pos += 1
        if data[pos:pos+1] == b'#':
            pos = data.index(b'\n', pos)
            continue
        end = pos
        while not data[end:end+1].isspace(): end += 1
        parts.append(data[pos:end]); pos = end
    return int(parts[1]), data[pos+1:]


def mean(path, x0, y0, x1, y1):
    """The mean [r, g, b] of a rectangle of the shot, every second pixel each way."""
    w, px = load(path)
    s, n = [0, 0, 0], 0
    for y in range(y0, y1, 2):
        for x in range(x0, x1, 2):
            i = (y * w + x) * 3
            for c in range(3): s[c] += px[i + c]
            n += 1
    return [v / n for v in s]
