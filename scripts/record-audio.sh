#!/usr/bin/env bash
# Records what a player hears: the game's music and effects, driven by a
# scripted player (tests/sound/ScriptedPlayer.cpp), through SDL's disk
# audio driver into a raw file, then converted to WAV with sox and
# measured: overall levels, DC, clipping, second-by-second loudness and
# sudden jumps (clicks). Also draws a spectrogram.
#
#   scripts/record-audio.sh [OUT_DIR]
#
# Environment: BUILD_DIR (default build-sound), RECORD_SECONDS (default 20),
# ASSET_DIR (default $BUILD_DIR/bin, where the build writes the assets).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR="${BUILD_DIR:-build-sound}"
SECONDS_TO_RECORD="${RECORD_SECONDS:-20}"
OUT_DIR="${1:-$BUILD_DIR/audio-check}"
ASSET_DIR="${ASSET_DIR:-$BUILD_DIR/bin}"

command -v sox >/dev/null || { echo "sox is needed (apt-get install sox)" >&2; exit 1; }

if [[ ! -f "$BUILD_DIR/CMakeCache.txt" ]]; then
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release
fi
targets=(sound_scripted_player)
target_list="$(cmake --build "$BUILD_DIR" --target help)"
if grep -qw assets <<<"$target_list"; then
  targets+=(assets)
fi
cmake --build "$BUILD_DIR" -j2 --target "${targets[@]}"

for f in psych.xm button.wav page.wav click.wav; do
  [[ -f "$ASSET_DIR/$f" ]] || echo "warning: $ASSET_DIR/$f is missing; that sound stays silent" >&2
done

mkdir -p "$OUT_DIR"
RAW="$OUT_DIR/game-audio.raw"
WAV="$OUT_DIR/game-audio.wav"
rm -f "$RAW" "$WAV"

echo "Recording ${SECONDS_TO_RECORD} s into $RAW ..."
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$RAW" \
  "$BUILD_DIR/bin/sound_scripted_player" "$ASSET_DIR" "$SECONDS_TO_RECORD" >"$OUT_DIR/script.log"

# The binding opens the output as signed 16-bit stereo at 44100 Hz and
# allows no changes, so the raw file is in exactly that format.
sox -t raw -r 44100 -e signed -b 16 -c 2 "$RAW" "$WAV"
echo "Wrote $WAV"
echo
echo "== Whole recording (sox stats) =="
sox "$WAV" -n stats 2>&1
echo
sox "$WAV" -n spectrogram -x 1600 -y 513 -t "Dzwonex, ${SECONDS_TO_RECORD} s" -o "$OUT_DIR/spectrogram.png"
echo "Spectrogram: $OUT_DIR/spectrogram.png"

if command -v python3 >/dev/null; then
  echo
  echo "== Per 250 ms: RMS and peak in dBFS, events of the script =="
  python3 - "$RAW" "$OUT_DIR/script.log" <<'EOF'
import math, struct, sys
raw, log = sys.argv[1], sys.argv[2]
data = open(raw, 'rb').read()
n = len(data) // 4
frames = struct.unpack('<%dh' % (2 * n), data[:4 * n])
left, right = frames[0::2], frames[1::2]
rate = 44100
events = {}
for line in open(log):
    t, what = line.split(None, 1)
    events.setdefault(int(float(t) * 4), []).append(what.strip())
def db(x):
    return -120.0 if x <= 0 else 20 * math.log10(x / 32768.0)
step = rate // 4
silent = 0
for b in range(0, n // step):
    seg = left[b * step:(b + 1) * step] + right[b * step:(b + 1) * step]
    rms = math.sqrt(sum(s * s for s in seg) / len(seg))
    peak = max(abs(s) for s in seg)
    if rms < 33:  # below -60 dBFS
        silent += 1
    print('%6.2f s  rms %7.1f dB  peak %7.1f dB  %s' % (b / 4, db(rms), db(peak), ', '.join(events.get(b, []))))
full = sum(1 for s in frames if s >= 32767 or s <= -32768)
# A click is a sudden break in the wave: its second difference (the change
# of slope from one sample to the next) far above what the sound around it
# does. Smooth tones, however loud, have small second differences.
clicks = []
win = 220  # 5 ms either side
for ch, x in (('left', left), ('right', right)):
    d2 = [abs(x[i + 1] - 2 * x[i] + x[i - 1]) for i in range(1, len(x) - 1)]
    i = win
    while i < len(d2) - win:
        if d2[i] > 1500:
            around = sorted(d2[i - win:i - 2] + d2[i + 3:i + win])
            typical = around[len(around) * 9 // 10]
            if d2[i] > 8 * max(typical, 100):
                clicks.append(((i + 1) / rate, ch, d2[i], typical))
                i += win
                continue
        i += 1
print()
print('frames %d (%.2f s), full-scale samples %d, silent quarter-seconds %d' % (n, n / rate, full, silent))
print('clicks (sudden breaks in the wave): %d' % len(clicks))
for t, ch, j, typical in clicks[:30]:
    print('  %.4f s %s: second difference %d where 90%% of the 10 ms around stay under %d' % (t, ch, j, typical))
EOF
fi
