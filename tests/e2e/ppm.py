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
