// SPDX-License-Identifier: GPL-3.0-or-later
// Rise, set, transit and twilight of the sun and the moon within one civil
// day and for one observer. Latitudes count north, longitudes west (12
// degrees east is -12). A day without the event gives NoEvent.
//
// The day is passed as the span of universal time it covers, so the same
// search serves any time zone: an event always belongs to the civil day
// that holds its instant, and it has one time whichever day's search finds
// it, because the search follows the body's actual position to the instant.
//
// Rise and set are those of the upper limb (the sun's limb is folded into
// its -0.8333 degrees) on a horizon lowered by 34 arcminutes of refraction,
// seen from the observer: the moon's position is topocentric, its radius
// 0.2725 times its parallax. The transit is the body's passage through the
// observer's meridian; twilights are the sun's centre at -6, -12 and -18
// degrees. Spans and events are universal time; the positions are taken at
// the matching dynamical time.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace tempulo {

// What a search returns for a day without the event.
inline constexpr double NoEvent = -1000001.0;

// Event kinds: rise, set, transit; the beginning of civil, nautical and
// astronomical morning twilight (a rise at -6, -12, -18 degrees) and the
// end of the evening twilights (a set at those altitudes).
enum class RiseSetKind : int {
  kRise,
  kSet,
  kTransit,
  kCivilDawn,
  kNauticalDawn,
  kAstronomicalDawn,
  kCivilDusk,
  kNauticalDusk,
  kAstronomicalDusk,
};

inline constexpr std::size_t kRiseSetKindCount = 9;

// The kind's place in a table with one entry per kind.
constexpr std::size_t RiseSetKindIndex(RiseSetKind kind) { return static_cast<std::size_t>(kind); }

// A civil day as the span [start, end) of universal time it covers, in
// date values.
struct DaySpan {
  double start = 0;
  double end = 0;
};

// MEZ, the zone of the report and the holiday list, in hours ahead of
// universal time.
inline constexpr double kCetUtcOffsetHours = 1.0;

// The civil day that starts at the date value `localMidnight` (a whole day)
// in a zone `utcOffsetHours` ahead of universal time (MEZ: 1). A zone with a
// changing offset builds its spans itself; a span may be 23 or 25 hours long.
DaySpan CivilDaySpan(double localMidnight, double utcOffsetHours);

// A body other than the sun and the moon for the same searches: its
// geocentric apparent place and the sidereal time at an instant, and the
// altitude of its centre at rise and set. The place may come from an
// interpolation the body keeps over the day; the search only asks.
class SkyBody {
 public:
  SkyBody() = default;
  SkyBody(const SkyBody&) = default;
  SkyBody& operator=(const SkyBody&) = default;
  virtual ~SkyBody() = default;
  // Apparent sidereal time at Greenwich, right ascension and declination,
  // degrees.
  virtual void Place(double t, long double& siderealTime, long double& rightAscension,
                     long double& declination) const = 0;
  // The centre's altitude at rise and set, degrees.
  virtual long double HorizonAltitude() const = 0;
  // How fast the hour angle grows, degrees per day.
  virtual long double HourAngleRate() const { return 360.0L; }
};

// The two bodies the almanac follows on its own: the sun, and the moon with
// its parallax and changing size.
enum class Luminary { kSun, kMoon };

// The events of one body on one civil day. The body's place at the day's
// start is computed once and serves every kind's first estimate.
//
// Where the body rises and sets on every turn of the sky all day long, an
// event is followed from that estimate. Elsewhere (near the poles, and where
// the body only just reaches the altitude) the body's track over the day is
// drawn from a few exact positions, its altitude sampled densely enough for
// the moon's fastest change and bracketed around its extremes, and every
// crossing found so is refined on exact positions.
//
// Where the moon's altitude changes so slowly at a rise or set that the
// abridged theory's error would be seconds of time (only beyond some 55
// degrees of latitude), the instant is refined on the finer lunar theory
// ELP/MPP02; where the moon turns within a few tens of arcseconds of the
// altitude, that theory decides whether it crosses at all.
class DayEvents {
 public:
  DayEvents(Luminary luminary, const DaySpan& day, long double latitude, long double longitude);
  // Rise, set and transit of another body; the twilight kinds keep the sun's
  // altitudes. The body must outlive the searches.
  DayEvents(const SkyBody& body, const DaySpan& day, long double latitude, long double longitude);
  ~DayEvents();
  DayEvents(const DayEvents&) = delete;
  DayEvents& operator=(const DayEvents&) = delete;

  // As RiseSetTransit below.
  double Find(RiseSetKind kind) const;
  // Every event of the kind within the day in time order; near the poles a
  // rise or set kind may have two. The first is Find's; a value outside the
  // kinds or a day without the event gives none.
  std::vector<double> FindAll(RiseSetKind kind) const;

 private:
  // The body's place in the observer's sky at one instant.
  struct Sample {
    long double hourAngle = 0;  // degrees, (-180, 180]
    long double declination = 0;
    long double parallax = 0;  // the moon's; 0 for the sun
  };
  struct Track;
  struct Bracket;

  Sample At(double t) const;
  // The moon's place from the finer theory (moon_elp.h), some four times
  // the cost of At.
  Sample FinerAt(double t) const;
  // Hour angle of the kind's altitude; false when the body does not reach it.
  bool SemiArc(const Sample& s, RiseSetKind kind, long double& semiArc) const;
  // How far, in degrees of hour angle, the event of the kind lies behind the
  // sample: it grows with time and is 0 at the event.
  bool Offset(const Sample& s, RiseSetKind kind, long double& offset) const;
  // Follows the event from the estimate t until a step moves it by less than
  // the tolerance; false when the body loses the altitude on the way or the
  // steps do not settle. At `anchor` the body reaches the altitude.
  bool Converge(RiseSetKind kind, double t, double anchor, double& event) const;
  // Find's search itself, without the remembered answer.
  double FindAfresh(RiseSetKind kind) const;
  // The first event of the kind followed from the day's start.
  double Follow(RiseSetKind kind) const;
  // True where the body reaches the kind's altitude on both sides at every
  // instant of the day with room to spare, so that following finds the event.
  bool CrossesAllDay(RiseSetKind kind) const;
  // The body's altitude less the kind's, degrees, from an exact position.
  long double AltitudeAbove(RiseSetKind kind, double t) const;
  long double AboveOf(const Sample& s, RiseSetKind kind) const;
  // The same from the finer moon.
  long double FinerAbove(RiseSetKind kind, double t) const;
  // The moon's rise or set found on the abridged moon, refined on the finer
  // one where the crossing is shallow; any other event as it is.
  double OnFinerMoon(RiseSetKind kind, double event) const;
  // Find's event before that refinement, remembered.
  double Found(RiseSetKind kind) const;
  const Track& TrackOfDay() const;
  // The brackets of the kind's crossings in the direction of the kind, in
  // time order. With `dropped`, also the spans of the abridged moon's
  // crossings that the finer moon does not have (it turns short of the
  // altitude there).
  std::vector<Bracket> Brackets(RiseSetKind kind, std::vector<Bracket>* dropped = nullptr) const;
  // The extreme of the finer moon's altitude above the kind's within [a, b].
  void FinerExtreme(RiseSetKind kind, double a, double b, bool highest, double& at, double& above) const;
  // The crossing within the bracket on exact positions; false where the body
  // does not cross there after all.
  bool Refine(RiseSetKind kind, const Bracket& bracket, double& event) const;

  long double latitude_;
  long double longitude_;
  Sample start_;
  mutable std::unique_ptr<Track> track_;
  // Found's and Find's answers per kind, once asked.
  mutable std::array<std::optional<double>, kRiseSetKindCount> found_{};
  mutable std::array<std::optional<double>, kRiseSetKindCount> shown_{};
  const SkyBody* body_ = nullptr;
  DaySpan day_;
  Luminary luminary_;
  bool valid_ = false;
  // The moon at a latitude where its rise or set may be shallow enough for
  // the finer theory.
  bool shallowPossible_ = false;
};

// The first event of the kind within the day: a date value in universal time
// in [start, end), found to well under a second, or NoEvent when the body has
// none that day (the moon skips a rise, a set and a transit about once a
// month; the sun at high latitudes). The transit, too, is NoEvent on a day
// the body neither rises nor sets (polar day or night). A value outside the
// kinds gives the date value 0.
double RiseSetTransit(Luminary luminary, RiseSetKind kind, const DaySpan& day, long double latitude,
                      long double longitude);

double SunRise(const DaySpan& day, long double latitude, long double longitude);
double SunSet(const DaySpan& day, long double latitude, long double longitude);
double SunTransit(const DaySpan& day, long double latitude, long double longitude);
double MoonRise(const DaySpan& day, long double latitude, long double longitude);
double MoonSet(const DaySpan& day, long double latitude, long double longitude);
double MoonTransit(const DaySpan& day, long double latitude, long double longitude);
double CivilDawn(const DaySpan& day, long double latitude, long double longitude);
double CivilDusk(const DaySpan& day, long double latitude, long double longitude);

}  // namespace tempulo
