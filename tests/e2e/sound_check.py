#!/usr/bin/env python3
"""Tells from the raw samples that ALSA was given which sounds played.

    sound_check.py starts-with PLAYED WAV   -> "yes" when PLAYED begins with the wave's samples
                                               (at least half of them, unchanged: a sound that
                                               does not wait may be cut by the next one)
    sound_check.py ends-with PLAYED WAV     -> "yes" when the wave's samples stand whole in
                                               PLAYED with nothing but silence after them
    sound_check.py write-tone WAV HZ SECONDS -> writes a mono 8-bit 12000 Hz square wave
The player's sounds are mono, 8 bits, 12000 samples per second, and the file device keeps them
unchanged, so the comparison is byte for byte.
"""
import sys
import wave

SILENCE = 0x80  # 8-bit samples are unsigned


def samples(path):
    with wave.open(path) as w:
        return w.readframes(w.getnframes())


def starts_with(played, sound):
    half = len(sound) // 2
    return played[:half] == sound[:half]


def ends_with(played, sound):
    at = played.rfind(sound)
    if at < 0:
        return False
    return all(b == SILENCE for b in played[at + len(sound):])


def write_tone(path, hz, seconds):
    rate = 12000
    period = max(2, rate // hz)
    data = bytes(0xE0 if (i % period) < period // 2 else 0x20 for i in range(int(rate * seconds)))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(rate)
        w.writeframes(data)


def main():
    mode = sys.argv[1]
    if mode == "write-tone":
        write_tone(sys.argv[2], int(sys.argv[3]), float(sys.argv[4]))
        return 0
    with open(sys.argv[2], "rb") as f:
        played = f.read()
    sound = samples(sys.argv[3])
    ok = starts_with(played, sound) if mode == "starts-with" else ends_with(played, sound)
    print("yes" if ok else "no (%d bytes played, sound of %d)" % (len(played), len(sound)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
