#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The one sun crossing pair up to 70 degrees that check_rise_set_everywhere.py
names as shallow (65 S 135 W, 17 November 2018: the sun's centre dips a
fraction of an arcsecond below -6 degrees, and the almanac's civil dusk and
dawn lie 14 s from PyEphem's), with Swiss Ephemeris (Debian's `swetest` and
`swe-standard-data`, DE431) as the third opinion.

  check_shallow_sun_swetest.py DUMP-BINARY [LATITUDE LONGITUDE DAY]

swetest's sun is geocentric and apparent at the almanac's dynamical time,
turned by Skyfield's apparent sidereal time, as the almanac defines the
twilight (the centre seen from the Earth's centre at -6 degrees). Printed:
each instant of the almanac and of PyEphem, swetest's altitude there, and
swetest's own crossings (bisection to 0.01 s). Measured: the almanac lies
3 s from swetest's crossings, PyEphem 17 s; swetest's sun at the almanac's
instants is 0.04" from -6 degrees, at PyEphem's 0.17".
"""

import math
import os
import subprocess
import sys

import ephem

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_rise_set_everywhere as everywhere  # noqa: E402
import check_shallow_moon_swetest as shallow  # noqa: E402

CIVIL_DEG = -6.0


def swetest_sun(jd_tt):
    """Geocentric apparent right ascension and declination (degrees)."""
    cmd = [shallow.SWETEST, f"-edir{shallow.EPHE_DIR}", f"-bj{jd_tt:.10f}", "-p0", "-fadR", "-head", "-ep"]
    out = subprocess.run(cmd, check=True, capture_output=True, text=True).stdout
    if "Moshier" in out or "not found" in out:
        raise RuntimeError("swetest lacks its ephemeris files: " + out[:200])
    ra, dec, _ = (float(v) for v in out.split())
    return ra, dec


def above(latitude, longitude, date_value):
    """swetest's sun above the civil twilight's altitude, degrees."""
    ra, dec = swetest_sun(shallow.jd_of(date_value) + shallow.delta_t_seconds(date_value) / 86400.0)
    phi = math.radians(latitude)
    theta = shallow.TIMESCALE.ut1_jd(shallow.jd_of(date_value)).gast * 15.0 + longitude
    hour_angle = math.radians(theta - ra)
    d = math.radians(dec)
    altitude = math.asin(math.sin(phi) * math.sin(d) + math.cos(phi) * math.cos(d) * math.cos(hour_angle))
    return math.degrees(altitude) - CIVIL_DEG


def lowest(latitude, longitude, around, half_width_s=600.0):
    """swetest's lowest point within half_width_s of `around` (golden section)."""
    ratio = (math.sqrt(5) - 1) / 2
    a, b = around - half_width_s / 86400.0, around + half_width_s / 86400.0
    for _ in range(40):
        c, d = b - ratio * (b - a), a + ratio * (b - a)
        if above(latitude, longitude, c) < above(latitude, longitude, d):
            b = d
        else:
            a = c
    return (a + b) / 2


def main():
    if len(sys.argv) not in (2, 5):
        print(__doc__, file=sys.stderr)
        return 2
    latitude, longitude, day = (-65.0, -135.0, "2018-11-17") if len(sys.argv) == 2 else (
        float(sys.argv[2]), float(sys.argv[3]), sys.argv[4])
    out = subprocess.run([sys.argv[1], repr(latitude), repr(longitude), day, day, "1"], check=True,
                         capture_output=True, text=True).stdout
    ours = {}
    for line in out.splitlines():
        fields = line.split("\t")
        if fields[0] == "sun" and fields[1] in ("civil_dawn", "civil_dusk"):
            ours[fields[1]] = [float(v) for v in fields[2:]]
    start = ephem.Date(day.replace("-", "/"))
    sky = everywhere.Sky(latitude, longitude, True)
    for kind, rising in (("civil_dawn", True), ("civil_dusk", False)):
        theirs = [t + everywhere.EPHEM_OFFSET
                  for t in everywhere.reference_crossings(sky, start, start + 1.0, CIVIL_DEG, False, rising)]
        for name, moments in (("Almanach", ours.get(kind, [])), ("PyEphem", theirs)):
            for t in moments:
                # swetest's crossing of the same kind: from its lowest point
                # near the instant, forward for a dawn, back for a dusk.
                low = lowest(latitude, longitude, t)
                edge = low + (1 if rising else -1) * 600 / 86400.0
                own = None
                if above(latitude, longitude, low) < 0 <= above(latitude, longitude, edge):
                    own = shallow.bisect(lambda x: above(latitude, longitude, x), low, edge)
                apart = f"{(t - own) * 86400.0:+.1f} s von swetest" if own is not None else "swetest ohne Übergang"
                print(f"{kind:10} {name:8} {shallow.hms(t)}  swetest dort {above(latitude, longitude, t) * 3600:+.3f}\""
                      f"  {apart}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
