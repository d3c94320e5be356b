// What the program learns about its own process when it starts.
#pragma once

#include <QString>
#include <QStringList>

namespace ruvela {

struct ProcessFacts {
  QString programDirectory;  // the directory holding the executable, ending with "/"
  QString dataDirectory;     // per-user application data, ending with "/"
  QStringList arguments;     // the command-line arguments, without the program's name
};

// The facts of the running program (needs a QCoreApplication).
ProcessFacts CurrentProcessFacts();

// Where converters write the pending result: ruvela.tmp in the program's
// directory when a file can be written there, otherwise in the per-user data
// directory (created when missing). An installed program's directory is not
// writable by its users.
QString TemporaryResultPath(const ProcessFacts& facts);

}  // namespace ruvela
