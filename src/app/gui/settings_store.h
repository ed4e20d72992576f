// SPDX-License-Identifier: GPL-3.0-or-later
// The window's settings file with the guarantees the user is owed: every
// change is written at once and checked, a change that could not be saved
// is reported once, in German, with the file's path, and a file that could
// not be read is copied aside before anything overwrites it (or, where it
// cannot be copied, is left alone and the change stays unsaved).
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tempulo {

class SettingsStore {
 public:
  // Receives the German notice of a change that could not be saved.
  using Reporter = std::function<void(const QString& notice)>;

  // Without settings the user's own (organisation and application "Tempulo").
  explicit SettingsStore(std::unique_ptr<QSettings> settings = nullptr);

  // The settings as read at the start; reading never fails (a damaged file
  // reads as empty).
  QVariant Value(const QString& key, const QVariant& fallback = {}) const;
  bool Contains(const QString& key) const;

  // Writes one value, or several, or removes a key or group, and saves at
  // once. Returns the German notice of a failed save (also handed to the
  // reporter, once for this change); empty on success.
  QString Set(const QString& key, const QVariant& value);
  QString SetAll(const std::vector<std::pair<QString, QVariant>>& values);
  QString Remove(const QString& key);

  void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }

  // True when the file was there but could not be read at the start.
  bool WasUnreadable() const { return unreadable_; }
  // Where the unreadable file was copied before the first write; empty
  // while none was made.
  const QString& BackupPath() const { return backupPath_; }
  QString FileName() const { return settings_->fileName(); }

  // For the pieces that keep a group of their own (the place): reading
  // through the settings, and writing through `write` followed by a save,
  // with the same checks and notice as Set().
  QSettings& ForReading() { return *settings_; }
  QString Write(const std::function<void(QSettings&)>& write);

 private:
  QString Save();
  // Copies an unreadable file aside before the first write; false when
  // that failed (the file then must not be overwritten).
  bool KeepUnreadableFile();
  QString Fail(const QString& why);

  std::unique_ptr<QSettings> settings_;
  Reporter reporter_;
  bool unreadable_ = false;
  QString backupPath_;
};

}  // namespace tempulo
