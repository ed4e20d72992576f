// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the window as a user would see it and writes a picture of it:
//
//   tempulo_screenshot OUTPUT.png [--date YYYY-MM-DD] [--dark] [--size WxH]
//                      [--region CODE] [--weeks] [--day N] [--dialog goto|feasts|print]
//
// --dialog opens "Gehe zu…" (with a date that does not exist, to show its
// message), "Feste des Jahres" or the print preview of the shown month and
// writes its picture beside the window's as OUTPUT-dialog.png.
// --dark gives the application the palette a dark desktop hands it. The
// window keeps its first-show placement unless --size resizes it. The
// settings live in a temporary file, never in the user's.
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QPalette>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/gui/feasts_dialog.h"
#include "app/gui/goto_dialog.h"
#include "app/gui/main_window.h"
#include "app/gui/month_grid.h"
#include "app/print/print_actions.h"
#include "time/clock.h"

namespace {

QPalette DarkPalette() {
  QPalette palette;
  const QColor window(0x2d, 0x2d, 0x30);
  const QColor base(0x1e, 0x1e, 0x1e);
  const QColor text(0xe8, 0xe8, 0xe8);
  palette.setColor(QPalette::Window, window);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::AlternateBase, window);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3d));
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::Highlight, QColor(0x3d, 0x6e, 0xb4));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::ToolTipBase, window);
  palette.setColor(QPalette::ToolTipText, text);
  palette.setColor(QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x90, 0x90, 0x90));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x90, 0x90, 0x90));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x90, 0x90, 0x90));
  return palette;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() < 2) {
    std::fprintf(stderr,
                 "Aufruf: tempulo_screenshot AUSGABE.png [--date JJJJ-MM-TT] [--dark] [--size BxH]\n");
    return 2;
  }
  const QString output = arguments.at(1);
  QDate date(2026, 5, 8);
  QSize size;
  QString region;
  bool weeks = false;
  int day = 0;
  QString dialog;
  for (qsizetype i = 2; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    const QString next = i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
    if (argument == QStringLiteral("--dark")) {
      QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
      QApplication::setPalette(DarkPalette());
    } else if (argument == QStringLiteral("--weeks")) {
      weeks = true;
    } else if (argument == QStringLiteral("--date")) {
      date = QDate::fromString(next, Qt::ISODate);
      ++i;
    } else if (argument == QStringLiteral("--size")) {
      const QStringList parts = next.split(QLatin1Char('x'));
      if (parts.size() == 2) {
        size = QSize(parts[0].toInt(), parts[1].toInt());
      }
      ++i;
    } else if (argument == QStringLiteral("--region")) {
      region = next;
      ++i;
    } else if (argument == QStringLiteral("--dialog")) {
      dialog = next;
      ++i;
    } else if (argument == QStringLiteral("--day")) {
      day = next.toInt();
      ++i;
    }
  }
  if (!date.isValid()) {
    std::fprintf(stderr, "Ungültiges Datum.\n");
    return 2;
  }
  QTemporaryDir directory;
  auto settings =
      std::make_unique<QSettings>(directory.filePath(QStringLiteral("tempulo.conf")), QSettings::IniFormat);
  if (!region.isEmpty()) {
    settings->setValue(QStringLiteral("region"), region);
  }
  settings->setValue(QStringLiteral("weekNumbers"), weeks);
  const tempulo::FixedClock clock({date.year(), date.month(), date.day()}, {12, 0, 0});
  tempulo::MainWindow window(clock, std::move(settings));
  window.show();
  if (size.isValid()) {
    window.resize(size);
  }
  if (day > 0) {
    const QDate shown = window.Grid()->selectedDate();
    window.Grid()->setSelectedDate(QDate(shown.year(), shown.month(), day));
  }
  window.Grid()->setFocus();
  QWidget* shownDialog = nullptr;
  if (dialog == QStringLiteral("goto")) {
    window.OpenGoToDialog();
    tempulo::GoToDialog* goTo = window.GoToDialogShown();
    goTo->SelectCalendar("jewish");
    goTo->YearSpin()->setValue(5786);
    goTo->MonthBox()->setCurrentIndex(goTo->MonthBox()->findText(QStringLiteral("Heshvan")));
    goTo->DaySpin()->setValue(30);
    goTo->GoButton()->click();
    shownDialog = goTo;
  } else if (dialog == QStringLiteral("feasts")) {
    window.OpenFeastsDialog();
    shownDialog = window.FeastsDialogShown();
  } else if (dialog == QStringLiteral("print")) {
    window.Printing()->OpenPreview();
    shownDialog = window.Printing()->PreviewDialog();
  }
  int status = 0;
  // Give the window system time to map and paint the window.
  QTimer::singleShot(1500, &application, [&] {
    if (!window.grab().save(output)) {
      std::fprintf(stderr, "Kann %s nicht schreiben.\n", qPrintable(output));
      status = 1;
    }
    std::printf("%s %dx%d\n", qPrintable(output), window.width(), window.height());
    if (shownDialog != nullptr) {
      QString dialogOutput = output;
      dialogOutput.replace(QStringLiteral(".png"), QStringLiteral("-dialog.png"));
      if (!shownDialog->grab().save(dialogOutput)) {
        status = 1;
      }
    }
    QApplication::quit();
  });
  QApplication::exec();
  return status;
}
