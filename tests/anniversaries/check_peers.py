#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The anniversaries of tempulo-report against independent programs.

  check_peers.py TEMPULO_REPORT [--full] [--only jahrzeit|birthday|icalendar|khal]

- Jahrzeit: Debian's hebcal (its -Y yahrzeit file) for dates of death, each
  over the 50 Gregorian years after it. The sample (CI) takes every 7th day of
  1900-2100 and every day of the months whose days a year may lack; --full
  every day of 1900-2100.
- Hebrew birthdays: the rule of Calendrical Calculations (the first of the
  birth month plus the day; the last month of the birth year stays the last
  month), written here from that rule on Debian's python3-pyluach dates, for
  every day of a 19-year cycle over the 40 following years (--full: 60).
- The stored file read by Debian's python3-icalendar; the expanded export
  imported into Debian's khal, its events on the days tempulo-report lists.
"""
import argparse
import datetime
import os
import re
import subprocess
import sys
import tempfile

HEADER = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Test//DE\r\n"


def event(uid, day, kind, calendar, extra=""):
    return (f"BEGIN:VEVENT\r\nUID:{uid}\r\nDTSTART;VALUE=DATE:{day:%Y%m%d}\r\nSUMMARY:{uid}\r\n"
            f"X-TEMPULO-KIND:{kind}\r\nX-TEMPULO-CALENDAR:{calendar}\r\n{extra}END:VEVENT\r\n")


def write_calendar(path, events):
    with open(path, "w", encoding="utf-8", newline="") as out:
        out.write(HEADER)
        out.writelines(events)
        out.write("END:VCALENDAR\r\n")


def ours(report, path, first, last):
    """{uid: [(date, count)]} of tempulo-report --anniversaries."""
    found = {}
    result = subprocess.run([report, "--anniversaries-file", path, "--anniversaries", "--from", first.isoformat(),
                             "--to", last.isoformat(), "--format", "tsv"], check=True, capture_output=True,
                            text=True)
    for line in result.stdout.splitlines():
        date, uid, _kind, count = line.split("\t")[:4]
        found.setdefault(uid, []).append((datetime.date.fromisoformat(date), int(count)))
    return found


def days(first, last, step=1):
    day = first
    while day <= last:
        yield day
        day += datetime.timedelta(days=step)


def check_jahrzeit(report, full, work):
    from pyluach import dates as hdates
    deaths = set(days(datetime.date(1900, 1, 1), datetime.date(2100, 12, 31), 1 if full else 7))
    if not full:
        # Every day of Heshvan, Kislev and the Adars in a few years of each kind.
        for year in (1900, 1901, 1902, 1903, 1904, 1905, 1906, 1907, 1927, 1978, 2023, 2024, 2097):
            for day in days(datetime.date(year, 1, 1), datetime.date(year, 12, 31)):
                if hdates.GregorianDate(day.year, day.month, day.day).to_heb().month in (8, 9, 11, 12, 13):
                    deaths.add(day)
    deaths = sorted(deaths)
    failures = 0
    compared = 0
    # In chunks of deaths a decade long, so that hebcal's output stays small.
    chunk_start = 0
    while chunk_start < len(deaths):
        decade = deaths[chunk_start].year // 10
        chunk = [d for d in deaths[chunk_start:] if d.year // 10 == decade]
        chunk_start += len(chunk)
        names = {f"D{d:%Y%m%d}": d for d in chunk}
        yz = os.path.join(work, "yahrzeit.txt")
        with open(yz, "w", encoding="utf-8") as out:
            for name, d in names.items():
                out.write(f"{d.month:02d} {d.day:02d} {d.year} {name}\n")
        first_year = chunk[0].year + 1
        last_year = chunk[-1].year + 50
        theirs = {}
        result = subprocess.run(["hebcal", "-Y", yz, "--years", str(last_year - first_year + 1), str(first_year)],
                                check=True, capture_output=True, text=True)
        for line in result.stdout.splitlines():
            date, _, name = line.partition(" ")
            if name in names:
                month, day, year = (int(x) for x in date.split("/"))
                theirs.setdefault(name, set()).add(datetime.date(year, month, day))
        ics = os.path.join(work, "deaths.ics")
        write_calendar(ics, [event(name, d, "DEATH", "jewish") for name, d in names.items()])
        mine = ours(report, ics, datetime.date(first_year, 1, 1), datetime.date(last_year, 12, 31))
        for name, death in names.items():
            window = (datetime.date(death.year + 1, 1, 1), datetime.date(death.year + 50, 12, 31))
            a = {d for d, _ in mine.get(name, []) if window[0] <= d <= window[1]}
            b = {d for d in theirs.get(name, set()) if window[0] <= d <= window[1]}
            compared += len(b)
            if a != b:
                failures += 1
                if failures <= 10:
                    print(f"Jahrzeit {death}: nur tempulo {sorted(a - b)[:3]}, nur hebcal {sorted(b - a)[:3]}")
    print(f"Jahrzeit: {len(deaths)} Todestage, {compared} Jahrestage mit hebcal verglichen, {failures} Abweichungen")
    return failures == 0 and compared > 0


def birthday_by_rule(birth, year):
    """Calendrical Calculations' Hebrew birthday, on pyluach's dates."""
    from pyluach import dates as hdates
    from pyluach.utils import _is_leap

    def last_month(y):
        return 13 if _is_leap(y) else 12

    if birth.month == last_month(birth.year):
        return hdates.HebrewDate(year, last_month(year), birth.day).to_pydate()
    return (hdates.HebrewDate(year, birth.month, 1) + (birth.day - 1)).to_pydate()


def check_birthdays(report, full, work):
    from pyluach import dates as hdates
    following = 60 if full else 40
    # Every day of the Hebrew years 5758-5776, one 19-year cycle.
    first = hdates.HebrewDate(5758, 7, 1).to_pydate()
    last = (hdates.HebrewDate(5777, 7, 1) - 1).to_pydate()
    births = {f"B{d:%Y%m%d}": d for d in days(first, last)}
    ics = os.path.join(work, "births.ics")
    write_calendar(ics, [event(name, d, "BIRTHDAY", "jewish") for name, d in births.items()])
    mine = ours(report, ics, first, datetime.date(last.year + following + 1, 12, 31))
    failures = 0
    compared = 0
    for name, day in births.items():
        birth = hdates.GregorianDate(day.year, day.month, day.day).to_heb()
        got = {count: date for date, count in mine.get(name, []) if count <= following}
        for count in range(1, following + 1):
            expected = birthday_by_rule(birth, birth.year + count)
            compared += 1
            if got.get(count) != expected:
                failures += 1
                if failures <= 10:
                    print(f"Geburtstag {day} ({birth}), {count}.: tempulo {got.get(count)}, Regel {expected}")
    print(f"Hebräische Geburtstage: {len(births)} Geburtstage, {compared} Jahrestage nach der Regel geprüft, "
          f"{failures} Abweichungen")
    return failures == 0


def sample_file(work):
    """A file of entries of many kinds and calendars, written by the program
    itself through an import round trip is not needed: the events carry the
    program's properties and are re-read and re-written by --anniversaries."""
    entries = [
        event("a-jewish", datetime.date(1986, 12, 5), "BIRTHDAY", "jewish"),
        event("a-adar1", datetime.date(2024, 2, 17), "BIRTHDAY", "jewish"),
        event("a-death", datetime.date(1995, 11, 24), "DEATH", "jewish", "X-TEMPULO-AFTER-SUNSET:TRUE\r\n"),
        event("a-leap", datetime.date(1996, 2, 29), "BIRTHDAY", "civil", "X-TEMPULO-LEAP-DAY:MAR1\r\n"),
        event("a-chinese", datetime.date(2020, 6, 1), "BIRTHDAY", "chinese"),
        event("a-islamic", datetime.date(2024, 7, 6), "WEDDING", "islamic"),
        event("a-julian", datetime.date(1950, 1, 7), "NAMEDAY", "julian"),
        event("a-persian", datetime.date(2001, 3, 21), "MEMORIAL", "iranian"),
        event("a-coptic", datetime.date(2003, 9, 11), "OTHER", "coptic_ethiopian"),
    ]
    path = os.path.join(work, "sample.ics")
    write_calendar(path, entries)
    return path


def check_icalendar(report, work):
    import icalendar
    # The file as this program writes it: made by the window's save, which the
    # export of the command line shares (an import of the sample rewritten).
    source = sample_file(work)
    stored = os.path.join(work, "stored.ics")
    subprocess.run([report, "--anniversaries-file", source, "--export-anniversaries", stored],
                   check=True, capture_output=True)
    with open(stored, "rb") as f:
        raw = f.read()
    calendar = icalendar.Calendar.from_ical(raw)
    problems = 0
    events = calendar.walk("VEVENT")
    rule = re.compile(r"^(RSCALE=[A-Z-]+;)?FREQ=YEARLY(;BYMONTH=\d{1,2}L?;BYMONTHDAY=\d{1,2};SKIP=(OMIT|BACKWARD|FORWARD))?$")
    for ev in events:
        for name, message in ev.errors:
            # Debian's python3-icalendar 4.0.3 reads RSCALE and SKIP but not
            # RFC 7529's leap months ("5L"); such a rule is checked by form.
            if name == "RRULE" and re.search(rb"BYMONTH=\d+L", raw):
                continue
            print(f"python3-icalendar: {ev.get('UID')}: {name}: {message}")
            problems += 1
        if ev.get("DTSTART") is None or ev.get("UID") is None or ev.get("DTSTAMP") is None:
            print(f"python3-icalendar: {ev.get('UID')}: DTSTART, UID oder DTSTAMP fehlt")
            problems += 1
    for line in raw.decode("utf-8").replace("\r\n ", "").split("\r\n"):
        if line.startswith("RRULE:") and not rule.match(line[6:]):
            print(f"Regel nicht in der Form von RFC 7529: {line}")
            problems += 1
    if len(raw.split(b"\r\n")) and any(len(l) > 75 for l in raw.split(b"\r\n")):
        print("Zeile länger als 75 Oktette")
        problems += 1
    rscale = sum(1 for ev in events if "RSCALE" in str(ev.get("RRULE", "")) or b"RSCALE" in raw)
    print(f"python3-icalendar: {len(events)} Termine gelesen, {problems} Fehler")
    return problems == 0 and len(events) == 9 and rscale > 0


def check_khal(report, work):
    source = sample_file(work)
    expanded = os.path.join(work, "expanded.ics")
    result = subprocess.run([report, "--anniversaries-file", source, "--anniversaries", "--ics", "--from",
                             "2030-01-01", "--to", "2031-12-31"], check=True, capture_output=True, text=True)
    with open(expanded, "w", encoding="utf-8", newline="") as out:
        out.write(result.stdout)
    listed = ours(report, source, datetime.date(2030, 1, 1), datetime.date(2031, 12, 31))
    expected = sorted((d, uid) for uid, found in listed.items() for d, _ in found)
    home = os.path.join(work, "khal")
    vdir = os.path.join(home, "calendar")
    os.makedirs(vdir, exist_ok=True)
    config = os.path.join(home, "config")
    with open(config, "w", encoding="utf-8") as out:
        out.write(f"[calendars]\n[[jahrestage]]\npath = {vdir}\ntype = calendar\n"
                  f"[locale]\nlocal_timezone = Europe/Berlin\ndefault_timezone = Europe/Berlin\n"
                  f"dateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n"
                  f"[sqlite]\npath = {os.path.join(home, 'khal.db')}\n")
    env = dict(os.environ, HOME=home, XDG_DATA_HOME=home, XDG_CONFIG_HOME=home)
    subprocess.run(["khal", "-c", config, "import", "--batch", "-a", "jahrestage", expanded], check=True, env=env,
                   capture_output=True)
    result = subprocess.run(["khal", "-c", config, "list", "--format", "{start-date}\t{title}", "--day-format", "",
                             "2030-01-01", "2031-12-31"], check=True, env=env, capture_output=True, text=True)
    got = []
    for line in result.stdout.splitlines():
        if "\t" in line:
            date, title = line.split("\t", 1)
            got.append((datetime.date.fromisoformat(date), title))
    # Each event once, on the day tempulo-report lists it, with its text.
    texts = {}
    text_run = subprocess.run([report, "--anniversaries-file", source, "--anniversaries", "--from", "2030-01-01",
                               "--to", "2031-12-31"], check=True, capture_output=True, text=True)
    for line in text_run.stdout.splitlines():
        date, text = line.split("\t", 1)
        texts.setdefault(datetime.date.fromisoformat(date), []).append(text)
    got_days = sorted(d for d, _ in got)
    ok = got_days == sorted(d for d, _ in expected) and all(t in texts.get(d, []) for d, t in got)
    print(f"khal: {len(got)} Termine importiert, {len(expected)} erwartet, {'gleich' if ok else 'VERSCHIEDEN'}")
    if not ok:
        print(result.stdout[:2000])
    return ok and len(got) > 10


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("report")
    parser.add_argument("--full", action="store_true")
    parser.add_argument("--only")
    args = parser.parse_args()
    checks = {
        "jahrzeit": lambda w: check_jahrzeit(args.report, args.full, w),
        "birthday": lambda w: check_birthdays(args.report, args.full, w),
        "icalendar": lambda w: check_icalendar(args.report, w),
        "khal": lambda w: check_khal(args.report, w),
    }
    ok = True
    for name, check in checks.items():
        if args.only and name != args.only:
            continue
        with tempfile.TemporaryDirectory() as work:
            if not check(work):
                print(f"FEHLER: {name}")
                ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
