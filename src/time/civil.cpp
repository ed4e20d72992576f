// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/civil.h"

namespace tempulo {

FixedDay CheckedFixedFromCivil(CivilDate date) {
  if (date.day < 1 || date.day > CivilMonthLength(date.year, date.month)) {
    throw ConversionError();
  }
  return FixedFromCivil(date);
}

}  // namespace tempulo
