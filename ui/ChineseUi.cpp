#include "ChineseUi.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLocale>
#include <QTranslator>

namespace xiangqi {

namespace {
QString bundledSongFamily;
QString bundledTahomaFamily;

QString loadFont(const QString& resource) {
    const int id = QFontDatabase::addApplicationFont(resource);
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

void loadBundledFonts() {
    if (!bundledSongFamily.isEmpty())
        return;
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
