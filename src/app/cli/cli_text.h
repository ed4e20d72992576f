// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's messages: one line each, safe to show on a terminal
// whatever the user typed.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace tempulo {

// The text with everything a terminal would act on or that would break the
// line written visibly: control characters (C0, DEL, C1) and the line, paragraph
// and direction marks as \xNN or \uNNNN, bytes that are no UTF-8 as \xNN, and
// the backslash doubled so that an escape cannot be forged.
std::string PrintableText(std::string_view text);

// "tempulo-report: " and the message, made printable, as one line.
void WriteErrorLine(std::ostream& err, std::string_view message);

}  // namespace tempulo
