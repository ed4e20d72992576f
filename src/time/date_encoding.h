// SPDX-License-Identifier: GPL-3.0-or-later
// The date encoding every part of the almanac shares: a civil date record,
// the proleptic Gregorian encoding of a date into a date value and back, and
// the German date-time text of a date value.
#pragma once

#include <string>

#include "time/civil.h"

namespace tempulo {

// True for a date the proleptic Gregorian calendar has (years -32767..32767).
bool IsValidGregorianDate(int year, int month, int day);

// Date value (days since 30 December 1899) of a proleptic Gregorian date.
// The date must be valid (IsValidGregorianDate).
double EncodeDate(int year, int month, int day);

// Proleptic Gregorian date of a date value. The day is the whole part taken
// toward zero, as the platform's own decoding does, so a negative value with a
// time of day reads the day after the one that contains the instant; use
// DateTimeToCivilDate where the containing day is meant.
CivilDate DecodeDate(double dateValue);

// "dd.MM.yyyy HH:mm:ss", or "dd.MM.yyyy" alone when the value is exactly a
// midnight. The time is rounded to the millisecond and shown to the second.
std::string DateTimeText(double dateValue);

}  // namespace tempulo
