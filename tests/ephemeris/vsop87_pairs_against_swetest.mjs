// SPDX-License-Identifier: GPL-3.0-or-later
// How far VSOP87 itself, complete and as the tables cut it, stands from the
// Swiss Ephemeris' DE431-based files in the difference of longitude of two
// planets, and what that is in time at the pair's drift: whether a more
// complete series could bring a slow conjunction within 2 min of DE431.
//
//   node tests/ephemeris/vsop87_pairs_against_swetest.mjs NODE_MODULES_DIR \
//        JD_TT PLANET OTHER [JD_TT PLANET OTHER ...]
//
// NODE_MODULES_DIR holds astronomia (scripts/generate-planet-terms installs it
// under build/npm); JD_TT is swetest's instant of the conjunction (Julian Date,
// dynamical time, from check_conjunctions_against_swetest.py --jd). Both sides
// are geometric
// geocentric directions with light-time in the ecliptic of date (swetest
// -noaberr -nodefl): aberration, deflection and nutation move two planets in
// one direction alike and drop out of the pair's difference.
import path from "node:path";
import { pathToFileURL } from "node:url";
import { execFileSync } from "node:child_process";

const [modules, ...rest] = process.argv.slice(2);
if (!modules || rest.length === 0 || rest.length % 3 !== 0) {
  console.error("usage: vsop87_pairs_against_swetest.mjs NODE_MODULES_DIR JD_TT PLANET OTHER ...");
  process.exit(2);
}
const THRESHOLD = 1e-7;  // the tables' bound, see scripts/generate-planet-terms.mjs
const TAU_SPAN = 0.2;
const LIGHT_DAYS_PER_AU = 0.0057755183;
const SWE = { mercury: "2", venus: "3", mars: "4", jupiter: "5", saturn: "6", uranus: "7", neptune: "8" };

async function load(name) {
  const file = path.join(modules, "astronomia", "data", `vsop87D${name}.js`);
  const data = (await import(pathToFileURL(file).href)).default;
  const clean = {};
  for (const s of ["L", "B", "R"]) {
    clean[s] = {};
    for (const [p, terms] of Object.entries(data[s])) clean[s][p] = terms.filter((t) => t.every(Number.isFinite));
  }
  return clean;
}

function cut(body) {
  const out = {};
  for (const s of ["L", "B", "R"]) {
    out[s] = {};
    for (const [p, terms] of Object.entries(body[s])) {
      out[s][p] = terms.filter(([a]) => Math.abs(a) * TAU_SPAN ** Number(p) >= THRESHOLD);
    }
  }
  return out;
}

function evaluate(series, tau) {
  let result = 0;
  for (let p = 5; p >= 0; --p) {
    let sum = 0;
    for (const [a, b, c] of series[p] ?? []) sum += a * Math.cos(b + c * tau);
    result = result * tau + sum;
  }
  return result;
}

function rect(body, jd) {
  const tau = (jd - 2451545.0) / 365250;
  const [l, b, r] = [evaluate(body.L, tau), evaluate(body.B, tau), evaluate(body.R, tau)];
  return [r * Math.cos(b) * Math.cos(l), r * Math.cos(b) * Math.sin(l), r * Math.sin(b)];
}

// Geocentric longitude of date with light-time, degrees.
function longitude(set, name, jd) {
  const earth = rect(set.earth, jd);
  let lightTime = 0;
  let v = [0, 0, 0];
  for (let pass = 0; pass < 3; ++pass) {
    const p = rect(set[name], jd - lightTime);
    v = p.map((x, i) => x - earth[i]);
    lightTime = LIGHT_DAYS_PER_AU * Math.hypot(...v);
  }
  return Math.atan2(v[1], v[0]) * 180 / Math.PI;
}

const diff = (a, b) => ((a - b + 540) % 360) - 180;
const full = { earth: await load("earth") };
const tables = { earth: cut(full.earth) };
for (let i = 0; i < rest.length; i += 3) {
  for (const name of [rest[i + 1], rest[i + 2]]) {
    if (!full[name]) {
      full[name] = await load(name);
      tables[name] = cut(full[name]);
    }
  }
}
// swetest's difference of longitude of the pair, degrees.
function swetest(jd, p, q) {
  const out = execFileSync("swetest", ["-edir/usr/share/libswe/ephe", `-bj${jd}`, `-p${SWE[p]}${SWE[q]}`,
    "-noaberr", "-nodefl", "-fl", "-head", "-ep"]).toString().trim().split(/\s+/).map(Number);
  return diff(out[0], out[1]);
}

console.log("JD (TT)\tpair\tdrift\tcomplete - swetest\ttables - swetest");
for (let i = 0; i < rest.length; i += 3) {
  const jd = Number(rest[i]);
  const [p, q] = [rest[i + 1], rest[i + 2]];
  const swe = swetest(jd, p, q);
  // "/day, signed: how the pair's difference grows.
  const drift = diff(swetest(jd + 0.5, p, q), swetest(jd - 0.5, p, q)) * 3600;
  const cells = [full, tables].map((set) => {
    const offset = diff(diff(longitude(set, p, jd), longitude(set, q, jd)), swe) * 3600;
    // The pair's difference is `offset` too large: equal longitudes come
    // offset / drift days early.
    return `${offset.toFixed(3)}" ${(-offset / drift * 1440).toFixed(1)} min`;
  });
  console.log(`${jd}\t${p}-${q}\t${drift.toFixed(0)}"/d\t${cells[0]}\t${cells[1]}`);
}
