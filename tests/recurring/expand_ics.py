"""Reads an iCalendar file with the icalendar module and prints the days of
each event between two dates, expanded with dateutil's rules:
UID <tab> SUMMARY <tab> YYYY-MM-DD,YYYY-MM-DD,...

usage: expand_ics.py FILE FIRST LAST   (dates as YYYY-MM-DD)
"""
import datetime
import sys

from dateutil.rrule import rrulestr
from icalendar import Calendar


def as_date(value):
    return value.date() if isinstance(value, datetime.datetime) else value


def listed_dates(prop):
    if prop is None:
        return []
    props = prop if isinstance(prop, list) else [prop]
    return [as_date(d.dt) for p in props for d in p.dts]


def main():
    with open(sys.argv[1], 'rb') as f:
        calendar = Calendar.from_ical(f.read())
    first = datetime.date.fromisoformat(sys.argv[2])
    last = datetime.date.fromisoformat(sys.argv[3])
    for event in calendar.walk('VEVENT'):
        start = as_date(event['DTSTART'].dt)
        days = {start}
        if 'RRULE' in event:
            rule = rrulestr(event['RRULE'].to_ical().decode(),
                            dtstart=datetime.datetime.combine(start, datetime.time()))
            days.update(d.date() for d in rule.between(
                datetime.datetime.combine(first, datetime.time()),
                datetime.datetime.combine(last, datetime.time()), inc=True))
        days.update(listed_dates(event.get('RDATE')))
        shown = sorted(d for d in days if first <= d <= last)
        print('%s\t%s\t%s' % (event['UID'], event['SUMMARY'],
                              ','.join(d.isoformat() for d in shown)))


main()
