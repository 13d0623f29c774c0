#include "PointGeometry.h"

#include <QTest>

using xiangqi::design::Pixels;
using xiangqi::design::PointGeometry;

// The board points' geometry, which both windows draw and hit-test with.
class PointGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void aPixelFallsOnThePointWhosePictureHoldsIt_data();
    void aPixelFallsOnThePointWhosePictureHoldsIt();
    void enlargedGeometryIsEveryLengthTimesTheFactor_data();
    void enlargedGeometryIsEveryLengthTimesTheFactor();
};

// Neighbouring cells share the line between their pictures, which belongs to the later point,
// whose picture begins there: at 1x, pixel 48 is the second point's.
void PointGeometryTest::aPixelFallsOnThePointWhosePictureHoldsIt_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("cell");
    QTest::newRow("1: first pixel") << 1.0 << 0 << 0 << 0;
    QTest::newRow("1: the gap after the first picture") << 1.0 << 47 << 46 << 0;
    QTest::newRow("1: shared line") << 1.0 << 48 << 48 << 10;
    QTest::newRow("1: last pixel") << 1.0 << 432 << 480 << 89;
    QTest::newRow("1: right of the board") << 1.0 << 433 << 0 << -1;
    QTest::newRow("1: below the board") << 1.0 << 0 << 481 << -1;
    QTest::newRow("1: left of the board") << 1.0 << -1 << 0 << -1;
    QTest::newRow("1.5: the gap after the first picture") << 1.5 << 71 << 0 << 0;
    QTest::newRow("1.5: shared line") << 1.5 << 73 << 0 << 1;
    QTest::newRow("1.5: last pixel") << 1.5 << 649 << 721 << 89;
    QTest::newRow("1.5: right of the board") << 1.5 << 650 << 0 << -1;
    QTest::newRow("2: second row") << 2.0 << 0 << 96 << 9;
    QTest::newRow("2: last pixel") << 2.0 << 865 << 961 << 89;
    QTest::newRow("2: below the board") << 2.0 << 865 << 962 << -1;
}

void PointGeometryTest::aPixelFallsOnThePointWhosePictureHoldsIt() {
    QFETCH(double, ratio);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, cell);
    QCOMPARE(PointGeometry(ratio).cellAt(x, y), cell);
}

// What a screen without pictures of its own scale shows: pictures drawn for a smaller scale,
// each pixel a square of pixels, so that their lines still meet the frames and each other.
void PointGeometryTest::enlargedGeometryIsEveryLengthTimesTheFactor_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("factor");
    QTest::newRow("175 % twice") << 1.75 << 2;
    QTest::newRow("200 % twice") << 2.0 << 2;
    QTest::newRow("150 % three times") << 1.5 << 3;
    QTest::newRow("250 % twice") << 2.5 << 2;
}

void PointGeometryTest::enlargedGeometryIsEveryLengthTimesTheFactor() {
    QFETCH(double, ratio);
    QFETCH(int, factor);
    const PointGeometry drawn(ratio);
    const PointGeometry enlarged = drawn.enlarged(factor);
    const auto times = [factor](Pixels pixels) {
        return Pixels{pixels.left * factor, pixels.top * factor, pixels.width * factor,
                      pixels.height * factor};
    };
    QCOMPARE(enlarged.pictureSide(), drawn.pictureSide() * factor);
    for (const int cell : {0, 13, 40, 89}) {
        QVERIFY(enlarged.cell(cell) == times(drawn.cell(cell)));
        for (int side = 0; side < 4; ++side)
            QVERIFY(enlarged.frame(cell).at(side) == times(drawn.frame(cell).at(side)));
        QCOMPARE(enlarged.cellAt(enlarged.cell(cell).left, enlarged.cell(cell).top), cell);
    }
}

QTEST_GUILESS_MAIN(PointGeometryTest)
#include "tst_pointgeometry.moc"
