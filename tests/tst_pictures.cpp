// Checks the compiled-in pictures and fonts against what the board, the pieces and the
// dialogs need from them. The expectations are written out here from the picture
// descriptions, not derived from the drawing tool.
#include "AboutDrawing.h"
#include "PictureBank.h"
#include "PieceDrawing.h"
#include "PointDrawing.h"
#include "ProgramIconEngine.h"
#include "SongFont.h"

#include <QColor>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QRawFont>
#include <QRect>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QTransform>
#include <cmath>

namespace {

constexpr int kBankSize = 47;
constexpr int kCentre = 23;
constexpr QRgb kBoardGrey = qRgb(212, 208, 200);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

// The device pixel ratios at which the program draws its pictures afresh.
const QList<qreal> kRatios = {1.25, 1.5, 1.75, 2, 2.25, 2.5, 3};

const QStringList kPointCodes = {"00", "01", "04", "06", "09", "10", "11", "15", "19",
                                 "24", "26", "74", "76", "90", "91", "94", "96", "99"};
const QStringList kRedPieceCodes = {"50", "51", "52", "53", "54", "55", "56"};
const QStringList kBlackPieceCodes = {"60", "61", "62", "63", "64", "65", "66"};

// Everything the program itself writes on screen.
const QStringList kProgramTexts = {
    "Tovan 中国象棋",
    "tovan 中国象棋",
    "tovan中国象棋",
    "关于 tovan中国象棋",
    "棋盘",
    "红行",
    "黑 行",
    "红 行",
    "黑 死",
    "红 死",
    "开局",
    "认输",
    "悔棋",
    "保存",
    "确定",
    "中国象棋(&C)",
    "开局(&N)",
    "认输(&A)",
    "悔棋(&U)",
    "保存(&S)",
    "退出(&X)",
    "帮助(&H)",
    "关于(&A)",
    "是否放弃本局?",
    "你真的要认输吗?",
    "你在下什么??竟会走一千步!!重新开局!!!!",
    "保存完毕。",
    "保存文件错误！",
    "Tovan 中国象棋存盘文件(*.tvq)",
    "版本 1.1.1",
    "作者：tovan 工作室",
    "本软件受著作权法保护，未经许可不得复制。",
    "帅士相马车炮兵将士象马车炮卒",
};

// A sample of Qt's own Chinese texts in the message boxes and the save dialog.
const QStringList kQtDialogTexts = {
    "确定",       "取消",       "是(&Y)",     "否(&N)",       "关闭",
    "帮助",       "打开",       "保存(&S)",   "另存为",       "文件名称(&N)：",
    "文件类型：", "查找范围：", "新建文件夹", "所有文件 (*)", "%1 已存在。\n您想要替换它吗？",
    "后退",       "前进",       "详情视图",   "列表视图",     "撤消(&U)",
    "重做(&R)",   "剪切(&T)",   "复制(&C)",   "粘贴(&P)",     "删除",
    "全选",
};

QImage loadResource(const QString& path) {
    QImage picture(path);
    if (picture.isNull()) {
        qWarning("cannot load %s", qPrintable(path));
    }
    return picture;
}

// The picture as the program has it.
QImage bankPicture(const QString& code) {
    return xiangqi::PictureBank::image(code.toInt());
}

// The picture as the generator drew it, in the source tree.
QImage drawnPicture(const QString& code) {
    return QImage(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../ui/pictures/%1.png").arg(code));
}

QString describe(QRgb colour) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(qRed(colour))
        .arg(qGreen(colour))
        .arg(qBlue(colour));
}

QString describe(const QPoint& point) {
    return QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
}

// The pixels of a one-pixel line from the centre to the picture's edge.
QSet<QPoint> linePixels(int stepX, int stepY) {
    QSet<QPoint> pixels;
    for (int k = 0; k <= kCentre; ++k) {
        pixels.insert(QPoint(kCentre + k * stepX, kCentre + k * stepY));
    }
    return pixels;
}

// arms: any of U D L R; diagonals: space-separated screen directions NE NW SE SW; `arm` gives
// the pixels of an arm by its steps across and down.
template <typename Arm>
QSet<QPoint> expectedLinePixels(const QString& arms, const QString& diagonals, Arm arm) {
    QSet<QPoint> pixels;
    const auto addIf = [&pixels, &arm](bool wanted, int stepX, int stepY) {
        if (wanted) {
            pixels.unite(arm(stepX, stepY));
        }
    };
    addIf(arms.contains('U'), 0, -1);
    addIf(arms.contains('D'), 0, 1);
    addIf(arms.contains('L'), -1, 0);
    addIf(arms.contains('R'), 1, 0);
    const QStringList corners = diagonals.split(' ', Qt::SkipEmptyParts);
    addIf(corners.contains("NE"), 1, -1);
    addIf(corners.contains("NW"), -1, -1);
    addIf(corners.contains("SE"), 1, 1);
    addIf(corners.contains("SW"), -1, 1);
    return pixels;
}

// At a device pixel ratio: a picture is 48 × ratio pixels less a line, a line is round(ratio)
// pixels wide, and the lines through the middle leave as many pixels before them as after.
struct RatioGeometry {
    explicit RatioGeometry(qreal ratio)
        : line(qRound(ratio)), side(qRound(48 * ratio) - line), band((side - line) / 2) {}
    int line;
    int side;
    int band;
};

// The pixels of an arm from the middle to the edge at a ratio: straight, the lines' band across
// a half of the picture; diagonal, in each row of that half as many pixels as a line is wide,
// centred on the diagonal through the middle.
QSet<QPoint> armPixels(const RatioGeometry& geometry, int stepX, int stepY) {
    const auto half = [&](int step) {
        return step < 0   ? std::pair{0, geometry.band + geometry.line}
               : step > 0 ? std::pair{geometry.band, geometry.side}
                          : std::pair{geometry.band, geometry.band + geometry.line};
    };
    QSet<QPoint> pixels;
    const auto [top, bottom] = half(stepY);
    for (int y = top; y < bottom; ++y) {
        auto [left, right] = half(stepX);
        if (stepX != 0 && stepY != 0) {
            left = y - geometry.line / 2;
            right = left + geometry.line;
        }
        for (int x = std::max(left, 0); x < std::min(right, geometry.side); ++x)
            pixels.insert(stepX * stepY < 0 ? QPoint(geometry.side - 1 - x, y) : QPoint(x, y));
    }
    return pixels;
}

// The first pixel of a point's picture that is not black where `lines` has it and the board's
// grey elsewhere, described; empty when there is none.
QString firstWrongPixel(const QImage& picture, const QSet<QPoint>& lines) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint point(x, y);
            const QRgb expected = lines.contains(point) ? kBlack : kBoardGrey;
            const QRgb actual = picture.pixel(point);
            if (actual != expected)
                return QStringLiteral("pixel %1 is %2, not %3")
                    .arg(describe(point), describe(actual), describe(expected));
        }
    }
    return {};
}

// How many columns of the picture repeat the one before. Upscaled pixel by pixel from 47 pixels,
// a picture repeats at least one column, and one row, for each it gained.
int repeatedColumns(const QImage& picture) {
    int repeats = 0;
    for (int x = 1; x < picture.width(); ++x)
        if (picture.copy(x, 0, 1, picture.height()) == picture.copy(x - 1, 0, 1, picture.height()))
            ++repeats;
    return repeats;
}

int repeatedRows(const QImage& picture) {
    return repeatedColumns(picture.transformed(QTransform().rotate(90)));
}

double distanceFromCentre(int x, int y) {
    return std::hypot(x - kCentre, y - kCentre);
}

// True when the colour lies on the straight blend from the disc colour to white, as
// every antialiased edge of a white character on that disc does.
bool isDiscToWhiteBlend(QRgb colour, QRgb disc) {
    if (disc == kRed) {
        return qRed(colour) == 255 && qGreen(colour) == qBlue(colour);
    }
    return qRed(colour) == qGreen(colour) && qGreen(colour) == qBlue(colour);
}

// The pixels of a piece that differ from its disc colour inside the disc: its character.
QSet<QPoint> characterPixels(const QImage& piece, QRgb disc) {
    QSet<QPoint> pixels;
    for (int y = 0; y < piece.height(); ++y) {
        for (int x = 0; x < piece.width(); ++x) {
            if (distanceFromCentre(x, y) < kCentre && piece.pixel(x, y) != disc) {
                pixels.insert(QPoint(x, y));
            }
        }
    }
    return pixels;
}

QRect boundsOf(const QSet<QPoint>& pixels) {
    QRect bounds;
    for (const QPoint& pixel : pixels) {
        bounds |= QRect(pixel, QSize(1, 1));
    }
    return bounds;
}

int countPixels(const QImage& picture, const QRect& area, bool (*matches)(QRgb)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += matches(picture.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool isGreenish(QRgb c) {
    return qGreen(c) > 100 && qRed(c) < 80 && qBlue(c) < 80;
}
bool isYellowish(QRgb c) {
    return qRed(c) > 180 && qGreen(c) > 180 && qBlue(c) < 80;
}
bool isDark(QRgb c) {
    return qGray(c) < 60;
}
bool isReddish(QRgb c) {
    return qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool isBluish(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 80 && qGreen(c) < 80;
}
bool isWhitish(QRgb c) {
    return qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) > 230;
}
bool isExactlyBlack(QRgb c) {
    return c == kBlack;
}
bool isExactlyWhite(QRgb c) {
    return c == kWhite;
}
bool isExactlyRed(QRgb c) {
    return c == kRed;
}
bool isExactlyBlue(QRgb c) {
    return c == qRgb(0, 0, 255);
}

QByteArray resourceBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString missingCharacters(const QRawFont& font, const QStringList& texts) {
    QString missing;
    for (const QString& text : texts) {
        for (char32_t character : text.toUcs4()) {
            const QString asText = QString::fromUcs4(&character, 1);
            if (character != '\n' && !font.supportsCharacter(character) &&
                !missing.contains(asText)) {
                missing += asText;
            }
        }
    }
    return missing;
}

QStringList printableAscii() {
    QString ascii;
    for (char c = ' '; c <= '~'; ++c) {
        ascii += QLatin1Char(c);
    }
    return {ascii};
}

// Corners, edges and crossings of the board; the palace corners and centres carry diagonals,
// and on the top and bottom rows those point into the board.
struct PointLines {
    const char* name;
    const char* code;
    const char* arms;
    const char* diagonals;
};
// clang-format off
const PointLines kPointLines[] = {
    {"00 top-left corner", "00", "DR", ""},
    {"01 top edge", "01", "LRD", ""},
    {"04 top edge, palace", "04", "LRD", "SE"},
    {"06 top edge, palace", "06", "LRD", "SW"},
    {"09 top-right corner", "09", "LD", ""},
    {"10 left edge", "10", "UDR", ""},
    {"11 crossing", "11", "UDLR", ""},
    {"15 palace centre", "15", "UDLR", "NE NW SE SW"},
    {"19 right edge", "19", "UDL", ""},
    {"24 palace corner", "24", "UDLR", "NE"},
    {"26 palace corner", "26", "UDLR", "NW"},
    {"74 palace corner", "74", "UDLR", "SE"},
    {"76 palace corner", "76", "UDLR", "SW"},
    {"90 bottom-left corner", "90", "UR", ""},
    {"91 bottom edge", "91", "LRU", ""},
    {"94 bottom edge, palace", "94", "LRU", "NE"},
    {"96 bottom edge, palace", "96", "LRU", "NW"},
    {"99 bottom-right corner", "99", "UL", ""},
};
// clang-format on

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void bankPictureIsPaletteSquare_data();
    void bankPictureIsPaletteSquare();
    void bankHasNoOtherPictures();
    void banksDrawnAheadAreTheDrawing_data();
    void banksDrawnAheadAreTheDrawing();

    void emptyPointHasExactlyItsLines_data();
    void emptyPointHasExactlyItsLines();

    void emptyPointHasItsLinesAtTheScreensResolution_data();
    void emptyPointHasItsLinesAtTheScreensResolution();

    void pieceIsDiscWithWhiteCharacter_data();
    void pieceIsDiscWithWhiteCharacter();
    void pieceCharacterIsLargeAndCentred_data();
    void pieceCharacterIsLargeAndCentred();
    void piecesShowTheirOwnCharacters();
    void pieceIsDrawnAtTheScreensResolution_data();
    void pieceIsDrawnAtTheScreensResolution();

    void iconIsSmallPaletteLettering();
    void aboutPictureIsSixteenColourBanner();
    void iconIsDrawnAtTheScreensResolution_data();
    void iconIsDrawnAtTheScreensResolution();
    void aboutPictureIsDrawnAtTheScreensResolution_data();
    void aboutPictureIsDrawnAtTheScreensResolution();
    void aboutPicturesDrawnAheadAreTheDrawing_data();
    void aboutPicturesDrawnAheadAreTheDrawing();

    void songFontCoversEveryText();
    void tahomaSubstituteCoversAscii();
};

void PicturesTest::initTestCase() {
    // Without this the failures below would only say "cannot load".
    QVERIFY2(QFile::exists(":/pictures/bank.raw"), "the ui resources are not linked into the test");
    QVERIFY2(QFile::exists(":/about/about.png"),
             "the about resources are not linked into the test");
}

void PicturesTest::bankPictureIsPaletteSquare_data() {
    QTest::addColumn<QString>("code");
    for (const QString& code : kPointCodes + kRedPieceCodes + kBlackPieceCodes) {
        QTest::newRow(qPrintable(code)) << code;
    }
}

void PicturesTest::bankPictureIsPaletteSquare() {
    QFETCH(QString, code);
    const QImage picture = bankPicture(code);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), QSize(kBankSize, kBankSize));
    QCOMPARE(picture.format(), QImage::Format_Indexed8);
    QCOMPARE(picture.colorCount(), 256);
    const QImage drawn = drawnPicture(code);
    QCOMPARE(picture.colorTable(), drawn.colorTable());
    QCOMPARE(picture, drawn);
}

void PicturesTest::bankHasNoOtherPictures() {
    for (const int index : {-1, 2, 49, 57, 67, 100, 255})
        QVERIFY2(xiangqi::PictureBank::image(index).isNull(), qPrintable(QString::number(index)));
}

// The program reads the pictures for the usual ratios from banks drawn ahead: they must be what
// the drawing draws there (tools/drawpictures writes them anew after a change to a drawing).
void PicturesTest::banksDrawnAheadAreTheDrawing_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : kRatios)
        for (const QString& code : kPointCodes + kRedPieceCodes + kBlackPieceCodes)
            QTest::newRow(qPrintable(QStringLiteral("%1 at %2").arg(code).arg(ratio)))
                << code << ratio;
}

void PicturesTest::banksDrawnAheadAreTheDrawing() {
    QFETCH(QString, code);
    QFETCH(qreal, ratio);
    const QImage drawn =
        kPointCodes.contains(code)
            ? xiangqi::drawing::PointDrawing(code.toInt()).image(ratio)
            : xiangqi::drawing::PieceDrawing(code.toInt(), xiangqi::drawing::songFont())
                  .image(ratio);
    const QImage shipped = xiangqi::PictureBank::image(code.toInt(), ratio);
    QCOMPARE(shipped.colorTable(), drawn.colorTable());
    QCOMPARE(shipped, drawn);
}

void PicturesTest::emptyPointHasExactlyItsLines_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("arms");
    QTest::addColumn<QString>("diagonals");
    for (const PointLines& point : kPointLines)
        QTest::newRow(point.name) << point.code << point.arms << point.diagonals;
}

void PicturesTest::emptyPointHasExactlyItsLines() {
    QFETCH(QString, code);
    QFETCH(QString, arms);
    QFETCH(QString, diagonals);
    const QImage picture = bankPicture(code);
    QVERIFY(!picture.isNull());
    const QString wrong = firstWrongPixel(picture, expectedLinePixels(arms, diagonals, linePixels));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

// At every ratio the lines are exactly round(ratio) pixels of black, on whole pixels: neither
// resampled (blends of black and grey) nor doubled (diagonals in steps of two pixels).
void PicturesTest::emptyPointHasItsLinesAtTheScreensResolution_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("arms");
    QTest::addColumn<QString>("diagonals");
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : kRatios)
        for (const PointLines& point : kPointLines)
            QTest::newRow(qPrintable(QStringLiteral("%1 at %2").arg(point.name).arg(ratio)))
                << point.code << point.arms << point.diagonals << ratio;
}

void PicturesTest::emptyPointHasItsLinesAtTheScreensResolution() {
    QFETCH(QString, code);
    QFETCH(QString, arms);
    QFETCH(QString, diagonals);
    QFETCH(qreal, ratio);
    const QImage picture = xiangqi::PictureBank::image(code.toInt(), ratio);
    const RatioGeometry geometry(ratio);
    QCOMPARE(picture.size(), QSize(geometry.side, geometry.side));
    const QString wrong =
        firstWrongPixel(picture, expectedLinePixels(arms, diagonals, [&](int stepX, int stepY) {
                            return armPixels(geometry, stepX, stepY);
                        }));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void PicturesTest::pieceIsDiscWithWhiteCharacter_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QRgb>("disc");
    for (const QString& code : kRedPieceCodes) {
        QTest::newRow(qPrintable(code)) << code << kRed;
    }
    for (const QString& code : kBlackPieceCodes) {
        QTest::newRow(qPrintable(code)) << code << kBlack;
    }
}

void PicturesTest::pieceIsDiscWithWhiteCharacter() {
    QFETCH(QString, code);
    QFETCH(QRgb, disc);
    const QImage piece = bankPicture(code);
    QVERIFY(!piece.isNull());

    // The disc touches all four edges at their middles and leaves the corners grey.
    for (const QPoint& edge : {QPoint(0, 23), QPoint(46, 23), QPoint(23, 0), QPoint(23, 46)}) {
        QCOMPARE(piece.pixel(edge), disc);
    }
    for (const QPoint& corner : {QPoint(0, 0), QPoint(46, 0), QPoint(0, 46), QPoint(46, 46)}) {
        QCOMPARE(piece.pixel(corner), kBoardGrey);
    }
    for (int y = 0; y < kBankSize; ++y) {
        for (int x = 0; x < kBankSize; ++x) {
            const double distance = distanceFromCentre(x, y);
            const QRgb colour = piece.pixel(x, y);
            const QString where = describe(QPoint(x, y)) + " is " + describe(colour);
            // Pixels between 23 and 24 from the centre may fall either side of the rim.
            if (distance > kCentre + 1) {
                QVERIFY2(colour == kBoardGrey, qPrintable(where + " outside the disc"));
            } else if (distance >= kCentre - 1 && distance <= kCentre) {
                QVERIFY2(colour == disc, qPrintable(where + " on the rim"));
            } else if (distance < kCentre - 1) {
                QVERIFY2(isDiscToWhiteBlend(colour, disc), qPrintable(where + " on the disc"));
            }
        }
    }
    const QRect middle(8, 8, 31, 31);
    QVERIFY(countPixels(piece, middle, isExactlyWhite) >= 30);
    QVERIFY(countPixels(piece, middle, isExactlyWhite) <
            countPixels(piece, middle, [](QRgb c) { return c != kWhite; }));
    if (disc == kRed) {
        QCOMPARE(countPixels(piece, piece.rect(), isExactlyBlack), 0);
    }
}

void PicturesTest::pieceCharacterIsLargeAndCentred_data() {
    pieceIsDiscWithWhiteCharacter_data();
}

void PicturesTest::pieceCharacterIsLargeAndCentred() {
    QFETCH(QString, code);
    QFETCH(QRgb, disc);
    const QRect ink = boundsOf(characterPixels(bankPicture(code), disc));
    QVERIFY2(
        std::max(ink.width(), ink.height()) >= 28,
        qPrintable(QStringLiteral("character only %1 x %2").arg(ink.width()).arg(ink.height())));
    QVERIFY(ink.width() <= 38 && ink.height() <= 38);
    QVERIFY2(std::abs(ink.center().x() - kCentre) <= 2 && std::abs(ink.center().y() - kCentre) <= 2,
             qPrintable("character centred at " + describe(ink.center())));
}

// Both sides share 士 马 车 炮 and differ in the other three; a swapped or missing
// character shows up as a mismatch here.
void PicturesTest::piecesShowTheirOwnCharacters() {
    QList<QSet<QPoint>> red;
    QList<QSet<QPoint>> black;
    for (int kind = 0; kind < 7; ++kind) {
        red.append(characterPixels(bankPicture(kRedPieceCodes.at(kind)), kRed));
        black.append(characterPixels(bankPicture(kBlackPieceCodes.at(kind)), kBlack));
    }
    for (int kind : {1, 3, 4, 5}) {
        QVERIFY2(red.at(kind) == black.at(kind), qPrintable(QString::number(kind)));
    }
    for (int kind : {0, 2, 6}) {
        QVERIFY2(red.at(kind) != black.at(kind), qPrintable(QString::number(kind)));
    }
    for (int first = 0; first < 7; ++first) {
        for (int second = first + 1; second < 7; ++second) {
            QVERIFY(red.at(first) != red.at(second));
            QVERIFY(black.at(first) != black.at(second));
        }
    }
}

// At every ratio a piece is its disc and character drawn afresh: the rim only disc colour and
// grey (no resampled blends), the character on the blend from disc to white, scaled, centred, and
// not upscaled pixel by pixel from the 47-pixel picture.
void PicturesTest::pieceIsDrawnAtTheScreensResolution_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QRgb>("disc");
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : kRatios) {
        for (const QString& code : kRedPieceCodes)
            QTest::newRow(qPrintable(QStringLiteral("%1 at %2").arg(code).arg(ratio)))
                << code << kRed << ratio;
        for (const QString& code : kBlackPieceCodes)
            QTest::newRow(qPrintable(QStringLiteral("%1 at %2").arg(code).arg(ratio)))
                << code << kBlack << ratio;
    }
}

void PicturesTest::pieceIsDrawnAtTheScreensResolution() {
    QFETCH(QString, code);
    QFETCH(QRgb, disc);
    QFETCH(qreal, ratio);
    const QImage piece =
        xiangqi::PictureBank::image(code.toInt(), ratio).convertToFormat(QImage::Format_RGB32);
    const int side = RatioGeometry(ratio).side;
    QCOMPARE(piece.size(), QSize(side, side));
    const double radius = side / 2.0;
    QSet<QPoint> character;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double distance = std::hypot(x + 0.5 - radius, y + 0.5 - radius);
            const QRgb colour = piece.pixel(x, y);
            const QString where = describe(QPoint(x, y)) + " is " + describe(colour);
            if (distance > radius + 0.5) {
                QVERIFY2(colour == kBoardGrey, qPrintable(where + " outside the disc"));
            } else if (distance >= radius - 1.5 && distance <= radius - 0.5) {
                QVERIFY2(colour == disc, qPrintable(where + " on the rim"));
            } else if (distance < radius - 1.5) {
                QVERIFY2(isDiscToWhiteBlend(colour, disc), qPrintable(where + " on the disc"));
                if (colour != disc)
                    character.insert(QPoint(x, y));
            }
        }
    }
    const QRect ink = boundsOf(character);
    QVERIFY2(std::max(ink.width(), ink.height()) >= 28 * ratio &&
                 std::max(ink.width(), ink.height()) <= 38 * ratio,
             qPrintable(QStringLiteral("character %1 x %2").arg(ink.width()).arg(ink.height())));
    QVERIFY2(std::abs(ink.center().x() + 0.5 - radius) <= 2 * ratio &&
                 std::abs(ink.center().y() + 0.5 - radius) <= 2 * ratio,
             qPrintable("character centred at " + describe(ink.center())));
    const int columns = repeatedColumns(piece);
    const int rows = repeatedRows(piece);
    QVERIFY2(std::min(columns, rows) < side - kBankSize,
             qPrintable(QStringLiteral("%1 columns and %2 rows repeat").arg(columns).arg(rows)));
}

void PicturesTest::iconIsSmallPaletteLettering() {
    const QImage icon = loadResource(":/icons/xiangqi.png");
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(icon.format(), QImage::Format_Indexed8);
    QVERIFY(icon.colorCount() <= 256);
    // Red, black and yellow lettering on white.
    QVERIFY(countPixels(icon, icon.rect(), isWhitish) >= 64);
    QVERIFY(countPixels(icon, icon.rect(), isReddish) >= 20);
    QVERIFY(countPixels(icon, icon.rect(), isDark) >= 20);
    QVERIFY(countPixels(icon, icon.rect(), isYellowish) >= 20);
}

void PicturesTest::aboutPictureIsSixteenColourBanner() {
    const QImage about = loadResource(":/about/about.png");
    QCOMPARE(about.size(), QSize(32, 32));
    QCOMPARE(about.format(), QImage::Format_Indexed8);
    QVERIFY(about.colorCount() <= 16);

    const QRect upper(0, 0, 32, 16);
    const QRect lower(0, 16, 32, 16);
    const QRect upperRightCorner(24, 0, 8, 8);
    const int half = 32 * 16;
    QVERIFY(countPixels(about, upper, isGreenish) > half / 2);
    QVERIFY(countPixels(about, upper, isDark) >= 20);
    QVERIFY(countPixels(about, lower, isYellowish) > half / 2);
    QVERIFY(countPixels(about, lower, isDark) >= 30);
    QVERIFY(countPixels(about, upperRightCorner, isReddish) >= 4);
    QVERIFY(countPixels(about, upperRightCorner, isBluish) >= 8);
    QCOMPARE(countPixels(about, upper.adjusted(0, 0, -8, 0), isReddish), 0);
}

void addRatioRows() {
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : kRatios)
        QTest::newRow(qPrintable(QStringLiteral("at %1").arg(ratio))) << ratio;
}

// The window's icon at 32 × ratio device pixels: the two blocks exactly on their quarters of a
// white square, each with its character, drawn afresh rather than upscaled. At 1x it is the
// shipped picture.
void PicturesTest::iconIsDrawnAtTheScreensResolution_data() {
    addRatioRows();
    QTest::newRow("at 1") << 1.0;
}

void PicturesTest::iconIsDrawnAtTheScreensResolution() {
    QFETCH(qreal, ratio);
    const QPixmap pixmap = QIcon(new xiangqi::drawing::ProgramIconEngine(":/icons/xiangqi.png"))
                               .pixmap(QSize(32, 32), ratio);
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    const QImage icon = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    if (ratio == 1) {
        QCOMPARE(icon, loadResource(":/icons/xiangqi.png").convertToFormat(QImage::Format_RGB32));
        return;
    }
    const int side = qRound(32 * ratio);
    QCOMPARE(icon.size(), QSize(side, side));
    const int half = side / 2;
    const QRect upperLeft(0, 0, half, half);
    const QRect lowerRight(half, half, half, half);
    for (const QRect& white : {QRect(half, 0, half, half), QRect(0, half, half, half)})
        QCOMPARE(countPixels(icon, white, isExactlyWhite), half * half);
    QVERIFY(countPixels(icon, upperLeft, isReddish) > half * half / 2);
    QVERIFY(countPixels(icon, upperLeft, isYellowish) >= 20 * ratio * ratio);
    QVERIFY(countPixels(icon, lowerRight, isYellowish) > half * half / 2);
    QVERIFY(countPixels(icon, lowerRight, isDark) >= 20 * ratio * ratio);
    QVERIFY(std::min(repeatedColumns(icon), repeatedRows(icon)) < side - 32);
}

// The About picture at 32 × ratio device pixels: still at most 16 colours, the green and yellow
// halves each with its characters and the mark with its blue frame, drawn afresh rather than
// upscaled.
void PicturesTest::aboutPictureIsDrawnAtTheScreensResolution_data() {
    addRatioRows();
}

void PicturesTest::aboutPictureIsDrawnAtTheScreensResolution() {
    QFETCH(qreal, ratio);
    const QImage about = xiangqi::drawing::AboutDrawing(xiangqi::drawing::songFont()).image(ratio);
    const int side = qRound(32 * ratio);
    QCOMPARE(about.size(), QSize(side, side));
    QVERIFY(about.colorCount() <= 16);
    const int half = qRound(16 * ratio);
    const QRect upper(0, 0, side, half);
    const QRect lower(0, half, side, side - half);
    QVERIFY(countPixels(about, upper, isGreenish) > side * half / 2);
    QVERIFY(countPixels(about, upper, isDark) >= 20 * ratio * ratio);
    QVERIFY(countPixels(about, lower, isYellowish) > side * half / 2);
    QVERIFY(countPixels(about, lower, isDark) >= 30 * ratio * ratio);
    // The mark: at 1x pixels 25 to 30 of rows 1 to 6, framed by one blue pixel.
    const QRect mark(QPoint(qRound(25 * ratio), qRound(ratio)),
                     QPoint(qRound(31 * ratio) - 1, qRound(7 * ratio) - 1));
    const int line = qRound(ratio);
    const QRect inside = mark.adjusted(line, line, -line, -line);
    QCOMPARE(countPixels(about, inside, isExactlyRed), inside.width() * inside.height());
    QCOMPARE(countPixels(about, mark, isExactlyBlue),
             mark.width() * mark.height() - inside.width() * inside.height());
    QCOMPARE(countPixels(about, upper, isExactlyRed), inside.width() * inside.height());
    // The halves meet without a blend of green and yellow: above, green and its shades to black;
    // below, yellow and its shades.
    const auto greenShade = [](QRgb c) { return qRed(c) == 0 && qBlue(c) == 0; };
    const auto yellowShade = [](QRgb c) { return qRed(c) == qGreen(c) && qBlue(c) == 0; };
    QCOMPARE(countPixels(about, QRect(0, half - 1, side, 1), greenShade), side);
    QCOMPARE(countPixels(about, QRect(0, half, side, 1), yellowShade), side);
    QVERIFY(std::min(repeatedColumns(about), repeatedRows(about)) < side - 32);
}

// The Windows program, which has no Qt to draw with, shows the About pictures drawn ahead for
// its scales: they must be what the drawing draws there.
void PicturesTest::aboutPicturesDrawnAheadAreTheDrawing_data() {
    addRatioRows();
}

void PicturesTest::aboutPicturesDrawnAheadAreTheDrawing() {
    QFETCH(qreal, ratio);
    const QImage shipped(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../about/pictures/about-%1.png")
                             .arg(qRound(ratio * 100)));
    const QImage drawn = xiangqi::drawing::AboutDrawing(xiangqi::drawing::songFont()).image(ratio);
    QVERIFY2(!shipped.isNull(), "no About picture drawn ahead for this ratio");
    QCOMPARE(shipped.convertToFormat(QImage::Format_RGB32),
             drawn.convertToFormat(QImage::Format_RGB32));
}

void PicturesTest::songFontCoversEveryText() {
    const int id = QFontDatabase::addApplicationFont(":/fonts/song.ttf");
    QVERIFY(id >= 0);
    // The program asks for the font by this name.
    QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList{"AR PL UMing CN"});

    const QRawFont song(resourceBytes(":/fonts/song.ttf"), 16);
    QVERIFY(song.isValid());
    QCOMPARE(missingCharacters(song, kProgramTexts), QString());
    QCOMPARE(missingCharacters(song, kQtDialogTexts), QString());
    QCOMPARE(missingCharacters(song, printableAscii()), QString());
    QCOMPARE(missingCharacters(song, {"0123456789０１２３４５６７８９一二三四五六七八九十"}),
             QString());
}

void PicturesTest::tahomaSubstituteCoversAscii() {
    const int id = QFontDatabase::addApplicationFont(":/fonts/tahoma-subset.ttf");
    QVERIFY(id >= 0);
    QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList{"Tahoma"});
    const QRawFont tahoma(resourceBytes(":/fonts/tahoma-subset.ttf"), 16);
    QVERIFY(tahoma.isValid());
    QCOMPARE(missingCharacters(tahoma, printableAscii()), QString());
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
