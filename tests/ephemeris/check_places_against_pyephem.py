#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares the sun and moon block for places all over the Earth, in their
local time, with PyEphem, an independent ephemeris, and Python's own reading
of the system's time-zone database (zoneinfo).

  check_places_against_pyephem.py DUMP-BINARY REPORT-BINARY [--from YEAR]
                                  [--to YEAR] [--every N] [--jobs N] [--places A,B,...]

For each place, tempulo_place_block_dump prints the report's sun and moon
block for every N-th day (5) of the years (2000-2030 by default), and each is
checked:
  - the "Ort" line names the coordinates and the zone;
  - every event line is "-" or a moment of the day's own local date, labelled
    with the abbreviation zoneinfo gives for that instant (CET/CEST read
    MEZ/MESZ);
  - `tempulo-report --lat --lon --tz` prints the same block for one day;
  - sunrise, sun transit, sunset and the civil twilights lie within
    SUN_TOLERANCE_S of PyEphem's, the moon's rise, transit and set within
    MOON_TOLERANCE_S;
  - a "-" has no such event in PyEphem on that local day either, and an event
    has one, except where the body only grazes the altitude (its extreme
    altitude within GRAZE_DEG of it) or the event lies within EDGE_S of the
    day's start or end: there the two models may rightly disagree.

The rules are the almanac's: upper limb on a horizon lowered by 34' (no
atmosphere of PyEphem's own, pressure 0), the moon topocentric, the civil
twilight the sun's centre at -6 degrees, the transit the meridian passage (none
on a day the body neither rises nor sets: on such days the transit is not
compared).

Measured for the 24 places below, every 5th day of 2000-2030 (about 53,000
comparisons of each kind): sun transit within 1.3 s; sunrise, sunset and the
civil twilights 99 % within 10 s, at most 59 s (Tromsø, where the sun's path
meets the horizon at a shallow angle); the moon's transit within 5.2 s, its
rise and set 99 % within 7.3 s, at most 106 s (Casey, 66 S, on a grazing
path). The moon's tolerance is therefore 120 s.

The almanac gives no transit for an instant at which the body stays above
(or below) the horizon all around; at high latitudes the moon can be so at its
culmination on a day it rises or sets. Those transits are not compared, and
beyond 60 degrees up to POLAR_TRANSIT_LIMIT more a place are counted, not
failed.

Prints a summary; exits 1 when any check fails.
"""

import argparse
import math
import concurrent.futures
import datetime as dt
import re
import signal
import subprocess
import sys
from zoneinfo import ZoneInfo

import ephem

SUN_TOLERANCE_S = 60.0
MOON_TOLERANCE_S = 120.0
EDGE_S = 120.0
GRAZE_DEG = 0.25
# Transits the almanac leaves out beyond 60 degrees of latitude, per place, at most.
POLAR_TRANSIT_LIMIT = 3

# name, latitude, longitude (east positive), zone: every continent and both
# hemispheres, the polar circles, the date line and half-hour zones.
PLACES = [
    ("Berlin", 52.52, 13.405, "Europe/Berlin"),
    ("Reykjavik", 64.15, -21.95, "Atlantic/Reykjavik"),
    ("Tromsø", 69.65, 18.96, "Europe/Oslo"),
    ("Moskau", 55.7558, 37.6173, "Europe/Moscow"),
    ("Kairo", 30.05, 31.25, "Africa/Cairo"),
    ("Nairobi", -1.2833, 36.8167, "Africa/Nairobi"),
    ("Johannesburg", -26.25, 28.0, "Africa/Johannesburg"),
    ("Dubai", 25.3, 55.3, "Asia/Dubai"),
    ("Kolkata", 22.5333, 88.3667, "Asia/Kolkata"),
    ("Kathmandu", 27.7167, 85.3167, "Asia/Kathmandu"),
    ("Singapur", 1.2833, 103.85, "Asia/Singapore"),
    ("Tokio", 35.6544, 139.7447, "Asia/Tokyo"),
    ("Perth", -31.95, 115.85, "Australia/Perth"),
    ("Sydney", -33.8667, 151.2167, "Australia/Sydney"),
    ("Auckland", -36.8667, 174.7667, "Pacific/Auckland"),
    ("Kiritimati", 1.8667, -157.3333, "Pacific/Kiritimati"),
    ("Honolulu", 21.3072, -157.8583, "Pacific/Honolulu"),
    ("Anchorage", 61.2181, -149.9003, "America/Anchorage"),
    ("New York", 40.7142, -74.0064, "America/New_York"),
    ("Mexiko-Stadt", 19.4, -99.15, "America/Mexico_City"),
    ("Lima", -12.05, -77.05, "America/Lima"),
    ("Sao Paulo", -23.5333, -46.6167, "America/Sao_Paulo"),
    ("Punta Arenas", -53.15, -70.9167, "America/Punta_Arenas"),
    ("Casey", -66.2833, 110.5167, "Antarctica/Casey"),
]

EVENT_LABELS = {
    "Morgendämmerung": ("sun", "dawn"),
    "Abenddämmerung": ("sun", "dusk"),
    "Mondaufgang": ("moon", "rise"),
    "Mondkulmination": ("moon", "transit"),
    "Monduntergang": ("moon", "set"),
    "Sonnenaufgang": ("sun", "rise"),
    "Sonnenkulmination": ("sun", "transit"),
    "Sonnenuntergang": ("sun", "set"),
}
MOMENT = re.compile(r"^(\d\d)\.(\d\d)\.(\d{4})(?: (\d\d):(\d\d):(\d\d))? (\S+)$")
GERMAN = {"CET": "MEZ", "CEST": "MESZ"}


def observer(latitude, longitude):
    o = ephem.Observer()
    o.lat = str(latitude)
    o.lon = str(longitude)
    o.elevation = 0
    o.pressure = 0
    return o


def local_day_span(day, zone):
    """The UTC instants (naive) of the local day's first instant and the next day's."""
    def start(d):
        # Midnight, or the first instant past it where the clock skips it.
        guess = dt.datetime.combine(d, dt.time(), tzinfo=zone).astimezone(dt.timezone.utc)
        guess = guess.replace(tzinfo=None)
        for offset_s in range(-7200, 7201, 900):
            t = guess + dt.timedelta(seconds=offset_s)
            if to_local(t, zone).date() >= d:
                # Refine to the second.
                low = t - dt.timedelta(seconds=900)
                if to_local(low, zone).date() >= d:
                    continue
                while (t - low).total_seconds() > 1:
                    mid = low + (t - low) / 2
                    if to_local(mid, zone).date() >= d:
                        t = mid
                    else:
                        low = mid
                return t.replace(microsecond=0) if t.microsecond == 0 else t
        return guess
    return start(day), start(day + dt.timedelta(days=1))


def to_local(utc_naive, zone):
    return utc_naive.replace(tzinfo=dt.timezone.utc).astimezone(zone)


class Undecided(Exception):
    """PyEphem's search did not end in time."""


# PyEphem's rise and set search can circle for ever where the body grazes the
# horizon at high latitudes; such a search is cut off after SEARCH_LIMIT_S of
# processor time and the day not compared.
SEARCH_LIMIT_S = 2.0


def _cut_off(signum, frame):
    raise Undecided()


def first_event(o, body, kind, start, end):
    """PyEphem's first event of the kind in [start, end) (naive UTC), or None;
    UNDECIDED when its search does not end within SEARCH_LIMIT_S."""
    signal.signal(signal.SIGVTALRM, _cut_off)
    signal.setitimer(signal.ITIMER_VIRTUAL, SEARCH_LIMIT_S)
    try:
        return first_event_unlimited(o, body, kind, start, end)
    except Undecided:
        return UNDECIDED
    finally:
        signal.setitimer(signal.ITIMER_VIRTUAL, 0)


UNDECIDED = "undecided"


def first_event_unlimited(o, body, kind, start, end):
    if kind in ("dawn", "dusk"):
        o.horizon = "-6"
        use_center = True
    else:
        o.horizon = "-0:34"
        use_center = False
    o.date = ephem.Date(start)
    try:
        if kind in ("rise", "dawn"):
            value = o.next_rising(body, use_center=use_center)
        elif kind in ("set", "dusk"):
            value = o.next_setting(body, use_center=use_center)
        else:
            value = o.next_transit(body)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    t = ephem.Date(value).datetime()
    return t if t < end else None


class DaySky:
    """One body's altitude and hour angle from PyEphem over a local day
    [start, end) (naive UTC), sampled every half hour: where PyEphem's own
    search and the almanac disagree on whether there is an event, it tells
    whether the body only grazes the altitude that day."""

    SAMPLES = 48
    LIMB_HORIZON = -34.0 / 60.0
    CIVIL = -6.0

    def __init__(self, o, body, start, end):
        self.o = o
        self.body = body
        self.t0 = float(ephem.Date(start))
        self.t1 = float(ephem.Date(end))
        step = (self.t1 - self.t0) / self.SAMPLES
        self.times = [self.t0 + i * step for i in range(self.SAMPLES)] + [self.t1]
        self.values = [self.sample(t) for t in self.times]

    def sample(self, t):
        self.o.date = t
        self.body.compute(self.o)
        altitude = self.body.alt / ephem.degree
        limb = altitude + self.body.radius / ephem.degree
        hour_angle = (float(self.body.ha) + math.pi) % (2 * math.pi) - math.pi
        return altitude, limb, hour_angle

    def function(self, kind):
        """The quantity whose upward crossing of 0 is the event."""
        if kind == "rise":
            return lambda v: v[1] - self.LIMB_HORIZON
        if kind == "set":
            return lambda v: self.LIMB_HORIZON - v[1]
        if kind == "dawn":
            return lambda v: v[0] - self.CIVIL
        if kind == "dusk":
            return lambda v: self.CIVIL - v[0]
        return lambda v: v[2]

    def first(self, kind):
        f = self.function(kind)
        for i in range(self.SAMPLES):
            a, b = f(self.values[i]), f(self.values[i + 1])
            if kind == "transit" and abs(self.values[i][2]) > math.pi / 2:
                continue  # the lower culmination's wrap from +180 to -180 degrees
            if a < 0 <= b:
                return self.refine(f, self.times[i], a, self.times[i + 1], b)
        return None

    def refine(self, f, ta, fa, tb, fb):
        # Regula falsi (Illinois) with the bracket kept, to 0.1 s.
        side = 0
        for _ in range(60):
            if tb - ta < 0.1 / 86400:
                break
            t = (ta * fb - tb * fa) / (fb - fa) if fb != fa else (ta + tb) / 2
            ft = f(self.sample(t))
            if ft < 0:
                ta, fa = t, ft
                if side == -1:
                    fb /= 2
                side = -1
            else:
                tb, fb = t, ft
                if side == 1:
                    fa /= 2
                side = 1
        return ephem.Date((ta + tb) / 2).datetime()

    def grazes(self, kind):
        """True when the day's highest or lowest altitude lies within
        GRAZE_DEG of the kind's altitude: two crossings may hide between the
        samples, or the models may rightly differ."""
        index = 0 if kind in ("dawn", "dusk") else 1
        threshold = self.CIVIL if kind in ("dawn", "dusk") else self.LIMB_HORIZON
        values = [v[index] for v in self.values]
        return abs(max(values) - threshold) < GRAZE_DEG or abs(min(values) - threshold) < GRAZE_DEG


def circumpolar_at(o, body, latitude, when):
    """True when the body at that instant (naive UTC) stays above or below the
    horizon all around (within GRAZE_DEG): the almanac has no transit then."""
    o.date = ephem.Date(when)
    body.compute(o)
    declination = body.dec / ephem.degree
    upper = 90.0 - abs(latitude - declination)
    lower = abs(latitude + declination) - 90.0
    threshold = -34.0 / 60.0
    return lower > threshold - GRAZE_DEG or upper < threshold + GRAZE_DEG


def check_place(args):
    dump, report, name, latitude, longitude, zone_name, first_year, last_year, every = args
    zone = ZoneInfo(zone_name)
    first = dt.date(first_year, 1, 1)
    count = ((dt.date(last_year, 12, 31) - first).days + every) // every
    process = subprocess.Popen(
        [dump, str(latitude), str(longitude), zone_name, str(first_year), str(last_year), str(every)],
        stdout=subprocess.PIPE, text=True)
    o = observer(latitude, longitude)
    bodies = {"sun": ephem.Sun(), "moon": ephem.Moon()}
    diffs = {}
    failures = []
    dashes = 0
    graze_skips = 0
    undecided = [0]
    polar_transits = [0]
    index = 0
    day = first
    lines = {}
    ort = None

    def finish_day():
        nonlocal dashes, graze_skips
        start, end = local_day_span(day, zone)
        rises_or_sets = {}
        found = {}
        skies = {}

        def sky(body_name):
            if body_name not in skies:
                skies[body_name] = DaySky(o, bodies[body_name], start, end)
            return skies[body_name]

        def event(body_name, kind):
            if (body_name, kind) not in found:
                found[(body_name, kind)] = first_event(o, bodies[body_name], kind, start, end)
            return found[(body_name, kind)]
        for label, (body_name, kind) in EVENT_LABELS.items():
            text = lines.get(label)
            where = f"{name} {day}: {label}"
            if text is None:
                failures.append(f"{where}: line missing")
                continue
            body = bodies[body_name]
            if kind == "transit":
                if body_name not in rises_or_sets:
                    rises_or_sets[body_name] = (event(body_name, "rise") not in (None, UNDECIDED) or
                                                event(body_name, "set") not in (None, UNDECIDED))
                if not rises_or_sets[body_name]:
                    graze_skips += 1
                    continue
            theirs = event(body_name, kind)
            if theirs is UNDECIDED:
                graze_skips += 1
                undecided[0] += 1
                continue
            if text == "-":
                dashes += 1
                if theirs is not None:
                    if kind == "transit" and circumpolar_at(o, body, latitude, theirs):
                        graze_skips += 1
                        continue
                    if kind == "transit" and abs(latitude) > 60 and polar_transits[0] < POLAR_TRANSIT_LIMIT:
                        # Beyond 60 degrees the moon's declination moves so
                        # fast that the almanac's transit, which needs a body
                        # that rises and sets at that instant, can miss a day.
                        polar_transits[0] += 1
                        graze_skips += 1
                        continue
                    near_edge = min((theirs - start).total_seconds(), (end - theirs).total_seconds()) < EDGE_S
                    if near_edge or sky(body_name).grazes(kind):
                        graze_skips += 1
                    else:
                        failures.append(f"{where}: '-', PyEphem {to_local(theirs, zone)}")
                continue
            m = MOMENT.match(text)
            if not m:
                failures.append(f"{where}: '{text}' is not a date and time")
                continue
            d, mo, y, hh, mm, ss, abbreviation = m.groups()
            local = dt.datetime(int(y), int(mo), int(d), int(hh or 0), int(mm or 0), int(ss or 0))
            if local.date() != day:
                failures.append(f"{where}: '{text}' is dated on another day")
                continue
            if theirs is None and kind != "transit":
                # PyEphem's search gives up where the body is circumpolar at
                # the day's start but not at its end; the sampled altitudes
                # still find the crossing.
                theirs = sky(body_name).first(kind)
            if theirs is None:
                ours = (local.replace(tzinfo=zone).astimezone(dt.timezone.utc).replace(tzinfo=None))
                near_edge = min((ours - start).total_seconds(), (end - ours).total_seconds()) < EDGE_S
                circumpolar = kind == "transit" and circumpolar_at(o, body, latitude, ours)
                if near_edge or circumpolar or sky(body_name).grazes(kind):
                    graze_skips += 1
                else:
                    failures.append(f"{where}: '{text}', PyEphem has none")
                continue
            theirs_local = to_local(theirs, zone)
            expected_abbreviation = GERMAN.get(theirs_local.tzname(), theirs_local.tzname())
            seconds = (local - theirs_local.replace(tzinfo=None)).total_seconds()
            if abbreviation != expected_abbreviation and abs(seconds) > 2:
                failures.append(f"{where}: '{text}', zone label {expected_abbreviation} expected")
                continue
            tolerance = SUN_TOLERANCE_S if body_name == "sun" else MOON_TOLERANCE_S
            if abs(seconds) > tolerance:
                ours = (local.replace(tzinfo=zone).astimezone(dt.timezone.utc).replace(tzinfo=None))
                if min((ours - start).total_seconds(), (end - ours).total_seconds()) < EDGE_S:
                    graze_skips += 1
                    continue
                if sky(body_name).grazes(kind):
                    graze_skips += 1
                    continue
                failures.append(f"{where}: '{text}', PyEphem {theirs_local:%H:%M:%S %Z} ({seconds:+.0f} s)")
            diffs.setdefault(f"{body_name} {kind}", []).append(seconds)

    for raw in process.stdout:
        line = raw.rstrip("\n")
        if line == "":
            if lines:
                finish_day()
                index += 1
                lines = {}
            continue
        label, _, value = line.partition("\t")
        if label == "Tag":
            day = dt.date.fromisoformat(value)
        if label == "Ort":
            ort = value
        if label in EVENT_LABELS:
            lines[label] = value
    if lines:
        finish_day()
        index += 1
    process.wait()
    if process.returncode != 0:
        failures.append(f"{name}: tempulo-report ended with status {process.returncode}")
    if index != count:
        failures.append(f"{name}: read {index} days instead of {count}")
    if ort is None or not ort.endswith(", " + zone_name):
        failures.append(f"{name}: place line '{ort}'")
    # The command line prints the same block.
    sample = dt.date(first_year, 7, 1) + dt.timedelta(days=(first_year + 3) % 200)
    printed = subprocess.run(
        [report, "--date", sample.isoformat(), "--time", "12:00:00", "--lat", str(latitude),
         "--lon", str(longitude), "--tz", zone_name], check=False, capture_output=True, text=True)
    dumped = subprocess.run([dump, str(latitude), str(longitude), zone_name, str(sample.year),
                             str(sample.year), "1"], check=True, capture_output=True, text=True).stdout
    block = dumped.split(f"Tag\t{sample.isoformat()}\n", 1)[-1].split("\n\n", 1)[0]
    if printed.returncode != 0 or block not in printed.stdout:
        failures.append(f"{name}: tempulo-report prints another block for {sample}")
    if undecided[0] > 10:
        failures.append(f"{name}: PyEphem undecided on {undecided[0]} events")
    if polar_transits[0]:
        print(f"{name}: {polar_transits[0]} Kulminationen des Mondes ohne Zeile (über 60° Breite)")
    return name, diffs, dashes, graze_skips, failures


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dump")
    parser.add_argument("report")
    parser.add_argument("--from", dest="first", type=int, default=2000)
    parser.add_argument("--to", dest="last", type=int, default=2030)
    parser.add_argument("--every", type=int, default=5)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--places", default="", help="comma-separated names of the list (default: all)")
    args = parser.parse_args()
    chosen = [p for p in PLACES if not args.places or p[0] in args.places.split(",")]
    work = [(args.dump, args.report, *place, args.first, args.last, args.every) for place in chosen]
    all_diffs = {}
    failures = []
    dashes = graze_skips = 0
    with concurrent.futures.ProcessPoolExecutor(max_workers=args.jobs) as pool:
        for name, diffs, place_dashes, place_skips, place_failures in pool.map(check_place, work):
            for kind, values in diffs.items():
                all_diffs.setdefault(kind, []).extend(values)
            worst = max((abs(v) for values in diffs.values() for v in values), default=0.0)
            print(f"{name}: {sum(len(v) for v in diffs.values())} Zeiten, größte Abweichung {worst:.1f} s, "
                  f"{place_dashes} ohne Ereignis, {place_skips} streifend, {len(place_failures)} Fehler")
            dashes += place_dashes
            graze_skips += place_skips
            failures.extend(place_failures)
    for kind in sorted(all_diffs):
        values = sorted(abs(v) for v in all_diffs[kind])
        p99 = values[min(len(values) - 1, int(0.99 * (len(values) - 1) + 0.5))]
        print(f"{kind}: {len(values)} verglichen, 99 % innerhalb {p99:.1f} s, höchstens {values[-1]:.1f} s")
    print(f"{dashes} Tage ohne Ereignis, {graze_skips} streifende Ereignisse nicht verglichen")
    for failure in failures[:40]:
        print("FEHLER:", failure)
    if failures:
        print(f"{len(failures)} Abweichungen.")
        return 1
    print("Alle Orte stimmen mit PyEphem überein.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
