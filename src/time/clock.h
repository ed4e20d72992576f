// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the clock reaches the almanac: today's date and the time of day.
// The window reads the system clock; tests and the command line fix it.
#pragma once

#include "time/date_encoding.h"

namespace tempulo {

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  // Days from the selected day to the day this time of day falls on: a
  // moment given in another zone may be the evening before or the morning
  // after in the report's MEZ.
  int dayOffset = 0;
  friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Today's local date (Gregorian).
  virtual CivilDate Today() const = 0;
  // The local time of day.
  virtual TimeOfDay Now() const = 0;
};

class SystemClock final : public Clock {
 public:
  CivilDate Today() const override;
  TimeOfDay Now() const override;
};

// The clock read as MEZ (UTC+1 all year), whatever zone the system is set
// to: today's date and the time of day of the report's own time.
class MezClock final : public Clock {
 public:
  CivilDate Today() const override;
  TimeOfDay Now() const override;
};

class FixedClock final : public Clock {
 public:
  FixedClock(CivilDate today, TimeOfDay now) : today_(today), now_(now) {}
  CivilDate Today() const override { return today_; }
  TimeOfDay Now() const override { return now_; }

 private:
  CivilDate today_;
  TimeOfDay now_;
};

}  // namespace tempulo
