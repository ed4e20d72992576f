// SPDX-License-Identifier: GPL-3.0-or-later
// The window's anniversaries: the user's file, watched for changes by other
// programs, changed entry by entry (each change re-reads the file under its
// lock, so another window's changes stay), read-only while the file cannot be
// read, with the last delete undoable.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

#include "report/anniversary_file.h"

class QFileSystemWatcher;

namespace tempulo {

class AnniversaryStore : public QObject {
  Q_OBJECT

 public:
  explicit AnniversaryStore(std::filesystem::path file, QObject* parent = nullptr);

  const std::filesystem::path& File() const { return file_; }
  const AnniversaryBook& Book() const { return book_; }
  const std::vector<Anniversary>& Entries() const { return book_.Entries(); }
  // The file could not be read: nothing is written until the user chooses.
  bool ReadOnly() const { return readOnly_; }
  // The German message of the unreadable file, empty otherwise.
  const QString& Problem() const { return problem_; }

  // Each returns an empty string on success, else the German message.
  QString Add(const Anniversary& entry);
  QString Replace(const Anniversary& entry);  // by uid
  QString Remove(const std::string& uid);
  QString UndoRemove();
  bool CanUndo() const { return removed_.has_value(); }
  // Entries of another calendar file added (new identifiers where they clash).
  QString Import(const std::filesystem::path& from, int* count = nullptr);
  QString Export(const std::filesystem::path& to) const;
  QString ExportExpanded(const std::filesystem::path& to, FixedDay first, FixedDay last) const;
  // Leaves the read-only state: the unreadable file is kept beside under a
  // new name, and an empty one begins.
  QString StartAfresh();
  // Reads the file again (also done on a change seen by the watcher).
  void Reload();

  // The month's occurrences by day of the month.
  std::map<int, std::vector<QString>> MonthTexts(int year, int month) const;

 signals:
  void changed();

 private:
  QString change(const std::function<void(AnniversaryCalendar&)>& edit);
  void watch();

  std::filesystem::path file_;
  AnniversaryBook book_;
  bool readOnly_ = false;
  QString problem_;
  std::optional<Anniversary> removed_;
  QFileSystemWatcher* watcher_ = nullptr;
};

// The store of the user's own file, $XDG_DATA_HOME/tempulo/jahrestage.ics.
std::filesystem::path UserAnniversaryFile();

}  // namespace tempulo
