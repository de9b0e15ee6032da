#!/usr/bin/env python3
"""Times datewright-render writing one and twelve months as PDF against
"pcal | ps2pdf" doing the same, interleaved in one session, and prints the
medians of wall-clock and CPU time (user + system, children included) with
their ratios; twelve months with the United Kingdom's holidays are timed
against pcal with an equivalent holiday file. Needs the Debian packages pcal
and ghostscript and a built program folder:
compare_pcal.py [program folder] [rounds] [--scale].

With --scale the renderer at scale joins the same rounds (see
scale_commands): also needs remind (for rem2pdf)."""

import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

at_scale = "--scale" in sys.argv
arguments = [a for a in sys.argv[1:] if a != "--scale"]
folder = arguments[0] if len(arguments) > 0 else os.path.join(os.path.dirname(__file__), "..", "build", "bin")
rounds = int(arguments[1]) if len(arguments) > 1 else 15
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


def scale_commands(work, render):
    """Many pages and many jobs: a month against remind | rem2pdf, 365 day
    pages as one PDF and as PNG pictures, and a batch of 100 month PDFs
    against 100 separate calls of the renderer."""
    open(f"{work}/empty.rem", "w").close()
    os.makedirs(f"{work}/ours-png", exist_ok=True)
    os.makedirs(f"{work}/gs-png", exist_ok=True)
    months = [(1 + i % 12, 2027 + i // 12) for i in range(100)]
    with open(f"{work}/batch.txt", "w") as batch:
        for i, (month, year) in enumerate(months):
            batch.write(f"--month {month} --year {year} -o {work}/batch-{i}.pdf\n")
    separate = "; ".join(f"'{render}' --month {month} --year {year} -o {work}/call-{i}.pdf"
                         for i, (month, year) in enumerate(months))
    days = "--layout loDay10 --month 1 --day 1 --year 2027 --count 365"
    return {
        "remind, one month": f"remind -pp {work}/empty.rem Jan 2027 | rem2pdf > {work}/remind-one.pdf",
        "ours, 365 days PDF": f"'{render}' {days} -o {work}/days.pdf",
        "ours, 365 days PNG": f"'{render}' {days} -o {work}/ours-png/day.png",
        "gs, 365 pages PNG": f"pcal 1 2027 365 | gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m "
                             f"-r96 -sOutputFile={work}/gs-png/page-%03d.png -",
        "ours, batch of 100": f"'{render}' --batch {work}/batch.txt",
        "ours, 100 calls": separate,
    }


def report_scale(medians):
    """The ratios the renderer at scale is measured by, with their goals."""
    pairs = [("one month PDF vs pcal | ps2pdf", "pcal, one month", "ours, one month", 4),
             ("one month PDF vs remind | rem2pdf", "remind, one month", "ours, one month", None),
             ("365 day pages PDF vs pcal 12 months | ps2pdf", "pcal, twelve months",
              "ours, 365 days PDF", 6),
             ("365 day pages PNG vs pcal | gs png16m", "gs, 365 pages PNG", "ours, 365 days PNG", 3),
             ("batch of 100 month PDFs vs 100 calls", "ours, 100 calls", "ours, batch of 100", 5)]
    for title, theirs, ours, goal in pairs:
        wall = medians[theirs][0] / medians[ours][0]
        cpu = medians[theirs][1] / medians[ours][1]
        aim = f" (goal {goal}x)" if goal else ""
        print(f"{title}: {wall:.2f}x by wall clock, {cpu:.2f}x by CPU time{aim}")


def measure(command):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(command, shell=True, env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall * 1000, cpu * 1000

if at_scale:
    commands.update(scale_commands(work, render))
print(f"load average before: {' '.join(f'{l:.2f}' for l in os.getloadavg())}")

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
if at_scale:
    report_scale(medians)
print(f"load average after: {' '.join(f'{l:.2f}' for l in os.getloadavg())}")
