// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the astronomy tests.
#pragma once

#include <string>

#include "time/date_encoding.h"

namespace tempulo::testing {

// A date value as "dd.MM.yyyy HH:mm:ss", the way the report shows instants.
inline std::string Text(double dateValue) { return DateTimeText(dateValue); }

}  // namespace tempulo::testing
