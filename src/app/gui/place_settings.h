// SPDX-License-Identifier: GPL-3.0-or-later
// The chosen place between starts, in QSettings, and the "Ort…" dialog.
#pragma once

#include <QDialog>
#include <QSettings>
#include <QString>
#include <optional>
#include <vector>

#include "time/place.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace tempulo {

struct PlaceSetting {
  std::optional<Place> place;  // none: the almanac's fixed place in MEZ
  QString notice;              // one German notice when the settings could not be read
};

// Reads the place; a missing file or group gives no place and no notice, an
// unreadable or corrupt file or a value out of range no place and one notice.
PlaceSetting LoadPlaceSetting(QSettings& settings);
// Writes the place (none removes it). A write that fails leaves the previous
// file as it was and returns a German notice; empty on success.
QString SavePlaceSetting(QSettings& settings, const std::optional<Place>& place);

class SettingsStore;
// The same through the window's settings store, which checks the write and
// keeps an unreadable file; the notice of a failed write, empty on success.
QString SavePlaceSetting(SettingsStore& store, const std::optional<Place>& place);

// The dialog: a search field over the place list, and free latitude and
// longitude (German decimal comma, N/S, O/W) with a zone. The search ignores
// case and umlauts; Enter takes the highlighted hit, the arrow keys move
// from the field into the list; the zone completes from the database's
// names, whatever their case.
class PlaceDialog : public QDialog {
 public:
  PlaceDialog(std::vector<Place> places, const std::optional<Place>& current, QWidget* parent = nullptr);
  // The chosen place after Accept; none for "Voreinstellung".
  std::optional<Place> Chosen() const { return chosen_; }
  // Takes the entered place; a malformed coordinate or an unknown zone shows
  // a German warning and keeps the dialog open.
  void accept() override;

  QLineEdit* SearchField() const { return search_; }
  QListWidget* List() const { return list_; }
  QLineEdit* ZoneField() const { return zone_; }
  // "nichts gefunden" while the search finds nothing.
  QLabel* SearchNotice() const { return notice_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows the places matching `text`; their number.
  int filter(const QString& text);
  // The zone's name as the database writes it, for any case; empty if unknown.
  QString knownZone(const QString& typed) const;

  std::vector<Place> places_;
  std::optional<Place> chosen_;
  bool useDefault_ = false;
  QLineEdit* search_ = nullptr;
  QListWidget* list_ = nullptr;
  QLineEdit* latitude_ = nullptr;
  QLineEdit* longitude_ = nullptr;
  QLineEdit* zone_ = nullptr;
  QLabel* notice_ = nullptr;
  QStringList zoneNames_;
};

}  // namespace tempulo
