#include "app/termination_watch.h"

#include <csignal>

namespace ruvela {
namespace {

// A signal handler may only note the request; the event loop, which also
// runs while a conversion does, acts on it. The one flag of the process.
volatile std::sig_atomic_t terminationRequested = 0;

extern "C" void NoteTermination(int) { terminationRequested = 1; }

}  // namespace

TerminationWatch::TerminationWatch(std::function<void()> endProgram) {
  std::signal(SIGTERM, NoteTermination);
  std::signal(SIGINT, NoteTermination);
#ifdef SIGHUP
  std::signal(SIGHUP, NoteTermination);
#endif
  connect(&poll_, &QTimer::timeout, this, [endProgram = std::move(endProgram)] {
    if (terminationRequested != 0) endProgram();
  });
  poll_.start(200);
}

}  // namespace ruvela
