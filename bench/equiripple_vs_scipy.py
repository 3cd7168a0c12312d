#!/usr/bin/python3
"""Times our equiripple design against scipy.signal.remez on the same requests.

Runs bench_equiripple (Google Benchmark, one request at a time: the mean wall time over at
least 0.3 s, the median of 3 such runs) and times scipy's remez on that request the same
way in this process right after it, round after round, so that both see the same load;
prints each one's median over the rounds, the ratio (scipy / ours, above 1: ours is faster)
and the machine's load average. Needs Debian's python3 with python3-scipy and numpy; where
they are missing it says so and exits 0.

    /usr/bin/python3 bench/equiripple_vs_scipy.py [build/bin/bench_equiripple] [--rounds N]

The requests are those of bench/EquirippleBench.cpp, by the same names. The weights of a
low pass are ours: pass band 1, stop band pass deviation / stop deviation.
"""
import json
import os
import statistics
import subprocess
import sys
import time

try:
    import numpy  # noqa: F401
    from scipy.signal import remez
except ImportError as missing:
    print(f"skipped: scipy is not available ({missing}); install python3-scipy")
    sys.exit(0)


def deviations(ripple, attenuation):
    p = 10 ** (ripple / 20)
    return (p - 1) / (p + 1), 10 ** (-attenuation / 20)


def low_pass(n, stop_edge, attenuation):
    dp, ds = deviations(0.1, attenuation)
    return lambda: remez(n, [0, 0.2, stop_edge, 0.5], [1, 0], weight=[1, dp / ds], fs=1.0, maxiter=100)


REQUESTS = {
    "lowpass_101": (low_pass(101, 0.225, 60), "at least 2"),
    "lowpass_255": (low_pass(255, 0.22, 60), "at least 2"),
    "lowpass_1023": (low_pass(1023, 0.205, 60), "at least 2"),
    "lowpass_4095": (low_pass(4095, 0.202, 120), "ours under 250 ms"),
    "multiband_201": (lambda: remez(201, [0, 0.1, 0.12, 0.2, 0.22, 0.3, 0.32, 0.5], [1, 0, 0.5, 0],
                                    weight=[1, 10, 1, 10], fs=1.0, maxiter=100), ""),
    "differentiator_64": (lambda: remez(64, [0, 0.45], [1], type="differentiator", fs=1.0, maxiter=100), ""),
    "hilbert_255": (lambda: remez(255, [0.02, 0.48], [1], type="hilbert", fs=1.0, maxiter=100), ""),
    "halfband_255": (lambda: remez(255, [0, 0.24, 0.26, 0.5], [1, 0], fs=1.0, maxiter=100), ""),
}


def ours(program, name):
    """Our median wall time in seconds from one run of the benchmark program."""
    out = subprocess.run([program, f"--benchmark_filter=^Design/{name}/", "--benchmark_format=json",
                          "--benchmark_min_time=0.3", "--benchmark_repetitions=3"],
                         check=True, capture_output=True, text=True).stdout
    runs = [b for b in json.loads(out)["benchmarks"] if b.get("run_type") == "iteration"]
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    return statistics.median(b["real_time"] * scale[b["time_unit"]] for b in runs)


def theirs(design):
    """scipy's wall time in seconds per design, as the benchmark program measures ours:
    the mean over a batch of at least 0.3 s, the median of 3 batches; None where scipy
    does not converge."""
    batches = []
    for _ in range(3):
        count, start = 0, time.perf_counter()
        while count == 0 or time.perf_counter() - start < 0.3:
            try:
                design()
            except ValueError:
                return None
            count += 1
        batches.append((time.perf_counter() - start) / count)
    return statistics.median(batches)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--rounds")]
    rounds = int(next((a.split("=")[1] for a in sys.argv[1:] if a.startswith("--rounds=")), "3"))
    program = args[0] if args else os.path.join("build", "bin", "bench_equiripple")
    print(f"load average before: {' '.join(f'{v:.2f}' for v in os.getloadavg())} on {os.cpu_count()} cores")
    print(f"{'request':<20} {'ours ms':>9} {'scipy ms':>9} {'scipy/ours':>10}  target")
    for name, (design, target) in REQUESTS.items():
        our_times, their_times = [], []
        for _ in range(rounds):
            our_times.append(ours(program, name))
            their_times.append(theirs(design))
        mine = statistics.median(our_times)
        failed = any(t is None for t in their_times)
        other = None if failed else statistics.median(their_times)
        ratio = "-" if other is None else f"{other / mine:.2f}"
        shown = "fails" if other is None else f"{other * 1e3:.2f}"
        print(f"{name:<20} {mine * 1e3:>9.2f} {shown:>9} {ratio:>10}  {target}")
    print(f"load average after: {' '.join(f'{v:.2f}' for v in os.getloadavg())}")


if __name__ == "__main__":
    main()
