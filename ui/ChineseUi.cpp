#include "ChineseUi.h"

#include "SongFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLocale>
#include <QResource>
#include <QTranslator>
#include <clocale>
#include <langinfo.h>

namespace xiangqi {

namespace {
QString songFamily;
QString tahomaFamily;

// Registered straight from the compiled-in bytes, which Qt then reads in place: a file name
// would have it copy the whole font first.
QString loadFont(const QString& resource) {
    const int id =
        QFontDatabase::addApplicationFontFromData(QResource(resource).uncompressedData());
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

bool isInstalled(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// Fonts are asked for by families that are installed, and by one family wherever the text
// allows: for a missing family, and for every list of families, Qt has fontconfig apply all its
// substitution rules and sort every font of the system, once for each script in the text.
//
// The system's fonts are listed first, so the bundled ones are registered after them. Of two
// fonts of one name (the Song-style font is a cut of AR PL UMing CN, which many systems have),
// the one registered last is used: so Chinese text comes from the small bundled cut, never from
// the system's 20 MB collection, which would take some 4.5 MiB of memory more.
void loadFonts() {
    if (!songFamily.isEmpty())
        return;
    const QString systemSong = isInstalled(QStringLiteral("SimSun")) ? QStringLiteral("SimSun")
                               : isInstalled(QStringLiteral("宋体")) ? QStringLiteral("宋体")
                                                                     : QString();
    const QString bundledSong = drawing::songFamily();
    tahomaFamily = loadFont(QStringLiteral(":/fonts/tahoma-subset.ttf"));
    songFamily = systemSong.isEmpty() ? bundledSong : systemSong;
}

// Qt turns every text it hands the system into UTF-8, whatever the locale; the X library, which
// writes the window's title for older X clients (WM_NAME), converts from the C library's
// character set. With no locale set that is ASCII, and the Chinese title would reach them as
// Latin-1 mojibake, so the character set follows Qt's whenever the locale's is not UTF-8.
void useUtf8CharacterSet() {
    const auto isUtf8 = [] {
        const QByteArray codeset(nl_langinfo(CODESET));
        return codeset.compare("UTF-8", Qt::CaseInsensitive) == 0 ||
               codeset.compare("utf8", Qt::CaseInsensitive) == 0;
    };
    for (const char* locale : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
        if (isUtf8())
            return;
        std::setlocale(LC_CTYPE, locale);
    }
}

QFont fontOf(const QStringList& families, qreal pointSize) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    return font;
}
} // namespace

void installChineseUi(QApplication& app) {
    useUtf8CharacterSet();
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);
    auto* translator = new QTranslator(&app);
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QStringLiteral(":/translations")))
        QApplication::installTranslator(translator);

    // Menus, buttons and dialogs show the Song-style font, as on a Chinese system, at the
    // desktop's size.
    loadFonts();
    QFont font = QApplication::font();
    font.setFamilies({songFamily});
    QApplication::setFont(font);
}

QFont songFont(qreal pointSize) {
    loadFonts();
    return fontOf({songFamily}, pointSize);
}

QFont tahomaFont(qreal pointSize) {
    loadFonts();
    return fontOf({tahomaFamily}, pointSize);
}

} // namespace xiangqi
