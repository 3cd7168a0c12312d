#!/usr/bin/python3
"""Writes the reference designs of the equiripple tests.

Each design is made by scipy.signal.remez, an implementation independent of ours, with
the bands, amplitudes and weights that our design derives from a request: pass bands
weighted 1 and stop bands by the pass-band deviation over the stop-band deviation (or the
request's weights); a multiband filter's bands, gains and weights; a differentiator's
bands with type='differentiator' (gain times frequency, weight over frequency); a Hilbert
transformer's band with type='hilbert'; a half-band filter as the low pass with pass edge F,
stop edge 0.5 - F and equal weights. Run with Debian's python3 (python3-scipy) from this
folder:

    /usr/bin/python3 generate.py

Three files: classic.txt (the four types of the document, some with their own weights),
types.txt (multiband, differentiator, Hilbert, half-band) and random.txt (requests drawn
at random with a fixed seed, kept where scipy converges). Each design is a line of fields,

    type=lowpass length=31 ripple=0.1 attenuation=60 edges=0.2,0.25 [weights=1,30]
    type=multiband length=101 bands=0:0.1:1:1;0.15:0.3:0:10   (from:to:gain:weight)

followed by scipy's coefficients, one per line. The new types are designed on a grid of
256 points per coefficient (scipy's default is 16), so that scipy's peak error between grid
points lies within a small fraction of the optimum's.
"""
import numpy as np
from scipy.signal import remez

PASS = {"lowpass": [True, False], "highpass": [False, True],
        "bandpass": [False, True, False], "bandstop": [True, False, True]}

CLASSIC = [
    dict(type="lowpass", length=31, ripple=0.1, attenuation=60, edges=[0.2, 0.25]),
    dict(type="lowpass", length=32, ripple=0.5, attenuation=40, edges=[0.15, 0.2]),
    dict(type="highpass", length=51, ripple=0.2, attenuation=70, edges=[0.3, 0.33]),
    dict(type="bandpass", length=64, ripple=0.5, attenuation=50, edges=[0.1, 0.14, 0.3, 0.34]),
    dict(type="bandstop", length=81, ripple=0.1, attenuation=60, edges=[0.1, 0.15, 0.3, 0.35]),
    dict(type="lowpass", length=301, ripple=0.1, attenuation=100, edges=[0.2, 0.22]),
    dict(type="lowpass", length=81, ripple=0.1, attenuation=80, edges=[20 / 48, 22 / 48]),
    dict(type="bandpass", length=53, ripple=0.5, attenuation=60, edges=[0.1, 0.15, 0.3, 0.35]),
    dict(type="lowpass", length=45, ripple=0.1, attenuation=60, edges=[0.2, 0.25], weights=[1, 30]),
    dict(type="bandpass", length=60, ripple=0.5, attenuation=40, edges=[0.1, 0.15, 0.3, 0.35],
         weights=[3, 1, 10]),
]

TYPES = [
    dict(type="multiband", length=101, bands=[(0, 0.1, 1, 1), (0.15, 0.25, 0, 10), (0.3, 0.4, 0.5, 1),
                                              (0.45, 0.5, 0, 10)]),
    dict(type="multiband", length=80, bands=[(0, 0.15, 0, 1), (0.2, 0.3, 1, 1), (0.35, 0.45, 0.25, 4)]),
    dict(type="multiband", length=63, bands=[(0.05, 0.1, 0, 2), (0.15, 0.2, 1, 1), (0.25, 0.3, 0, 2),
                                             (0.35, 0.4, 1, 1), (0.42, 0.47, 0, 2), (0.49, 0.5, 0.5, 1)]),
    dict(type="differentiator", length=64, bands=[(0, 0.45, 1, 1)]),
    dict(type="differentiator", length=31, bands=[(0, 0.35, 2, 1)]),
    dict(type="differentiator", length=40, bands=[(0, 0.2, 1, 1), (0.3, 0.5, 0, 5)]),
    dict(type="hilbert", length=31, edges=[0.05, 0.45]),
    dict(type="hilbert", length=64, edges=[0.03, 0.5]),
    dict(type="hilbert", length=101, edges=[0.02, 0.4]),
    dict(type="halfband", length=63, edges=[0.2]),
    dict(type="halfband", length=31, edges=[0.17]),
]


def deviations(ripple, attenuation):
    p = 10 ** (ripple / 20)
    return (p - 1) / (p + 1), 10 ** (-attenuation / 20)


def classic(d):
    dp, ds = deviations(d["ripple"], d["attenuation"])
    passes = PASS[d["type"]]
    weight = d.get("weights") or [1.0 if p else dp / ds for p in passes]
    return [0.0] + d["edges"] + [0.5], [1.0 if p else 0.0 for p in passes], weight, "bandpass"


def arguments(d):
    """scipy's bands, desired, weight and type for design d."""
    if d["type"] in PASS:
        return classic(d)
    if d["type"] in ("multiband", "differentiator"):
        bands = [e for b in d["bands"] for e in b[:2]]
        kind = "bandpass" if d["type"] == "multiband" else "differentiator"
        return bands, [b[2] for b in d["bands"]], [b[3] for b in d["bands"]], kind
    if d["type"] == "hilbert":
        return d["edges"], [1.0], [1.0], "hilbert"
    f = d["edges"][0]
    return [0.0, f, 0.5 - f, 0.5], [1.0, 0.0], [1.0, 1.0], "bandpass"


def header(d):
    fields = [f"type={d['type']}", f"length={d['length']}"]
    for key in ("ripple", "attenuation"):
        if key in d:
            fields.append(f"{key}={d[key]!r}")
    for key in ("edges", "weights"):
        if key in d:
            fields.append(f"{key}=" + ",".join(repr(float(v)) for v in d[key]))
    if "bands" in d:
        fields.append("bands=" + ";".join(":".join(repr(float(v)) for v in b) for b in d["bands"]))
    return " ".join(fields)


def design(d, density):
    bands, desired, weight, kind = arguments(d)
    return remez(d["length"], bands, desired, weight=weight, type=kind, fs=1.0, grid_density=density, maxiter=100)


def random_requests(count, seed=19):
    """Low, high, band pass and band stop filters and multiband filters of 11 to 201
    coefficients, transition bands of 0.02 to 0.1, 0.05 to 1 dB, 30 to 90 dB."""
    rng = np.random.default_rng(seed)
    out = []
    while len(out) < count:
        kind = rng.choice(["lowpass", "highpass", "bandpass", "bandstop", "multiband"])
        length = int(rng.integers(11, 202))
        if kind in ("highpass", "bandstop") and length % 2 == 0:
            length += 1
        if kind == "multiband":
            edges = np.sort(rng.uniform(0.02, 0.48, 4))
            if np.min(np.diff(edges)) < 0.03:
                continue
            gains = rng.choice([0.0, 0.5, 1.0], 3)
            ends = [0.0] + list(edges) + [0.5]
            bands = [(ends[2 * i], ends[2 * i + 1], float(gains[i]), float(rng.choice([1.0, 3.0, 10.0])))
                     for i in range(3)]
            if length % 2 == 0 and bands[-1][2] != 0.0:
                length += 1
            out.append(dict(type=kind, length=length, bands=bands))
            continue
        count_edges = 2 if kind in ("lowpass", "highpass") else 4
        edges = np.sort(rng.uniform(0.03, 0.47, count_edges // 2))
        widths = rng.uniform(0.02, 0.1, count_edges // 2)
        pairs = [e for c, w in zip(edges, widths) for e in (c - w / 2, c + w / 2)]
        if np.any(np.diff(pairs) <= 0.01) or pairs[0] <= 0.005 or pairs[-1] >= 0.495:
            continue
        out.append(dict(type=kind, length=length, ripple=round(float(rng.uniform(0.05, 1.0)), 3),
                        attenuation=round(float(rng.uniform(30, 90)), 1), edges=[float(e) for e in pairs]))
    return out


def write(name, designs, skip_failures=False, density=16):
    with open(name, "w") as out:
        for d in designs:
            try:
                h = design(d, density)
            except ValueError:
                if skip_failures:
                    continue
                raise
            out.write(header(d) + "\n")
            out.writelines(f"{v:.17g}\n" for v in np.asarray(h))


def main():
    write("classic.txt", CLASSIC)
    write("types.txt", TYPES, density=256)
    write("random.txt", random_requests(40), skip_failures=True)


if __name__ == "__main__":
    main()
