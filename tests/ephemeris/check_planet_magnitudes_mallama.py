#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares the planets' magnitudes with Mallama and Hilton (2018).

  check_planet_magnitudes_mallama.py DUMP-BINARY [STEP]

The peer is Debian's python3-skyfield, whose magnitudelib carries the
formulas of the Astronomical Almanac since 2018 (Mallama and Hilton,
"Computing apparent planetary magnitudes for The Astronomical Almanac",
from the authors' own program). Its formulas take the geometry as numbers;
the geometry comes from PyEphem (Debian's python3-ephem), so that nothing of
the almanac's own geometry enters the reference: distances from the sun and
the Earth, the phase angle, and for Saturn and Uranus the planetocentric
latitudes of the sun and the Earth over the planet's equator (the poles are
the peer's).

Every STEP-th day (default 37) of 1900-2100, every planet: the almanac's
magnitude within 0.1 of the peer's. Where the formulas give no magnitude
(Saturn beyond 6.5 degrees of phase or 27 degrees of ring opening, Neptune
beyond 1.9 degrees of phase before 2000) the date is counted, not compared.
Without skyfield the check is skipped (status 77).
"""

import math
import subprocess
import sys

import ephem

try:
    from skyfield import magnitudelib as mh
except ImportError:
    print("python3-skyfield is not installed: check skipped", file=sys.stderr)
    sys.exit(77)

LIMIT = 0.1
BODIES = {
    "mercury": ephem.Mercury, "venus": ephem.Venus, "mars": ephem.Mars, "jupiter": ephem.Jupiter,
    "saturn": ephem.Saturn, "uranus": ephem.Uranus, "neptune": ephem.Neptune,
}
# Date values count days from 30 December 1899 00:00; PyEphem's dates from
# 31 December 1899 12:00.
EPHEM_OFFSET = 1.5


def vector(ra, dec, distance):
    return (distance * math.cos(dec) * math.cos(ra), distance * math.cos(dec) * math.sin(ra),
            distance * math.sin(dec))


def angle(u, v):
    dot = sum(a * b for a, b in zip(u, v))
    nu = math.sqrt(sum(a * a for a in u))
    nv = math.sqrt(sum(b * b for b in v))
    return math.degrees(math.acos(max(-1.0, min(1.0, dot / (nu * nv)))))


def sub_latitude(pole, direction):
    """Latitude over the planet's equator of the point under the sun or the
    Earth: `direction` runs from that body to the planet (J2000)."""
    return angle(pole, direction) - 90.0


def peer_magnitude(pid, d, julian_year):
    """Mallama and Hilton's magnitude for PyEphem's geometry at its date d (UT)."""
    body, sun = BODIES[pid](), ephem.Sun()
    body.compute(d)
    sun.compute(d)
    # Astrometric places (J2000), the poles' frame.
    earth_to_planet = vector(float(body.a_ra), float(body.a_dec), body.earth_distance)
    earth_to_sun = vector(float(sun.a_ra), float(sun.a_dec), sun.earth_distance)
    sun_to_planet = tuple(p - s for p, s in zip(earth_to_planet, earth_to_sun))
    r = math.sqrt(sum(x * x for x in sun_to_planet))
    delta = body.earth_distance
    phase = angle(sun_to_planet, earth_to_planet)
    if pid == "saturn":
        value = mh._saturn_magnitude(r, delta, phase, sub_latitude(mh._SATURN_POLE, sun_to_planet),
                                     sub_latitude(mh._SATURN_POLE, earth_to_planet))
    elif pid == "uranus":
        value = mh._uranus_magnitude(r, delta, phase, sub_latitude(mh._URANUS_POLE, sun_to_planet),
                                     sub_latitude(mh._URANUS_POLE, earth_to_planet))
    elif pid == "neptune":
        value = mh._neptune_magnitude(r, delta, phase, julian_year)
    else:
        value = getattr(mh, f"_{pid}_magnitude")(r, delta, phase)
    return float(value), phase


def main():
    dump = sys.argv[1]
    step = int(sys.argv[2]) if len(sys.argv) > 2 else 37
    first = ephem.Date((1900, 1, 1)) + EPHEM_OFFSET
    last = ephem.Date((2100, 12, 31)) + EPHEM_OFFSET
    out = subprocess.run([dump, "places", str(first), str(last), str(step)], check=True, capture_output=True,
                         text=True).stdout
    worst = {}
    failures = []
    for line in out.splitlines():
        row = line.split("\t")
        t, pid, phase, mag = float(row[0]), row[1], float(row[9]), float(row[10])
        # The places are of dynamical time; PyEphem takes universal time.
        d = t - EPHEM_OFFSET
        d = ephem.Date(d - ephem.delta_t(d) / 86400.0)
        julian_year = 2000.0 + (t - 36526.5) / 365.25
        theirs, their_phase = peer_magnitude(pid, d, julian_year)
        w = worst.setdefault(pid, {"n": 0, "none": 0, "mag": 0.0, "at": "", "phase": 0.0})
        w["phase"] = max(w["phase"], abs(their_phase - phase))
        if math.isnan(theirs):
            w["none"] += 1
            continue
        w["n"] += 1
        diff = mag - theirs
        if abs(diff) > w["mag"]:
            w["mag"], w["at"] = abs(diff), f"{ephem.Date(d)} (phase {phase:.1f})"
        if abs(diff) > LIMIT:
            failures.append(f"{pid} {ephem.Date(d)}: {mag:.3f} against {theirs:.3f} at phase {phase:.2f}")
    print("Magnitudes against Mallama and Hilton (2018), skyfield's magnitudelib:")
    for pid in BODIES:
        w = worst.get(pid)
        if w:
            print(f"  {pid:8s} {w['n']:5d} compared, worst {w['mag']:.3f} at {w['at']}; "
                  f"{w['none']} without a magnitude; phase angles within {w['phase']:.4f} deg")
    for failure in failures[:40]:
        print("FAIL", failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
