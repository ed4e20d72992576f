// SPDX-License-Identifier: GPL-3.0-or-later
// tempulo-report's anniversary options, taken out of the arguments before the
// other options are read: --anniversaries, --upcoming N, --anniversaries-file.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "report/anniversaries.h"

namespace tempulo {

struct AnniversaryOptions {
  bool list = false;                // --anniversaries
  std::optional<int> upcoming;      // --upcoming N
  std::optional<std::string> file;  // --anniversaries-file FILE
  std::optional<std::string> exportTo;  // --export-anniversaries FILE
  bool Listing() const { return list || upcoming.has_value(); }
};

// Moves the anniversary options from `args` into `options`; the rest stays
// in `args`. False with `why` for a malformed one.
bool TakeAnniversaryOptions(std::vector<std::string>& args, AnniversaryOptions& options, std::string& why);

// The anniversaries of the named file, or the user's own; nullptr when there
// are none. An unreadable file: nullptr and `why` (the user's own file only
// counts as an error when it was asked for).
std::unique_ptr<AnniversaryBook> LoadAnniversaries(const AnniversaryOptions& options, std::string& why);

// --export-anniversaries: the entries written to FILE as this program stores
// them. Exit status 0, or 2 with a German line on `err`.
int ExportAnniversaries(const AnniversaryOptions& options, std::ostream& err);

enum class AnniversaryFormat { kText, kTsv, kJson, kIcs };

// The occurrences of first..last, one a line.
void WriteAnniversaryList(const AnniversaryBook& book, FixedDay first, FixedDay last, AnniversaryFormat format,
                          std::ostream& out);

}  // namespace tempulo
