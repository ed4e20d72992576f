// SPDX-License-Identifier: GPL-3.0-or-later
// Tempulo: the almanac's window.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>
#include <string_view>

#include "app/gui/application_identity.h"
#include "app/gui/main_window.h"
#include "app/gui/anniversary_reminder.h"
#include "app/gui/window_options.h"
#include "app/print/pdf_export.h"
#include "time/clock.h"

namespace {

// Ends the program once the window has painted itself for the first time:
// how the start-up benchmark measures the time to the first painted window.
class QuitAfterFirstPaint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      // The window paints all its widgets in one pass; the queued end runs
      // after that pass, also when it comes before the event loop starts.
      seen_ = true;
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

QtMessageHandler toolkitHandler = nullptr;

// While the application object is being made, the toolkit's fatal message
// means that no display could be opened: it would abort the program with
// advice that does not apply. Say so in German and end with status 3.
void DisplayOpeningHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    toolkitHandler(type, context, message);
    return;
  }
  std::fputs("Die grafische Anzeige lässt sich nicht öffnen (DISPLAY=", stderr);
  const char* display = std::getenv("DISPLAY");
  std::fputs(display != nullptr ? display : "", stderr);
  std::fputs(").\n", stderr);
  std::fflush(stderr);
  std::_Exit(tempulo::kNoDisplayStatus);
}

}  // namespace

int main(int argc, char** argv) {
  // The reminder at login needs no window and no display.
  if (argc == 2 && std::string_view(argv[1]) == "--remind") {
    return tempulo::RunReminder(argc, argv);
  }
  if (tempulo::AsksForPdf(argc, argv)) {
    // The pages are drawn without a window: no display is needed. The
    // toolkit's notes about the session (no runtime folder, no size hints)
    // say nothing about the file; the command's own German line does.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
      if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
      }
    });
    const QGuiApplication application(argc, argv);
    const std::vector<std::string> pdfArguments(argv + 1, argv + argc);
    return tempulo::RunPdfCommand(pdfArguments, std::cerr, tempulo::SystemClock());
  }
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments.append(QString::fromLocal8Bit(argv[i]));
  }
  const tempulo::WindowOptions options = tempulo::ParseWindowArguments(arguments);
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "%s\n", options.error.toLocal8Bit().constData());
    return 2;
  }
  if (options.help) {
    std::fputs(tempulo::WindowUsage().toLocal8Bit().constData(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("Tempulo %s\n", TEMPULO_VERSION);
    return 0;
  }

  toolkitHandler = qInstallMessageHandler(DisplayOpeningHandler);
  QApplication application(argc, argv);
  qInstallMessageHandler(toolkitHandler);
  if (options.checkDisplay) {
    return 0;
  }
  QApplication::setApplicationName(QStringLiteral("Tempulo"));
  QApplication::setDesktopFileName(tempulo::ApplicationId());
  QApplication::setWindowIcon(tempulo::ApplicationIcon());
  QApplication::setApplicationVersion(QStringLiteral(TEMPULO_VERSION));
  const tempulo::SystemClock clock;
  tempulo::MainWindow window(clock);
  QuitAfterFirstPaint quitter;
  if (qEnvironmentVariableIsSet("TEMPULO_QUIT_AFTER_FIRST_PAINT")) {
    QApplication::instance()->installEventFilter(&quitter);
  }
  window.show();
  if (options.date) {
    window.ShowDate(*options.date);
  }
  return QApplication::exec();
}
