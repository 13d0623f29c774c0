#include "FakeToolkit.h"
#include "Game.h"

#include <QTest>
#include <random>
#include <vector>

using namespace xiangqi;

namespace {

// How many pieces of each kind (king .. soldier) a side starts with.
constexpr int kStartCount[7] = {1, 2, 2, 2, 2, 2, 5};

// Points a piece of this kind could plausibly reach from (row, col) if nothing were in the way,
// so the clicks hit real moves often while still trying plenty of refused ones.
std::vector<int> plausibleTargets(std::uint8_t code, int row, int col) {
    static constexpr int kStraight[][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    static constexpr int kDiagonal[][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    static constexpr int kLeap[][2] = {{2, 1}, {2, -1}, {-2, 1}, {-2, -1},
                                       {1, 2}, {-1, 2}, {1, -2}, {-1, -2}};
    std::vector<int> targets;
    auto add = [&](int r, int c) {
        if (r >= 0 && r < cell::kRows && c >= 0 && c < cell::kCols)
            targets.push_back(cell::indexOf(r, c));
    };
    switch (code % 10) {
    case 0:
    case 6:
        for (const auto& d : kStraight)
            add(row + d[0], col + d[1]);
        break;
    case 1:
        for (const auto& d : kDiagonal)
            add(row + d[0], col + d[1]);
        break;
    case 2:
        for (const auto& d : kDiagonal)
            add(row + 2 * d[0], col + 2 * d[1]);
        break;
    case 3:
        for (const auto& d : kLeap)
            add(row + d[0], col + d[1]);
        break;
    default:
        for (int k = 0; k < cell::kRows; ++k)
            add(k, col);
        for (int k = 0; k < cell::kCols; ++k)
            add(row, k);
        break;
    }
    return targets;
}

// Everything that must hold between any two user actions. Returns what is wrong, or nothing.
QString inconsistency(const GameState& st, const FakeToolkit& tk) {
    Board start;
    start.setInitialPosition();

    int count[2][7] = {};
    for (int row = Board::kFirstRow; row <= Board::kLastRow; ++row) {
        for (int col = Board::kFirstCol; col <= Board::kLastCol; ++col) {
            const std::uint8_t code = st.Board(row, col);
            const bool onBoard = row >= 0 && row < cell::kRows && col >= 0 && col < cell::kCols;
            if (code != 0 && (!onBoard || !piece::isPiece(code)))
                return QString("code %1 at %2,%3").arg(code).arg(row).arg(col);
            if (code != 0 && ++count[code / 10 - 5][code % 10] > kStartCount[code % 10])
                return QString("too many pieces of code %1").arg(code);
        }
    }

    Board replay = start;
    for (int k = 1; k <= st.MoveCount; ++k) {
        const int from = st.HistFrom[k], to = st.HistTo[k];
        const std::uint8_t mover = replay.at(from);
        if (piece::sideOf(mover) != (k % 2 == 1 ? piece::kRedSide : piece::kBlackSide))
            return QString("move %1 starts from %2 holding %3").arg(k).arg(from).arg(mover);
        if (replay.at(to) != st.HistCaptured[k])
            return QString("move %1 captured %2, history says %3")
                .arg(k)
                .arg(replay.at(to))
                .arg(st.HistCaptured[k]);
        const bool kingTaken = st.HistCaptured[k] % 10 == 0 && st.HistCaptured[k] != 0;
        if (kingTaken && (k != st.MoveCount || !st.GameOver))
            return QString("play went on after the king was taken in move %1").arg(k);
        replay.set(cell::rowOf(to), cell::colOf(to), mover);
        replay.set(cell::rowOf(from), cell::colOf(from), 0);
    }
    if (!(replay == st.Board))
        return "replaying the history does not give the board";
    if (st.SideToMove != (st.MoveCount % 2 == 0 ? piece::kRedSide : piece::kBlackSide))
        return "side to move does not follow the move count";

    for (int i = 0; i < cell::kCount; ++i) {
        const int code = st.Board.at(i);
        if (tk.pictures[i] != (code != 0 ? code : FakeToolkit::kTags[i]))
            return QString("point %1 shows %2 for code %3").arg(i).arg(tk.pictures[i]).arg(code);
    }

    if (st.PieceSelected) {
        if (tk.framedCount() != 1 || !tk.framed[st.SelCell])
            return QString("selection at %1 is not the only frame").arg(st.SelCell);
        if (st.GameOver || st.Board.at(st.SelCell) != st.SelPiece ||
            piece::sideOf(st.SelPiece) != st.SideToMove)
            return QString("selection at %1 does not hold a piece to move").arg(st.SelCell);
    } else if (tk.framedCount() != 0) {
        return "a point is framed without a selection";
    }

    const bool undo = !st.GameOver && st.MoveCount >= 1;
    const auto pairIs = [&](Command a, Command b, bool on) {
        return tk.isEnabled(a) == on && tk.isEnabled(b) == on;
    };
    if (!pairIs(Command::cmdUndo, Command::mnUndo, undo) ||
        !pairIs(Command::cmdSave, Command::mnSave, st.GameOver) ||
        !pairIs(Command::cmdAbort, Command::mnAbort, !st.GameOver))
        return "command states do not match the game phase";

    const QString side = st.SideToMove == piece::kRedSide ? "红" : "黑";
    const QString status = QString::fromStdString(tk.status);
    const bool fresh = st.MoveCount == 0 && status == "红行";
    if (status != side + (st.GameOver ? " 死" : " 行") && !(fresh && !st.GameOver))
        return "status text " + status;
    return {};
}

struct Tally {
    int moves = 0, captures = 0, kingsTaken = 0, takeBacks = 0, resignations = 0, newGames = 0;
};

} // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT

private slots:
    void randomPlayKeepsTheGameConsistent_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("steps");
        for (const unsigned seed : {1u, 7u, 2024u, 31337u, 900001u})
            QTest::addRow("seed %u", seed) << seed << 12000;
    }

    void randomPlayKeepsTheGameConsistent() {
        QFETCH(unsigned, seed);
        QFETCH(int, steps);
        std::mt19937 rng(seed);
        const auto chance = [&](int percent) {
            return std::uniform_int_distribution<int>(0, 99)(rng) < percent;
        };
        const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };

        FakeToolkit tk;
        Game game(tk);
        game.Form_Load();
        const GameState& st = game.state();
        Tally tally;

        for (int step = 0; step < steps; ++step) {
            tk.calls.clear();
            tk.messages.clear();
            const int movesBefore = st.MoveCount;
            const int roll = pick(1000);
            const MessageAnswer answer = chance(70) ? MessageAnswer::Yes : MessageAnswer::No;
            QString action;
            if (roll < 2 || (st.GameOver && roll < 300)) {
                action = "new game";
                tk.answers.push_back(answer);
                game.mnStart_Click();
                tally.newGames += answer == MessageAnswer::Yes;
            } else if (roll < 5 && tk.isEnabled(Command::mnAbort)) {
                action = "resign";
                tk.answers.push_back(answer);
                game.mnAbort_Click();
                tally.resignations += answer == MessageAnswer::Yes;
            } else if (roll < 35 && (tk.isEnabled(Command::mnUndo) || st.MoveCount == 0)) {
                action = "take back";
                game.mnUndo_Click();
                tally.takeBacks += st.MoveCount < movesBefore;
            } else if (roll < 45 && tk.isEnabled(Command::mnSave)) {
                action = "save";
                if (chance(50))
                    tk.savePaths.push_back("random.tvq");
                tk.failWrites = chance(30);
                game.mnSave_Click();
            } else {
                int index = pick(92) - 1; // now and then just off the board
                if (!st.PieceSelected && chance(85)) {
                    std::vector<int> own;
                    for (int i = 0; i < cell::kCount; ++i)
                        if (piece::sideOf(st.Board.at(i)) == st.SideToMove)
                            own.push_back(i);
                    if (!own.empty())
                        index = own[pick(int(own.size()))];
                } else if (st.PieceSelected && chance(85)) {
                    // Favour captures, or the game would rarely reach a taken king.
                    std::vector<int> targets = plausibleTargets(st.SelPiece, st.SelRow, st.SelCol);
                    std::vector<int> enemies;
                    for (const int target : targets)
                        if (piece::sideOf(st.Board.at(target)) == piece::otherSide(st.SideToMove))
                            enemies.push_back(target);
                    if (!enemies.empty() && chance(50))
                        targets = enemies;
                    index = targets[pick(int(targets.size()))];
                }
                action = QString("click %1").arg(index);
                game.Image1_Click(index);
                if (!tk.messages.empty() && movesBefore != GameState::kMaxMoves)
                    QFAIL(qPrintable("a click showed a message at step " + QString::number(step)));
            }
            if (st.MoveCount > movesBefore && action.startsWith("click")) {
                ++tally.moves;
                tally.captures += st.HistCaptured[st.MoveCount] != 0;
                tally.kingsTaken +=
                    st.HistCaptured[st.MoveCount] % 10 == 0 && st.HistCaptured[st.MoveCount] != 0;
            }
            const QString wrong = inconsistency(st, tk);
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QString("step %1 (%2): %3").arg(step).arg(action).arg(wrong)));
        }

        if (!st.GameOver) {
            while (st.MoveCount > 0)
                game.mnUndo_Click();
            Board start;
            start.setInitialPosition();
            QVERIFY(st.Board == start);
            QVERIFY(inconsistency(st, tk).isEmpty());
        }

        // The run has to have played real games for the checks above to mean anything.
        QVERIFY2(tally.moves > steps / 10 && tally.captures > steps / 100 &&
                     tally.kingsTaken >= 2 && tally.takeBacks > steps / 100 &&
                     tally.resignations >= 5 && tally.newGames >= 10,
                 qPrintable(QString("moves %1, captures %2, kings %3, take-backs %4, "
                                    "resignations %5, new games %6")
                                .arg(tally.moves)
                                .arg(tally.captures)
                                .arg(tally.kingsTaken)
                                .arg(tally.takeBacks)
                                .arg(tally.resignations)
                                .arg(tally.newGames)));
    }
};

QTEST_GUILESS_MAIN(RandomPlayTest)
#include "tst_randomplay.moc"
