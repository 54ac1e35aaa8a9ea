#!/usr/bin/env python3
"""Helpers of run_dialog_checks.sh for the sound check.

  played_sounds.py side WAV
      Writes a short side file of its own (8-bit mono 12000 Hz, a saw-tooth no built-in sound has).
  played_sounds.py compare PLAYED SOUND_FOLDER SIDE_WAV
      Prints "same" when the raw samples that ALSA received are the five built-in sounds in slot
      order followed by the side file, else what differs. The device may drop the last moments
      of a sound when it is closed, so each sound counts as heard when at least half of it
      arrived, from its start and unchanged.
"""
import os
import sys
import wave

BUILT_IN = ("start", "select", "click", "change", "exit")


def samples(path):
    with wave.open(path) as w:
        return w.readframes(w.getnframes())


def compare(got, sounds):
    at = 0
    for i, sound in enumerate(sounds):
        if i + 1 < len(sounds):
            # The next sound starts where its first samples appear.
            end = got.find(sounds[i + 1][:64], at)
            if end < 0:
                return "sound %d: the next sound never starts" % (i + 1)
        else:
            end = len(got)
        part = got[at:end]
        if part != sound[: len(part)]:
            return "sound %d: other samples than expected" % (i + 1)
        if len(part) * 2 < len(sound):
            return "sound %d: only %d of %d samples" % (i + 1, len(part), len(sound))
        at = end
    return "same"


def main(argv):
    if len(argv) == 3 and argv[1] == "side":
        with wave.open(argv[2], "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(1)
            w.setframerate(12000)
            w.writeframes(bytes((i * 7) % 256 for i in range(600)))
        return 0
    if len(argv) == 5 and argv[1] == "compare":
        played, folder, side = argv[2:5]
        sounds = [samples(os.path.join(folder, n + ".wav")) for n in BUILT_IN]
        sounds.append(samples(side))
        got = b""
        if os.path.exists(played):
            with open(played, "rb") as f:
                got = f.read()
        print(compare(got, sounds))
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
