// SPDX-License-Identifier: GPL-3.0-or-later
// The planetary events of a stretch of time: conjunctions of a planet with
// the sun, oppositions, greatest elongations of Mercury and Venus, stationary
// points, and conjunctions of the moon with a planet and of two planets closer
// than a degree. Conjunction, opposition and station follow the apparent
// geocentric ecliptic longitude; a close conjunction is the instant of equal
// longitude, its separation the difference in latitude then.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "astro/planets.h"
#include "time/instant.h"

namespace tempulo {

enum class PlanetEventKind : int {
  kConjunction,          // with the sun (an outer planet)
  kInferiorConjunction,  // Mercury or Venus between the sun and the Earth
  kSuperiorConjunction,  // Mercury or Venus beyond the sun
  kOpposition,
  kGreatestElongationEast,  // evening sky
  kGreatestElongationWest,  // morning sky
  kStationRetrograde,       // stands still, then moves westward
  kStationDirect,           // stands still, then moves eastward again
  kMoonConjunction,
  kPlanetConjunction,
};

struct PlanetEvent {
  Instant time;
  PlanetEventKind kind = PlanetEventKind::kConjunction;
  Planet planet = Planet::kMercury;
  Planet other = Planet::kMercury;  // the second planet of a planet conjunction
  // Greatest elongation: the elongation; a moon or planet conjunction: the
  // separation in latitude, positive when `planet` stands north of the moon
  // (or of `other`). Degrees.
  long double value = 0;
};

// Close conjunctions are listed below this separation, degrees.
inline constexpr long double kCloseConjunction = 1.0L;

// The events in [start, end) in time order; at most about 400 days are
// searched from `start`.
std::vector<PlanetEvent> PlanetEvents(Instant start, Instant end);

// "Merkur in größter östlicher Elongation (18,5°, Abendsichtbarkeit)",
// "Mond bei Saturn (Saturn 0,42° südlich)": one German line without the time.
std::string PlanetEventText(const PlanetEvent& event);
// Stable identifier of the kind: "conjunction", "inferior_conjunction", ...
std::string_view PlanetEventKindId(PlanetEventKind kind);

}  // namespace tempulo
