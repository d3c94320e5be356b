#include "app/beeper.h"

#include <QApplication>

namespace ruvela {

void QtBeeper::beep() { QApplication::beep(); }

}  // namespace ruvela
