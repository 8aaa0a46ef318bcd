#!/usr/bin/env python3
"""Start-up time and peak memory of the desktop program, offscreen.

Each run starts mv52 from a fresh copy of the installation tree (start-up writes the settings
file) with its own HOME, and measures from just before the launch to the moment the event loop
has shown the main window (mv52 prints the time and quits when MV52_STARTUP_PROBE is set), and
the process's peak resident memory. Prints the median of the runs.

Usage: startup_bench.py [DIST_FOLDER] [RUNS]   (default build/dist, 7 runs)
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def one_run(dist):
    with tempfile.TemporaryDirectory() as work:
        tree = os.path.join(work, "dist")
        shutil.copytree(dist, tree, ignore=shutil.ignore_patterns("log*.txt"))
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", MV52_STARTUP_PROBE="1", HOME=work,
                   XDG_CONFIG_HOME=os.path.join(work, "config"), XDG_DATA_HOME=os.path.join(work, "data"))
        start = time.time_ns()
        child = subprocess.Popen([os.path.join(tree, "ZU_418", "mv52")], env=env, stdout=subprocess.PIPE,
                                 stderr=subprocess.DEVNULL, text=True)
        line = child.stdout.readline()
        _, status, usage = os.wait4(child.pid, 0)
        child.returncode = os.waitstatus_to_exitcode(status)
        if not line.startswith("shown ") or child.returncode != 0:
            raise SystemExit(f"mv52 did not report its window (exit {child.returncode}): {line!r}")
        shown = int(line.split()[1])
        return (shown - start) / 1e6, usage.ru_maxrss / 1024  # ms, MiB


def main():
    dist = sys.argv[1] if len(sys.argv) > 1 else "build/dist"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    results = [one_run(dist) for _ in range(runs)]
    times = [t for t, _ in results]
    memory = [m for _, m in results]
    print(f"start-up to main window shown: median {statistics.median(times):.0f} ms "
          f"(min {min(times):.0f}, max {max(times):.0f}) over {runs} runs")
    print(f"peak resident memory: median {statistics.median(memory):.1f} MiB "
          f"(min {min(memory):.1f}, max {max(memory):.1f})")


if __name__ == "__main__":
    main()
