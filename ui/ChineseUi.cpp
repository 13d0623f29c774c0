#include "ChineseUi.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLocale>
#include <QResource>
#include <QTranslator>

namespace xiangqi {

namespace {
QString bundledSongFamily;
QString bundledTahomaFamily;

// Registered straight from the compiled-in bytes, which Qt then reads in place: a file name
// would have it copy the whole font first.
QString loadFont(const QString& resource) {
    const int id =
        QFontDatabase::addApplicationFontFromData(QResource(resource).uncompressedData());
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

// The system's fonts are listed first, so the bundled ones are registered after them. Of two
// fonts of one name (the Song-style font is a cut of AR PL UMing CN, which many systems have),
// the one registered last is used: so Chinese text always comes from the small bundled cut,
// never from the system's 20 MB collection, which would take some 4.5 MiB of memory more.
void loadBundledFonts() {
    if (!bundledSongFamily.isEmpty())
        return;
    QFontDatabase::families();
    bundledSongFamily = loadFont(QStringLiteral(":/fonts/song.ttf"));
    bundledTahomaFamily = loadFont(QStringLiteral(":/fonts/tahoma-subset.ttf"));
}

QFont fontOf(const QStringList& families, qreal pointSize) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    return font;
}
} // namespace

void installChineseUi(QApplication& app) {
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    auto* translator = new QTranslator(&app);
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QStringLiteral(":/translations")))
        QApplication::installTranslator(translator);

    loadBundledFonts();
    QFont font = QApplication::font();
    font.setFamilies({font.family(), bundledSongFamily});
    QApplication::setFont(font);
}

QFont songFont(qreal pointSize) {
    loadBundledFonts();
    return fontOf({QStringLiteral("SimSun"), QStringLiteral("宋体"), bundledSongFamily}, pointSize);
}

QFont tahomaFont(qreal pointSize) {
    loadBundledFonts();
    return fontOf({QStringLiteral("Tahoma"), bundledTahomaFamily, bundledSongFamily}, pointSize);
}

} // namespace xiangqi
