#!/usr/bin/env python3
"""Times Datewright's start-up: from starting the process to the first painted
page of the document it reopens (the program prints "first-paint" then, when
DW_EXIT_AFTER_FIRST_PAINT is set), against starting and quitting an empty
QApplication (dw_bench_empty_startup) in the same session. Runs are
interleaved; the medians and their ratio are printed.

    bench/startup.py [build folder] [rounds]

Under xvfb-run (or on a desktop) the program runs on the X display, as users
start it; without a display, on the offscreen platform.

The build folder (default: build) needs bin/datewright, bin/datewright-render
and bench/dw_bench_empty_startup. The program runs from a copy in a temporary
folder, so its settings file stays there."""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "build"))
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15

work = tempfile.mkdtemp(prefix="dw-startup-")
program_folder = os.path.join(work, "program")
runtime = os.path.join(work, "runtime")
os.makedirs(program_folder)
os.makedirs(runtime, mode=0o700)
program = os.path.join(program_folder, "datewright")
shutil.copy2(os.path.join(build, "bin", "datewright"), program)
empty = os.path.join(build, "bench", "dw_bench_empty_startup")

env = dict(os.environ, LC_ALL="C", XDG_RUNTIME_DIR=runtime, DW_EXIT_AFTER_FIRST_PAINT="1")
# A desktop's X display when there is one, as users start the program.
env.setdefault("QT_QPA_PLATFORM", "xcb" if env.get("DISPLAY") else "offscreen")

# The document the program reopens: a month with minis, December 1999.
document = os.path.join(program_folder, "Dec1999.DWC")
subprocess.run([os.path.join(build, "bin", "datewright-render"), "--layout", "loFCMinisInTitleLS",
                "--month", "12", "--year", "1999", "--save", document],
               env=env, check=True, stdout=subprocess.DEVNULL)
with open(os.path.join(program_folder, "DW.ini"), "wb") as settings:
    settings.write(b"[MRU]\r\nF0=" + document.encode() + b"\r\n")


def first_paint(command):
    """Seconds from starting command to its "first-paint" line."""
    start = time.perf_counter()
    process = subprocess.Popen([command], env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    line = process.stdout.readline()
    elapsed = time.perf_counter() - start
    process.wait()
    if line.strip() != b"first-paint" or process.returncode != 0:
        sys.exit(f"{command} did not paint its first page (exit {process.returncode})")
    return elapsed


# One run each to fill the caches, then the timed rounds, interleaved.
first_paint(program)
first_paint(empty)
times = {"datewright": [], "empty QApplication": []}
for _ in range(rounds):
    times["datewright"].append(first_paint(program))
    times["empty QApplication"].append(first_paint(empty))
shutil.rmtree(work)

medians = {name: statistics.median(values) for name, values in times.items()}
for name, values in times.items():
    print(f"{name:20} median {medians[name] * 1000:7.1f} ms   "
          f"min {min(values) * 1000:7.1f} ms   max {max(values) * 1000:7.1f} ms")
print(f"ratio (datewright / empty): {medians['datewright'] / medians['empty QApplication']:.2f}"
      f"   ({rounds} interleaved rounds, QT_QPA_PLATFORM={env['QT_QPA_PLATFORM']})")
