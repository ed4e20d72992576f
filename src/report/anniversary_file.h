// SPDX-License-Identifier: GPL-3.0-or-later
// The anniversaries on disk: an iCalendar file (RFC 5545) with one event per
// entry, its rule in RFC 7529 form (RSCALE, SKIP) where that standard names
// the calendar and X-TEMPULO- properties for the rest. Saving is atomic,
// keeps the previous version and re-reads the file under a lock, so that two
// programs writing one file keep each other's changes; a file that cannot be
// read is never overwritten.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/anniversaries.h"

namespace tempulo {

// The highest file version this program writes and reads.
inline constexpr int kAnniversaryFileVersion = 1;
// Larger files are refused rather than read into memory.
inline constexpr std::uintmax_t kMaxAnniversaryFileBytes = std::uintmax_t{32} * 1024U * 1024U;

struct AnniversaryCalendar {
  std::vector<Anniversary> entries;
  // Components this program does not interpret (other events, to-dos, time
  // zones), unfolded, written back as they were.
  std::vector<std::vector<std::string>> keptComponents;
};

// The text of a file; empty with `why` set (one German sentence) when it is
// not a calendar this program can read.
std::optional<AnniversaryCalendar> ParseAnniversaryCalendar(std::string_view text, std::string& why);

// The file's text: CRLF, folded at 75 octets. `stampUtc` is "YYYYMMDDTHHMMSSZ".
std::string AnniversaryCalendarText(const AnniversaryCalendar& calendar, std::string_view stampUtc);

// Every occurrence of the days first..last as a plain all-day event, for
// calendar programs that do not know RSCALE.
std::string ExpandedAnniversaryText(const AnniversaryBook& book, FixedDay first, FixedDay last,
                                    std::string_view stampUtc);

// "$XDG_DATA_HOME/tempulo/jahrestage.ics", ~/.local/share when it is unset.
std::filesystem::path DefaultAnniversaryPath();
// The previous version, kept by every save.
std::filesystem::path AnniversaryBackupPath(const std::filesystem::path& file);

enum class FileState { kRead, kMissing, kUnreadable };

struct AnniversaryFileRead {
  FileState state = FileState::kMissing;
  AnniversaryCalendar calendar;
  std::string why;  // kUnreadable: one German sentence naming the file
};

AnniversaryFileRead ReadAnniversaryFile(const std::filesystem::path& file);

// Reads the file as it is on disk now (under a lock), applies `change` and
// writes the result atomically, the old version kept as the backup. A missing
// file (and folder) is created; an unreadable one is left alone. On failure
// nothing is changed on disk and `why` names what failed and where.
bool ChangeAnniversaryFile(const std::filesystem::path& file,
                           const std::function<void(AnniversaryCalendar&)>& change, std::string& why,
                           AnniversaryCalendar* written = nullptr);

// Writes a whole calendar atomically (export), with the same care.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view text, std::string& why);

// "20261209T103000Z": now, or SOURCE_DATE_EPOCH when set.
std::string IcsStampNow();

// A new unique identifier for an entry.
std::string NewAnniversaryUid();

}  // namespace tempulo
