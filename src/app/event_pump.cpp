#include "app/event_pump.h"

#include <QCoreApplication>

namespace ruvela {

void QtEventPump::ProcessPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace ruvela
