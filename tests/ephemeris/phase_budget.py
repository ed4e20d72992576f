#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Error budget of the almanac's moon phases against two independent peers,
PyEphem (Debian's python3-ephem) and astronomy-engine (npm, under build/).

  phase_budget.py DUMP-BINARY SOURCE-DIR [--from Y] [--to Y]

DUMP-BINARY is tempulo_instants_dump. For every new moon, quarter and full
moon of the years the difference almanac minus PyEphem (universal time) is
split into three parts that add up to it exactly:

  series    the almanac's instant minus the exact root of its own apparent
            elongation (what the periodic series of the mean phase misses);
  ephemeris that root minus PyEphem's root, both in dynamical time (the
            sun and moon theories and the peer's definition of the phase);
  delta-t   minus the difference of the two Delta T.

The ephemeris part is explained again from the longitudes at the almanac's
root, turned into time by the elongation's rate: moon, sun, and for PyEphem
the mean obliquity its phase search converts with. Distributions (largest
magnitude, 99 % and 90 % quantiles of the magnitude, signed range) are
printed for every pairwise difference. Exits 0; it measures, it does not
judge.
"""

import argparse
import math
import os
import subprocess
import sys
import tempfile

import ephem

DUBLIN = 2415020.0  # PyEphem's dates count days from this Julian Day
DAY = 86400.0


def stats(name, values, unit):
    a = sorted(abs(v) for v in values)
    n = len(a)

    def q(p):
        return a[min(n - 1, math.ceil(p * n) - 1)]

    print(f"  {name:<46} max {a[-1]:7.2f}  99% {q(0.99):7.2f}  90% {q(0.90):7.2f}"
          f"  [{min(values):+7.2f} .. {max(values):+7.2f}] {unit}  (n={n})")


def ecliptic_longitude(ra, dec, eps):
    """Apparent longitude (degrees) of an apparent place, true obliquity eps (degrees)."""
    e = math.radians(eps)
    return math.degrees(math.atan2(math.sin(ra) * math.cos(e) + math.tan(dec) * math.sin(e), math.cos(ra))) % 360.0


def wrap(x):
    return (x + 180.0) % 360.0 - 180.0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("source")
    parser.add_argument("--from", dest="first", type=int, default=1960)
    parser.add_argument("--to", dest="last", type=int, default=2030)
    parser.add_argument("--mode", default="phase-budget")
    args = parser.parse_args()

    dump = subprocess.run([args.binary, args.mode, str(args.first), str(args.last)],
                          check=True, capture_output=True, text=True).stdout
    with tempfile.NamedTemporaryFile("w", suffix=".tsv", delete=False) as f:
        f.write(dump)
        budget_file = f.name
    try:
        peer = subprocess.run([os.path.join(args.source, "tests/peers/run-peer-check"),
                               os.path.join(args.source, "tests/peers/phase_budget_peer.cjs"), budget_file],
                              check=True, capture_output=True, text=True).stdout.splitlines()
    finally:
        os.unlink(budget_file)

    finders = {0: ephem.next_new_moon, 2: ephem.next_first_quarter_moon,
               4: ephem.next_full_moon, 6: ephem.next_last_quarter_moon}
    sun, moon = ephem.Sun(), ephem.Moon()

    def pyephem_at_tt(tt_jd):
        d = tt_jd - DUBLIN
        ut = d - ephem.delta_t(ephem.Date(d)) / DAY
        ut = d - ephem.delta_t(ephem.Date(ut)) / DAY
        sun.compute(ephem.Date(ut))
        moon.compute(ephem.Date(ut))
        return ut

    def pyephem_own_elongation(ut):
        """The quantity PyEphem's phase search solves for (mean obliquity)."""
        sun.compute(ephem.Date(ut))
        moon.compute(ephem.Date(ut))
        slon = ephem._libastro.eq_ecl(ut, sun.g_ra, sun.g_dec)[0]
        mlon = ephem._libastro.eq_ecl(ut, moon.g_ra, moon.g_dec)[0]
        return math.degrees(mlon - slon)

    rows = {k: [] for k in ("total_py", "total_ae", "py_ae", "series", "ephem_py", "dt_py", "ephem_ae", "dt_ae",
                            "dt_ae_py", "moon_py", "moon_ae", "moon_py_ae", "sun_py", "sun_ae", "sun_py_ae",
                            "lat_py", "lat_ae", "obl_py", "aephase_ae", "explained_py", "explained_ae",
                            "resid_py", "resid_ae", "rate")}
    for line, peer_line in zip(dump.splitlines(), peer):
        f = line.split("\t")
        kind = int(f[0])
        ours_ut, dt_ours, root_tt = float(f[1]), float(f[2]), float(f[3])
        m_lon, m_lat, s_lon, eps = (float(x) for x in f[4:8])
        ae = peer_line.split("\t")
        ae_ut, dt_ae = float(ae[0]), float(ae[1])
        ae_mlon, ae_mlat, ae_slon, ae_phase = (float(x) for x in ae[2:6])

        py_ut = float(finders[kind](ephem.Date(ours_ut - DUBLIN - 2.0))) + DUBLIN
        dt_py = ephem.delta_t(ephem.Date(py_ut - DUBLIN))
        ours_tt = ours_ut + dt_ours / DAY
        py_tt = py_ut + dt_py / DAY
        ae_tt = ae_ut + dt_ae / DAY

        ut = pyephem_at_tt(root_tt)
        py_mlon = ecliptic_longitude(moon.g_ra, moon.g_dec, eps)
        py_mlat = math.degrees(math.asin(math.sin(moon.g_dec) * math.cos(math.radians(eps)) -
                                         math.cos(moon.g_dec) * math.sin(math.radians(eps)) * math.sin(moon.g_ra)))
        py_slon = ecliptic_longitude(sun.g_ra, sun.g_dec, eps)
        own = wrap(pyephem_own_elongation(ut) - kind * 45.0)
        true_elong = wrap(py_mlon - py_slon - kind * 45.0)
        # The elongation's rate at the root, arcseconds per second.
        rate = wrap(pyephem_own_elongation(ut + 1.0 / 48) - pyephem_own_elongation(ut - 1.0 / 48)) * 3600 / 3600.0

        r = rows
        r["total_py"].append((ours_ut - py_ut) * DAY)
        r["total_ae"].append((ours_ut - ae_ut) * DAY)
        r["py_ae"].append((py_ut - ae_ut) * DAY)
        r["series"].append((ours_tt - root_tt) * DAY)
        r["ephem_py"].append((root_tt - py_tt) * DAY)
        r["ephem_ae"].append((root_tt - ae_tt) * DAY)
        r["dt_py"].append(dt_ours - dt_py)
        r["dt_ae"].append(dt_ours - dt_ae)
        r["dt_ae_py"].append(dt_ae - dt_py)
        r["moon_py"].append(wrap(m_lon - py_mlon) * 3600)
        r["moon_ae"].append(wrap(m_lon - ae_mlon) * 3600)
        r["moon_py_ae"].append(wrap(py_mlon - ae_mlon) * 3600)
        r["sun_py"].append(wrap(s_lon - py_slon) * 3600)
        r["sun_ae"].append(wrap(s_lon - ae_slon) * 3600)
        r["sun_py_ae"].append(wrap(py_slon - ae_slon) * 3600)
        r["lat_py"].append((m_lat - py_mlat) * 3600)
        r["lat_ae"].append((m_lat - ae_mlat) * 3600)
        r["obl_py"].append((own - true_elong) * 3600)
        r["aephase_ae"].append(wrap(ae_phase - (ae_mlon - ae_slon)) * 3600)
        r["rate"].append(rate)
        # The peer's elongation at the almanac's root, in seconds of time.
        r["explained_py"].append(own * 3600 / rate)
        r["explained_ae"].append(wrap(ae_phase - kind * 45.0) * 3600 / rate)
        r["resid_py"].append(r["ephem_py"][-1] - r["explained_py"][-1])
        r["resid_ae"].append(r["ephem_ae"][-1] - r["explained_ae"][-1])

    print(f"Mondphasen {args.first}-{args.last}: {len(rows['series'])} Zeitpunkte (Beträge; Vorzeichen: erster minus zweiter)")
    print("Phasenzeit (UT), Sekunden:")
    stats("Almanach - PyEphem", rows["total_py"], "s")
    stats("Almanach - astronomy-engine", rows["total_ae"], "s")
    stats("PyEphem - astronomy-engine", rows["py_ae"], "s")
    print("Zerlegung Almanach - PyEphem = Reihe + Ephemeride + Delta-T:")
    stats("Reihe (Almanach - Wurzel der eigenen Elongation)", rows["series"], "s")
    stats("Ephemeride gg. PyEphem (TT)", rows["ephem_py"], "s")
    stats("Delta-T-Teil gg. PyEphem (-(dT Alm - dT Py))", [-x for x in rows["dt_py"]], "s")
    stats("Ephemeride gg. astronomy-engine (TT)", rows["ephem_ae"], "s")
    stats("Delta-T-Teil gg. astronomy-engine", [-x for x in rows["dt_ae"]], "s")
    print("Delta T, Sekunden:")
    stats("Almanach - PyEphem", rows["dt_py"], "s")
    stats("Almanach - astronomy-engine", rows["dt_ae"], "s")
    stats("astronomy-engine - PyEphem", rows["dt_ae_py"], "s")
    print("Scheinbare Längen an der eigenen Wurzel (wahre Schiefe), Bogensekunden:")
    stats("Mond Almanach - PyEphem", rows["moon_py"], "\"")
    stats("Mond Almanach - astronomy-engine", rows["moon_ae"], "\"")
    stats("Mond PyEphem - astronomy-engine", rows["moon_py_ae"], "\"")
    stats("Sonne Almanach - PyEphem", rows["sun_py"], "\"")
    stats("Sonne Almanach - astronomy-engine", rows["sun_ae"], "\"")
    stats("Sonne PyEphem - astronomy-engine", rows["sun_py_ae"], "\"")
    stats("Mondbreite Almanach - PyEphem", rows["lat_py"], "\"")
    stats("Mondbreite Almanach - astronomy-engine", rows["lat_ae"], "\"")
    stats("PyEphem: eigene Elongation (mittl. Schiefe) - wahre", rows["obl_py"], "\"")
    stats("astronomy-engine: MoonPhase - (Mond - Sonne scheinbar)", rows["aephase_ae"], "\"")
    print("Ephemeridenteil aus den Elongationen erklärt, Sekunden:")
    stats("PyEphem: erklärt", rows["explained_py"], "s")
    stats("PyEphem: Rest (Suche, Näherung)", rows["resid_py"], "s")
    stats("astronomy-engine: erklärt", rows["explained_ae"], "s")
    stats("astronomy-engine: Rest", rows["resid_ae"], "s")
    stats("Elongationsrate", rows["rate"], "\"/s")
    print("Was wäre, wenn (Almanach - PyEphem, Sekunden): Wurzel der Elongation mit ...")
    base = [t - s for t, s in zip(rows["total_py"], rows["series"])]
    stats("... eigenem Mond (ohne Reihe)", base, "s")
    for name, key in (("astronomy-engine", "moon_ae"), ("PyEphem", "moon_py")):
        moved = [b + d / r for b, d, r in zip(base, rows[key], rows["rate"])]
        stats(f"... Mond von {name}", moved, "s")
        stats(f"... Mond von {name}, Delta T wie PyEphem", [m + d for m, d in zip(moved, rows["dt_py"])], "s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
