// drawpictures <root>: writes under <root> the picture bank ui/pictures/NN.png, the
// icons ui/icons/xiangqi*.png and the About picture about/pictures/about.png.
#include "AboutDrawing.h"
#include "IconDrawing.h"
#include "PieceDrawing.h"
#include "PointDrawing.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <array>
#include <cstdio>
#include <stdexcept>

namespace {

using namespace drawpictures;

constexpr std::array kPointCodes = {0,  1,  4,  6,  9,  10, 11, 15, 19,
                                    24, 26, 74, 76, 90, 91, 94, 96, 99};
constexpr std::array kPieceCodes = {50, 51, 52, 53, 54, 55, 56, 60, 61, 62, 63, 64, 65, 66};
constexpr std::array kLargeIconSizes = {48, 64, 128, 256};

QFont loadSongFont() {
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/song.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        throw std::runtime_error("the bundled Song font did not load");
    }
    return QFont(families.first());
}

void save(const QImage& picture, const QDir& root, const QString& relativePath) {
    const QString path = root.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).path()) || !picture.save(path, "PNG")) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

QString bankPath(int code) {
    return QStringLiteral("ui/pictures/%1.png").arg(code, 2, 10, QLatin1Char('0'));
}

void writeBank(const QDir& root, const QFont& song) {
    for (int code : kPointCodes) {
        save(PointDrawing(code).image(), root, bankPath(code));
    }
    for (int code : kPieceCodes) {
        save(PieceDrawing(code, song).image(), root, bankPath(code));
    }
}

void writeIcons(const QDir& root, const QFont& song) {
    const IconDrawing icon(song);
    save(icon.paletteImage(), root, QStringLiteral("ui/icons/xiangqi.png"));
    for (int size : kLargeIconSizes) {
        save(icon.image(size), root, QStringLiteral("ui/icons/xiangqi-%1.png").arg(size));
    }
}

void writeAbout(const QDir& root, const QFont& song) {
    save(AboutDrawing(song).image(), root, QStringLiteral("about/pictures/about.png"));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: drawpictures <output root>\n");
        return 2;
    }
    try {
        const QDir root(arguments.at(1));
        const QFont song = loadSongFont();
        writeBank(root, song);
        writeIcons(root, song);
        writeAbout(root, song);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "drawpictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
