// Tempulo: the almanac's window.
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "app/gui/application_identity.h"
#include "app/gui/main_window.h"
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

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tempulo"));
  QApplication::setDesktopFileName(tempulo::ApplicationId());
  QApplication::setWindowIcon(tempulo::ApplicationIcon());
  const tempulo::SystemClock clock;
  tempulo::MainWindow window(clock);
  QuitAfterFirstPaint quitter;
  if (qEnvironmentVariableIsSet("TEMPULO_QUIT_AFTER_FIRST_PAINT")) {
    QApplication::instance()->installEventFilter(&quitter);
  }
  window.show();
  return QApplication::exec();
}
