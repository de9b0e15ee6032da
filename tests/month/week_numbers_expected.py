#!/usr/bin/env python3
"""Writes the week number of every month-grid row of 1900 to 2100.

One line per rule, week start, year and month: "iso|us sunday|monday YEAR
MONTH" and the six rows' numbers, 0 for a row without a day of the month.
ISO numbers come from datetime.isocalendar(); US numbers (weeks from Sunday,
week 1 holding the 1st of January) are counted here. A row takes the week
that holds most of its seven days, found by counting them.
"""
import datetime
import sys
from collections import Counter

ONE_DAY = datetime.timedelta(days=1)


def iso_week(day):
    year, week, _ = day.isocalendar()
    return (year, week)


def us_week(day):
    # Walk back to the week's Sunday; if that week reaches the next year's
    # 1st of January it is that year's week 1.
    sunday = day - datetime.timedelta(days=(day.weekday() + 1) % 7)
    if (sunday + 6 * ONE_DAY).year != sunday.year:
        return (sunday.year + 1, 1)
    week, walker = 1, datetime.date(sunday.year, 1, 1)
    while walker.weekday() != 6:
        walker += ONE_DAY
    # walker is the year's first Sunday; week 1 ends the day before it,
    # unless the year starts on a Sunday.
    if walker != datetime.date(sunday.year, 1, 1):
        week = 2
    week += (sunday - walker).days // 7
    return (sunday.year, week)


def row_numbers(rule, monday_first, year, month):
    first = datetime.date(year, month, 1)
    offset = first.weekday() if monday_first else (first.weekday() + 1) % 7
    start = first - datetime.timedelta(days=offset)
    numbers = []
    for row in range(6):
        days = [start + datetime.timedelta(days=7 * row + i) for i in range(7)]
        if not any(d.month == month and d.year == year for d in days):
            numbers.append(0)
            continue
        counts = Counter(rule(d) for d in days)
        numbers.append(counts.most_common(1)[0][0][1])
    return numbers


def main():
    out = open(sys.argv[1], "w") if len(sys.argv) > 1 else sys.stdout
    for name, rule in (("iso", iso_week), ("us", us_week)):
        for start, monday_first in (("sunday", False), ("monday", True)):
            for year in range(1900, 2101):
                for month in range(1, 13):
                    numbers = row_numbers(rule, monday_first, year, month)
                    out.write(f"{name} {start} {year} {month} {' '.join(map(str, numbers))}\n")


if __name__ == "__main__":
    main()
