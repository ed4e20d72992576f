#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Random command lines for tempulo-report: argument vectors drawn from its
grammar (valid, nearly valid and wrong values, the --option=value form, "--",
repeated options) mixed with random bytes, and random SOURCE_DATE_EPOCH and
TZ values. A fixed seed makes every run the same. Each run must end within
its time limit, without a signal, with status 0, 1 (a day ended in
"Fehler!"), 2 or 3; every line on stderr must be one printable line that
begins with the program's name; on status 2 stdout must be empty; JSON
output must parse line by line, TSV rows must match their header, and a
calendar file must be read by python3-icalendar.

    fuzz_cli.py TEMPULO-REPORT [RUNS] [SEED]
"""
import concurrent.futures
import json
import os
import random
import subprocess
import sys
import time
import warnings

import icalendar

binary = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3000
seed = int(sys.argv[3]) if len(sys.argv) > 3 else 20261209
TIME_LIMIT_S = 30

# Values per option: each is text, or ("heavy", text) for a value that makes
# a long range; those are only used where the range is cheap (holiday list,
# calendar file), so that the whole run stays short.
VALUES = {
    "--date": ["2026-12-08", "1582-10-10", "1582-10-04", "1003-02-29", "1004-02-29", "0100-01-01", "3000-12-31",
               "2026-13-01", "2026-02-30", "20261208", "", "2026-12-8", "0099-12-31", "9999-01-01"],
    "--from": ["2026-12-01", "help", "jewish:5787-9-28", "islamic:1448-7-1", "chinese:4724-1-1",
               "chinese:4721-2tan-1", "maya:13.0.0.0.0", "jewish:5786-8-30", "mars:1-1-1", "jewish:", ":",
               "julian:3000-12-10", "persian:1405-9-17"],
    "--to": ["2026-12-31", "2027-02-01", "jewish:5787-10-15", "islamic:1448-9-1", "2026-01-01", "2026-02-30",
             ("heavy", "3000-12-31"), ("heavy", "2100-01-01"), "x", "maya:13.0.14.3.10"],
    "--days": ["1", "2", "3", "31", "0", "-1", "100001", "1e3", "", "abc", "0003", ("heavy", "100000"),
               ("heavy", "40000")],
    "--year": [("heavy", "2026"), ("heavy", "1582"), ("heavy", "0100"), ("heavy", "3000"), "99", "3001", "x", ""],
    "--time": ["12:00", "12:00:00", "12:00:00+01:00", "23:59:59Z", "00:00-12:00", "12:00+14:00", "24:00", "-1:00",
               "12:00+24:00", "12", "12:00 MEZ", "02:30"],
    "--format": ["text", "tsv", "json", "xml", "", "JSON"],
    "--region": ["BY", "AT", "CH", "alle", "XX", "", "by"],
    "--place": ["Berlin", "help", "Frankfurt am Main", "Atlantis", "wien", "Zürich", ""],
    "--lat": ["52", "-33,87", "91", "10 O", "52°31′ N", "89,9", "", "nan"],
    "--lon": ["13", "74 W", "181 O", "-180", "13.4° E", "", "inf"],
    "--tz": ["MEZ", "Europe/Berlin", "America/New_York", "Pacific/Kiritimati", "Mond/Krater", "../../etc/passwd",
             "", "UTC", "Etc/GMT+12"],
    "--feasts": ["2026", "1582", "2023", "99", "x", ""],
}
FLAGS = ["--holidays", "--ics", "--entries", "--help", "--version", "-h"]
ODD = ["--bogus", "-x", "positional", "--", "---", "--=", "--date=", "-", "--DATE", "--holidays=ja"]
EPOCHS = ["0", "1700000000", "253402300799", "253402300800", "99999999999999999999", "garbage", "-1",
          "1700000000.5", ""]
ZONES = ["Europe/Berlin", "Pacific/Kiritimati", "America/Adak", "UTC", "nonsense/zone", ""]


def random_bytes(rng, longest=16):
    return bytes(rng.randrange(1, 256) for _ in range(rng.randrange(0, longest + 1)))


def make_case(rng):
    """One command line and its environment."""
    pairs = []
    for _ in range(rng.choice([0, 1, 1, 2, 2, 2, 3, 3, 4, 5, 7])):
        roll = rng.random()
        if roll < 0.6:
            option = rng.choice(list(VALUES))
            value = rng.choice(VALUES[option])
            if rng.random() < 0.05:
                value = random_bytes(rng)
            pairs.append((option, value))
        elif roll < 0.85:
            pairs.append((rng.choice(FLAGS), None))
        elif roll < 0.95:
            pairs.append((rng.choice(ODD), None))
        else:
            pairs.append((random_bytes(rng), None))
    heavy = any(isinstance(v, tuple) for _, v in pairs)
    # --to after a start of one's own may lie years away; without a start the
    # range runs from today to a --to a few weeks on.
    options = {o for o, _ in pairs}
    heavy = heavy or ("--to" in options and bool(options & {"--date", "--from"}))
    if heavy and not any(o in ("--holidays", "--ics", "--feasts", "--entries") for o, _ in pairs):
        # A long range is cheap only as a list of holidays; most such runs
        # still test the report's refusals of the range.
        pairs.append(("--holidays", None))
    args = []
    for option, value in pairs:
        value = value[1] if isinstance(value, tuple) else value
        if value is None:
            args.append(option)
        elif rng.random() < 0.3 and isinstance(value, str):
            args.append(f"{option}={value}")
        else:
            args += [option, value]
    if rng.random() < 0.05:
        args.append("--")
        if rng.random() < 0.5:
            args.append(rng.choice(["--help", "x", "--date"]))
    env = {k: v for k, v in os.environ.items() if k not in ("SOURCE_DATE_EPOCH", "TZ")}
    if rng.random() < 0.3:
        env["SOURCE_DATE_EPOCH"] = rng.choice(EPOCHS) if rng.random() < 0.9 else random_bytes(rng)
    if rng.random() < 0.2:
        env["TZ"] = rng.choice(ZONES)
    return [a.encode() if isinstance(a, str) else a for a in args], env


def shown(args):
    return " ".join(repr(a)[2:-1] for a in args)


def output_kind(args):
    """What a successful run prints: "help", "ics", "json", "tsv" or "text"."""
    words = []
    for arg in args:
        if arg == b"--":
            break
        words.append(arg)
    if b"--help" in words or b"-h" in words or b"--version" in words:
        return "help"
    if b"--ics" in words:
        return "ics"
    for i, word in enumerate(words):
        if word in (b"--format=json", b"--format=tsv"):
            return word[9:].decode()
        if word == b"--format" and i + 1 < len(words) and words[i + 1] in (b"json", b"tsv"):
            return words[i + 1].decode()
    return "text"


def problems(args, env):
    """Runs one command line; the list of what went wrong."""
    found = []
    try:
        done = subprocess.run([binary.encode(), *args], capture_output=True, env=env, timeout=TIME_LIMIT_S)
    except subprocess.TimeoutExpired:
        return [f"länger als {TIME_LIMIT_S} s"]
    if done.returncode < 0:
        return [f"Signal {-done.returncode}"]
    if done.returncode not in (0, 1, 2, 3):
        found.append(f"Status {done.returncode}")
    for line in done.stderr.split(b"\n")[:-1]:
        if not line.startswith(b"tempulo-report: "):
            found.append(f"Meldung ohne Programmnamen: {line[:80]!r}")
        if any(b < 0x20 or b == 0x7F for b in line):
            found.append(f"Steuerzeichen in der Meldung: {line[:80]!r}")
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            found.append(f"kein UTF-8 in der Meldung: {line[:80]!r}")
    if done.stderr and not done.stderr.endswith(b"\n"):
        found.append("Meldung ohne Zeilenende")
    if done.returncode == 1 and any(l != b"tempulo-report: Fehler!" for l in done.stderr.split(b"\n")[:-1]):
        found.append(f"Status 1 ohne \"Fehler!\": {done.stderr[:120]!r}")
    if done.returncode == 2:
        if done.stdout:
            found.append(f"Status 2 mit {len(done.stdout)} Bytes auf stdout")
        lines = done.stderr.count(b"\n")
        if lines != 1:
            found.append(f"Status 2 mit {lines} Meldungszeilen")
    if done.returncode not in (0, 1) or found:
        return found
    kind = output_kind(args)
    try:
        text = done.stdout.decode("utf-8")
    except UnicodeDecodeError:
        return found + ["Ausgabe ist kein UTF-8"]
    if kind == "json":
        for line in text.splitlines():
            try:
                json.loads(line)
            except ValueError:
                found.append(f"kein JSON: {line[:80]!r}")
                break
    elif kind == "tsv":
        lines = text.splitlines()
        columns = lines[0].count("\t") if lines else 0
        if not lines or any(line.count("\t") != columns for line in lines):
            found.append("TSV-Zeilen mit anderer Spaltenzahl als die Kopfzeile")
    elif kind == "ics":
        raw = done.stdout
        if b"\n" in raw.replace(b"\r\n", b"") or any(len(line) > 75 for line in raw.split(b"\r\n")):
            found.append("iCalendar-Zeilen ohne CRLF oder länger als 75 Oktette")
        try:
            with warnings.catch_warnings():
                warnings.simplefilter("error")
                calendar = icalendar.Calendar.from_ical(raw)
            for event in calendar.walk("VEVENT"):
                stamp = event.decoded("DTSTAMP")
                if not 1970 <= stamp.year <= 9999:
                    found.append(f"DTSTAMP {stamp}")
                    break
        except Exception as error:  # the reader's own errors have no common base
            found.append(f"python-icalendar liest die Datei nicht: {error}")
    return found


def main():
    rng = random.Random(seed)
    cases = [make_case(rng) for _ in range(runs)]
    started = time.monotonic()
    failures = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for (args, env), found in zip(cases, pool.map(lambda case: problems(*case), cases)):
            if found:
                failures.append(f"{shown(args)} [SOURCE_DATE_EPOCH={env.get('SOURCE_DATE_EPOCH')!r}]: "
                                f"{'; '.join(found)}")
    elapsed = time.monotonic() - started
    for failure in failures[:30]:
        print(failure)
    print(f"{runs} Aufrufe (Startwert {seed}) in {elapsed:.0f} s, {len(failures)} Fehler")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
