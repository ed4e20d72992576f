#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Which of the two, the almanac or PyEphem, is nearer the moon's true rise
or set where the two differ at a shallow crossing: the moon's rises and sets
at 65-70 degrees that check_rise_set_everywhere.py named as shallow while
the moon's rise and set came from the abridged theory (10-21 s apart), and
the days on which the moon turns within 45" of the horizon and only one of
them had a crossing pair. None is named any more: the almanac refines those
crossings on ELP/MPP02 and lies within 10 s of PyEphem there.

  check_shallow_moon_swetest.py DUMP-BINARY [CHECK-OUTPUT]

The third opinion is Swiss Ephemeris' swetest (Debian's `swetest` with
`swe-standard-data`, files fitted to JPL's DE431), run here only. Its moon is
taken geocentric and apparent (light time, aberration, nutation; right
ascension and declination of the true equator and equinox of date, -fadR)
at the almanac's dynamical time for the instant (its Delta T, so that the
comparison measures the moon and the search, not the Delta T: swetest's own
differs by 6.5 s in 2026, which at 0.1"/s of altitude alone would move a
crossing by up to half a minute); the observer is put on the WGS84 ellipsoid
at sea level and turned by Skyfield's apparent sidereal time at the
universal time, and the moon is made topocentric from there. The definition
is the almanac's and the other check's: the upper limb (radius 0.2725 of the
horizontal parallax from the geocentric distance) on a horizon lowered by
34', without a model of refraction.

For each case it prints the upper limb's altitude per swetest at the
almanac's instant and at PyEphem's, and swetest's own crossing (samples
every 10 s, bisection to 0.01 s on swetest's altitudes), with how far each
of the two lies from it. For a turning day, the extreme of the upper limb's
altitude per swetest and per PyEphem. Without CHECK-OUTPUT, the cases of
the full run at 65-70 degrees (listed below); with it, the named lines of a
run of check_rise_set_everywhere.py.
"""

import math
import os
import re
import subprocess
import sys

import ephem
from skyfield.api import load

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_rise_set_everywhere as everywhere  # noqa: E402

SWETEST = "swetest"
EPHE_DIR = "/usr/share/libswe/ephe"
# Date values count days from 1899-12-30 0 h.
JD_OF_DATE_VALUE_0 = 2415018.5
HORIZON_DEG = -34.0 / 60.0
RADIUS_SHARE = 0.2725
SOLAR_PARALLAX_DEG = 8.794 / 3600.0
KM_PER_AU = 149597870.7
WGS84_A = 6378.137
WGS84_F = 1.0 / 298.257223563

# The shallow crossings and turning days the full run names at the latitudes
# 65, 67 and 70 (north and south): latitude, longitude (east), UT day, kind.
CASES = [
    (65.0, 90.0, "2005-07-30", "rise"),
    (65.0, 90.0, "2005-07-30", "set"),
    (-65.0, 0.0, "2010-05-01", "rise"),
    (-65.0, 0.0, "2010-05-01", "set"),
    (-65.0, -135.0, "2024-08-17", "rise"),
    (-65.0, -135.0, "2024-08-17", "set"),
    (-65.0, -135.0, "2025-08-16", "rise"),
    (-65.0, -135.0, "2025-08-16", "set"),
    (67.0, 90.0, "2004-07-31", "rise"),
    (67.0, 90.0, "2004-07-31", "set"),
    (67.0, 90.0, "2019-11-16", "rise"),
    (67.0, -135.0, "2002-09-28", "rise"),
    (67.0, -135.0, "2002-09-28", "set"),
    (67.0, -135.0, "2023-02-18", "rise"),
    (67.0, -135.0, "2023-02-18", "set"),
    (67.0, 172.5, "2003-02-01", "rise"),
    (67.0, 172.5, "2007-08-11", "rise"),
    (67.0, 172.5, "2007-08-11", "set"),
    (-67.0, -135.0, "2004-11-13", "rise"),
    (-67.0, -135.0, "2004-11-13", "set"),
    (-67.0, 172.5, "2002-08-31", "rise"),
    (-67.0, 172.5, "2002-08-31", "set"),
    (-67.0, 172.5, "2026-01-13", "rise"),
    (-67.0, 172.5, "2026-01-13", "set"),
    (-70.0, 172.5, "2003-05-03", "rise"),
    (-70.0, 172.5, "2003-05-03", "set"),
    (-70.0, 172.5, "2013-06-08", "set"),
]

TIMESCALE = load.timescale(builtin=True)


def delta_t_seconds(date_value):
    """The almanac's Delta T (time/delta_t.cpp) for 2000-2049."""
    y = 2000.0 + (date_value - 36526.0) / 365.2425 - 2000.0
    if y < 5.0:
        c = [63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599]
    else:
        c = [62.92, 0.32217, 0.005589]
    return sum(k * y ** i for i, k in enumerate(c))


def swetest_moon(jd_tt, count=1, step_days=0.0):
    """Geocentric apparent right ascension, declination (degrees) and
    distance (AU) of the moon at count instants from jd_tt (dynamical time)."""
    cmd = [SWETEST, f"-edir{EPHE_DIR}", f"-bj{jd_tt:.10f}", "-p1", "-fadR", "-head", "-ep", f"-n{count}"]
    if count > 1:
        cmd.append(f"-s{step_days:.12f}")
    out = subprocess.run(cmd, check=True, capture_output=True, text=True).stdout
    if "Moshier" in out or "not found" in out:
        raise RuntimeError("swetest lacks its ephemeris files: " + out[:200])
    rows = [[float(v) for v in line.split()] for line in out.splitlines() if line.strip()]
    if len(rows) != count:
        raise RuntimeError(f"swetest gave {len(rows)} rows for {count}: {out[:200]}")
    return rows


def limb_above(latitude, longitude, jd_ut, ra, dec, distance_au):
    """The upper limb's altitude above the lowered horizon, degrees."""
    phi = math.radians(latitude)
    theta = math.radians(TIMESCALE.ut1_jd(jd_ut).gast * 15.0 + longitude)
    b = 1.0 - WGS84_F
    c = 1.0 / math.sqrt(math.cos(phi) ** 2 + (b * math.sin(phi)) ** 2)
    s = b * b * c
    obs = (WGS84_A * c * math.cos(phi) * math.cos(theta), WGS84_A * c * math.cos(phi) * math.sin(theta),
           WGS84_A * s * math.sin(phi))
    r = distance_au * KM_PER_AU
    a, d = math.radians(ra), math.radians(dec)
    moon = (r * math.cos(d) * math.cos(a), r * math.cos(d) * math.sin(a), r * math.sin(d))
    x, y, z = (moon[i] - obs[i] for i in range(3))
    topo_ra = math.atan2(y, x)
    topo_dec = math.atan2(z, math.hypot(x, y))
    hour_angle = theta - topo_ra
    altitude = math.degrees(math.asin(math.sin(phi) * math.sin(topo_dec) +
                                      math.cos(phi) * math.cos(topo_dec) * math.cos(hour_angle)))
    parallax = math.degrees(math.asin(math.sin(math.radians(SOLAR_PARALLAX_DEG)) / distance_au))
    return altitude + RADIUS_SHARE * parallax - HORIZON_DEG


def jd_of(date_value):
    return date_value + JD_OF_DATE_VALUE_0


def above_at(latitude, longitude, date_values):
    """swetest's upper limb above the horizon at evenly spaced date values
    (universal time), degrees; one call for all."""
    first = date_values[0]
    step = date_values[1] - first if len(date_values) > 1 else 0.0
    rows = swetest_moon(jd_of(first) + delta_t_seconds(first) / 86400.0, len(date_values), step)
    return [limb_above(latitude, longitude, jd_of(t), *row) for t, row in zip(date_values, rows)]


def above_one(latitude, longitude, date_value):
    return above_at(latitude, longitude, [date_value])[0]


def swetest_crossings(latitude, longitude, around, rising, half_width_s=600.0, step_s=10.0):
    """swetest's crossings of the kind within half_width_s of `around`."""
    n = int(2 * half_width_s / step_s) + 1
    times = [around - half_width_s / 86400.0 + i * step_s / 86400.0 for i in range(n)]
    values = above_at(latitude, longitude, times)
    found = []
    for i in range(n - 1):
        if (values[i] < 0) != (values[i + 1] < 0) and (values[i + 1] > values[i]) == rising:
            found.append(bisect(lambda t: above_one(latitude, longitude, t), times[i], times[i + 1]))
    return found


def bisect(f, a, b):
    """The sign change of f between a and b (date values, either order), to
    0.01 s."""
    fa = f(a)
    for _ in range(60):
        if abs(b - a) * 86400.0 < 0.01:
            break
        m = (a + b) / 2
        fm = f(m)
        if (fm < 0) == (fa < 0):
            a, fa = m, fm
        else:
            b = m
    return (a + b) / 2


def swetest_extreme(latitude, longitude, around, half_width_h=3.0):
    """The extreme of swetest's upper limb altitude nearest `around` (a turn
    near the horizon): its instant and its altitude above the horizon."""
    n = int(2 * half_width_h * 60) + 1
    times = [around - half_width_h / 24.0 + i / 1440.0 for i in range(n)]
    values = above_at(latitude, longitude, times)
    best = min(range(1, n - 1), key=lambda i: abs(values[i]) if
               (values[i] - values[i - 1]) * (values[i + 1] - values[i]) <= 0 else 1e9)
    a, b = times[best - 1], times[best + 1]
    highest = values[best] >= values[best - 1]
    sign = 1.0 if highest else -1.0
    ratio = (math.sqrt(5) - 1) / 2
    for _ in range(30):
        c, d = b - ratio * (b - a), a + ratio * (b - a)
        if sign * above_one(latitude, longitude, c) > sign * above_one(latitude, longitude, d):
            b = d
        else:
            a = c
    t = (a + b) / 2
    return t, above_one(latitude, longitude, t), highest


def almanac_events(binary, latitude, longitude, day, kind):
    out = subprocess.run([binary, repr(latitude), repr(longitude), day, day, "1"], check=True,
                         capture_output=True, text=True).stdout
    for line in out.splitlines():
        fields = line.split("\t")
        if fields[:2] == ["moon", kind]:
            return [float(v) for v in fields[2:]]
    return []


def pyephem_events(latitude, longitude, day, kind):
    start = ephem.Date(day.replace("-", "/"))
    sky = everywhere.Sky(latitude, longitude, False)
    found = everywhere.reference_crossings(sky, start, start + 1.0, HORIZON_DEG, True, kind == "rise")
    return [t + everywhere.EPHEM_OFFSET for t in found], sky


def hms(date_value):
    seconds = (date_value % 1.0) * 86400.0
    return f"{int(seconds // 3600):02d}:{int(seconds % 3600 // 60):02d}:{seconds % 60:05.2f}"


def cases_from(path):
    pattern = re.compile(r"^\s*([+-]\d+\.\d) ([+-]\d+\.\d) (\d{4}-\d\d-\d\d) moon (rise|set): "
                         r"(flach|PyEphem allein|Almanach allein)")
    cases = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = pattern.match(line)
            if m:
                case = (float(m.group(1)), float(m.group(2)), m.group(3), m.group(4))
                if case not in cases:
                    cases.append(case)
    return cases


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__)
        return 2
    binary = sys.argv[1]
    cases = cases_from(sys.argv[2]) if len(sys.argv) == 3 else CASES
    print("Ort, Tag, Art | Almanach, PyEphem, swetest (UT) | Almanach-swetest, PyEphem-swetest (s) | "
          "Höhe des oberen Rands über -34' per swetest beim Almanach, bei PyEphem (\")")
    nearer = {"almanac": 0, "pyephem": 0}
    diffs = {"almanac": [], "pyephem": []}
    for latitude, longitude, day, kind in cases:
        ours = almanac_events(binary, latitude, longitude, day, kind)
        theirs, sky = pyephem_events(latitude, longitude, day, kind)
        place = f"{latitude:+.1f} {longitude:+.1f} {day} moon {kind}"
        pairs = []
        for t in theirs:
            near = min(ours, key=lambda u: abs(u - t), default=None)
            pairs.append((near if near is not None and abs(near - t) < 0.5 / 24 else None, t))
        for u in ours:
            if all(p[0] != u for p in pairs):
                pairs.append((u, None))
        for u, t in pairs:
            around = u if u is not None else t
            truth = swetest_crossings(latitude, longitude, around, kind == "rise")
            truth = min(truth, key=lambda x: abs(x - around), default=None)
            cols = [place, hms(u) if u is not None else "-", hms(t) if t is not None else "-",
                    hms(truth) if truth is not None else "-"]
            if truth is not None:
                for name, x in (("almanac", u), ("pyephem", t)):
                    cols.append(f"{(x - truth) * 86400.0:+7.2f}" if x is not None else "      -")
                    if x is not None:
                        diffs[name].append(abs(x - truth) * 86400.0)
                if u is not None and t is not None:
                    nearer["pyephem" if abs(u - truth) > abs(t - truth) else "almanac"] += 1
            else:
                cols += ["      -", "      -"]
            for x in (u, t):
                cols.append(f"{above_one(latitude, longitude, x) * 3600.0:+6.2f}" if x is not None else "     -")
            print(" | ".join(cols))
            if truth is None or u is None or t is None:
                te, fe, highest = swetest_extreme(latitude, longitude, around)
                pe = everywhere.extreme(lambda x: sky.above(x - everywhere.EPHEM_OFFSET, HORIZON_DEG, True),
                                        te - 0.02, te + 0.02, highest)
                print(f"    {'höchster' if highest else 'tiefster'} Stand um {hms(te)}: swetest "
                      f"{fe * 3600.0:+.2f}\", PyEphem {pe[1] * 3600.0:+.2f}\" über der Höhe")
    for name, label in (("almanac", "Almanach"), ("pyephem", "PyEphem")):
        d = sorted(diffs[name])
        if d:
            print(f"{label}: {len(d)} Zeiten, höchstens {d[-1]:.2f} s, Median {d[len(d) // 2]:.2f} s von swetest")
    print(f"näher an swetest: der Almanach {nearer['almanac']}-mal, PyEphem {nearer['pyephem']}-mal")
    return 0


if __name__ == "__main__":
    sys.exit(main())
