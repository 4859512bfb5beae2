#!/usr/bin/env bash
# Music dropouts under load: plays the first level idle while LOOPS busy loops run at
# normal priority, records everything the game plays through OpenAL Soft's wave back end,
# and prints the gaps in the recording (at least 60 ms below -60 dBFS with sound on both
# sides) found after the board came up; fades between screens come before it.
#   bench/music_gaps.sh [build-folder] [seconds] [loops]    (defaults: build 180 30)
# Needs $DISPLAY (an X server), xdotool and ImageMagick, as the end-to-end tests do.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build}" && pwd)
secs=${2:-180}
loops=${3:-30}
export TV_BIN=$build/tinselvale
source "$root/tests/e2e/lib.sh"
wav=$TV_HOME/music.wav
printf 'drivers=wave\n[wave]\nfile=%s\n' "$wav" >"$TV_HOME/alsoft.conf"
export ALSOFT_CONF=$TV_HOME/alsoft.conf
unset ALSOFT_DRIVERS
started=$(date +%s.%N)
tv_start --windowed
win=$(tv_wait_window "$TV_PID") || exit 1
tv_to_board "$win" || { echo "never reached the board" >&2; exit 1; }
board=$(python3 -c "print($(date +%s.%N) - $started)")
busy=()
for _ in $(seq "$loops"); do (while :; do :; done) & busy+=($!); done
sleep "$secs"
for p in "${busy[@]}"; do kill "$p"; done
kill -TERM "$TV_PID"
tv_wait_exit "$TV_PID" 200
python3 - "$wav" "$board" "$loops" <<'PY'
import array, math, struct, sys
path, board, loops = sys.argv[1], float(sys.argv[2]), sys.argv[3]
data = open(path, 'rb').read()
i, off, fmt, ch, rate, bits = 12, None, 1, 2, 44100, 16
while i + 8 <= len(data):
    cid, size = data[i:i + 4], struct.unpack('<I', data[i + 4:i + 8])[0]
    if cid == b'fmt ':
        fmt, ch, rate = struct.unpack('<HHI', data[i + 8:i + 16])
        bits = struct.unpack('<H', data[i + 22:i + 24])[0]
    if cid == b'data':
        off = i + 8
        break
    i += 8 + size
pcm = data[off:]
samples = array.array('f' if bits == 32 and fmt in (3, 0xFFFE) else 'h')
samples.frombytes(pcm[:len(pcm) // samples.itemsize * samples.itemsize])
scale = 1.0 if samples.typecode == 'f' else 32768.0
win = rate // 100 * ch
levels = []
for w in range(len(samples) // win):
    seg = samples[w * win:(w + 1) * win]
    rms = math.sqrt(sum((v / scale) ** 2 for v in seg) / len(seg))
    levels.append(20 * math.log10(rms) if rms > 0 else -200)
start, gaps, run = int(board * 100), [], 0
for k in range(start, len(levels)):
    if levels[k] < -60:
        run += 1
        continue
    if run >= 6 and k - run > start:
        gaps.append(((k - run) / 100, run * 10))
    run = 0
played = (len(levels) - start) / 100
print(f"{loops} busy loops: {played:.0f} s of level music from {board:.1f} s on, {len(gaps)} gap(s)")
for at, ms in gaps:
    print(f"  at {at:.2f} s: {ms} ms")
PY
