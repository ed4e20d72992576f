// SPDX-License-Identifier: GPL-3.0-or-later
// The report of a day for scripts: tab-separated rows and JSON, both read
// from the very lines and typed values one refresh produced, so that they
// never disagree with the text.
#pragma once

#include <string>

#include "report/refresh.h"
#include "time/civil.h"

namespace tempulo {

// "YYYY-MM-DD" with four year digits (the date as written, in its calendar).
std::string IsoDate(CivilDate date);

// One row per report line that carries a value: identifier TAB label TAB
// value, each row ending in LF. Needs a refresh that kept its values.
std::string ReportTsv(const RefreshResult& result);

// The day as one line of JSON (no line end): "date", "calendar" ("julian" up
// to 14 October 1582, "gregorian" after), "holidays", one object per entry
// with its typed values, and "error" when the day ended in one. Needs a
// refresh that kept its values.
std::string ReportJson(CivilDate date, const RefreshResult& result);

}  // namespace tempulo
