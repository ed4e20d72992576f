#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares the almanac's moon phases and season starts, in universal time,
with PyEphem (Debian's python3-ephem), an independent ephemeris with its own
Delta T.

  check_phases_against_pyephem.py DUMP-BINARY [--from Y] [--to Y]
                                  [--strict-from Y] [--strict-to Y]

DUMP-BINARY is tempulo_instants_dump. Every new moon, quarter, full moon and
equinox or solstice of the years --from..--to is compared; those of
--strict-from..--strict-to (1960-2030 by default, where the two Delta T
agree to about a second) must lie within TOLERANCE_S. What remains there is
the ephemerides' own: the almanac refines the phases on ELP/MPP02's moon and
finds the season starts on the sun of its planets' VSOP87 series; measured
1960-2030: phases -3.7..+1.9 s, season starts -3.6..+2.8 s.

PyEphem answers two questions of the season starts differently, and the
comparison takes both out before it measures (the raw differences are
printed too, up to 12 s):
- it finds the equinoxes where the sun's right ascension is 0 h or 12 h;
  the almanac, like the Astronomical Almanac, where the apparent longitude
  is 0 or 180 degrees. The sun's ecliptic latitude (up to 0.9") puts the two
  up to 10 s apart: at right ascension 0 the longitude is beta tan(epsilon).
- its sun's aberration is a constant 20.5"; the almanac's, 20.4898"/R,
  follows the Earth's speed along its eccentric orbit (about 0.34" more at
  perihelion and less at aphelion, 8 s of a solstice).
Outside the strict years the models of Delta T differ (the almanac's follows
Espenak and Meeus 2006, PyEphem's a table of its own and its own
extrapolation) and the differences are only printed, per band of years.
Exits 1 when a strict comparison fails.
"""

import argparse
import datetime as dt
import math
import subprocess
import sys

import ephem

TOLERANCE_S = 10.0
ABERRATION = 20.4898         # arcseconds at one astronomical unit
SUN_RATE = 3548.19 / 86400   # the sun's mean motion, arcseconds per second
TAN_OBLIQUITY = 0.4336
FINDERS = {
    "0": ephem.next_new_moon, "2": ephem.next_first_quarter_moon,
    "4": ephem.next_full_moon, "6": ephem.next_last_quarter_moon,
    "S0": ephem.next_vernal_equinox, "S1": ephem.next_summer_solstice,
    "S2": ephem.next_autumnal_equinox, "S3": ephem.next_winter_solstice,
}
NAMES = {"0": "Neumond", "2": "1. Viertel", "4": "Vollmond", "6": "3. Viertel",
         "S0": "Frühlingsanfang", "S1": "Sommeranfang", "S2": "Herbstanfang", "S3": "Winteranfang"}


def band_of(year, strict_from, strict_to):
    if year < strict_from:
        return f"{(year // 50) * 50}-{(year // 50) * 50 + 49}"
    if year > strict_to:
        return f"{(year // 50) * 50}-{(year // 50) * 50 + 49}"
    return f"{strict_from}-{strict_to}"


def pyephem_convention_shift(kind, instant):
    """Seconds by which PyEphem's season start moves when it is sought as the
    almanac seeks it (see the module's text); 0 for the phases."""
    if not kind.startswith("S"):
        return 0.0
    sun = ephem.Sun(instant)
    distance = sun.earth_distance
    rate = SUN_RATE / distance ** 2
    shift = -ABERRATION * (1 / distance - 1) / rate
    if kind in ("S0", "S2"):
        beta = math.degrees(ephem.Ecliptic(sun, epoch=instant).lat) * 3600
        shift += (1 if kind == "S0" else -1) * TAN_OBLIQUITY * beta / rate
    return shift


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("--from", dest="first", type=int, default=1900)
    parser.add_argument("--to", dest="last", type=int, default=2100)
    parser.add_argument("--strict-from", type=int, default=1960)
    parser.add_argument("--strict-to", type=int, default=2030)
    args = parser.parse_args()

    out = subprocess.run([args.binary, "phases", str(args.first), str(args.last)],
                         check=True, capture_output=True, text=True).stdout
    failures = []
    bands = {}
    count = 0
    groups = {}
    for line in out.splitlines():
        kind, text = line.split("\t")
        ours = dt.datetime.fromisoformat(text)
        found = ephem.Date(FINDERS[kind](ephem.Date(ours - dt.timedelta(days=2))))
        theirs = found.datetime()
        raw = (ours - theirs).total_seconds()
        diff = raw + pyephem_convention_shift(kind, found)
        count += 1
        key = band_of(ours.year, args.strict_from, args.strict_to)
        low, high, n = bands.get(key, (diff, diff, 0))
        bands[key] = (min(low, diff), max(high, diff), n + 1)
        strict = args.strict_from <= ours.year <= args.strict_to
        if strict:
            group = "Jahreszeiten" if kind.startswith("S") else "Mondphasen"
            groups.setdefault(group, []).append(diff)
            if kind.startswith("S"):
                groups.setdefault("Jahreszeiten, PyEphems Definition", []).append(raw)
        if strict and abs(diff) > TOLERANCE_S:
            failures.append(f"{NAMES[kind]} {text} UT: PyEphem {theirs:%Y-%m-%d %H:%M:%S}, {diff:+.1f} s")
    print(f"{count} Zeitpunkte verglichen (Almanach minus PyEphem, Sekunden):")
    for key in sorted(bands, key=lambda k: int(k.split("-")[0])):
        low, high, n = bands[key]
        mark = f"  (Grenze {TOLERANCE_S:.0f} s)" if key == f"{args.strict_from}-{args.strict_to}" else ""
        print(f"  {key}: {n} Zeitpunkte, {low:+.1f} bis {high:+.1f}{mark}")
    for group, values in groups.items():
        print(f"  {args.strict_from}-{args.strict_to} {group}: {min(values):+.1f} bis {max(values):+.1f}")
    for failure in failures[:20]:
        print("FEHLER:", failure)
    if count == 0:
        print("FEHLER: keine Zeitpunkte gelesen")
        return 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
