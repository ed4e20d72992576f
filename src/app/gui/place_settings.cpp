// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/place_settings.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/gui/announce.h"
#include "app/gui/settings_store.h"
#include "app/gui/text_folding.h"
#include "time/zone.h"

namespace tempulo {
namespace {

const QString kGroup = QStringLiteral("place");
constexpr int kMaxShownPlaces = 2000;

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

PlaceSetting LoadPlaceSetting(QSettings& settings) {
  PlaceSetting result;
  const QString unreadable =
      QStringLiteral("Die Einstellungen in \"%1\" sind nicht lesbar; es gilt der voreingestellte Ort "
                     "(50° N, 12° O, MEZ).")
          .arg(settings.fileName());
  // A file that is there and not empty but holds no setting at all is not
  // one of ours: it was damaged.
  const QFileInfo file(settings.fileName());
  if (settings.status() != QSettings::NoError ||
      (file.exists() && file.size() > 0 && settings.allKeys().isEmpty())) {
    result.notice = unreadable;
    return result;
  }
  settings.beginGroup(kGroup);
  const bool present = settings.contains(QStringLiteral("latitude"));
  Place place;
  bool latitudeOk = false;
  bool longitudeOk = false;
  place.name = settings.value(QStringLiteral("name")).toString().toStdString();
  place.latitude = settings.value(QStringLiteral("latitude")).toDouble(&latitudeOk);
  place.longitude = settings.value(QStringLiteral("longitude")).toDouble(&longitudeOk);
  place.zone = settings.value(QStringLiteral("zone")).toString().toStdString();
  settings.endGroup();
  if (!present) {
    return result;
  }
  if (!latitudeOk || !longitudeOk || !std::isfinite(place.latitude) || !std::isfinite(place.longitude) ||
      std::fabs(place.latitude) > kMaximumLatitude || std::fabs(place.longitude) > 180.0 ||
      !TimeZone::Find(place.zone)) {
    result.notice = unreadable;
    return result;
  }
  result.place = place;
  return result;
}

QString SavePlaceSetting(QSettings& settings, const std::optional<Place>& place) {
  settings.remove(kGroup);
  if (place) {
    settings.beginGroup(kGroup);
    settings.setValue(QStringLiteral("name"), Q(place->name));
    settings.setValue(QStringLiteral("latitude"), place->latitude);
    settings.setValue(QStringLiteral("longitude"), place->longitude);
    settings.setValue(QStringLiteral("zone"), Q(place->zone));
    settings.endGroup();
  }
  // QSettings writes a new file and replaces the old one only when the whole
  // write succeeded, so a failure keeps the previous file.
  settings.sync();
  if (settings.status() != QSettings::NoError) {
    return QStringLiteral("Der Ort konnte nicht in \"%1\" gespeichert werden; die bisherigen Einstellungen "
                          "bleiben erhalten. Er gilt nur bis zum Ende des Programms.")
        .arg(settings.fileName());
  }
  return {};
}

QString SavePlaceSetting(SettingsStore& store, const std::optional<Place>& place) {
  return store.Write([&place](QSettings& settings) {
    settings.remove(kGroup);
    if (place) {
      settings.beginGroup(kGroup);
      settings.setValue(QStringLiteral("name"), Q(place->name));
      settings.setValue(QStringLiteral("latitude"), place->latitude);
      settings.setValue(QStringLiteral("longitude"), place->longitude);
      settings.setValue(QStringLiteral("zone"), Q(place->zone));
      settings.endGroup();
    }
  });
}

PlaceDialog::PlaceDialog(std::vector<Place> places, const std::optional<Place>& current, QWidget* parent)
    : QDialog(parent), places_(std::move(places)), chosen_(current) {
  setObjectName(QStringLiteral("placeDialog"));
  setWindowTitle(QStringLiteral("Ort"));
  auto* layout = new QVBoxLayout(this);
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("placeSearch"));
  search_->setPlaceholderText(QStringLiteral("Ort suchen …"));
  search_->setClearButtonEnabled(true);
  auto* searchLabel = new QLabel(QStringLiteral("&Suche"), this);
  searchLabel->setBuddy(search_);
  layout->addWidget(searchLabel);
  layout->addWidget(search_);
  notice_ = new QLabel(QStringLiteral("nichts gefunden"), this);
  notice_->setObjectName(QStringLiteral("placeSearchNotice"));
  notice_->hide();
  layout->addWidget(notice_);
  search_->installEventFilter(this);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("placeList"));
  layout->addWidget(list_, 1);

  auto* form = new QFormLayout();
  latitude_ = new QLineEdit(this);
  latitude_->setObjectName(QStringLiteral("placeLatitude"));
  latitude_->setPlaceholderText(QStringLiteral("z. B. 52,52 N"));
  longitude_ = new QLineEdit(this);
  longitude_->setObjectName(QStringLiteral("placeLongitude"));
  longitude_->setPlaceholderText(QStringLiteral("z. B. 13,40 O"));
  zone_ = new QLineEdit(this);
  zone_->setObjectName(QStringLiteral("placeZone"));
  zone_->setPlaceholderText(QStringLiteral("MEZ oder z. B. Europe/Berlin"));
  form->addRow(QStringLiteral("&Breite"), latitude_);
  form->addRow(QStringLiteral("&Länge"), longitude_);
  form->addRow(QStringLiteral("&Zeitzone"), zone_);
  layout->addLayout(form);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  QPushButton* reset = buttons->addButton(QStringLiteral("&Voreinstellung"), QDialogButtonBox::ResetRole);
  layout->addWidget(buttons);

  const Place shown = current.value_or(Place{});
  latitude_->setText(QString::fromStdString(LatitudeText(shown.latitude)));
  longitude_->setText(QString::fromStdString(LongitudeText(shown.longitude)));
  zone_->setText(Q(shown.zone));
  zoneNames_.append(QStringLiteral("MEZ"));
  for (const Place& place : places_) {
    const QString zone = Q(place.zone);
    if (!zoneNames_.contains(zone)) {
      zoneNames_.append(zone);
    }
  }
  zoneNames_.sort(Qt::CaseInsensitive);
  auto* completer = new QCompleter(zoneNames_, zone_);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setFilterMode(Qt::MatchContains);
  zone_->setCompleter(completer);

  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) { filter(text); });
  connect(list_, &QListWidget::currentRowChanged, this, [this](int) {
    QListWidgetItem* item = list_->currentItem();
    if (item == nullptr) {
      return;
    }
    const Place& place = places_.at(static_cast<std::size_t>(item->data(Qt::UserRole).toInt()));
    latitude_->setText(Q(LatitudeText(place.latitude)));
    longitude_->setText(Q(LongitudeText(place.longitude)));
    zone_->setText(Q(place.zone));
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) { accept(); });
  connect(buttons, &QDialogButtonBox::accepted, this, &PlaceDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(reset, &QPushButton::clicked, this, [this] {
    useDefault_ = true;
    accept();
  });
  filter({});
  resize(420, 520);
}

int PlaceDialog::filter(const QString& text) {
  list_->clear();
  int shown = 0;
  // A search with a "/" looks for zone names ("Europe/"), any other for
  // the places' names.
  const bool byZone = text.contains(QLatin1Char('/'));
  for (std::size_t i = 0; i < places_.size() && shown < kMaxShownPlaces; ++i) {
    const QString name = Q(places_[i].name);
    const QString zone = Q(places_[i].zone);
    if (MatchesSearch(byZone ? zone : name, text)) {
      auto* item = new QListWidgetItem(name + QStringLiteral(" (") + zone + QStringLiteral(")"), list_);
      item->setData(Qt::UserRole, static_cast<int>(i));
      ++shown;
    }
  }
  const bool nothing = shown == 0 && !text.trimmed().isEmpty();
  notice_->setVisible(nothing);
  if (nothing) {
    AnnounceMessage(notice_);
  }
  // The first hit is highlighted, so that Enter takes it.
  if (shown > 0 && !text.trimmed().isEmpty()) {
    list_->setCurrentRow(0);
  }
  return shown;
}

bool PlaceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const int count = list_->count();
    switch (key->key()) {
      case Qt::Key_Down:
      case Qt::Key_Up:
      case Qt::Key_PageDown:
      case Qt::Key_PageUp:
        if (count > 0) {
          const int step = key->key() == Qt::Key_Down ? 1 : key->key() == Qt::Key_Up ? -1 : 0;
          const int row = list_->currentRow() < 0 ? 0 : std::clamp(list_->currentRow() + step, 0, count - 1);
          list_->setCurrentRow(row);
          list_->setFocus();
        }
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (count == 0 && !search_->text().trimmed().isEmpty()) {
          AnnounceMessage(notice_);
          return true;  // nothing to take; the dialog stays open
        }
        if (list_->currentRow() < 0 && count == 1) {
          list_->setCurrentRow(0);
        }
        accept();
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

QString PlaceDialog::knownZone(const QString& typed) const {
  if (TimeZone::Find(typed.toStdString())) {
    return typed;
  }
  for (const QString& name : zoneNames_) {
    if (name.compare(typed, Qt::CaseInsensitive) == 0) {
      return name;
    }
  }
  return {};
}

void PlaceDialog::accept() {
  if (useDefault_) {
    chosen_.reset();
    QDialog::accept();
    return;
  }
  std::string why;
  const auto latitude = ParseLatitude(latitude_->text().trimmed().toStdString(), why);
  const auto longitude = latitude ? ParseLongitude(longitude_->text().trimmed().toStdString(), why) : std::nullopt;
  const QString typedZone = zone_->text().trimmed();
  const QString known = knownZone(typedZone);
  const std::string zoneName = (known.isEmpty() ? typedZone : known).toStdString();
  if (latitude && longitude && !TimeZone::Find(zoneName)) {
    why = "Die Zeitzone \"" + zoneName + "\" ist unbekannt (erlaubt: MEZ oder ein Name wie Europe/Berlin).";
  }
  if (!latitude || !longitude || !why.empty()) {
    QMessageBox::warning(this, QStringLiteral("Ort"), Q(why));
    return;
  }
  Place place{"", *latitude, *longitude, TimeZone::Find(zoneName)->Name()};
  // The list's name stays when its place was taken unchanged.
  if (QListWidgetItem* item = list_->currentItem(); item != nullptr) {
    const Place& listed = places_.at(static_cast<std::size_t>(item->data(Qt::UserRole).toInt()));
    if (LatitudeText(listed.latitude) == LatitudeText(place.latitude) &&
        LongitudeText(listed.longitude) == LongitudeText(place.longitude) && listed.zone == place.zone) {
      place = listed;
    }
  }
  chosen_ = place;
  QDialog::accept();
}

}  // namespace tempulo
