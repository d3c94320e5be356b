// The program's own pictures, drawn rather than stored: a globe (the KML
// side, maps on a globe), a handheld GPS unit (the GPX side) and the
// program icon that puts the two together. Transparent backgrounds.
#pragma once

#include <QImage>
#include <QSize>

namespace ruvela {

QImage GlobePicture(QSize size);
QImage GpsUnitPicture(QSize size);
QImage ProgramIcon(int side);

}  // namespace ruvela
