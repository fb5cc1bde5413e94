#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Finds sounds in what SDL's disk audio driver recorded of the game: 44100 Hz, signed 16-bit
little-endian, two channels, from the moment the game opened its sound device.

  audio_match.py locate RECORDING REFERENCE.wav FROM TO
      prints "<seconds> <correlation>": where in the recording, starting between FROM and TO
      seconds, the reference (a mono 16-bit WAV; speech at a lower rate is
      resampled as the game does) matches best, and how well (the
      normalised cross-correlation, 1 for the same samples at any volume).
  audio_match.py peak RECORDING
      prints the largest sample's magnitude, 0 for silence or an empty recording.
  audio_match.py speak FOLDER TEXT...
      writes FOLDER/1.wav, 2.wav, ...: libespeak-ng's German voice speaking the texts one after
      another in one process, as the game speaks its answers. The voice's state carries from one
      text to the next, so the n-th answer matches only the n-th synthesis.
"""
import ctypes
import sys
import wave

import numpy as np

RATE = 44100


def recording(path):
    data = np.fromfile(path, dtype="<i2")
    data = data[: len(data) // 2 * 2].reshape(-1, 2).astype(np.float64)
    return data.mean(axis=1)


def reference(path):
    with wave.open(path) as file:
        if file.getnchannels() != 1 or file.getsampwidth() != 2:
            sys.exit(f"{path}: not mono 16-bit")
        rate = file.getframerate()
        samples = np.frombuffer(file.readframes(file.getnframes()), dtype="<i2").astype(np.float64)
    times = np.arange(int(len(samples) * RATE / rate)) * rate / RATE
    return np.interp(times, np.arange(len(samples)), samples)


def locate(signal, wanted, first, last):
    first = max(0, int(first * RATE))
    # The whole reference must fit after the last start.
    last = min(len(signal) - len(wanted), int(last * RATE))
    if last < first:
        return None, 0.0
    part = signal[first : last + len(wanted)]
    size = 1 << int(np.ceil(np.log2(len(part) + len(wanted))))
    products = np.fft.irfft(np.fft.rfft(part, size) * np.conj(np.fft.rfft(wanted, size)), size)
    products = products[: last - first + 1]
    energy = np.concatenate(([0.0], np.cumsum(part * part)))
    window = energy[len(wanted) :] - energy[: -len(wanted)]
    window = window[: last - first + 1]
    norms = np.sqrt(np.maximum(window, 0)) * np.linalg.norm(wanted)
    correlation = np.where(norms > 0, products / np.maximum(norms, 1e-9), 0.0)
    best = int(np.argmax(correlation))
    return (first + best) / RATE, float(correlation[best])


def speak(folder, texts):
    espeak = ctypes.CDLL("libespeak-ng.so.1")
    samples = []
    callback_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.POINTER(ctypes.c_short), ctypes.c_int,
                                     ctypes.c_void_p)

    def collect(wav, count, _events):
        if wav and count > 0:
            samples.append(np.ctypeslib.as_array(wav, shape=(count,)).copy())
        return 0

    callback = callback_type(collect)
    espeak.espeak_ng_InitializePath(None)
    synchronous, by_character, utf8_with_end_pause = 1, 1, 1 | 0x1000
    if (espeak.espeak_ng_Initialize(None) or
            espeak.espeak_ng_InitializeOutput(synchronous, 0, None) or
            espeak.espeak_ng_SetVoiceByName(b"de")):
        sys.exit("libespeak-ng has no German voice")
    espeak.espeak_SetSynthCallback(callback)
    rate = espeak.espeak_ng_GetSampleRate()
    for number, text in enumerate(texts, 1):
        samples.clear()
        data = text.encode()
        espeak.espeak_ng_Synthesize(data, len(data) + 1, 0, by_character, 0, utf8_with_end_pause,
                                    None, None)
        with wave.open(f"{folder}/{number}.wav", "wb") as file:
            file.setnchannels(1)
            file.setsampwidth(2)
            file.setframerate(rate)
            file.writeframes(np.concatenate(samples).astype("<i2").tobytes())
    espeak.espeak_ng_Terminate()


def main(arguments):
    if len(arguments) == 5 and arguments[0] == "locate":
        at, correlation = locate(recording(arguments[1]), reference(arguments[2]),
                                 float(arguments[3]), float(arguments[4]))
        print("none 0" if at is None else f"{at:.3f} {correlation:.3f}")
    elif len(arguments) >= 3 and arguments[0] == "speak":
        speak(arguments[1], arguments[2:])
    elif len(arguments) == 2 and arguments[0] == "peak":
        samples = recording(arguments[1])
        print(int(np.abs(samples).max()) if len(samples) else 0)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
