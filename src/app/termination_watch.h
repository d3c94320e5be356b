// Ending the program when the system asks it to: the session ends
// (SIGTERM), the terminal it was started from closes (SIGHUP) or Ctrl+C is
// typed there (SIGINT). The program then ends as its close command ends it,
// which also removes the temporary result, instead of dying with it left
// behind.
#pragma once

#include <functional>

#include <QObject>
#include <QTimer>

namespace ruvela {

class TerminationWatch : public QObject {
 public:
  // From now on a termination request calls `endProgram`, and calls it again
  // a moment later for as long as the program runs, so that a window opened
  // in between gives way too.
  explicit TerminationWatch(std::function<void()> endProgram);

 private:
  QTimer poll_;
};

}  // namespace ruvela
