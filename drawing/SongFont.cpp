#include "SongFont.h"

#include <QFontDatabase>
#include <QResource>

namespace xiangqi::drawing {

QString songFamily() {
    static const QString family =
        QFontDatabase::applicationFontFamilies(
            QFontDatabase::addApplicationFontFromData(
                QResource(QStringLiteral(":/fonts/song.ttf")).uncompressedData()))
            .value(0);
    return family;
}

QFont songFont() {
    return QFont(songFamily());
}

} // namespace xiangqi::drawing
