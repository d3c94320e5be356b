#include "app/beeper.h"

#include <QApplication>

namespace ruvela {

void QtBeeper::Beep() { QApplication::beep(); }

}  // namespace ruvela
