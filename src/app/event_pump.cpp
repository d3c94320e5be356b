#include "app/event_pump.h"

#include <QCoreApplication>

namespace ruvela {

void QtEventPump::processPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace ruvela
