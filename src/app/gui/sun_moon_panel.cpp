// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gui/sun_moon_panel.h"

#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <variant>

namespace tempulo {
namespace {

constexpr std::string_view kSunMoonEntry = "sun_moon";
const QString kNextPhase = QStringLiteral("Nächste Phase");

// The rows of the panel: its label and the report line's label.
struct PanelRow {
  const char* label;
  const char* reportLabel;
};
constexpr std::array<PanelRow, 6> kRows = {{
    {"Sonnenaufgang", "Sonnenaufgang"},
    {"Sonnenuntergang", "Sonnenuntergang"},
    {"Morgendämmerung", "Morgendämmerung"},
    {"Abenddämmerung", "Abenddämmerung"},
    {"Mondaufgang", "Mondaufgang"},
    {"Monduntergang", "Monduntergang"},
}};

// The next-phase lines: the typed value's key, the report's label, and the
// phase's name in the panel.
struct PhaseRow {
  const char* key;
  const char* reportLabel;
  const char* name;
};
constexpr std::array<PhaseRow, 4> kPhases = {{
    {"next_new_moon", "Nächster Neumond", "Neumond"},
    {"next_first_quarter", "Nächstes 1.Viertel", "Erstes Viertel"},
    {"next_full_moon", "Nächster Vollmond", "Vollmond"},
    {"next_last_quarter", "Nächstes 3.Viertel", "Letztes Viertel"},
}};

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

SunMoonPanel::SunMoonPanel(QWidget* parent) : QGroupBox(QStringLiteral("Sonne und Mond"), parent) {
  setObjectName(QStringLiteral("sunMoonPanel"));
  setAccessibleName(QStringLiteral("Sonne und Mond"));
  form_ = new QGridLayout(this);
  form_->setContentsMargins(6, 6, 6, 6);
  form_->setHorizontalSpacing(8);
  form_->setVerticalSpacing(2);
  // Long values wrap beside their label rather than being cut.
  form_->setColumnStretch(1, 1);
  std::vector<QString> labels;
  for (const PanelRow& row : kRows) {
    labels.push_back(QString::fromUtf8(row.label));
  }
  labels.push_back(kNextPhase);
  for (const QString& label : labels) {
    Row row{label, new QLabel(label, this), new QLabel(this)};
    row.value->setWordWrap(true);
    row.value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row.name->setBuddy(row.value);
    row.value->setAccessibleName(label);
    row.name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row.value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int at = static_cast<int>(rows_.size());
    form_->addWidget(row.name, at, 0);
    form_->addWidget(row.value, at, 1);
    rows_.push_back(row);
  }
  note_ = new QLabel(QStringLiteral("Die Zeiten von Sonne und Mond zeigt der Bericht ab dem Jahr 1900."), this);
  note_->setWordWrap(true);
  form_->addWidget(note_, static_cast<int>(rows_.size()), 0, 1, 2);
  note_->hide();
}

void SunMoonPanel::setRow(const QString& label, const QString& value) {
  for (Row& row : rows_) {
    if (row.label == label) {
      row.value->setText(value);
      row.name->setVisible(!value.isEmpty());
      row.value->setVisible(!value.isEmpty());
    }
  }
}

void SunMoonPanel::ShowReport(const CivilDate& day, const std::vector<std::string>& lines,
                              const std::vector<std::string_view>& entries, const std::vector<ReportField>& fields) {
  // "08.05.2026 " before a time of the day itself.
  const QString ownDate = QStringLiteral("%1.%2.%3 ")
                              .arg(day.day, 2, 10, QLatin1Char('0'))
                              .arg(day.month, 2, 10, QLatin1Char('0'))
                              .arg(day.year, 4, 10, QLatin1Char('0'));
  std::map<QString, QString> values;  // report label -> value of the sun and moon block
  for (std::size_t i = 0; i < lines.size() && i < entries.size(); ++i) {
    if (entries[i] != kSunMoonEntry) {
      continue;
    }
    const QString line = QString::fromStdString(lines[i]);
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab > 0) {
      values[line.left(tab)] = line.mid(tab + 1);
    }
  }
  for (const PanelRow& row : kRows) {
    const auto found = values.find(QString::fromUtf8(row.reportLabel));
    QString value = found != values.end() ? found->second : QString();
    if (value.startsWith(ownDate)) {
      value = value.mid(ownDate.size());
    }
    setRow(QString::fromUtf8(row.label), value);
  }
  // The earliest of the next main phases, from their typed moments.
  std::optional<QDateTime> earliest;
  QString phase;
  for (const ReportField& field : fields) {
    if (field.entry != kSunMoonEntry || !std::holds_alternative<std::string>(field.value)) {
      continue;
    }
    for (const PhaseRow& row : kPhases) {
      if (field.key != row.key) {
        continue;
      }
      const QDateTime moment = QDateTime::fromString(Q(std::get<std::string>(field.value)), Qt::ISODate);
      const auto line = values.find(QString::fromUtf8(row.reportLabel));
      if (moment.isValid() && line != values.end() && (!earliest || moment < *earliest)) {
        earliest = moment;
        phase = QString::fromUtf8(row.name) + QStringLiteral(", ") + line->second;
      }
    }
  }
  setRow(kNextPhase, phase);
  note_->setVisible(values.empty());
}

int SunMoonPanel::NeededWidth() const {
  int labels = 0;
  for (const Row& row : rows_) {
    labels = std::max(labels, row.name->sizeHint().width());
  }
  const int time = fontMetrics().horizontalAdvance(QStringLiteral("00:00:00 MESZ")) + 4;
  const QMargins margins = contentsMargins() + form_->contentsMargins();
  // The group box's frame and title take a little more than its margins say.
  constexpr int kFrame = 8;
  return labels + form_->horizontalSpacing() + time + margins.left() + margins.right() + kFrame;
}

QString SunMoonPanel::ValueOf(const QString& label) const {
  for (const Row& row : rows_) {
    if (row.label == label) {
      return row.value->isHidden() ? QString() : row.value->text();
    }
  }
  return {};
}

}  // namespace tempulo
