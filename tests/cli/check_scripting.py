#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""tempulo-report as scripts and other programs use it:

- SOURCE_DATE_EPOCH: malformed or out-of-range values are refused (status 2,
  nothing on stdout, one line on stderr); its edges 0 and 253402300799 give
  stamps that Debian's python3-icalendar and khal read.
- A year of TSV imports into sqlite3 with `.import` and answers "the
  earliest sunrise of the year" with one SELECT, the same answer the text
  report gives.
- Without --time the report's "now" is MEZ whatever TZ holds.

    check_scripting.py TEMPULO-REPORT
"""
import datetime
import os
import re
import subprocess
import sys
import tempfile

import icalendar

binary = sys.argv[1]
failures = []


def run(args, env=None, **kwargs):
    return subprocess.run([binary, *args], capture_output=True, env=env, timeout=120, **kwargs)


def with_env(**values):
    env = dict(os.environ)
    env.pop("SOURCE_DATE_EPOCH", None)
    env.update(values)
    return env


# ---------------------------------------------------------------- SOURCE_DATE_EPOCH
for bad in ("253402300800", "99999999999999999999", "garbage", "-1", "1700000000.5", " 1"):
    done = run(["--year", "2026", "--ics"], env=with_env(SOURCE_DATE_EPOCH=bad))
    if done.returncode != 2 or done.stdout or done.stderr.count(b"\n") != 1:
        failures.append(f"SOURCE_DATE_EPOCH={bad!r}: Status {done.returncode}, "
                        f"{len(done.stdout)} Bytes, Meldung {done.stderr!r}")

edges = {"0": datetime.datetime(1970, 1, 1, tzinfo=datetime.timezone.utc),
         "253402300799": datetime.datetime(9999, 12, 31, 23, 59, 59, tzinfo=datetime.timezone.utc)}
khal_config = """[calendars]
[[almanac]]
path = {path}
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
"""
for epoch, stamp in edges.items():
    done = run(["--year", "2026", "--ics"], env=with_env(SOURCE_DATE_EPOCH=epoch), check=True)
    calendar = icalendar.Calendar.from_ical(done.stdout)
    events = calendar.walk("VEVENT")
    stamps = {event.decoded("DTSTAMP") for event in events}
    if stamps != {stamp}:
        failures.append(f"SOURCE_DATE_EPOCH={epoch}: python-icalendar liest DTSTAMP {stamps}")
    with tempfile.TemporaryDirectory() as home:
        os.makedirs(os.path.join(home, "calendar"))
        ics = os.path.join(home, "almanac.ics")
        with open(ics, "wb") as f:
            f.write(done.stdout)
        config = os.path.join(home, "config")
        with open(config, "w", encoding="utf-8") as f:
            f.write(khal_config.format(path=os.path.join(home, "calendar")))
        env = dict(os.environ, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                   XDG_CONFIG_HOME=os.path.join(home, "config.d"), LC_ALL="C.UTF-8")
        printed = subprocess.run(["khal", "-c", config, "printics", ics], capture_output=True, text=True, env=env)
        if printed.returncode != 0 or f"{len(events)} events found" not in printed.stdout:
            failures.append(f"SOURCE_DATE_EPOCH={epoch}: khal printics: {printed.returncode} "
                            f"{printed.stdout[:200]!r} {printed.stderr[:300]!r}")
        imported = subprocess.run(["khal", "-c", config, "import", "--batch", ics],
                                  capture_output=True, text=True, env=env)
        listed = subprocess.run(["khal", "-c", config, "list", "2026-12-24", "2d"],
                                capture_output=True, text=True, env=env)
        if imported.returncode != 0 or "Heiligabend" not in listed.stdout:
            failures.append(f"SOURCE_DATE_EPOCH={epoch}: khal import: {imported.returncode} "
                            f"{imported.stderr[:300]!r}, list: {listed.stdout[:200]!r}")
    print(f"SOURCE_DATE_EPOCH={epoch}: {len(events)} Termine, von python-icalendar und khal gelesen")

# ---------------------------------------------------------------- TSV into sqlite3
with tempfile.TemporaryDirectory() as folder:
    tsv = os.path.join(folder, "2026.tsv")
    with open(tsv, "wb") as f:
        f.write(run(["--year", "2026", "--time", "12:00:00", "--format", "tsv"], check=True).stdout)
    database = os.path.join(folder, "almanac.db")
    query = ("SELECT date, substr(value, 12, 8) AS time FROM report "
             "WHERE id = 'sun_moon.sunrise' ORDER BY time, date LIMIT 1;")
    done = subprocess.run(["sqlite3", "-batch", "-bail", database],
                          input=f".mode tabs\n.import {tsv} report\n{query}\n",
                          capture_output=True, text=True)
    answer = done.stdout.strip()
    text = run(["--year", "2026", "--time", "12:00:00"], check=True).stdout.decode()
    sunrises = []
    for block in text.split("\n\n"):
        day = re.search(r"^Datum\t", block, re.M)
        rise = re.search(r"^Sonnenaufgang\t(\d\d)\.(\d\d)\.(\d{4}) (\d\d:\d\d:\d\d) MEZ$", block, re.M)
        if day and rise:
            sunrises.append((rise.group(4), f"{rise.group(3)}-{rise.group(2)}-{rise.group(1)}"))
    expected = "{1}\t{0}".format(*min(sunrises)) if sunrises else ""
    if done.returncode != 0 or done.stderr or answer != expected or len(sunrises) != 365:
        failures.append(f"sqlite3: Status {done.returncode}, {done.stderr!r}, Antwort {answer!r}, "
                        f"erwartet {expected!r} aus {len(sunrises)} Tagen")
    count = subprocess.run(["sqlite3", "-batch", database, "SELECT count(DISTINCT date) FROM report;"],
                           capture_output=True, text=True).stdout.strip()
    if count != "365":
        failures.append(f"sqlite3: {count} Tage statt 365")
    print(f"sqlite3: der früheste Sonnenaufgang 2026: {answer}")

# ---------------------------------------------------------------- now in MEZ
# 24 hours apart: before, the date and the stardate followed TZ.
def now_lines(zone):
    report = run(["--format", "json"], env=with_env(TZ=zone), check=True).stdout
    import json
    day = json.loads(report)
    return day["date"], day["stardate"]["stardate"]


for attempt in range(3):
    (east_date, east), (west_date, west) = now_lines("Pacific/Kiritimati"), now_lines("America/Adak")
    mez = datetime.datetime.now(datetime.timezone(datetime.timedelta(hours=1))).date().isoformat()
    if east_date == west_date == mez and abs(east - west) < 0.2:
        break
else:
    failures.append(f"jetzt: TZ=Pacific/Kiritimati gibt {east_date} {east}, TZ=America/Adak {west_date} {west}, "
                    f"MEZ heute {mez}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
