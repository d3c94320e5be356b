// ruvela-draw-icon SIDE PATH: writes the program icon as a SIDE x SIDE PNG.
// Run at build time, so the installed icons come from the same drawing as
// the one the windows show.
#include <cstdio>
#include <cstdlib>

#include <QImage>
#include <QString>

#include "gui/pictures.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: ruvela-draw-icon SIDE PATH\n");
    return 2;
  }
  const int side = std::atoi(argv[1]);
  if (side <= 0 || side > 1024) {
    std::fprintf(stderr, "ruvela-draw-icon: SIDE must be 1 to 1024\n");
    return 2;
  }
  if (!ruvela::ProgramIcon(side).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "ruvela-draw-icon: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
