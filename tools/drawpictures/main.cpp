// drawpictures <root>: writes under <root> the picture bank ui/pictures/NN.png and, as the
// program reads it, ui/pictures/bank.raw, the banks for the device pixel ratios from 1.25 to 3,
// ui/pictures/bank-125.raw to bank-300.raw, the icons ui/icons/xiangqi*.png, the About picture
// about/pictures/about.png and, for the Windows program, which has no Qt to draw with, the About
// pictures at the same ratios, about/pictures/about-125.png to about-300.png.
#include "AboutDrawing.h"
#include "IconDrawing.h"
#include "PieceDrawing.h"
#include "PointDrawing.h"
#include "SongFont.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QStringList>
#include <QtEndian>
#include <array>
#include <cstdio>
#include <stdexcept>

namespace {

using namespace xiangqi::drawing;

constexpr std::array kPointCodes = {0,  1,  4,  6,  9,  10, 11, 15, 19,
                                    24, 26, 74, 76, 90, 91, 94, 96, 99};
constexpr std::array kPieceCodes = {50, 51, 52, 53, 54, 55, 56, 60, 61, 62, 63, 64, 65, 66};
constexpr std::array kLargeIconSizes = {48, 64, 128, 256};
// The ratios besides 1 whose banks the program reads rather than draws: drawing the first
// frame's 24 pictures at 1.5 or 2 took the program twice what the bare window needs to start.
// They are the scales Windows offers up to 300 %.
constexpr std::array kRatiosDrawnAhead = {1.25, 1.5, 1.75, 2.0, 2.25, 2.5, 3.0};

QFont loadSongFont() {
    if (songFamily().isEmpty()) {
        throw std::runtime_error("the bundled Song font did not load");
    }
    return songFont();
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

// The bank as the program reads it, decoded: for each picture in turn, its code (one byte),
// its 256 colours (32-bit ARGB, little-endian) and its colour indices (47 × 47 at 1x), row by
// row. Decoding 24 PNG pictures took the program a tenth of what a bare window needs to start.
void saveRaw(const QList<std::pair<int, QImage>>& bank, const QDir& root, const QString& name) {
    QByteArray raw;
    for (const auto& [code, picture] : bank) {
        if (picture.format() != QImage::Format_Indexed8 || picture.colorCount() != 256) {
            throw std::runtime_error("bank picture " + std::to_string(code) + " is not 256-colour");
        }
        raw.append(static_cast<char>(code));
        for (const QRgb colour : picture.colorTable()) {
            const quint32 little = qToLittleEndian(static_cast<quint32>(colour));
            raw.append(reinterpret_cast<const char*>(&little), sizeof little);
        }
        for (int y = 0; y < picture.height(); ++y) {
            raw.append(reinterpret_cast<const char*>(picture.constScanLine(y)), picture.width());
        }
    }
    QSaveFile file(root.filePath(QStringLiteral("ui/pictures/") + name));
    if (!file.open(QIODevice::WriteOnly) || file.write(raw) != raw.size() || !file.commit()) {
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
    }
}

QList<std::pair<int, QImage>> bankAt(qreal ratio, const QFont& song) {
    QList<std::pair<int, QImage>> bank;
    for (int code : kPointCodes) {
        bank.append({code, PointDrawing(code).image(ratio)});
    }
    for (int code : kPieceCodes) {
        bank.append({code, PieceDrawing(code, song).image(ratio)});
    }
    return bank;
}

QString percent(qreal ratio) {
    return QString::number(qRound(ratio * 100));
}

void writeBanks(const QDir& root, const QFont& song) {
    const QList<std::pair<int, QImage>> bank = bankAt(1, song);
    for (const auto& [code, picture] : bank) {
        save(picture, root, bankPath(code));
    }
    saveRaw(bank, root, QStringLiteral("bank.raw"));
    for (qreal ratio : kRatiosDrawnAhead) {
        saveRaw(bankAt(ratio, song), root, QStringLiteral("bank-%1.raw").arg(percent(ratio)));
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
    const AboutDrawing about(song);
    save(about.image(), root, QStringLiteral("about/pictures/about.png"));
    for (qreal ratio : kRatiosDrawnAhead) {
        save(about.image(ratio), root,
             QStringLiteral("about/pictures/about-%1.png").arg(percent(ratio)));
    }
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
        writeBanks(root, song);
        writeIcons(root, song);
        writeAbout(root, song);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "drawpictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
