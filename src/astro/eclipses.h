// SPDX-License-Identifier: GPL-3.0-or-later
// Solar and lunar eclipses: which kind, the instant of greatest eclipse, its
// magnitude, gamma and saros series, and what an observer at one place sees.
//
// Every instant is universal time (a date value); positions are taken at the
// matching dynamical time. Longitudes count east here, as a place is given.
// The shadows follow the conventions of F. Espenak and J. Meeus, "Five
// Millennium Canon of Solar Eclipses" and "... of Lunar Eclipses" (NASA
// TP-2006-214141, TP-2009-214172): the moon's radius 0.2725076 Earth radii
// for the penumbra and 0.2722810 for the umbra of a solar eclipse. The
// Earth's shadow is cast by the Earth and the lower atmosphere: a sphere of
// 6,459 km (the mean radius and 88 km), close to Danjon's enlargement.
#pragma once

#include <vector>

#include "time/instant.h"

namespace tempulo {

enum class EclipseKind : int {
  kSolarPartial,
  kSolarAnnular,
  kSolarTotal,
  kSolarHybrid,  // annular at the ends of its path, total in its middle
  kLunarPenumbral,
  kLunarPartial,
  kLunarTotal,
};

constexpr bool IsSolar(EclipseKind kind) { return kind <= EclipseKind::kSolarHybrid; }

// What marks a missing contact.
inline constexpr double kNoContact = -1000001.0;

struct Eclipse {
  EclipseKind kind = EclipseKind::kSolarPartial;
  Instant greatest;
  // Solar: the Canon's magnitude (the moon's apparent diameter over the sun's
  // at greatest eclipse on a central path, else the share of the sun's
  // diameter covered there). Lunar: the umbral magnitude (negative for a
  // penumbral eclipse); `penumbralMagnitude` beside it.
  double magnitude = 0;
  double penumbralMagnitude = 0;
  // The shadow axis' least distance from the Earth's centre, Earth radii,
  // positive where it passes north of the centre.
  double gamma = 0;
  int saros = 0;
  // Solar: whether the shadow axis meets the Earth, and the place of greatest
  // eclipse (degrees; east positive).
  bool central = false;
  double latitude = 0;
  double longitude = 0;
  // Lunar: the contacts with the penumbra (P1, P4) and the umbra (U1, U4 of
  // the partial, U2, U3 of the total phase); kNoContact where none.
  double penumbralBegin = kNoContact;
  double partialBegin = kNoContact;
  double totalBegin = kNoContact;
  double totalEnd = kNoContact;
  double partialEnd = kNoContact;
  double penumbralEnd = kNoContact;
};

// One contact as an observer sees it: the instant and the altitude of the
// sun's or moon's centre (degrees, without refraction).
struct EclipseContact {
  double time = kNoContact;
  double altitude = 0;
};

struct LocalEclipse {
  // Whether any part of the eclipse happens while the body stands above the
  // horizon (its upper limb, with 34' of refraction).
  bool visible = false;
  // Solar: whether the moon covers part of the sun at this place at all; the
  // kind as seen here (partial, annular or total). Lunar: as the eclipse.
  bool eclipsed = false;
  EclipseKind kind = EclipseKind::kSolarPartial;
  EclipseContact begin;    // solar C1, lunar P1 (U1 for a partial or total one)
  EclipseContact maximum;  // local maximum; for the moon the greatest eclipse
  EclipseContact end;      // solar C4, lunar P4 (U4)
  EclipseContact totalBegin;  // solar C2 (total or annular here), lunar U2
  EclipseContact totalEnd;    // solar C3, lunar U3
  double magnitude = 0;    // solar: share of the sun's diameter covered at the maximum
  double obscuration = 0;  // solar: share of the sun's disc covered at the maximum
};

// The eclipses whose greatest eclipse falls in [from, to), in time order.
// Spans of more than 1,200 days are cut there.
std::vector<Eclipse> EclipsesBetween(Instant from, Instant to);

// What an observer at latitude (north) and longitude (east) sees, height 0.
LocalEclipse LocalCircumstances(const Eclipse& eclipse, double latitude, double longitude);

}  // namespace tempulo
