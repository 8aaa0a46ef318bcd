#!/usr/bin/env python3
"""Measures a tune in a 16-bit mono PCM WAV file, as `mv52ctl roger --wav` writes it: where
each tone and each silence begins and ends, and each tone's frequency, read from the samples
alone (standard library only).

    python3 scripts/wav_segments.py rb1.wav

A silence is a run of at least 1 ms of samples within +-1 of zero. A sounding run is split
where its envelope (the peak of each 0.5 ms) falls below a tenth of the run's peak: there one
tone fades out and the next fades in. A tone's frequency comes from its upward zero crossings,
interpolated between samples, over the part between its fades.
"""
import struct
import sys
import wave


def read(path):
    with wave.open(path, "rb") as w:
        if w.getnchannels() != 1 or w.getsampwidth() != 2:
            sys.exit(f"{path}: not 16-bit mono PCM")
        rate = w.getframerate()
        data = w.readframes(w.getnframes())
    return rate, list(struct.unpack(f"<{len(data) // 2}h", data))


def runs(samples, rate):
    """(start, end, sounding) runs, silences at least 1 ms long."""
    quiet = [abs(s) <= 1 for s in samples]
    shortest = rate // 1000
    out, i, n = [], 0, len(samples)
    while i < n:
        j = i
        while j < n and quiet[j] == quiet[i]:
            j += 1
        sounding = not quiet[i] or (j - i) < shortest
        if out and out[-1][2] == sounding:
            out[-1] = (out[-1][0], j, sounding)
        else:
            out.append((i, j, sounding))
        i = j
    return out


def split_tones(samples, start, end, rate):
    window = max(rate // 2000, 1)
    peaks = [(k, max(abs(s) for s in samples[k:min(k + window, end)])) for k in range(start, end, window)]
    top = max(p for _, p in peaks)
    cuts, low = [], None
    for k, p in peaks:
        if p < top / 10:
            low = k if low is None else low
        elif low is not None:
            if low > start:
                cuts.append((low + k) // 2)
            low = None
    bounds = [start] + cuts + [end]
    return list(zip(bounds, bounds[1:]))


def frequency(samples, start, end, rate):
    margin = (end - start) // 5
    crossings = []
    for i in range(start + margin + 1, end - margin):
        a, b = samples[i - 1], samples[i]
        if a < 0 <= b:
            crossings.append(i - 1 + (-a) / (b - a))
    if len(crossings) < 2:
        return 0.0
    return (len(crossings) - 1) * rate / (crossings[-1] - crossings[0])


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    rate, samples = read(sys.argv[1])
    print(f"{sys.argv[1]}: {rate} Hz, {len(samples)} samples, {1000 * len(samples) / rate:.1f} ms")
    print("   start ms   end ms   length ms   frequency Hz")
    for start, end, sounding in runs(samples, rate):
        parts = split_tones(samples, start, end, rate) if sounding else [(start, end)]
        for a, b in parts:
            hz = f"{frequency(samples, a, b, rate):13.1f}" if sounding else "      silence"
            print(f"{1000 * a / rate:11.1f} {1000 * b / rate:8.1f} {1000 * (b - a) / rate:11.1f}  {hz}")


if __name__ == "__main__":
    main()
