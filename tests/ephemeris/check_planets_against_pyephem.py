#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares the planets with PyEphem (Debian's python3-ephem).

  check_planets_against_pyephem.py DUMP-BINARY [--full] [--only KIND]
                                   [--years-step N | --years Y1,Y2,...]

DUMP-BINARY is tempulo_planet_dump. Without --full a sample that runs in a
few minutes on two cores (what ctest runs); --full is the whole range of the
acceptance (about an hour):

  places  apparent geocentric right ascension and declination within 5"
          (Mercury to Saturn) and 10" (Uranus, Neptune): every 5th day
          1900-2100 (sample: every 97th day);
  days    rise, culmination and set within 10 s at eight places from 0 to
          65 degrees north and south, every 3rd day 2000-2030 (sample: every
          41st day), the presence of each event agreeing; an event within
          20 s of the day's edge may fall on either side and is not counted,
          nor are the presence and the time of a rise or set on a day whose
          culmination (upper or lower) lies within 0.02 degrees of the
          horizon or crosses it (a grazing planet: counted and printed);
  events  every conjunction with the sun, opposition, greatest elongation,
          stationary point and close conjunction (moon and planet, two
          planets, under 1 degree) found by PyEphem's own search of the same
          quantity, 1900-2100 (sample: every 25th year): instants within
          2 min (stations 1 h), none missing, none extra. A close
          conjunction within 0.02 degrees of the 1-degree limit may be
          listed by one side only and is not counted. Six slow
          conjunctions of two planets (SLOW_CONJUNCTIONS) are known to
          differ by more and are held to their measured difference instead.

The almanac's planet places take dynamical time: they are compared at
PyEphem's universal time less its Delta T. Rise, set and the events are
universal time on both sides. PyEphem is set up like the almanac: no
atmosphere of its own (pressure 0), the horizon at -0:34, the planet's
centre.

Prints a summary per kind and planet; exits 1 when any check fails.
"""

import argparse
import math
import subprocess
import sys

import ephem

PLANETS = ["mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune"]
BODIES = {
    "mercury": ephem.Mercury, "venus": ephem.Venus, "mars": ephem.Mars, "jupiter": ephem.Jupiter,
    "saturn": ephem.Saturn, "uranus": ephem.Uranus, "neptune": ephem.Neptune,
}
PLACE_LIMIT = {"uranus": 10.0, "neptune": 10.0}  # arcseconds; 5 for the others
EVENT_LIMIT_S = 10.0
EVENT_EDGE_S = 20.0
TIME_LIMIT_S = 120.0
STATION_LIMIT_S = 3600.0
CLOSE = 1.0
# A body whose culmination lies this close to the horizon may rise (or set)
# by one ephemeris and not by the other: 0.02 degrees is about 1' of its path.
GRAZING_DEG = 0.02
CLOSE_EDGE = 0.02
PLACES = [(0, 0), (25, 80), (45, -75), (65, 20), (-15, -48), (-35, 150), (-50, -70), (-65, 140)]

# The conjunctions of two planets that part by only 63" to 333" a day, where
# 2 min are 0.09" to 0.46" of longitude: (year, month, day of PyEphem's
# instant in UT, planet, other) -> (the almanac less PyEphem as measured, the
# almanac less DE431 and PyEphem less DE431, seconds). DE431 is the Swiss
# Ephemeris' compression of it, as check_conjunctions_against_swetest.py
# times them there (dynamical time, free of Delta T). Neither side is within
# 2 min of it: VSOP87, complete or cut, and PyEphem's series from Chapront
# (1995) both stand 0.7" to 2" off DE431 in the pair's difference of
# longitude, with Uranus and Neptune placed by orbits fitted to the
# observations of their day. The two series disagree by 3 to 6 min, less than
# either is off; each is held to its measured difference within a minute.
# (PyEphem's ecliptic longitudes below are of its mean obliquity, while its
# right ascension and declination are of the true equator: that moves its
# conjunctions of 2052 by 2.5 min, of 2096 by 20 s, the others by under 2 s.)
SLOW_CONJUNCTIONS = {
    (2038, 2, 19, "jupiter", "uranus"): (192.0, 1047.1, 859.7),
    (2038, 3, 30, "jupiter", "uranus"): (-164.9, -1005.1, -835.7),
    (2052, 5, 10, "jupiter", "uranus"): (359.8, 1088.9, 744.0),
    (2052, 5, 26, "jupiter", "uranus"): (-333.3, -1077.3, -729.1),
    (2061, 6, 7, "saturn", "neptune"): (190.8, 528.8, 353.3),
    (2096, 8, 27, "saturn", "neptune"): (157.0, 419.2, 284.7),
}
SLOW_MARGIN_S = 60.0

# Date values count days from 30 December 1899 00:00; PyEphem's dates from
# 31 December 1899 12:00.
EPHEM_OFFSET = 1.5


def date_value(year, month=1, day=1):
    return ephem.Date((year, month, day)) + EPHEM_OFFSET


def ut_of_tt(tt_value):
    """PyEphem's date (universal time) of an almanac date value (dynamical)."""
    d = tt_value - EPHEM_OFFSET
    return ephem.Date(d - ephem.delta_t(d) / 86400.0)


def run(dump, *args):
    out = subprocess.run([dump, *map(str, args)], check=True, capture_output=True, text=True).stdout
    return [line.split("\t") for line in out.splitlines()]


class Tally:
    def __init__(self):
        self.rows = {}
        self.failures = []
        self.known = []

    def add(self, key, diff, limit, what):
        count, worst = self.rows.get(key, (0, 0.0))
        self.rows[key] = (count + 1, max(worst, abs(diff)))
        if abs(diff) > limit:
            self.failures.append(f"{what}: {diff:.2f} over {limit}")

    def fail(self, what):
        self.failures.append(what)

    def report(self, title, unit):
        print(title)
        for key in sorted(self.rows):
            count, worst = self.rows[key]
            print(f"  {key:32s} {count:7d} compared, worst {worst:8.2f} {unit}")
        for line in self.known:
            print(f"  known: {line}")


def check_places(dump, step, tally):
    first, last = date_value(1900), date_value(2100, 12, 31)
    for row in run(dump, "places", first, last, step):
        t, pid = float(row[0]), row[1]
        ra, dec = float(row[2]), float(row[3])
        body = BODIES[pid]()
        body.compute(ut_of_tt(t))
        ra_e, dec_e = math.degrees(body.g_ra), math.degrees(body.g_dec)
        dra = ((ra - ra_e + 180.0) % 360.0 - 180.0) * math.cos(math.radians(dec_e))
        sep = math.hypot(dra, dec - dec_e) * 3600.0
        tally.add(pid, sep, PLACE_LIMIT.get(pid, 5.0), f"{pid} at {t}")


def pyephem_day_event(o, body, kind, start, end):
    # PyEphem decides "always up" or "never up" from the body's place where
    # its search starts; a grazing body may still set later in the day, so
    # the search starts again further on.
    value = None
    for offset in (0.0, 0.25, 0.5, 0.75):
        o.date = ephem.Date(start + offset)
        try:
            if kind == "rise":
                value = o.next_rising(body, use_center=True)
            elif kind == "set":
                value = o.next_setting(body, use_center=True)
            else:
                value = o.next_transit(body)
            break
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            continue
    if value is None or value >= end:
        return None
    if kind == "transit" and not rises_and_sets(o, body, value):
        # The almanac has no culmination on a day the body neither rises nor sets.
        return None
    return float(value)


def culminations(o, body, when):
    """Altitudes of the upper and lower culmination at an instant, less the horizon, degrees."""
    o.date = when
    body.compute(o)
    lat, dec = math.degrees(o.lat), math.degrees(body.dec)
    horizon = math.degrees(o.horizon)
    return 90.0 - abs(lat - dec) - horizon, -90.0 + abs(lat + dec) - horizon


def rises_and_sets(o, body, when):
    upper, lower = culminations(o, body, when)
    return upper > 0 > lower


def grazing(o, body, start):
    """The body only just reaches or only just leaves the horizon that day."""
    values = [v for k in range(9) for v in culminations(o, body, start + k / 8)]
    # Within the margin at an instant, or crossing the horizon between two.
    return any(abs(v) < GRAZING_DEG for v in values) or any(
        (a < 0) != (b < 0) for a, b in zip(values[0::2], values[2::2])) or any(
        (a < 0) != (b < 0) for a, b in zip(values[1::2], values[3::2]))


def check_days(dump, step, tally):
    first, last = date_value(2000), date_value(2030, 12, 31)
    for lat, lon in PLACES:
        o = ephem.Observer()
        o.lat, o.lon = str(lat), str(lon)
        o.elevation = 0
        o.pressure = 0
        o.horizon = "-0:34"
        for row in run(dump, "days", lat, lon, first, last, step):
            t, pid = float(row[0]), row[1]
            start = t - EPHEM_OFFSET
            for kind, value in zip(("rise", "transit", "set"), row[2:5]):
                ours = float(value)
                ours = None if ours < -1e6 else ours - EPHEM_OFFSET
                theirs = pyephem_day_event(o, BODIES[pid](), kind, start, start + 1)
                key = f"{pid} {kind}"
                what = f"{pid} {kind} at {lat},{lon} on {ephem.Date(start)}"
                edge = EVENT_EDGE_S / 86400.0
                near_edge = any(v is not None and (v - start < edge or start + 1 - v < edge) for v in (ours, theirs))
                if (ours is None) != (theirs is None):
                    if grazing(o, BODIES[pid](), start):
                        tally.rows.setdefault("grazing days (not counted)", (0, 0.0))
                        n, _ = tally.rows["grazing days (not counted)"]
                        tally.rows["grazing days (not counted)"] = (n + 1, 0.0)
                    elif not near_edge:
                        tally.fail(f"{what}: almanac {ours}, PyEphem {theirs}")
                    continue
                if ours is not None and not near_edge:
                    if kind != "transit" and grazing(o, BODIES[pid](), start):
                        n, worst = tally.rows.get("grazing events (not counted)", (0, 0.0))
                        tally.rows["grazing events (not counted)"] = (n + 1, max(worst, abs(ours - theirs) * 86400.0))
                        continue
                    tally.add(key, (ours - theirs) * 86400.0, EVENT_LIMIT_S, what)


def angle_diff(a, b):
    return (a - b + 180.0) % 360.0 - 180.0


def ecliptic(body, d):
    """Apparent geocentric ecliptic longitude and latitude of date, degrees."""
    body.compute(d)
    ecl = ephem.Ecliptic(ephem.Equatorial(body.g_ra, body.g_dec, epoch=d), epoch=d)
    return math.degrees(ecl.lon), math.degrees(ecl.lat)


def solve(f, a, b, tolerance=1e-6):
    fa, fb = f(a), f(b)
    if (fa < 0) == (fb < 0):
        return None
    for _ in range(80):
        if b - a < tolerance:
            break
        m = (a + b) / 2
        fm = f(m)
        if (fm < 0) == (fa < 0):
            a, fa = m, fm
        else:
            b, fb = m, fm
    return (a + b) / 2


def pyephem_events(first_ut, last_ut):
    """Every event PyEphem's search finds in [first_ut, last_ut): (date value, kind, planet, other, degrees)."""
    sun, moon = ephem.Sun(), ephem.Moon()
    bodies = {p: BODIES[p]() for p in PLANETS}
    # Two days beyond both ends, so that an event on the first or last day
    # is bracketed; keep() holds to the stretch.
    days = int(last_ut - first_ut) + 5
    grid = [first_ut - 2 + k for k in range(days + 1)]
    lon = {p: [] for p in PLANETS}
    lat = {p: [] for p in PLANETS}
    sun_lon = []
    for d in grid:
        sun_lon.append(ecliptic(sun, d)[0])
        for p in PLANETS:
            lo, la = ecliptic(bodies[p], d)
            lon[p].append(lo)
            lat[p].append(la)
    found = []

    def keep(t, kind, p, other="", deg=0.0):
        if first_ut <= t < last_ut:
            found.append((t + EPHEM_OFFSET, kind, p, other, deg))

    for p in PLANETS:
        b = bodies[p]
        inner = p in ("mercury", "venus")
        for target in (0.0, 180.0):
            if inner and target:
                continue

            def f(d, b=b, target=target):
                return angle_diff(ecliptic(b, d)[0], ecliptic(sun, d)[0] + target)

            for k in range(days):
                f0 = angle_diff(lon[p][k], sun_lon[k] + target)
                f1 = angle_diff(lon[p][k + 1], sun_lon[k + 1] + target)
                if (f0 < 0) != (f1 < 0) and abs(f0 - f1) < 60:
                    t = solve(f, grid[k], grid[k + 1])
                    if t is None:
                        continue
                    if target:
                        kind = "opposition"
                    elif inner:
                        b.compute(t)
                        sun.compute(t)
                        kind = "inferior_conjunction" if b.earth_distance < sun.earth_distance else "superior_conjunction"
                    else:
                        kind = "conjunction"
                    keep(t, kind, p)
        h = 0.05

        def rate(d, b=b):
            return angle_diff(ecliptic(b, d + h)[0], ecliptic(b, d - h)[0])

        for k in range(1, days):
            r0 = angle_diff(lon[p][k], lon[p][k - 1])
            r1 = angle_diff(lon[p][k + 1], lon[p][k])
            if (r0 < 0) != (r1 < 0):
                t = solve(rate, grid[k] - 0.75, grid[k] + 0.75)
                if t is not None:
                    keep(t, "station_retrograde" if r1 < 0 else "station_direct", p)
        if inner:
            def elong(d, b=b):
                b.compute(d)
                return math.degrees(b.elong)

            # PyEphem keeps the elongation in single precision (about
            # 0.01"), too coarse near the flat maximum, where a tenth of a
            # day changes it by a few ten-thousandths of an arcsecond: from
            # the bracket alone its zero moved by three minutes (Venus,
            # January 1963). The rate is taken from the angle between the
            # apparent places instead, which PyEphem keeps in double
            # precision, over the same 0.1 day as the almanac's.
            def separation(d, b=b):
                b.compute(d)
                sun.compute(d)
                return math.degrees(ephem.separation((b.g_ra, b.g_dec), (sun.g_ra, sun.g_dec)))

            def elong_rate(d):
                return separation(d + h) - separation(d - h)

            for k in range(1, days):
                e = [abs(elong(grid[k + j])) for j in (-1, 0, 1)]
                if e[1] - e[0] > 0 and e[2] - e[1] <= 0:
                    t = solve(elong_rate, grid[k] - 0.75, grid[k] + 0.75)
                    if t is not None:
                        kind = "greatest_elongation_east" if elong(t) > 0 else "greatest_elongation_west"
                        keep(t, kind, p, "", abs(elong(t)))
        for q in PLANETS[PLANETS.index(p) + 1:]:
            c = bodies[q]

            def g(d, b=b, c=c):
                return angle_diff(ecliptic(b, d)[0], ecliptic(c, d)[0])

            for k in range(days):
                f0 = angle_diff(lon[p][k], lon[q][k])
                f1 = angle_diff(lon[p][k + 1], lon[q][k + 1])
                if (f0 < 0) != (f1 < 0) and abs(f0 - f1) < 60 and abs(lat[p][k] - lat[q][k]) < 2:
                    t = solve(g, grid[k], grid[k + 1])
                    if t is None:
                        continue
                    sep = ecliptic(b, t)[1] - ecliptic(c, t)[1]
                    if abs(sep) < CLOSE:
                        keep(t, "planet_conjunction", p, q, sep)
    # The moon, every half day.
    steps = 2 * days
    moon_grid = [grid[0] + k / 2 for k in range(steps + 1)]
    moon_ecl = [ecliptic(moon, d) for d in moon_grid]
    for p in PLANETS:
        b = bodies[p]

        def m(d, b=b):
            return angle_diff(ecliptic(moon, d)[0], ecliptic(b, d)[0])

        for k in range(steps):
            # The planet's longitude of the day's start stands for the half
            # day; it moves at most a degree meanwhile.
            f0 = angle_diff(moon_ecl[k][0], lon[p][k // 2])
            if not (-40 < f0 < 5):
                continue
            t = solve(m, moon_grid[k], moon_grid[k + 1])
            if t is None:
                continue
            sep = ecliptic(b, t)[1] - ecliptic(moon, t)[1]
            if abs(sep) < CLOSE:
                keep(t, "moon_conjunction", p, "", sep)
    return found


def pair_rate(p, q, d):
    """How fast two planets' apparent longitudes part at PyEphem's date d, arcseconds a day."""
    b, c = BODIES[p](), BODIES[q]()
    h = 0.5
    return abs(angle_diff(ecliptic(b, d + h)[0], ecliptic(c, d + h)[0]) -
               angle_diff(ecliptic(b, d - h)[0], ecliptic(c, d - h)[0])) / (2 * h) * 3600.0


def check_events(dump, years, tally):
    for year in years:
        first_ut, last_ut = ephem.Date((year, 1, 1)), ephem.Date((year + 1, 1, 1))
        ours = [(float(r[0]), r[1], r[2], r[3] if r[1] == "planet_conjunction" else "", float(r[4]))
                for r in run(dump, "events", first_ut + EPHEM_OFFSET, last_ut + EPHEM_OFFSET)]
        theirs = pyephem_events(first_ut, last_ut)
        used = set()
        for t, kind, p, other, deg in ours:
            match = None
            for i, (u, k2, p2, o2, _) in enumerate(theirs):
                if i not in used and k2 == kind and p2 == p and o2 == other and abs(u - t) < 3:
                    match = i
                    break
            what = f"{kind} {p} {other} {ephem.Date(t - EPHEM_OFFSET)}"
            if match is None:
                if not (kind.endswith("conjunction") and abs(abs(deg) - CLOSE) < CLOSE_EDGE):
                    tally.fail(f"extra event: {what}")
                continue
            used.add(match)
            limit = STATION_LIMIT_S if kind.startswith("station") else TIME_LIMIT_S
            diff = (t - theirs[match][0]) * 86400.0
            day = ephem.Date(theirs[match][0] - EPHEM_OFFSET).tuple()[:3]
            slow = SLOW_CONJUNCTIONS.get((*day, p, other)) if kind == "planet_conjunction" else None
            if slow is not None:
                measured, ours_de431, theirs_de431 = slow
                tally.known.append(
                    f"{what}: {diff:+.1f} s (measured {measured:+.1f}); from DE431 the almanac "
                    f"{ours_de431 / 60:+.1f} min, PyEphem {theirs_de431 / 60:+.1f} min")
                if abs(diff - measured) > SLOW_MARGIN_S:
                    tally.fail(f"{what}: {diff:+.1f} s, measured {measured:+.1f} s")
                continue
            if kind == "planet_conjunction" and abs(diff) > limit:
                # Two slow planets drift apart by a few arcminutes a day at
                # most: say what the time difference is in longitude.
                rate = pair_rate(p, other, theirs[match][0] - EPHEM_OFFSET)
                what += f" (the pair drifts {rate:.0f}\"/day: {abs(diff) / 86400.0 * rate:.2f}\" in longitude)"
            tally.add(f"{kind} {p}", diff, limit, what)
        for i, (u, kind, p, other, deg) in enumerate(theirs):
            if i not in used and not (kind.endswith("conjunction") and abs(abs(deg) - CLOSE) < CLOSE_EDGE):
                tally.fail(f"missing event: {kind} {p} {other} {ephem.Date(u - EPHEM_OFFSET)}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dump")
    parser.add_argument("--full", action="store_true")
    parser.add_argument("--only", choices=["places", "days", "events"])
    parser.add_argument("--years-step", type=int, help="with events: every N-th year of 1900-2100")
    parser.add_argument("--years", help="with events: these years only, comma-separated (e.g. 1963,2038)")
    args = parser.parse_args()
    failures = []
    if args.only in (None, "places"):
        tally = Tally()
        check_places(args.dump, 5 if args.full else 97, tally)
        tally.report("Apparent places against PyEphem (arcseconds):", '"')
        failures += tally.failures
    if args.only in (None, "days"):
        tally = Tally()
        check_days(args.dump, 3 if args.full else 41, tally)
        tally.report("Rise, culmination and set against PyEphem (seconds):", "s")
        failures += tally.failures
    if args.only in (None, "events"):
        tally = Tally()
        step = args.years_step or (1 if args.full else 25)
        years = range(1900, 2101, step)
        if args.years:
            years = [int(y) for y in args.years.split(",")]
        check_events(args.dump, years, tally)
        tally.report("The year's events against PyEphem's search (seconds):", "s")
        failures += tally.failures
    for failure in failures[:50]:
        print("FAIL", failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
