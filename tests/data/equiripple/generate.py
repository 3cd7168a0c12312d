#!/usr/bin/python3
"""Writes the reference coefficients of the equiripple tests.

Each design is made by scipy.signal.remez, an implementation independent of ours, with
the bands, amplitudes and weights that our design derives from a request: pass bands
weighted 1, stop bands weighted by the pass-band deviation over the stop-band deviation.
Run with Debian's python3 (python3-scipy) from this folder:

    /usr/bin/python3 generate.py

One file per design: a first line "type length ripple attenuation edge..." and then the
coefficients, one per line.
"""
import numpy as np
from scipy.signal import remez

DESIGNS = [
    ("lowpass", 31, 0.1, 60, [0.2, 0.25]),
    ("lowpass", 32, 0.5, 40, [0.15, 0.2]),
    ("highpass", 51, 0.2, 70, [0.3, 0.33]),
    ("bandpass", 64, 0.5, 50, [0.1, 0.14, 0.3, 0.34]),
    ("bandstop", 81, 0.1, 60, [0.1, 0.15, 0.3, 0.35]),
    ("lowpass", 301, 0.1, 100, [0.2, 0.22]),
]

PASS = {"lowpass": [True, False], "highpass": [False, True],
        "bandpass": [False, True, False], "bandstop": [True, False, True]}


def deviations(ripple, attenuation):
    p = 10 ** (ripple / 20)
    return (p - 1) / (p + 1), 10 ** (-attenuation / 20)


def design(kind, length, ripple, attenuation, edges):
    dp, ds = deviations(ripple, attenuation)
    passes = PASS[kind]
    bands = [0.0] + edges + [0.5]
    desired = [1.0 if p else 0.0 for p in passes]
    weight = [1.0 if p else dp / ds for p in passes]
    return remez(length, bands, desired, weight=weight, fs=1.0, grid_density=16, maxiter=100)


def main():
    for kind, length, ripple, attenuation, edges in DESIGNS:
        h = design(kind, length, ripple, attenuation, edges)
        header = " ".join([kind, str(length), repr(ripple), repr(attenuation)] + [repr(e) for e in edges])
        with open(f"{kind}{length}.txt", "w") as out:
            out.write(header + "\n")
            out.writelines(f"{v:.17g}\n" for v in np.asarray(h))


if __name__ == "__main__":
    main()
