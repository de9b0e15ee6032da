"""Reads an iCalendar file with the icalendar module, expands its events with
dateutil's rules and prints the days each falls on between two dates on a
clock of a fixed offset from UTC, one line a day of an event:
YYYY-MM-DD <tab> HH:MM on the day a timed event starts, else - <tab> SUMMARY

Sorted by day; in a day the lines without a time first, then by time, events
in file order. RRULE, RDATE, EXDATE, RECURRENCE-ID and STATUS:CANCELLED are
followed; DTSTART always counts as an occurrence.

usage: event_days.py FILE FIRST LAST OFFSET_HOURS   (dates as YYYY-MM-DD)
"""
import datetime
import sys

from dateutil import tz
from dateutil.rrule import rrulestr
from icalendar import Calendar

UTC = datetime.timezone.utc


def zones_of(calendar):
    zones = {}
    for block in calendar.walk('VTIMEZONE'):
        zones[str(block['TZID'])] = block.to_tz()
    return zones


def zone_of(prop, zones):
    """The zone a DATE-TIME property names: its own VTIMEZONE block, else the
    system's zone of that name; None for floating times and dates."""
    tzid = prop.params.get('TZID') if hasattr(prop, 'params') else None
    if tzid is None:
        return None
    return zones.get(str(tzid)) or tz.gettz(str(tzid))


def wall(value):
    """A date or a naive wall-clock datetime; aware values stay aware."""
    return value


def aware(value, zone):
    """A wall-clock datetime made a moment: in zone, or kept floating."""
    if isinstance(value, datetime.datetime) and value.tzinfo is None and zone is not None:
        if hasattr(zone, 'localize'):
            return zone.localize(value)
        return value.replace(tzinfo=zone)
    return value


def key(value):
    if isinstance(value, datetime.datetime):
        if value.tzinfo is not None:
            return ('t', value.astimezone(UTC).replace(tzinfo=None))
        return ('t', value)
    return ('d', value)


def length_of(event, start):
    if 'DTEND' in event:
        return event['DTEND'].dt - start
    if 'DURATION' in event:
        return event['DURATION'].dt
    return datetime.timedelta(days=1) if not isinstance(start, datetime.datetime) \
        else datetime.timedelta(0)


def listed(event, name, zones):
    props = event.get(name)
    if props is None:
        return []
    props = props if isinstance(props, list) else [props]
    values = []
    for prop in props:
        zone = zone_of(prop, zones)
        for value in prop.dts:
            values.append(aware(value.dt, zone))
    return values


def starts(event, zones, replaced):
    start_prop = event['DTSTART']
    zone = zone_of(start_prop, zones)
    start = start_prop.dt
    floating_start = start.replace(tzinfo=None) if isinstance(start, datetime.datetime) \
        and start.tzinfo is not None and zone is not None else start
    found = [aware(floating_start, zone) if zone is not None else start]
    if 'RECURRENCE-ID' not in event and 'RRULE' in event:
        rule = event['RRULE']
        if 'UNTIL' in rule:
            until = rule['UNTIL'][0]
            if isinstance(until, datetime.datetime) and until.tzinfo is not None:
                if isinstance(floating_start, datetime.datetime) and zone is not None:
                    until = until.astimezone(zone).replace(tzinfo=None)
                elif isinstance(floating_start, datetime.datetime) and floating_start.tzinfo:
                    pass
                else:
                    until = until.replace(tzinfo=None)
            rule['UNTIL'] = [until]
        dtstart = floating_start
        if not isinstance(dtstart, datetime.datetime):
            dtstart = datetime.datetime.combine(dtstart, datetime.time())
        text = rule.to_ical().decode()
        for value in rrulestr(text, dtstart=dtstart):
            if value.year > 2030:
                break
            if not isinstance(floating_start, datetime.datetime):
                value = value.date()
            found.append(aware(value, zone) if zone is not None else value)
    if 'RECURRENCE-ID' not in event:
        found += listed(event, 'RDATE', zones)
    excluded = {key(value) for value in listed(event, 'EXDATE', zones)}
    uid = str(event.get('UID', ''))
    unique = {}
    for value in found:
        k = key(value)
        if k in excluded or ('RECURRENCE-ID' not in event and (uid, k) in replaced):
            continue
        unique.setdefault(k, value)
    return [unique[k] for k in sorted(unique)]


def main():
    with open(sys.argv[1], 'rb') as f:
        calendar = Calendar.from_ical(f.read())
    first = datetime.date.fromisoformat(sys.argv[2])
    last = datetime.date.fromisoformat(sys.argv[3])
    page = datetime.timezone(datetime.timedelta(hours=int(sys.argv[4])))
    zones = zones_of(calendar)
    events = calendar.walk('VEVENT')
    replaced = set()
    for event in events:
        if 'RECURRENCE-ID' in event:
            rid = event['RECURRENCE-ID']
            replaced.add((str(event.get('UID', '')), key(aware(rid.dt, zone_of(rid, zones)))))
    lines = []
    for index, event in enumerate(events):
        if str(event.get('STATUS', '')).upper() == 'CANCELLED' or 'DTSTART' not in event:
            continue
        summary = ' '.join(str(event.get('SUMMARY', '')).split('\n')).strip(' ')
        for start in starts(event, zones, replaced):
            length = length_of(event, event['DTSTART'].dt)
            if isinstance(start, datetime.datetime):
                local = start.astimezone(page) if start.tzinfo else start
                end = local + length
                day = local.date()
                last_day = (end - datetime.timedelta(seconds=1)).date() if length else day
                shown_time = local.strftime('%H:%M')
            else:
                day = start
                last_day = start + datetime.timedelta(days=max(length.days, 1) - 1)
                shown_time = None
            while day <= last_day:
                if first <= day <= last:
                    time = shown_time if day == (local.date() if shown_time else start) else None
                    lines.append((day, time is not None, time or '', index, summary))
                day += datetime.timedelta(days=1)
    lines.sort(key=lambda line: line[:4])
    for day, _, time, _, summary in lines:
        print('%s\t%s\t%s' % (day.isoformat(), time or '-', summary))


main()
