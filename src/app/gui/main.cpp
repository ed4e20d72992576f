// Tempulo: the almanac's window.
#include <QApplication>

#include "app/core/clock.h"
#include "app/gui/form9.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tempulo"));
  const tempulo::SystemClock clock;
  tempulo::TForm9 Form9(clock);
  Form9.show();
  return QApplication::exec();
}
