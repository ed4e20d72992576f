// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/text_folding.h"

#include <gtest/gtest.h>

namespace tempulo {
namespace {

TEST(TextFolding, FindsNamesAsPeopleTypeThem) {
  const struct {
    const char* name;
    const char* query;
    bool found;
  } cases[] = {
      {"München", "münchen", true},  {"München", "MÜNCHEN", true}, {"München", "Muenchen", true},
      {"München", "Munchen", true},  {"Gießen", "Giessen", true},  {"Zürich", "zurich", true},
      {"Zürich", "Zuerich", true},   {"Köln", "koeln", true},      {"Ostermontag", "", true},
      {"Ostermontag", " oster ", true}, {"München", "Münster", false}, {"Berlin", "Bern", false},
      {"Maße", "Masse", true},       {"Masse", "Maße", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MatchesSearch(QString::fromUtf8(c.name), QString::fromUtf8(c.query)), c.found)
        << c.name << " / " << c.query;
  }
}

}  // namespace
}  // namespace tempulo
