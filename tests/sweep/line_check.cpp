// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_check.h"

#include <cmath>

namespace tempulo::sweep {

Scanner& Scanner::Real(long double& value) {
  std::int64_t whole = 0;
  const bool negative = !rest_.empty() && rest_.front() == '-';
  Int(whole);
  if (!ok_) {
    return *this;
  }
  long double result = static_cast<long double>(whole < 0 ? -whole : whole);
  if (!rest_.empty() && rest_.front() == '.') {
    rest_.remove_prefix(1);
    long double scale = 0.1L;
    std::size_t digits = 0;
    while (!rest_.empty() && rest_.front() >= '0' && rest_.front() <= '9') {
      result += scale * (rest_.front() - '0');
      scale /= 10;
      rest_.remove_prefix(1);
      ++digits;
    }
    // The formatter drops trailing zeros and a bare point.
    ok_ = digits > 0;
  }
  value = negative ? -result : result;
  return *this;
}

bool DayInMonth(const Reading& r, int length, const LineCheck& c) {
  if (r.day < 1) {
    c.Fail("day", "day " + Str(r.day) + " below 1");
    return false;
  }
  if (r.day > length) {
    c.Fail("day", "day " + Str(r.day) + " beyond the " + Str(length) + " days of month " + Str(r.month));
    return false;
  }
  return true;
}

void ExpectNextDay(const Reading& before, LineCheck& after, int length, std::int64_t nextYear,
                   int nextMonth) {
  Reading expected = before;
  if (before.day < length) {
    expected.day = before.day + 1;
  } else {
    expected.year = nextYear;
    expected.month = nextMonth;
    expected.day = 1;
  }
  const Reading& r = after.Result();
  if (r.year != expected.year || r.month != expected.month || r.day != expected.day) {
    after.Fail("succession", "expected " + Show(expected) + " after " + Show(before) + ", got " + Show(r));
  }
}

}  // namespace tempulo::sweep
