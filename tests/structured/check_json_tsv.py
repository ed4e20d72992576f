#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""tempulo-report --format json and tsv over a sample of days: every JSON day
validates against doc/report-schema.json, every TSV row is a text line with
its day and identifier in front, the dated holiday list, the feasts and the
entries validate too, and a write to a full device fails loudly.

    check_json_tsv.py TEMPULO-REPORT SCHEMA
"""
import json
import subprocess
import sys

import jsonschema

binary, schema_path = sys.argv[1], sys.argv[2]
with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)
holiday_validator = jsonschema.Draft202012Validator(
    dict(schema["$defs"]["holiday"], **{"$schema": schema["$schema"]}))

failures = []


def run(*args, check_status=True):
    # The report at a fixed time; the lists take no time.
    fixed_time = [] if {"--holidays", "--feasts", "--entries"} & set(args) else ["--time", "12:00:00"]
    done = subprocess.run([binary, *fixed_time, *args], capture_output=True)
    if check_status and done.returncode not in (0, 1):
        failures.append(f"{args}: Status {done.returncode}: {done.stderr.decode()}")
    return done.stdout.decode("utf-8")


# Runs of three days spread over the whole range, the reform month and the
# years the sun and moon block starts in.
starts = [f"{year:04d}-{1 + year % 12:02d}-{1 + year % 27:02d}" for year in range(100, 3001, 23)]
starts += ["1582-10-01", "1582-10-12", "1899-12-30", "2026-12-08", "1003-02-27"]
days_checked = 0
for start in starts:
    days = "31" if start == "1582-10-01" else "3"
    text_days = run("--date", start, "--days", days).split("\n\n")
    tsv = run("--date", start, "--days", days, "--format", "tsv").splitlines()
    json_lines = run("--date", start, "--days", days, "--format=json").splitlines()
    if len(json_lines) != int(days):
        failures.append(f"{start}: {len(json_lines)} JSON-Zeilen statt {days}")
    for line in json_lines:
        day = json.loads(line)
        days_checked += 1
        for error in validator.iter_errors(day):
            failures.append(f"{day['date']}: {error.json_path}: {error.message}")
    # A header row, then the text lines with a value, each behind its day
    # and its identifier; one day's rows together, the days in order.
    if not tsv or tsv[0] != "date\tid\tlabel\tvalue":
        failures.append(f"{start}: TSV ohne Kopfzeile")
    tsv = tsv[1:]
    text_rows = [l for block in text_days for l in block.splitlines() if "\t" in l]
    tsv_rows = [row.split("\t", 2)[2] for row in tsv]
    if text_rows != tsv_rows:
        failures.append(f"{start}: TSV weicht vom Text ab")
    if any(not row.split("\t")[1] for row in tsv):
        failures.append(f"{start}: TSV-Zeile ohne Kennung")
    tsv_days = [row.split("\t", 1)[0] for row in tsv]
    json_days = [json.loads(line)["date"] for line in json_lines]
    if [d for i, d in enumerate(tsv_days) if i == 0 or tsv_days[i - 1] != d] != json_days:
        failures.append(f"{start}: die Tage der TSV-Zeilen stehen nicht beisammen oder nicht in Folge")

for line in run("--year", "1582", "--holidays", "--format", "json").splitlines():
    for error in holiday_validator.iter_errors(json.loads(line)):
        failures.append(f"Feiertag {line}: {error.message}")

# Near the pole the moon sets twice on 28 April 2026: every crossing is listed,
# the first as the single field.
twice = 0
for line in run("--lat", "85", "--lon", "0", "--tz", "UTC", "--date", "2026-04-26", "--days", "5",
                "--format", "json").splitlines():
    day = json.loads(line)
    days_checked += 1
    for error in validator.iter_errors(day):
        failures.append(f"85° N {day['date']}: {error.json_path}: {error.message}")
    for kind, times in day.get("sun_moon", {}).get("crossings", {}).items():
        if times[0] != day["sun_moon"].get(kind) or times != sorted(times):
            failures.append(f"85° N {day['date']}: {kind}: {times}")
        twice += len(times) > 1
if twice == 0:
    failures.append("85° N, April 2026: kein Tag mit zwei Durchgängen gelistet")

# The feasts of a year and the entries, each against its part of the schema.
for definition, args in (("feast", ("--feasts", "1582", "--format", "json")),
                         ("feast", ("--feasts", "2023", "--format", "json")),
                         ("entry", ("--entries", "--format", "json"))):
    part = jsonschema.Draft202012Validator(dict(schema["$defs"][definition], **{"$schema": schema["$schema"]}))
    lines = run(*args).splitlines()
    if not lines:
        failures.append(f"{args}: keine Zeilen")
    for line in lines:
        for error in part.iter_errors(json.loads(line)):
            failures.append(f"{definition} {line}: {error.message}")

with open("/dev/full", "w") as full:
    done = subprocess.run([binary, "--date", "2026-12-08", "--days", "30"], stdout=full, stderr=subprocess.PIPE)
if done.returncode == 0 or "nicht geschrieben" not in done.stderr.decode():
    failures.append(f"/dev/full: Status {done.returncode}, Meldung {done.stderr.decode()!r}")

for failure in failures[:40]:
    print(failure)
print(f"{days_checked} Tage geprüft, {len(failures)} Fehler")
sys.exit(1 if failures or days_checked < 100 else 0)
