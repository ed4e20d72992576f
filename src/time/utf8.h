// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 helpers: the almanac cuts names to a number of characters, never
// through the middle of one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tempulo {

// Number of characters (code points) of a UTF-8 text.
std::size_t Utf8Length(std::string_view text);
// The first `count` characters of a UTF-8 text.
std::string Utf8Left(std::string_view text, std::size_t count);

// A list line as a screen reader should say it: "label\tvalue" becomes
// "label: value", a line without a label its value alone, further tabs a
// comma; a blank line stays empty.
std::string SpokenLine(std::string_view line);

}  // namespace tempulo
