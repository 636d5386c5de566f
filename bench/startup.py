#!/usr/bin/env python3
"""morvalen's start-up against a static no-op's, in instructions (callgrind),
median wall time and peak memory (GNU time). Usage: bench/startup.py [runs]"""

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
# The most instructions that a run may add to the no-op's, which, unlike the
# no-op's own count, moves neither with the load nor with the environment;
# 29/02/9999 is refused before the years are counted. Wall time and memory
# vary more; they are shown against their targets, 1.1 x and 1.25 x.
ADDED_LIMITS = {"01/01/1753": 2_000, "31/12/9999": 65_000, "29/02/9999": 2_000}
RUNS = [("static no-op", [os.path.join(BENCH, "noop")])] + [
    (f"morvalen {date} ({build})", [os.path.join(BENCH, build, "cli", "morvalen"), date])
    for build in FOR_SPEED + ["MinSizeRel"] for date in ADDED_LIMITS]
ENVIRONMENT = {**os.environ, "LC_ALL": "C", "TZ": "UTC"}


def run(command, **options):
    return subprocess.run(command, cwd=ROOT, env=ENVIRONMENT, text=True, **options)


def build():
    for build_type in FOR_SPEED + ["MinSizeRel"]:
        folder = os.path.join(BENCH, build_type)
        run(["cmake", "--fresh", "-S", ".", "-B", folder, f"-DCMAKE_BUILD_TYPE={build_type}",
             "-DBUILD_TESTING=OFF", "-DMORVALEN_STATIC=ON"], stdout=subprocess.DEVNULL, check=True)
        run(["cmake", "--build", folder], stdout=subprocess.DEVNULL, check=True)
    run([os.environ.get("CXX", "c++"), "-O2", "-static", "-o", RUNS[0][1][0], "-x", "c++", "-"],
        input="int main() { return 0; }\n", check=True)


def instructions(command):
    report = run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"] + command,
                 stdout=subprocess.DEVNULL, stderr=subprocess.PIPE).stderr
    return int(re.search(r"Collected : (\d+)", report).group(1))


def peak_kib(command):
    with tempfile.NamedTemporaryFile("r") as report:
        run(["time", "-f", "%M", "-q", "-o", report.name] + command,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
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
    figures = {"instructions": {name: instructions(command) for name, command in RUNS},
               "wall us": median_walls(count),
               "peak KiB": {name: peak_kib(command) for name, command in RUNS}}
    floor = RUNS[0][0]
    print(f"{'run':40}" + "".join(f" {unit:>12} {'x no-op':>7}" for unit in figures))
    for name, _ in RUNS:
        print(f"{name:40}" + "".join(f" {figure[name]:>12,.0f} {figure[name] / figure[floor]:>7.2f}"
                                     for figure in figures.values()))
    print(f"\n{os.cpu_count()} cores, {len(ENVIRONMENT)} environment variables, {count} runs each "
          f"for the wall time; the worst of {' and '.join(FOR_SPEED)}:")
    held = True
    for date, limit in ADDED_LIMITS.items():
        worst = [max(figure[f"morvalen {date} ({build})"] for build in FOR_SPEED) / figure[floor]
                 for figure in figures.values()]
        added = round((worst[0] - 1) * figures["instructions"][floor])
        held = held and added <= limit
        print(f"{'met    ' if added <= limit else 'NOT MET'}  {date}: {added:+,} instructions, "
              f"at most {limit:+,}; wall time {worst[1]:.2f} x (target 1.10 x), "
              f"peak memory {worst[2]:.2f} x (target 1.25 x)")
    return 0 if held else 1


if __name__ == "__main__":
    sys.exit(main())
