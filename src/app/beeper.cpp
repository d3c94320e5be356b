#include "app/beeper.h"

#include <QApplication>

void QtBeeper::Beep() { QApplication::beep(); }
