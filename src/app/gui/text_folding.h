// SPDX-License-Identifier: GPL-3.0-or-later
// Searching names as people type them: case does not matter, "ae", "oe",
// "ue" and "ss" stand for "ä", "ö", "ü" and "ß", and a letter typed without
// its umlaut or accent ("Munchen", "Zurich") still finds the name.
#pragma once

#include <QString>

namespace tempulo {

// True when `query` (trimmed; empty matches everything) occurs in `name`.
bool MatchesSearch(const QString& name, const QString& query);

}  // namespace tempulo
