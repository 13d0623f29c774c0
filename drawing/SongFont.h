#pragma once

#include <QFont>
#include <QString>

namespace xiangqi::drawing {

// The bundled Song-style font (compiled into this library as ":/fonts/song.ttf"), which the
// pieces and the lettering of the pictures are drawn with whatever fonts the system has. It is
// registered with Qt's font database the first time it is asked for, from the compiled-in
// bytes, which Qt then reads in place.
QString songFamily();
QFont songFont();

} // namespace xiangqi::drawing
