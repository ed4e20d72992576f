// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/anniversary_store.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <algorithm>
#include <set>

namespace tempulo {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

std::filesystem::path UserAnniversaryFile() { return DefaultAnniversaryPath(); }

AnniversaryStore::AnniversaryStore(std::filesystem::path file, QObject* parent)
    : QObject(parent), file_(std::move(file)), watcher_(new QFileSystemWatcher(this)) {
  connect(watcher_, &QFileSystemWatcher::fileChanged, this, &AnniversaryStore::Reload);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &AnniversaryStore::Reload);
  Reload();
}

void AnniversaryStore::watch() {
  const QString file = Q(file_.string());
  if (!watcher_->files().contains(file) && std::filesystem::exists(file_)) {
    watcher_->addPath(file);
  }
  // The folder too: an atomic save replaces the file, and a new file
  // appears. While the folder is missing, the nearest one that exists, so
  // that its making is seen.
  std::filesystem::path folder = file_.parent_path();
  for (int up = 0; up < 8 && !folder.empty() && !std::filesystem::exists(folder); ++up) {
    folder = folder.parent_path();
  }
  const QString watched = Q(folder.string());
  if (!folder.empty() && !watcher_->directories().contains(watched)) {
    watcher_->addPath(watched);
  }
}

void AnniversaryStore::Reload() {
  AnniversaryFileRead read = ReadAnniversaryFile(file_);
  const bool wasReadOnly = readOnly_;
  const QString oldProblem = problem_;
  readOnly_ = read.state == FileState::kUnreadable;
  problem_ = readOnly_ ? Q(read.why) + QStringLiteral(" Die Jahrestage sind nur lesbar, bis Sie wählen, "
                                                       "wie es weitergeht.")
                       : QString();
  if (!readOnly_) {
    book_ = AnniversaryBook(std::move(read.calendar.entries));
  }
  watch();
  if (!readOnly_ || !wasReadOnly || oldProblem != problem_) {
    emit changed();
  }
}

QString AnniversaryStore::change(const std::function<void(AnniversaryCalendar&)>& edit) {
  if (readOnly_) {
    return problem_;
  }
  std::string why;
  AnniversaryCalendar written;
  if (!ChangeAnniversaryFile(file_, edit, why, &written)) {
    Reload();
    return Q(why);
  }
  book_ = AnniversaryBook(std::move(written.entries));
  watch();
  emit changed();
  return {};
}

QString AnniversaryStore::Add(const Anniversary& entry) {
  return change([&](AnniversaryCalendar& calendar) { calendar.entries.push_back(entry); });
}

QString AnniversaryStore::Replace(const Anniversary& entry) {
  return change([&](AnniversaryCalendar& calendar) {
    auto found = std::find_if(calendar.entries.begin(), calendar.entries.end(),
                              [&](const Anniversary& e) { return e.uid == entry.uid; });
    if (found != calendar.entries.end()) {
      *found = entry;
    } else {
      calendar.entries.push_back(entry);  // deleted elsewhere meanwhile: kept
    }
  });
}

QString AnniversaryStore::Remove(const std::string& uid) {
  std::optional<Anniversary> removed;
  const QString why = change([&](AnniversaryCalendar& calendar) {
    auto found = std::find_if(calendar.entries.begin(), calendar.entries.end(),
                              [&](const Anniversary& e) { return e.uid == uid; });
    if (found != calendar.entries.end()) {
      removed = *found;
      calendar.entries.erase(found);
    }
  });
  if (why.isEmpty() && removed) {
    removed_ = std::move(removed);
  }
  return why;
}

QString AnniversaryStore::UndoRemove() {
  if (!removed_) {
    return {};
  }
  const Anniversary entry = *removed_;
  const QString why = Add(entry);
  if (why.isEmpty()) {
    removed_.reset();
  }
  return why;
}

QString AnniversaryStore::Import(const std::filesystem::path& from, int* count) {
  const AnniversaryFileRead read = ReadAnniversaryFile(from);
  if (read.state == FileState::kMissing) {
    return QStringLiteral("Die Datei %1 gibt es nicht.").arg(Q(from.string()));
  }
  if (read.state == FileState::kUnreadable) {
    return Q(read.why);
  }
  int added = 0;
  const QString why = change([&](AnniversaryCalendar& calendar) {
    std::set<std::string> uids;
    for (const Anniversary& entry : calendar.entries) {
      uids.insert(entry.uid);
    }
    for (Anniversary entry : read.calendar.entries) {
      if (uids.contains(entry.uid)) {
        continue;  // already here: imported before
      }
      uids.insert(entry.uid);
      calendar.entries.push_back(std::move(entry));
      ++added;
    }
  });
  if (count != nullptr) {
    *count = added;
  }
  return why;
}

QString AnniversaryStore::Export(const std::filesystem::path& to) const {
  AnniversaryCalendar calendar;
  calendar.entries = book_.Entries();
  std::string why;
  if (!WriteFileAtomically(to, AnniversaryCalendarText(calendar, IcsStampNow()), why)) {
    return Q(why);
  }
  return {};
}

QString AnniversaryStore::ExportExpanded(const std::filesystem::path& to, FixedDay first, FixedDay last) const {
  std::string why;
  if (!WriteFileAtomically(to, ExpandedAnniversaryText(book_, first, last, IcsStampNow()), why)) {
    return Q(why);
  }
  return {};
}

QString AnniversaryStore::StartAfresh() {
  if (!readOnly_) {
    return {};
  }
  const std::string stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
  const std::filesystem::path aside = file_.string() + ".unlesbar-" + stamp;
  std::error_code error;
  std::filesystem::rename(file_, aside, error);
  if (error) {
    return QStringLiteral("Die Datei %1 konnte nicht beiseitegelegt werden (%2).")
        .arg(Q(file_.string()), Q(error.message()));
  }
  Reload();
  return {};
}

std::map<int, std::vector<QString>> AnniversaryStore::MonthTexts(int year, int month) const {
  std::map<int, std::vector<QString>> texts;
  for (const auto& [day, text] : MonthAnniversaries(book_, year, month)) {
    texts[day].push_back(Q(text));
  }
  return texts;
}

}  // namespace tempulo
