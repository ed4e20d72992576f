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

}  // namespace tempulo
