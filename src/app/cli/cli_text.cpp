// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/cli_text.h"

#include <cstdint>
#include <cstdio>
#include <ostream>

namespace tempulo {
namespace {

// The length of the UTF-8 sequence at the start of `text` and its code
// point; 0 when the bytes are no valid sequence (overlong forms and
// surrogates included).
std::size_t DecodeUtf8(std::string_view text, char32_t& code) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead < 0x80U) {
    code = lead;
    return 1;
  }
  if ((lead & 0xE0U) == 0xC0U) {
    length = 2;
    code = lead & 0x1FU;
    minimum = 0x80;
  } else if ((lead & 0xF0U) == 0xE0U) {
    length = 3;
    code = lead & 0x0FU;
    minimum = 0x800;
  } else if ((lead & 0xF8U) == 0xF0U) {
    length = 4;
    code = lead & 0x07U;
    minimum = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) {
    return 0;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0U) != 0x80U) {
      return 0;
    }
    code = (code << 6U) | (byte(i) & 0x3FU);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return 0;
  }
  return length;
}

// Code points that move the cursor, end a line or turn the direction of
// what follows on a terminal or in a log viewer.
bool IsHidden(char32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 || code == 0x2029 ||
         code == 0x200E || code == 0x200F || (code >= 0x202A && code <= 0x202E) ||
         (code >= 0x2066 && code <= 0x2069);
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string printable;
  printable.reserve(text.size());
  char escape[16];
  while (!text.empty()) {
    char32_t code = 0;
    const std::size_t length = DecodeUtf8(text, code);
    if (length == 0) {
      std::snprintf(escape, sizeof escape, "\\x%02X",
                    static_cast<unsigned>(static_cast<unsigned char>(text[0])));
      printable += escape;
      text.remove_prefix(1);
      continue;
    }
    if (code == '\\') {
      printable += "\\\\";
    } else if (IsHidden(code)) {
      std::snprintf(escape, sizeof escape, code < 0x80 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(code));
      printable += escape;
    } else {
      printable.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return printable;
}

void WriteErrorLine(std::ostream& err, std::string_view message) {
  err << "tempulo-report: " << PrintableText(message) << '\n';
}

}  // namespace tempulo
