// SPDX-License-Identifier: GPL-3.0-or-later
// The chosen place between starts, in QSettings, and the "Ort…" dialog.
#pragma once

#include <QDialog>
#include <QSettings>
#include <QString>
#include <optional>
#include <vector>

#include "time/place.h"

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

// The dialog: a search field over the place list, and free latitude and
// longitude (German decimal comma, N/S, O/W) with a zone.
class PlaceDialog : public QDialog {
 public:
  PlaceDialog(std::vector<Place> places, const std::optional<Place>& current, QWidget* parent = nullptr);
  // The chosen place after Accept; none for "Voreinstellung".
  std::optional<Place> Chosen() const { return chosen_; }
  // Takes the entered place; a malformed coordinate or an unknown zone shows
  // a German warning and keeps the dialog open.
  void accept() override;

 private:
  void filter(const QString& text);

  std::vector<Place> places_;
  std::optional<Place> chosen_;
  bool useDefault_ = false;
  QLineEdit* search_ = nullptr;
  QListWidget* list_ = nullptr;
  QLineEdit* latitude_ = nullptr;
  QLineEdit* longitude_ = nullptr;
  QLineEdit* zone_ = nullptr;
};

}  // namespace tempulo
