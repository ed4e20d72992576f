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

}  // namespace tempulo
