// SPDX-License-Identifier: GPL-3.0-or-later
// "Sonne und Mond": the times most people open an almanac for, taken from
// the day's report so that they always say what the report says: sunrise
// and sunset, the civil twilight, moonrise and moonset, and the next main
// phase of the moon.
#pragma once

#include <QGroupBox>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "report/report.h"
#include "time/civil.h"

class QGridLayout;
class QLabel;

namespace tempulo {

class SunMoonPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit SunMoonPanel(QWidget* parent = nullptr);

  // The report's lines for `day` with the entry of each and its typed
  // values (a refresh that kept them). A time on the day itself is shown
  // without its date. Without a sun and moon block (years before 1900) the
  // panel says where the times start.
  void ShowReport(const CivilDate& day, const std::vector<std::string>& lines,
                  const std::vector<std::string_view>& entries, const std::vector<ReportField>& fields);

  // The width that shows every label whole and a time ("00:00:00 MESZ")
  // beside it on one line.
  int NeededWidth() const;

  // The value shown for a row ("Sonnenaufgang", …, "Nächste Phase"); empty
  // when the row is hidden.
  QString ValueOf(const QString& label) const;

 private:
  struct Row {
    QString label;
    QLabel* name = nullptr;
    QLabel* value = nullptr;
  };
  void setRow(const QString& label, const QString& value);

  QGridLayout* form_ = nullptr;
  std::vector<Row> rows_;
  QLabel* note_ = nullptr;
};

}  // namespace tempulo
