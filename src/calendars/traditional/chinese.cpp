// Placeholder until this calendar is built.
#include "calendars/traditional/chinese.h"

namespace tempulo {

ChineseDateRecord ChineseDate(double) { return {}; }

}  // namespace tempulo
