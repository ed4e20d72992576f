#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""tempulo-report --ics for 2026 and the reform year 1582, read by Debian's
python3-icalendar: parses without error or warning, CRLF lines of at most 75
octets, each holiday of the dated list once on its (Gregorian) date with a
unique UID, and a re-import of the parsed calendar gives the same list.

    check_ics.py TEMPULO-REPORT
"""
import datetime
import json
import subprocess
import sys
import warnings

import icalendar

binary = sys.argv[1]
failures = []


def gregorian(iso, julian):
    date = datetime.date.fromisoformat(iso)
    # Julian-calendar dates of the 16th century lie ten days behind.
    return date + datetime.timedelta(days=10) if julian else date


def events(calendar):
    return sorted((str(e.get("SUMMARY")), e.decoded("DTSTART"), e.decoded("DTEND"), str(e.get("UID")))
                  for e in calendar.walk("VEVENT"))


for year, feasts in ((2026, False), (1582, False), (2026, True), (1582, True)):
    args = ["--ics", "--feasts", str(year)] if feasts else ["--ics", "--year", str(year)]
    raw = subprocess.run([binary, *args], capture_output=True, check=True).stdout
    if b"\n" in raw.replace(b"\r\n", b""):
        failures.append(f"{year}: Zeilenende ohne CR")
    if any(len(line) > 75 for line in raw.split(b"\r\n")):
        failures.append(f"{year}: Zeile länger als 75 Oktette")
    for required in (b"VERSION:2.0", b"PRODID:", b"DTSTAMP:"):
        if required not in raw:
            failures.append(f"{year}: {required.decode()} fehlt")
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        calendar = icalendar.Calendar.from_ical(raw)
    if caught:
        failures.append(f"{year}: Warnungen beim Einlesen: {[str(w.message) for w in caught]}")
    listed = []
    holidays = subprocess.run([binary, "--holidays", "--year", str(year), "--format", "json"],
                              capture_output=True, check=True).stdout.decode()
    for line in holidays.splitlines():
        item = json.loads(line)
        listed.append((item["name"], gregorian(item["date"], item["calendar"] == "julian")))
    if feasts:
        # The feasts of other religions join them; a movable church feast
        # that both lists name stays one event.
        text = subprocess.run([binary, "--feasts", str(year)], capture_output=True, check=True).stdout.decode()
        for line in text.splitlines():
            date, name = line.split("\t", 1)
            julian = date < "1582-10-15"
            listed.append((name, gregorian(date, julian)))
        listed = sorted(set(listed))
    found = events(calendar)
    as_list = sorted((name, start) for name, start, _, _ in found)
    if as_list != sorted(listed):
        failures.append(f"{year}: Termine weichen von der Feiertagsliste ab "
                        f"({len(as_list)} gegen {len(listed)})")
    if len(set(as_list)) != len(as_list):
        failures.append(f"{year}: ein Feiertag steht doppelt")
    if len({uid for *_, uid in found}) != len(found):
        failures.append(f"{year}: UIDs nicht eindeutig")
    if any(end - start != datetime.timedelta(days=1) for _, start, end, _ in found):
        failures.append(f"{year}: ein Termin dauert nicht genau einen Tag")
    if events(icalendar.Calendar.from_ical(calendar.to_ical())) != found:
        failures.append(f"{year}: erneuter Import ergibt eine andere Liste")
    print(f"{year}{' mit Festen' if feasts else ''}: {len(found)} Termine")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
