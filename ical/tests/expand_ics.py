#!/usr/bin/env python3
"""Expands every event of an iCalendar file with python-dateutil, a library
independent of the one that wrote the file, and prints one line per
occurrence: the event's UID without its continuation suffix, then the date.

usage: expand_ics.py FILE.ics LAST-YEAR
"""
import re
import sys
from datetime import date, datetime

from dateutil.rrule import rrulestr


def unfolded_lines(text):
    lines = []
    for raw in text.replace("\r\n", "\n").split("\n"):
        if raw.startswith((" ", "\t")) and lines:
            lines[-1] += raw[1:]
        else:
            lines.append(raw)
    return lines


def events(lines):
    event = None
    depth = 0
    for line in lines:
        if line == "BEGIN:VEVENT":
            event, depth = {}, 0
        elif event is not None and line.startswith("BEGIN:"):
            depth += 1
        elif event is not None and line.startswith("END:") and line != "END:VEVENT":
            depth -= 1
        elif line == "END:VEVENT":
            yield event
            event = None
        elif event is not None and depth == 0 and ":" in line:
            name, value = line.split(":", 1)
            event[name.split(";")[0]] = (name, value)


def start_date(value):
    return datetime.strptime(value[:8], "%Y%m%d")


def main():
    path, last_year = sys.argv[1], int(sys.argv[2])
    with open(path, encoding="utf-8") as handle:
        lines = unfolded_lines(handle.read())
    horizon = datetime(last_year, 12, 31, 23, 59, 59)
    for event in events(lines):
        uid = re.sub(r"-\d+@", "@", event["UID"][1])
        start = start_date(event["DTSTART"][1])
        if "RRULE" not in event:
            print(uid, start.date().isoformat())
            continue
        rule = event["RRULE"][1]
        # Dates are compared, not instants: UNTIL keeps its date, the end of that day.
        rule = re.sub(r"UNTIL=(\d{8})(T\d{6}Z?)?", lambda m: "UNTIL=" + m.group(1) + "T235959", rule)
        for occurrence in rrulestr(rule, dtstart=start):
            if occurrence > horizon:
                break
            print(uid, occurrence.date().isoformat())


if __name__ == "__main__":
    main()
