#include "Board.h"
#include "MoveNotation.h"
#include "MoveRules.h"

#include <QTest>
#include <cctype>
#include <cstring>

using namespace xiangqi;

namespace {

// A position drawn row by row from black's home edge (row 0) to red's (row 9). Red pieces are
// upper case, black lower case: K king, A advisor, E elephant, H horse, R chariot, C cannon,
// S soldier; '.' is an empty point. Whitespace is ignored.
Board boardFrom(const QByteArray& picture) {
    static constexpr const char* kLetters = "KAEHRCS";
    Board board;
    int index = 0;
    for (const char ch : picture) {
        if (ch == ' ' || ch == '\n')
            continue;
        if (index >= cell::kCount)
            qFatal("board picture has more than 90 points");
        const char* kind =
            ch == '.' ? nullptr
                      : std::strchr(kLetters, std::toupper(static_cast<unsigned char>(ch)));
        if (ch != '.' && (kind == nullptr || *kind == '\0'))
            qFatal("unknown piece letter '%c'", ch);
        if (kind != nullptr) {
            const int side =
                std::isupper(static_cast<unsigned char>(ch)) ? piece::kRedSide : piece::kBlackSide;
            board.set(cell::rowOf(index), cell::colOf(index),
                      static_cast<std::uint8_t>(side * 10 + (kind - kLetters)));
        }
        ++index;
    }
    if (index != cell::kCount)
        qFatal("board picture has %d points instead of 90", index);
    return board;
}

const QByteArray kStart = R"(
    rheakaehr
    .........
    .c.....c.
    s.s.s.s.s
    .........
    .........
    S.S.S.S.S
    .C.....C.
    .........
    RHEAKAEHR
)";

const QByteArray kPalaces = R"(
    ...a.....
    .........
    ...a.k...
    .........
    .........
    .........
    .........
    ...K.A...
    .........
    ...A.....
)";

const QByteArray kElephants = R"(
    ..e......
    ...S.....
    .........
    ......e..
    ..e......
    ......E..
    .E.......
    ....s....
    .......s.
    ......E..
)";

const QByteArray kHorses = R"(
    h.......h
    ........S
    .........
    ....s....
    ....HS...
    .........
    ...s..Sh.
    .......s.
    .........
    Hs......H
)";

const QByteArray kChariots = R"(
    ........r
    .........
    .........
    .........
    .R..s..s.
    .........
    .........
    .S......S
    .........
    .........
)";

const QByteArray kCannons = R"(
    .........
    .........
    .......c.
    .........
    Cs.s.s.s.
    .........
    .........
    S........
    .........
    s......H.
)";

const QByteArray kSoldiers = R"(
    ........S
    .........
    .........
    ..s......
    ....S.s..
    ....s.S..
    ..S......
    .........
    .........
    s........
)";

void addMove(const char* name, const QByteArray& board, int fromRow, int fromCol, int toRow,
             int toCol, bool allowed, int screens = 0) {
    QTest::newRow(name) << board << fromRow << fromCol << toRow << toCol << allowed << screens;
}

} // namespace

class MoveRulesTest : public QObject {
    Q_OBJECT

private:
    static void moveColumns() {
        QTest::addColumn<QByteArray>("board");
        QTest::addColumn<int>("fromRow");
        QTest::addColumn<int>("fromCol");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toCol");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<int>("screens");
    }

    // Moves the piece standing on the from-point of the row's board.
    static void verifyMove() {
        QFETCH(QByteArray, board);
        QFETCH(int, fromRow);
        QFETCH(int, fromCol);
        QFETCH(int, toRow);
        QFETCH(int, toCol);
        QFETCH(bool, allowed);
        QFETCH(int, screens);
        const Board position = boardFrom(board);
        const std::uint8_t mover = position(fromRow, fromCol);
        QVERIFY(piece::isPiece(mover));
        std::uint8_t screenCount = 0;
        QCOMPARE(MoveAllowed(position, mover, fromRow, fromCol, toRow, toCol, screenCount),
                 allowed);
        QCOMPARE(int(screenCount), screens);
    }

private slots:
    void initialPositionHasAllPiecesOnTheirPointsAndAnEmptyMargin() {
        const int kExpected[cell::kRows][cell::kCols] = {
            {64, 63, 62, 61, 60, 61, 62, 63, 64},
            {},
            {0, 65, 0, 0, 0, 0, 0, 65, 0},
            {66, 0, 66, 0, 66, 0, 66, 0, 66},
            {},
            {},
            {56, 0, 56, 0, 56, 0, 56, 0, 56},
            {0, 55, 0, 0, 0, 0, 0, 55, 0},
            {},
            {54, 53, 52, 51, 50, 51, 52, 53, 54},
        };
        Board board;
        board.set(4, 4, piece::kRedChariot); // a leftover from an earlier game
        board.setInitialPosition();
        for (int row = Board::kFirstRow; row <= Board::kLastRow; ++row) {
            for (int col = Board::kFirstCol; col <= Board::kLastCol; ++col) {
                const bool onBoard = row >= 0 && row < cell::kRows && col >= 0 && col < cell::kCols;
                QCOMPARE(int(board(row, col)), onBoard ? kExpected[row][col] : 0);
            }
        }
        for (int index = 0; index < cell::kCount; ++index)
            QCOMPARE(board.at(index), board(index / 9, index % 9));
    }

    void marginStaysEmptyWhenEveryPointIsOccupied() {
        Board board;
        for (int index = 0; index < cell::kCount; ++index)
            board.set(cell::rowOf(index), cell::colOf(index), piece::kBlackSoldier);
        for (int i = -1; i <= 10; ++i) {
            QCOMPARE(int(board(i, Board::kFirstCol)), 0);
            QCOMPARE(int(board(i, Board::kLastCol)), 0);
        }
        for (int col = -1; col <= 9; ++col) {
            QCOMPARE(int(board(Board::kFirstRow, col)), 0);
            QCOMPARE(int(board(Board::kLastRow, col)), 0);
        }
    }

    void kingAndAdvisorStayInsideTheirPalace_data() {
        moveColumns();
        addMove("red king steps sideways", kPalaces, 7, 3, 7, 4, true);
        addMove("red king steps back", kPalaces, 7, 3, 8, 3, true);
        addMove("red king cannot leave over the palace top", kPalaces, 7, 3, 6, 3, false);
        addMove("red king cannot leave over the palace side", kPalaces, 7, 3, 7, 2, false);
        addMove("red king cannot step diagonally", kPalaces, 7, 3, 8, 4, false);
        addMove("red king cannot step twice", kPalaces, 7, 3, 9, 3, false);
        addMove("black king steps back", kPalaces, 2, 5, 1, 5, true);
        addMove("black king steps sideways", kPalaces, 2, 5, 2, 4, true);
        addMove("black king cannot leave over the palace bottom", kPalaces, 2, 5, 3, 5, false);
        addMove("black king cannot leave over the palace side", kPalaces, 2, 5, 2, 6, false);
        addMove("black king cannot step diagonally", kPalaces, 2, 5, 1, 4, false);
        addMove("red advisor steps to the palace centre", kPalaces, 9, 3, 8, 4, true);
        addMove("red advisor steps back to a corner", kPalaces, 7, 5, 8, 4, true);
        addMove("red advisor cannot leave over the palace side", kPalaces, 9, 3, 8, 2, false);
        addMove("red advisor cannot leave over the palace top", kPalaces, 7, 5, 6, 4, false);
        addMove("red advisor cannot step straight", kPalaces, 9, 3, 9, 4, false);
        addMove("black advisor steps to the palace centre", kPalaces, 0, 3, 1, 4, true);
        addMove("black advisor cannot step straight", kPalaces, 0, 3, 0, 4, false);
        addMove("black advisor cannot leave over the palace side", kPalaces, 0, 3, 1, 2, false);
        addMove("black advisor cannot leave over the palace bottom", kPalaces, 2, 3, 3, 4, false);
        addMove("black advisor cannot step two diagonally", kPalaces, 2, 3, 0, 5, false);
    }
    void kingAndAdvisorStayInsideTheirPalace() { verifyMove(); }

    void elephantNeedsAFreeEyeAndStaysOnItsHalf_data() {
        moveColumns();
        addMove("black elephant steps two diagonally", kElephants, 0, 2, 2, 0, true);
        addMove("black elephant is stopped by a piece on its eye", kElephants, 0, 2, 2, 4, false);
        addMove("black elephant moves along its river bank", kElephants, 4, 2, 2, 4, true);
        addMove("black elephant cannot cross the river", kElephants, 4, 2, 6, 4, false);
        addMove("black elephant cannot reach the far bank", kElephants, 3, 6, 5, 8, false);
        addMove("black elephant steps back from near the river", kElephants, 3, 6, 1, 4, true);
        addMove("red elephant cannot reach the far bank", kElephants, 6, 1, 4, 3, false);
        addMove("red elephant steps back from near the river", kElephants, 6, 1, 8, 3, true);
        addMove("red elephant cannot cross the river", kElephants, 5, 6, 3, 4, false);
        addMove("red elephant goes back from the river bank", kElephants, 5, 6, 7, 8, true);
        addMove("red elephant captures at the end of a free diagonal", kElephants, 9, 6, 7, 4,
                true);
        addMove("red elephant is stopped by an enemy on its eye", kElephants, 9, 6, 7, 8, false);
        addMove("red elephant cannot step one diagonally", kElephants, 9, 6, 8, 5, false);
        addMove("red elephant cannot go straight", kElephants, 9, 6, 7, 6, false);
        addMove("red elephant cannot step three diagonally", kElephants, 9, 6, 6, 3, false);
    }
    void elephantNeedsAFreeEyeAndStaysOnItsHalf() { verifyMove(); }

    void horseIsBlockedOnlyByItsLeg_data() {
        moveColumns();
        addMove("horse leaps down past a free leg", kHorses, 4, 4, 6, 5, true);
        addMove("horse captures down past a free leg", kHorses, 4, 4, 6, 3, true);
        addMove("horse cannot leap up over a blocked leg", kHorses, 4, 4, 2, 3, false);
        addMove("horse cannot leap up right over a blocked leg", kHorses, 4, 4, 2, 5, false);
        addMove("horse cannot leap right over an own blocked leg", kHorses, 4, 4, 3, 6, false);
        addMove("horse cannot leap right down over a blocked leg", kHorses, 4, 4, 5, 6, false);
        addMove("horse leaps left up past a free leg", kHorses, 4, 4, 3, 2, true);
        addMove("horse leaps left down past a free leg", kHorses, 4, 4, 5, 2, true);
        addMove("horse cannot move two diagonally", kHorses, 4, 4, 6, 6, false);
        addMove("horse cannot move two straight", kHorses, 4, 4, 4, 6, false);
        addMove("horse cannot move one diagonally", kHorses, 4, 4, 5, 5, false);
        addMove("black horse leaps up past a free leg", kHorses, 6, 7, 4, 6, true);
        addMove("black horse cannot leap down over a blocked leg", kHorses, 6, 7, 8, 8, false);
        addMove("black horse cannot leap left over a blocked leg", kHorses, 6, 7, 5, 5, false);
        addMove("black horse cannot leap left down over a blocked leg", kHorses, 6, 7, 7, 5, false);
        addMove("corner horse leaps down", kHorses, 0, 0, 2, 1, true);
        addMove("corner horse leaps sideways", kHorses, 0, 0, 1, 2, true);
        addMove("corner horse cannot go two diagonally", kHorses, 0, 0, 2, 2, false);
        addMove("edge horse is stopped by a leg below it", kHorses, 0, 8, 2, 7, false);
        addMove("edge horse leaps sideways along the edge", kHorses, 0, 8, 1, 6, true);
        addMove("red corner horse captures upward", kHorses, 9, 8, 7, 7, true);
        addMove("red corner horse leaps sideways", kHorses, 9, 8, 8, 6, true);
        addMove("red corner horse is stopped by a leg beside it", kHorses, 9, 0, 8, 2, false);
        addMove("red corner horse leaps up past a free leg", kHorses, 9, 0, 7, 1, true);
    }
    void horseIsBlockedOnlyByItsLeg() { verifyMove(); }

    void chariotNeedsAClearLine_data() {
        moveColumns();
        addMove("chariot captures the first piece on its row", kChariots, 4, 1, 4, 4, true);
        addMove("chariot cannot capture the second piece", kChariots, 4, 1, 4, 7, false);
        addMove("chariot cannot pass a piece to an empty point", kChariots, 4, 1, 4, 5, false);
        addMove("chariot moves to an empty point before a piece", kChariots, 4, 1, 4, 3, true);
        addMove("chariot steps one point", kChariots, 4, 1, 4, 0, true);
        addMove("chariot runs a long empty column", kChariots, 4, 1, 0, 1, true);
        addMove("chariot cannot pass an own piece", kChariots, 4, 1, 9, 1, false);
        addMove("chariot stops before an own piece", kChariots, 4, 1, 6, 1, true);
        addMove("chariot cannot leave its lines", kChariots, 4, 1, 5, 2, false);
        addMove("chariot cannot move diagonally far", kChariots, 4, 1, 2, 3, false);
        addMove("black chariot captures down a long column", kChariots, 0, 8, 7, 8, true);
        addMove("black chariot cannot pass the piece it meets", kChariots, 0, 8, 8, 8, false);
        addMove("black chariot runs the whole empty row", kChariots, 0, 8, 0, 0, true);
    }
    void chariotNeedsAClearLine() { verifyMove(); }

    void cannonCapturesOverExactlyOneScreen_data() {
        moveColumns();
        addMove("cannon moves on an empty line", kCannons, 4, 0, 0, 0, true, 0);
        addMove("cannon steps to an empty point", kCannons, 4, 0, 6, 0, true, 0);
        addMove("cannon cannot capture next to it", kCannons, 4, 0, 4, 1, false, 0);
        addMove("cannon cannot jump a screen to an empty point", kCannons, 4, 0, 4, 2, false, 1);
        addMove("cannon captures over one screen", kCannons, 4, 0, 4, 3, true, 1);
        addMove("cannon cannot jump two screens to an empty point", kCannons, 4, 0, 4, 4, false, 2);
        addMove("cannon cannot capture over two screens", kCannons, 4, 0, 4, 5, false, 2);
        addMove("cannon cannot capture over three screens", kCannons, 4, 0, 4, 7, false, 3);
        addMove("cannon captures over an own screen down a column", kCannons, 4, 0, 9, 0, true, 1);
        addMove("cannon cannot jump an own screen to an empty point", kCannons, 4, 0, 8, 0, false,
                1);
        addMove("cannon cannot leave its lines", kCannons, 4, 0, 5, 1, false, 0);
        addMove("black cannon captures over a far screen", kCannons, 2, 7, 9, 7, true, 1);
        addMove("black cannon cannot jump to an empty point", kCannons, 2, 7, 8, 7, false, 1);
        addMove("black cannon runs an empty row", kCannons, 2, 7, 2, 0, true, 0);
    }
    void cannonCapturesOverExactlyOneScreen() { verifyMove(); }

    void soldierGoesSidewaysOnlyAcrossTheRiver_data() {
        moveColumns();
        addMove("red soldier steps forward at home", kSoldiers, 6, 2, 5, 2, true);
        addMove("red soldier cannot step sideways at home", kSoldiers, 6, 2, 6, 1, false);
        addMove("red soldier cannot step sideways on its bank", kSoldiers, 5, 6, 5, 5, false);
        addMove("red soldier captures forward onto the far bank", kSoldiers, 5, 6, 4, 6, true);
        addMove("red soldier cannot step back", kSoldiers, 6, 2, 7, 2, false);
        addMove("red soldier steps left across the river", kSoldiers, 4, 4, 4, 3, true);
        addMove("red soldier steps right across the river", kSoldiers, 4, 4, 4, 5, true);
        addMove("red soldier steps forward across the river", kSoldiers, 4, 4, 3, 4, true);
        addMove("red soldier never captures backwards", kSoldiers, 4, 4, 5, 4, false);
        addMove("red soldier cannot step diagonally", kSoldiers, 4, 4, 3, 3, false);
        addMove("red soldier cannot step twice", kSoldiers, 4, 4, 2, 4, false);
        addMove("red soldier walks along the far edge", kSoldiers, 0, 8, 0, 7, true);
        addMove("black soldier steps forward at home", kSoldiers, 3, 2, 4, 2, true);
        addMove("black soldier cannot step sideways at home", kSoldiers, 3, 2, 3, 1, false);
        addMove("black soldier cannot step back", kSoldiers, 3, 2, 2, 2, false);
        addMove("black soldier cannot step sideways on its bank", kSoldiers, 4, 6, 4, 5, false);
        addMove("black soldier captures forward onto the far bank", kSoldiers, 4, 6, 5, 6, true);
        addMove("black soldier steps sideways across the river", kSoldiers, 5, 4, 5, 3, true);
        addMove("black soldier steps forward across the river", kSoldiers, 5, 4, 6, 4, true);
        addMove("black soldier never captures backwards", kSoldiers, 5, 4, 4, 4, false);
        addMove("black soldier walks along the far edge", kSoldiers, 9, 0, 9, 1, true);
    }
    void soldierGoesSidewaysOnlyAcrossTheRiver() { verifyMove(); }

    void kingsMayFaceEachOtherOnAnOpenFile() {
        const Board board = boardFrom(R"(
            ....k....
            .........
            .........
            .........
            .........
            .........
            .........
            .........
            .........
            ...K.....
        )");
        std::uint8_t screens = 0;
        QVERIFY(MoveAllowed(board, piece::kRedKing, 9, 3, 9, 4, screens));
        QVERIFY(MoveAllowed(board, piece::kBlackKing, 0, 4, 0, 3, screens));
    }

    // Red counts its files from its right with Chinese numerals, black from its own right with
    // digits; forward is towards the other side.
    void notationNamesMovesAsPlayersWriteThem_data() {
        QTest::addColumn<QByteArray>("board");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("notation");
        const QByteArray start = kStart;
        QTest::newRow("red cannon along the rank") << start << 64 << 67 << "炮八平五";
        QTest::newRow("black horse forward") << start << 1 << 20 << "马2进3";
        QTest::newRow("red chariot forward") << start << 81 << 72 << "车九进一";
        QTest::newRow("red advisor") << start << 84 << 76 << "士六进五";
        QTest::newRow("black elephant") << start << 2 << 22 << "象3进5";
        QTest::newRow("black cannon far forward") << start << 19 << 73 << "炮2进6";

        const QByteArray doubled = R"(
            ....k....
            .........
            R.......c
            ..h...S..
            .S....S..
            R.h.....c
            ..H......
            ...A...H.
            .......H.
            ...AK....
        )";
        QTest::newRow("front red chariot forward") << doubled << 18 << 0 << "前车进二";
        QTest::newRow("front red chariot across") << doubled << 18 << 21 << "前车平六";
        QTest::newRow("rear red chariot back") << doubled << 45 << 63 << "后车退二";
        QTest::newRow("front black cannon forward") << doubled << 53 << 62 << "前炮进1";
        QTest::newRow("rear black cannon back") << doubled << 26 << 8 << "后炮退2";
        QTest::newRow("front black horse") << doubled << 47 << 66 << "前马进4";
        QTest::newRow("front red horse") << doubled << 70 << 51 << "前马进三";
        QTest::newRow("lone red horse back") << doubled << 56 << 73 << "马七退八";
        QTest::newRow("front advisor of a file") << doubled << 66 << 76 << "士六退五";
        QTest::newRow("front soldier of two") << doubled << 33 << 34 << "前兵平二";
        QTest::newRow("rear soldier of two") << doubled << 42 << 43 << "后兵平二";
        QTest::newRow("soldier alone on its file") << doubled << 37 << 28 << "兵八进一";

        // With soldiers doubled on two files, the file takes the place of the soldier.
        const QByteArray twoFiles = R"(
            ....k....
            ......S..
            ......S..
            ..S...S..
            ..S......
            s.S......
            s.S......
            s........
            s........
            ....K....
        )";
        QTest::newRow("front of three, beside a doubled file")
            << twoFiles << 15 << 16 << "前三平二";
        QTest::newRow("middle of three") << twoFiles << 24 << 23 << "中三平四";
        QTest::newRow("second of four") << twoFiles << 38 << 37 << "二七平八";

        // Black writes the place among four or five in Chinese numerals too; only files in digits.
        QTest::newRow("front of four black soldiers") << twoFiles << 72 << 73 << "一卒平2";
        const QByteArray fiveBlack = R"(
            ....k....
            .........
            .........
            .........
            ....s....
            ....s....
            ....s....
            ....s....
            ....s....
            ...K.....
        )";
        QTest::newRow("front of five black soldiers") << fiveBlack << 76 << 85 << "一卒进1";
        QTest::newRow("third of five black soldiers") << fiveBlack << 58 << 59 << "三卒平6";
    }
    void notationNamesMovesAsPlayersWriteThem() {
        QFETCH(QByteArray, board);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, notation);
        QCOMPARE(QString::fromStdString(MoveNotation(boardFrom(board), from, to)), notation);
    }

    void unknownCodesNeverMove_data() {
        QTest::addColumn<int>("code");
        for (const int code : {0, 1, 5, 6, 40, 46, 49, 57, 59, 67, 70, 76, 255})
            QTest::addRow("code %d", code) << code;
    }
    void unknownCodesNeverMove() {
        QFETCH(int, code);
        const Board empty;
        const int targets[][2] = {{4, 5}, {5, 4}, {5, 5}, {6, 6}, {6, 5}, {5, 6}, {4, 8}, {0, 4}};
        for (const auto& [row, col] : targets) {
            std::uint8_t screens = 0;
            QVERIFY2(!MoveAllowed(empty, static_cast<std::uint8_t>(code), 4, 4, row, col, screens),
                     qPrintable(QString("to %1,%2").arg(row).arg(col)));
        }
    }
};

QTEST_GUILESS_MAIN(MoveRulesTest)
#include "tst_moverules.moc"
