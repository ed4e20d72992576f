// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tempulo {
namespace {

// How many backups of unreadable files may pile up next to the settings.
constexpr int kMaxBackups = 100;

bool IsUnreadable(const QSettings& settings) {
  const QFileInfo file(settings.fileName());
  if (!file.exists()) {
    return false;
  }
  // A file that is there and not empty but holds no setting at all is not
  // one of ours: it was damaged.
  return settings.status() != QSettings::NoError || !file.isReadable() ||
         (file.size() > 0 && settings.allKeys().isEmpty());
}

QString WhyNotWritable(const QString& path) {
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  if (!folder.exists() || !folder.isDir()) {
    return QStringLiteral("der Ordner fehlt");
  }
  if (!folder.isWritable()) {
    return QStringLiteral("der Ordner ist schreibgeschützt");
  }
  if (file.exists() && !file.isWritable()) {
    return QStringLiteral("die Datei ist schreibgeschützt");
  }
  return QStringLiteral("Schreibfehler");
}

}  // namespace

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {
  if (!settings_) {
    settings_ = std::make_unique<QSettings>(QStringLiteral("Tempulo"), QStringLiteral("Tempulo"));
  }
  unreadable_ = IsUnreadable(*settings_);
}

QVariant SettingsStore::Value(const QString& key, const QVariant& fallback) const {
  return settings_->value(key, fallback);
}

bool SettingsStore::Contains(const QString& key) const { return settings_->contains(key); }

QString SettingsStore::Set(const QString& key, const QVariant& value) { return SetAll({{key, value}}); }

QString SettingsStore::SetAll(const std::vector<std::pair<QString, QVariant>>& values) {
  return Write([&values](QSettings& settings) {
    for (const auto& [key, value] : values) {
      settings.setValue(key, value);
    }
  });
}

QString SettingsStore::Remove(const QString& key) {
  return Write([&key](QSettings& settings) { settings.remove(key); });
}

QString SettingsStore::Write(const std::function<void(QSettings&)>& write) {
  if (!KeepUnreadableFile()) {
    return Fail(QStringLiteral("die bisherige Datei war nicht lesbar und ließ sich nicht sichern"));
  }
  write(*settings_);
  return Save();
}

QString SettingsStore::Save() {
  // QSettings keeps the first error it met; a fresh object tells whether
  // this save failed. The values written so far go along with it.
  if (settings_->status() != QSettings::NoError) {
    const QStringList keys = settings_->allKeys();
    std::vector<std::pair<QString, QVariant>> values;
    values.reserve(static_cast<std::size_t>(keys.size()));
    for (const QString& key : keys) {
      values.emplace_back(key, settings_->value(key));
    }
    auto fresh = std::make_unique<QSettings>(settings_->fileName(), settings_->format());
    if (fresh->status() == QSettings::NoError) {
      for (const QString& key : fresh->allKeys()) {
        if (!keys.contains(key)) {
          fresh->remove(key);
        }
      }
      for (const auto& [key, value] : values) {
        fresh->setValue(key, value);
      }
      settings_ = std::move(fresh);
    }
  }
  // QSettings writes a new file and replaces the old one only when the whole
  // write succeeded, so a failure keeps the previous file.
  settings_->sync();
  if (settings_->status() != QSettings::NoError) {
    return Fail(WhyNotWritable(settings_->fileName()));
  }
  return {};
}

bool SettingsStore::KeepUnreadableFile() {
  if (!unreadable_ || !backupPath_.isEmpty()) {
    return true;
  }
  const QString path = settings_->fileName();
  if (!QFileInfo::exists(path)) {
    unreadable_ = false;
    return true;
  }
  QString backup;
  for (int i = 1; i <= kMaxBackups && backup.isEmpty(); ++i) {
    const QString candidate = path + (i == 1 ? QStringLiteral(".unlesbar") : QStringLiteral(".unlesbar-%1").arg(i));
    if (!QFileInfo::exists(candidate)) {
      backup = candidate;
    }
  }
  if (backup.isEmpty() || !QFile::copy(path, backup)) {
    return false;
  }
  backupPath_ = backup;
  // The damaged file is kept in the backup; the settings start afresh.
  const QSettings::Format format = settings_->format();
  if (!QFile::remove(path)) {
    return false;
  }
  settings_ = std::make_unique<QSettings>(path, format);
  return true;
}

QString SettingsStore::Fail(const QString& why) {
  QString notice = QStringLiteral("Die Einstellung konnte nicht in \"%1\" gespeichert werden (%2). Sie gilt "
                                  "nur bis zum Ende des Programms; die bisherige Datei bleibt unverändert.")
                       .arg(QDir::toNativeSeparators(settings_->fileName()), why);
  if (reporter_) {
    reporter_(notice);
  }
  return notice;
}

}  // namespace tempulo
