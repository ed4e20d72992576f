#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares the almanac's statutory public holidays with Debian's python3-holidays.

For every year 1990-2100 and every region the almanac offers, the set of dates
that are statutory holidays must be the same in both, except for the
differences allowed below, each with its reason. An allowed difference that no
longer occurs fails the run too, so the list stays true.

    compare_regions.py PATH/TO/tempulo_public_holidays_dump [FROM TO]

Exit status 0 when every difference is allowed, 1 otherwise.
"""
import subprocess
import sys
from collections import defaultdict
from datetime import date

try:
    import holidays
except ImportError:
    print("Das Python-Modul 'holidays' fehlt (Debian-Paket python3-holidays).", file=sys.stderr)
    sys.exit(1)

GERMAN_LAENDER = ["BW", "BY", "BE", "BB", "HB", "HH", "HE", "MV", "NI", "NW",
                  "RP", "SL", "SN", "ST", "SH", "TH"]

# "ours": the almanac has the day and the library does not; "theirs": the reverse.
ALLOWED = [
    {
        "regions": {"MV"}, "month": 3, "day": 8, "years": range(2023, 2101), "side": "ours",
        "reason": "Mecklenburg-Vorpommern made the International Women's Day a public holiday "
                  "from 2023; the library's version 0.10.1 predates that law.",
    },
    {
        "regions": {"BE"}, "month": 5, "day": 8, "years": range(2025, 2026), "side": "ours",
        "reason": "Berlin made 8 May 2025, the 80th anniversary of the war's end, a one-off "
                  "public holiday; the library knows only the one of 2020.",
    },
    {
        "regions": {"CH"}, "month": 8, "day": 1, "years": range(1990, 1994), "side": "theirs",
        "reason": "1 August is a federal public holiday only since 1994 (after the popular vote "
                  "of 1993); before, it was up to the cantons. The library counts it since 1291.",
    },
]


def library_holidays(region, first, last):
    years = list(range(first, last + 1))
    if region == "alle":
        return set(holidays.DE(years=years).keys())
    if region in GERMAN_LAENDER:
        return set(holidays.DE(prov=region, years=years).keys())
    if region == "AT":
        return set(holidays.AT(years=years).keys())
    if region == "CH":
        return set(holidays.CH(years=years).keys())
    raise ValueError(region)


def allowed_by(region, day, side):
    for index, rule in enumerate(ALLOWED):
        if (region in rule["regions"] and rule["side"] == side and day.month == rule["month"]
                and day.day == rule["day"] and day.year in rule["years"]):
            return index
    return None


def main():
    if len(sys.argv) not in (2, 4):
        print(__doc__, file=sys.stderr)
        return 2
    first, last = (int(sys.argv[2]), int(sys.argv[3])) if len(sys.argv) == 4 else (1990, 2100)
    output = subprocess.run([sys.argv[1], str(first), str(last)], check=True, capture_output=True,
                            text=True).stdout
    ours = defaultdict(set)
    for line in output.splitlines():
        code, iso, _name = line.split(" ", 2)
        ours[code].add(date.fromisoformat(iso))

    regions = ["alle"] + GERMAN_LAENDER + ["AT", "CH"]
    unknown = set(ours) - set(regions)
    if unknown:
        print("Unbekannte Regionen in der Ausgabe: " + ", ".join(sorted(unknown)))
        return 1

    failures = []
    used = set()
    for region in regions:
        theirs = library_holidays(region, first, last)
        for side, days in (("ours", ours[region] - theirs), ("theirs", theirs - ours[region])):
            for day in sorted(days):
                index = allowed_by(region, day, side)
                if index is None:
                    failures.append(f"{region} {day.isoformat()}: nur "
                                    + ("im Almanach" if side == "ours" else "in python3-holidays"))
                else:
                    used.add(index)
        print(f"{region}: {len(ours[region])} Feiertage {first}-{last} geprüft")

    for index, rule in enumerate(ALLOWED):
        if index not in used and first <= min(rule["years"]) and max(rule["years"]) <= last:
            failures.append("Erlaubte Abweichung tritt nicht mehr auf: " + rule["reason"])

    for failure in failures:
        print(failure)
    failed_regions = {failure.split(" ", 1)[0] for failure in failures if failure.split(" ", 1)[0] in regions}
    stale = sum(1 for failure in failures if failure.startswith("Erlaubte"))
    print(f"{len(regions) - len(failed_regions)} passed, {len(failed_regions) + stale} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
