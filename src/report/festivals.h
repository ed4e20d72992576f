// SPDX-License-Identifier: GPL-3.0-or-later
// Festivals of other religions: fixed dates of their own calendars, tested
// against the selected day at their places in the report.
#pragma once

#include <string_view>

#include "calendars/traditional/chinese.h"
#include "calendars/traditional/islamic.h"
#include "calendars/traditional/jewish.h"
#include "report/report.h"
#include "time/date_encoding.h"

namespace tempulo {

// The festival names, index 0 first.
std::string_view FestivalName(int index);

// Append "\t" + name for every row whose day and month match, in row order.
void AddIslamicFestivals(const IslamicDay& date, Report& report);
// The Jewish rows end with "Passahfest" on each of the eight days of Passover.
void AddJewishFestivals(const JewishDay& date, Report& report);
void AddChineseFestivals(const ChineseDateRecord& date, Report& report);

// What the Ethiopian feasts are tested against: Genna on the civil 7 January,
// Timkat, the new year and Meskal on their Ethiopian dates, the Islamic feasts
// on their Islamic dates, Good Friday and Easter after Orthodox Easter.
struct EthiopianFestivalDay {
  long double jd = 0;  // the report's Julian Date of the day at 0 h
  int day = 0;         // the civil day and month
  int month = 0;
  int islamicDay = 0;
  int islamicMonth = 0;
  CivilDate orthodoxEaster{};  // civil date of the year's Orthodox Easter Sunday; month 0: none
};
void AddEthiopianFestivals(const EthiopianFestivalDay& day, Report& report);

}  // namespace tempulo
