#!/usr/bin/env python3
"""Start-up benchmark: morvalen, built with each of CMake's optimising build
types (the presets build Release), against the floor, a static no-op program.
Prints instructions (valgrind callgrind), median wall time of runs interleaved
in random order, and peak memory (GNU time), each also as a multiple of the
no-op's, with GNU date for context; then the targets. Runs get the script's
environment with LC_ALL=C TZ=UTC: the no-op's count grows with its size, what
morvalen adds does not. Usage: python3 bench/startup.py [runs]
"""

import os
import random
import re
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BENCH = os.path.join(ROOT, "build", "bench")
FOR_SPEED = ["Release", "RelWithDebInfo"]
RUNS = [("static no-op", [os.path.join(BENCH, "noop")])] + [
    (f"morvalen {date} ({build})", [os.path.join(BENCH, build, "cli", "morvalen"), date])
    for build in FOR_SPEED + ["MinSizeRel"] for date in ("01/01/1753", "31/12/9999")
] + [("date -d 9999-12-31 +%A", ["date", "-d", "9999-12-31", "+%A"])]
# Each target: the date, and the most instructions, wall time and peak memory
# as multiples of the no-op's. The kernel maps an executable 64 KiB at a time:
# two builds of one program can differ by two such windows, a quarter of the
# floor (mostly GNU time's own pages, which its child inherits).
TARGETS = [("01/01/1753", (1.05, 1.1, 1.25)), ("31/12/9999", (3, 1.1, 1.25))]
ENVIRONMENT = {**os.environ, "LC_ALL": "C", "TZ": "UTC"}


def run(command, **options):
    return subprocess.run(command, cwd=ROOT, env=ENVIRONMENT, check=True, text=True, **options)


def build():
    run([".ci/install-packages", "valgrind", "time"], stdout=subprocess.DEVNULL)
    for build_type in FOR_SPEED + ["MinSizeRel"]:
        run(["cmake", "-S", ".", "-B", os.path.join(BENCH, build_type), "-DBUILD_TESTING=OFF",
             f"-DCMAKE_BUILD_TYPE={build_type}", "-DMORVALEN_STATIC=ON"], stdout=subprocess.DEVNULL)
        run(["cmake", "--build", os.path.join(BENCH, build_type)], stdout=subprocess.DEVNULL)
    run([os.environ.get("CXX", "c++"), "-O2", "-static", "-o", RUNS[0][1][0], "-x", "c++", "-"],
        input="int main() { return 0; }\n")


def instructions(command):
    report = run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"] + command,
                 stdout=subprocess.DEVNULL, stderr=subprocess.PIPE).stderr
    return int(re.search(r"Collected : (\d+)", report).group(1))


def peak_kib(command):
    with tempfile.NamedTemporaryFile("r") as report:
        run(["time", "-f", "%M", "-o", report.name] + command, stdout=subprocess.DEVNULL)
        return int(report.read())


def median_walls(count):
    to_null = [(os.POSIX_SPAWN_OPEN, fd, os.devnull, os.O_WRONLY, 0) for fd in (1, 2)]
    samples = {name: [] for name, _ in RUNS}
    for _ in range(count):
        for name, command in random.sample(RUNS, len(RUNS)):
            start = time.perf_counter()
            os.waitpid(os.posix_spawnp(command[0], command, ENVIRONMENT, file_actions=to_null), 0)
            samples[name].append(time.perf_counter() - start)
    return {name: statistics.median(times) * 1e6 for name, times in samples.items()}


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 300
    build()
    units = ["instructions", "wall us", "peak KiB"]
    figures = [{name: instructions(command) for name, command in RUNS}, median_walls(count),
               {name: peak_kib(command) for name, command in RUNS}]
    floor = RUNS[0][0]
    print(f"{'run':36}" + "".join(f" {unit:>12} {'x no-op':>7}" for unit in units))
    for name, _ in RUNS:
        print(f"{name:36}" + "".join(f" {figure[name]:>12,.0f} {figure[name] / figure[floor]:>7.2f}"
                                     for figure in figures))
    print(f"\n{os.cpu_count()} cores, {len(ENVIRONMENT)} environment variables, {count} runs "
          f"each for the wall time. Targets, met by the worst of {' and '.join(FOR_SPEED)}:")
    held = True
    for date, limits in TARGETS:
        for unit, figure, limit in zip(units, figures, limits):
            worst = max(figure[f"morvalen {date} ({build})"] for build in FOR_SPEED)
            held = held and worst <= limit * figure[floor]
            print(f"{'met    ' if worst <= limit * figure[floor] else 'NOT MET'}  {date}: {unit} "
                  f"at most {limit} x the no-op's: {worst / figure[floor]:.2f} x, "
                  f"{worst - figure[floor]:+,.0f}")
    return 0 if held else 1


if __name__ == "__main__":
    sys.exit(main())
