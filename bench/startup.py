#!/usr/bin/env python3
"""Start-up benchmark: morvalen against a static no-op program and GNU date.

Builds the static morvalen the way the presets do and under each of CMake's
optimising build types, and a static no-op baseline, then prints one table:
instructions per whole run (valgrind callgrind, repeatable on a busy machine),
median wall time over interleaved runs, and peak memory; then each target and
whether it holds for every build. Every run gets the environment the script
was started with, as a user's would. Run from anywhere:
python3 bench/startup.py [runs]
"""

import os
import platform
import re
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BENCH = os.path.join(ROOT, "build", "bench")
# Each build: its name and how it is configured. The presets build Release.
BUILDS = [("preset", ["--preset", "release"])] + [
    (build_type, [f"-DCMAKE_BUILD_TYPE={build_type}", "-DMORVALEN_STATIC=ON"])
    for build_type in ("Release", "RelWithDebInfo", "MinSizeRel")]
BASELINE = os.path.join(BENCH, "preset", "bench", "noop")
PEAK_MEMORY = os.path.join(BENCH, "preset", "bench", "peak_memory")
DATES = ["01/01/1753", "31/12/9999", "01/01/1752"]

CASES = [(f"morvalen {date} ({kind})", [os.path.join(BENCH, kind, "cli", "morvalen"), date])
         for kind, _ in BUILDS for date in DATES] + [
    ("date -d 1753-01-01 +%A", ["date", "-d", "1753-01-01", "+%A"]),
    ("date -d 9999-12-31 +%A", ["date", "-d", "9999-12-31", "+%A"]),
    ("static no-op baseline", [BASELINE]),
]


def build():
    quiet = {"cwd": ROOT, "check": True, "stdout": subprocess.DEVNULL}
    for name, options in BUILDS:
        directory = os.path.join(BENCH, name)
        subprocess.run(["cmake", "-S", ".", "-B", directory, "-DBUILD_TESTING=OFF",
                        "-DMORVALEN_BUILD_BENCH=ON"] + options, **quiet)
        subprocess.run(["cmake", "--build", directory], **quiet)


def instructions(command):
    run = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"]
                         + command, stdout=subprocess.DEVNULL,
                         stderr=subprocess.PIPE, text=True, check=False)
    return int(re.search(r"Collected : (\d+)", run.stderr).group(1))


def peak_kib(command):
    return int(subprocess.run([PEAK_MEMORY] + command, capture_output=True, text=True,
                              check=True).stdout)


def wall_seconds(command):
    to_null = [(os.POSIX_SPAWN_OPEN, fd, os.devnull, os.O_WRONLY, 0) for fd in (1, 2)]
    start = time.perf_counter()
    pid = os.posix_spawnp(command[0], command, os.environ, file_actions=to_null)
    os.waitpid(pid, 0)
    return time.perf_counter() - start


def median_walls(runs):
    samples = {name: [] for name, _ in CASES}
    for _ in range(runs):
        for name, command in CASES:
            samples[name].append(wall_seconds(command))
    return {name: statistics.median(times) for name, times in samples.items()}


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 300
    build()
    counts = {name: instructions(command) for name, command in CASES}
    peaks = {name: max(peak_kib(command) for _ in range(5)) for name, command in CASES}
    medians = median_walls(runs)
    base = counts["static no-op baseline"]
    dates = {"1753": counts["date -d 1753-01-01 +%A"], "9999": counts["date -d 9999-12-31 +%A"]}
    print(f"{'run':44} {'instructions':>12} {'x no-op':>8} {'x date':>7} "
          f"{'median us':>10} {'peak KiB':>9}")
    for name, _ in CASES:
        same_date = dates["9999" if "9999" in name else "1753"]
        print(f"{name:44} {counts[name]:>12,} {counts[name] / base:>8.2f} "
              f"{counts[name] / same_date:>7.2f} {medians[name] * 1e6:>10.0f} {peaks[name]:>9}")
    morvalen_peak = max(peaks[name] for name, _ in CASES if name.startswith("morvalen"))
    date_peak = min(peaks[name] for name, _ in CASES if name.startswith("date"))
    wall = medians["morvalen 31/12/9999 (preset)"] / medians["date -d 9999-12-31 +%A"]
    print(f"\n{platform.node()}: {os.cpu_count()} cores, {platform.platform()}, "
          f"LANG={os.environ.get('LANG', '')}")
    print(f"wall time, median of {runs} interleaved runs: morvalen 31/12/9999 (preset) takes "
          f"{wall:.2f} x the time of date -d 9999-12-31")
    targets = [(f"peak memory {morvalen_peak} KiB below date's {date_peak} KiB",
                morvalen_peak < date_peak)]
    for kind, _ in BUILDS:
        targets += [
            (f"{kind}: 01/01/1753 within 1.15 x the static no-op",
             counts[f"morvalen 01/01/1753 ({kind})"] <= 1.15 * base),
            (f"{kind}: 31/12/9999 at most 0.45 x date's instructions",
             counts[f"morvalen 31/12/9999 ({kind})"] <= 0.45 * dates["9999"]),
        ]
    for text, held in targets:
        print(f"{'met    ' if held else 'NOT MET'}  {text}")
    return 0 if all(held for _, held in targets) else 1


if __name__ == "__main__":
    sys.exit(main())
