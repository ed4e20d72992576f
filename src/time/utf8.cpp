// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/utf8.h"

namespace tempulo {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; }

}  // namespace

std::size_t Utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if (!IsContinuationByte(c)) {
      ++count;
    }
  }
  return count;
}

std::string Utf8Left(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuationByte(text[i])) {
      if (seen == count) {
        return std::string(text.substr(0, i));
      }
      ++seen;
    }
  }
  return std::string(text);
}

std::string SpokenLine(std::string_view line) {
  std::string spoken;
  int parts = 0;
  std::size_t start = 0;
  // Each pass takes one tab-separated part; the text's length bounds them.
  while (start <= line.size()) {
    const std::size_t tab = line.find('\t', start);
    const std::size_t end = tab == std::string_view::npos ? line.size() : tab;
    std::string_view part = line.substr(start, end - start);
    while (!part.empty() && part.front() == ' ') {
      part.remove_prefix(1);
    }
    while (!part.empty() && part.back() == ' ') {
      part.remove_suffix(1);
    }
    if (!part.empty()) {
      if (parts > 0) {
        spoken += parts == 1 ? ": " : ", ";
      }
      spoken += part;
      ++parts;
    }
    if (tab == std::string_view::npos) {
      break;
    }
    start = tab + 1;
  }
  return spoken;
}

}  // namespace tempulo
