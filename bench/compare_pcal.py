#!/usr/bin/env python3
"""Times datewright-render writing one and twelve months as PDF against
"pcal | ps2pdf" doing the same, interleaved in one session, and prints the
medians of wall-clock and CPU time (user + system, children included) with
their ratios; twelve months with the United Kingdom's holidays are timed
against pcal with an equivalent holiday file. Needs the Debian packages pcal and ghostscript and a built
program folder: compare_pcal.py [program folder] [rounds]."""

import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "build", "bin")
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15
render = os.path.join(folder, "datewright-render")
work = tempfile.mkdtemp()
env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C")

commands = {
    "ours, one month": f"'{render}' --month 1 --year 2027 -o {work}/one.pdf",
    "pcal, one month": f"pcal 1 2027 | ps2pdf - {work}/pcal-one.pdf",
    "ours, twelve months": f"'{render}' --month 1 --year 2027 --count 12 -o {work}/twelve.pdf",
    "pcal, twelve months": f"pcal 1 2027 12 | ps2pdf - {work}/pcal-twelve.pdf",
}


# The United Kingdom's holidays as pcal's rules: the dates of the shipped set
# (without its substitute days, which pcal cannot express).
PCAL_UK_HOLIDAYS = """\
Jan 1*                  New Year's Day
Jan 2*                  2nd January (Scotland)
Mar 17*                 St Patrick's Day (Northern Ireland)
Good_Friday*            Good Friday
Mon after Easter*       Easter Monday (England, Wales, Northern Ireland)
first Mon in May*       Early May bank holiday
last Mon in May*        Spring bank holiday
Jul 12*                 Battle of the Boyne (Northern Ireland)
first Mon in Aug*       Summer bank holiday (Scotland)
last Mon in Aug*        Summer bank holiday (England, Wales, Northern Ireland)
Nov 30*                 St Andrew's Day (Scotland)
Dec 25*                 Christmas Day
Dec 26*                 Boxing Day
"""


def holiday_commands(work):
    """Twelve months filled with the United Kingdom's holidays, both ways."""
    holidays = os.path.join(work, "uk-holidays.txt")
    with open(holidays, "w", encoding="ascii") as file:
        file.write(PCAL_UK_HOLIDAYS)
    return {
        "ours, twelve months with holidays":
            f"'{render}' --month 1 --year 2027 --count 12 --fill holidays:UK -o {work}/uk.pdf",
        "pcal, twelve months with holidays":
            f"pcal -f {holidays} 1 2027 12 | ps2pdf - {work}/pcal-uk.pdf",
    }


def print_holiday_ratio(medians):
    ours = medians["ours, twelve months with holidays"]
    theirs = medians["pcal, twelve months with holidays"]
    print(f"twelve months with holidays: {theirs[0] / ours[0]:.2f}x faster by wall clock, "
          f"{theirs[1] / ours[1]:.2f}x by CPU time (goal: at least 3x)")


commands.update(holiday_commands(work))


def measure(command):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(command, shell=True, env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall * 1000, cpu * 1000


samples = {name: [] for name in commands}
for _ in range(rounds):
    for name, command in commands.items():
        samples[name].append(measure(command))

medians = {name: (statistics.median(s[0] for s in runs), statistics.median(s[1] for s in runs))
           for name, runs in samples.items()}
for name, (wall, cpu) in medians.items():
    print(f"{name:34} wall {wall:6.1f} ms   cpu {cpu:6.1f} ms")
for span in ("one month", "twelve months"):
    ours, theirs = medians[f"ours, {span}"], medians[f"pcal, {span}"]
    print(f"{span}: {theirs[0] / ours[0]:.2f}x faster by wall clock, "
          f"{theirs[1] / ours[1]:.2f}x by CPU time")
print_holiday_ratio(medians)
