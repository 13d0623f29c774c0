#include "ChineseUi.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLocale>
#include <QResource>
#include <QTranslator>
#include <future>

#if __has_include(<dlfcn.h>)
#include <dlfcn.h>
#endif

namespace xiangqi {

namespace {
std::future<int> systemFontConfiguration;
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

// Fontconfig, which Qt's font database is built on here, is loaded with Qt and reads its
// configuration once per process, whoever asks first; Qt asks only when the first font is
// needed.
void prepareSystemFonts() {
#if __has_include(<dlfcn.h>)
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        systemFontConfiguration = std::async(std::launch::async, init);
#endif
}

// The thread reading the font configuration is finished before any font is touched, so no
// font work is done twice, and before the window is built, where Qt may start a helper
// program: a child forked while another thread holds a lock can hang on it.
void installChineseUi(QApplication& app) {
    if (systemFontConfiguration.valid())
        systemFontConfiguration.get();
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
