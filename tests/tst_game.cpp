#include "FakeToolkit.h"
#include "Game.h"

#include <QStringList>
#include <QTest>

using namespace xiangqi;

namespace {

// The starting position by cell index, row 0 (black's home) first.
// clang-format off
constexpr int kInitial[cell::kCount] = {
    64, 63, 62, 61, 60, 61, 62, 63, 64,
     0,  0,  0,  0,  0,  0,  0,  0,  0,
     0, 65,  0,  0,  0,  0,  0, 65,  0,
    66,  0, 66,  0, 66,  0, 66,  0, 66,
     0,  0,  0,  0,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,  0,
    56,  0, 56,  0, 56,  0, 56,  0, 56,
     0, 55,  0,  0,  0,  0,  0, 55,  0,
     0,  0,  0,  0,  0,  0,  0,  0,  0,
    54, 53, 52, 51, 50, 51, 52, 53, 54,
};
// clang-format on

const QString kTooManyMoves = "你在下什么??竟会走一千步!!重新开局!!!!";
const QString kRecordFilter = "Tovan 中国象棋存盘文件(*.tvq)|*.tvq";

int pictureFor(int index, int code) {
    return code != 0 ? code : FakeToolkit::kTags[index];
}

// What a new game sends to the screen, with the frame of `selCell` taken away.
QStringList newGameCalls(int selCell) {
    QStringList calls;
    for (int i = 0; i < cell::kCount; ++i)
        calls << QString("picture %1 %2").arg(i).arg(pictureFor(i, kInitial[i]));
    calls << QString("border %1 0").arg(selCell) << "enable cmdAbort 1"
          << "enable mnAbort 1"
          << "enable cmdUndo 0"
          << "enable mnUndo 0"
          << "enable cmdSave 0"
          << "enable mnSave 0"
          << "status 红行";
    return calls;
}

QStringList toList(const std::vector<std::string>& calls) {
    QStringList list;
    for (const std::string& call : calls)
        list << QString::fromStdString(call);
    return list;
}

// A started game; the start-up calls are already forgotten.
struct Session {
    FakeToolkit tk;
    Game game{tk};

    Session() {
        game.Form_Load();
        forget();
    }
    const GameState& state() const { return game.state(); }
    void forget() {
        tk.calls.clear();
        tk.messages.clear();
    }
    QStringList calls() const { return toList(tk.calls); }

    // Runs space-separated steps: "64>67" clicks two points, "64" one point; "undo", "resign",
    // "new" and "save" use the commands (questions answered Yes, Save-As gives a path);
    // "shuffleN" plays N horse moves out and back from the starting position.
    void run(const QString& script) {
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            if (step == "undo") {
                game.mnUndo_Click();
            } else if (step == "resign") {
                game.mnAbort_Click();
            } else if (step == "new") {
                game.mnStart_Click();
            } else if (step == "save") {
                tk.savePaths.push_back("game.tvq");
                game.mnSave_Click();
            } else if (step.startsWith("shuffle")) {
                static constexpr int kCycle[4][2] = {{82, 65}, {1, 20}, {65, 82}, {20, 1}};
                const int count = step.mid(7).toInt();
                for (int i = 0; i < count; ++i) {
                    game.Image1_Click(kCycle[i % 4][0]);
                    game.Image1_Click(kCycle[i % 4][1]);
                }
                QCOMPARE(int(state().MoveCount), count);
            } else {
                for (const QString& point : step.split('>'))
                    game.Image1_Click(point.toInt());
            }
        }
    }

    bool boardIsInitial() const {
        for (int i = 0; i < cell::kCount; ++i)
            if (state().Board.at(i) != kInitial[i])
                return false;
        return true;
    }
    bool picturesMatchBoard() const {
        for (int i = 0; i < cell::kCount; ++i)
            if (tk.pictures[i] != pictureFor(i, state().Board.at(i)))
                return false;
        return true;
    }
    // Button and menu item agree, and equal `on`.
    bool pairIs(Command button, Command menuItem, bool on) const {
        return tk.isEnabled(button) == on && tk.isEnabled(menuItem) == on;
    }
};

} // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    void formLoadSetsUpANewGameUnderTheBusyPointer() {
        FakeToolkit tk;
        Game game(tk);
        game.Form_Load();
        QStringList expected = QStringList{"busy 1"} + newGameCalls(0);
        expected << "cancelerror 1"
                 << "busy 0";
        QCOMPARE(toList(tk.calls), expected);
        QVERIFY(tk.messages.empty());
        QVERIFY(tk.cancelError);
        QVERIFY(!tk.busy);
        QCOMPARE(tk.framedCount(), 0);
        for (int i = 0; i < cell::kCount; ++i)
            QCOMPARE(tk.pictures[i], pictureFor(i, kInitial[i]));
        QCOMPARE(int(game.state().SideToMove), 5);
        QCOMPARE(int(game.state().MoveCount), 0);
        QVERIFY(!game.state().GameOver && !game.state().PieceSelected);
    }

    void clicksSelectDeselectOrMove_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("selected"); // -1: nothing selected
        QTest::addColumn<int>("moves");
        QTest::addColumn<int>("sideToMove");
        QTest::newRow("own piece is selected") << "64" << 64 << 0 << 5;
        QTest::newRow("selected piece clicked again is dropped") << "64>64" << -1 << 0 << 5;
        QTest::newRow("another own piece only drops the selection") << "64>70" << -1 << 0 << 5;
        QTest::newRow("opposing piece cannot be selected") << "9" << -1 << 0 << 5;
        QTest::newRow("empty point cannot be selected") << "40" << -1 << 0 << 5;
        QTest::newRow("refused move only drops the selection") << "64>74" << -1 << 0 << 5;
        QTest::newRow("unreachable opposing piece is not taken") << "64>27" << -1 << 0 << 5;
        QTest::newRow("lawful move passes the turn") << "64>67" << -1 << 1 << 6;
        QTest::newRow("black then selects its own piece") << "64>67 1" << 1 << 1 << 6;
        QTest::newRow("red cannot select after moving") << "64>67 70" << -1 << 1 << 6;
        QTest::newRow("capture takes the point") << "64>67 1>20 67>31" << -1 << 3 << 6;
        QTest::newRow("selection after refused move starts afresh") << "64>74 70" << 70 << 0 << 5;
    }
    void clicksSelectDeselectOrMove() {
        QFETCH(QString, script);
        QFETCH(int, selected);
        QFETCH(int, moves);
        QFETCH(int, sideToMove);
        Session s;
        s.run(script);
        const GameState& st = s.state();
        QCOMPARE(st.PieceSelected, selected >= 0);
        QCOMPARE(s.tk.framedCount(), selected >= 0 ? 1 : 0);
        if (selected >= 0) {
            QCOMPARE(int(st.SelCell), selected);
            QVERIFY(s.tk.framed[selected]);
            QCOMPARE(int(st.SelPiece), kInitial[selected]);
        }
        QCOMPARE(int(st.MoveCount), moves);
        QCOMPARE(int(st.SideToMove), sideToMove);
        QVERIFY(s.tk.messages.empty());
        QVERIFY(s.picturesMatchBoard());
        if (moves == 0)
            QVERIFY(s.boardIsInitial());
    }

    void moveRecordsHistoryRedrawsBothPointsAndPassesTheTurn_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("captured");
        QTest::addColumn<QStringList>("calls");
        const QStringList undoOn{"enable cmdUndo 1", "enable mnUndo 1"};
        const QStringList ended{"enable cmdAbort 0", "enable mnAbort 0", "enable cmdUndo 0",
                                "enable mnUndo 0",   "enable cmdSave 1", "enable mnSave 1"};
        QTest::newRow("red cannon to the centre")
            << "" << 64 << 67 << 0
            << QStringList{"border 64 1", "border 64 0", "picture 67 55", "picture 64 11",
                           "status 黑 行"} +
                   undoOn;
        QTest::newRow("black horse comes out")
            << "64>67" << 1 << 20 << 0
            << QStringList{"border 1 1", "border 1 0", "picture 20 63", "picture 1 1",
                           "status 红 行"} +
                   undoOn;
        QTest::newRow("red cannon takes a soldier")
            << "64>67 1>20" << 67 << 31 << 66
            << QStringList{"border 67 1", "border 67 0", "picture 31 55", "picture 67 11",
                           "status 黑 行"} +
                   undoOn;
        QTest::newRow("red cannon takes the black king")
            << "64>1 2>22" << 1 << 4 << 60
            << QStringList{"border 1 1", "border 1 0", "picture 4 55", "picture 1 1",
                           "status 黑 死"} +
                   ended;
        QTest::newRow("black cannon takes the red king")
            << "83>67 19>82 54>45" << 82 << 85 << 50
            << QStringList{"border 82 1", "border 82 0", "picture 85 65", "picture 82 91",
                           "status 红 死"} +
                   ended;
    }
    void moveRecordsHistoryRedrawsBothPointsAndPassesTheTurn() {
        QFETCH(QString, before);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, captured);
        QFETCH(QStringList, calls);
        Session s;
        s.run(before);
        const int count = s.state().MoveCount;
        const std::uint8_t mover = s.state().Board.at(from);
        QCOMPARE(int(s.state().Board.at(to)), captured);
        s.forget();
        s.game.Image1_Click(from);
        s.game.Image1_Click(to);
        QCOMPARE(s.calls(), calls);
        const GameState& st = s.state();
        QCOMPARE(int(st.MoveCount), count + 1);
        QCOMPARE(int(st.HistFrom[count + 1]), from);
        QCOMPARE(int(st.HistTo[count + 1]), to);
        QCOMPARE(int(st.HistCaptured[count + 1]), captured);
        QCOMPARE(st.Board.at(to), mover);
        QCOMPARE(int(st.Board.at(from)), 0);
        QCOMPARE(st.GameOver, captured == 50 || captured == 60);
        QVERIFY(s.picturesMatchBoard());
    }

    // What a screen reader says of clicks: a capture told from the position before it, and who
    // lost once the game is over; the rest Orca is heard to say in the test of the real program
    // in an X server.
    void clicksAreAnnounced_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("announced"); // the last announcement
        QTest::newRow("the piece clicked again is put back") << "64>64"
                                                             << "放下红 炮";
        QTest::newRow("another own piece puts it back") << "64>70"
                                                        << "放下红 炮";
        QTest::newRow("the other side's piece") << "9"
                                                << "轮到红方";
        QTest::newRow("a capture") << "64>67 1>20 67>31"
                                   << "红 炮五进四，从第8行第5列到第4行第5列，吃黑 卒。轮到黑方";
        QTest::newRow("a click after black's king was taken") << "64>1 2>22 1>4 40"
                                                              << "对局已经结束。黑方输了";
        QTest::newRow("a click after red resigned") << "resign 40"
                                                    << "对局已经结束。红方输了";
    }
    void clicksAreAnnounced() {
        QFETCH(QString, script);
        QFETCH(QString, announced);
        Session s;
        s.run(script);
        QVERIFY(!s.tk.announcements.empty());
        QCOMPARE(QString::fromStdString(s.tk.announcements.back()), announced);
    }

    void commandsAndStatusFollowTheGamePhase_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("abort");
        QTest::addColumn<bool>("undo");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("status");
        QTest::newRow("start") << "" << true << false << false << "红行";
        QTest::newRow("move") << "64>67" << true << true << false << "黑 行";
        QTest::newRow("king-taking move") << "64>1 2>22 1>4" << false << false << true << "黑 死";
        QTest::newRow("resignation") << "resign" << false << false << true << "红 死";
        QTest::newRow("take-back above 0") << "64>67 1>20 undo" << true << true << false << "黑 行";
        QTest::newRow("take-back to 0") << "64>67 undo" << true << false << false << "红 行";
        QTest::newRow("save") << "64>67 resign save" << false << false << true << "黑 死";
        QTest::newRow("refused at 999") << "shuffle999 20>1" << true << true << false << "黑 行";
    }
    void commandsAndStatusFollowTheGamePhase() {
        QFETCH(QString, script);
        QFETCH(bool, abort);
        QFETCH(bool, undo);
        QFETCH(bool, save);
        QFETCH(QString, status);
        Session s;
        s.run(script);
        QVERIFY(s.pairIs(Command::cmdAbort, Command::mnAbort, abort));
        QVERIFY(s.pairIs(Command::cmdUndo, Command::mnUndo, undo));
        QVERIFY(s.pairIs(Command::cmdSave, Command::mnSave, save));
        QCOMPARE(QString::fromStdString(s.tk.status), status);
        QCOMPARE(s.state().GameOver, !abort);
    }

    void takingBackRestoresBothPointsAndTheTurn() {
        Session s;
        s.run("64>67 1>20 67>31");
        s.forget();
        s.game.mnUndo_Click();
        QCOMPARE(s.calls(), (QStringList{"border 67 0", "picture 67 55", "picture 31 66",
                                         "status 红 行", "enable cmdAbort 1", "enable mnAbort 1"}));
        QCOMPARE(int(s.state().Board.at(67)), 55);
        QCOMPARE(int(s.state().Board.at(31)), 66);
        QCOMPARE(int(s.state().MoveCount), 2);
        QCOMPARE(int(s.state().SideToMove), 5);

        s.game.Image1_Click(67); // a pending selection is dropped by the next take-back
        s.forget();
        s.game.mnUndo_Click();
        QCOMPARE(s.calls(), (QStringList{"border 67 0", "picture 1 63", "picture 20 11",
                                         "status 黑 行", "enable cmdAbort 1", "enable mnAbort 1"}));
        QVERIFY(!s.state().PieceSelected);
        QCOMPARE(s.tk.framedCount(), 0);
        QVERIFY(s.pairIs(Command::cmdUndo, Command::mnUndo, true));
    }

    void takingBackEveryMoveRestoresTheInitialPosition() {
        Session s;
        s.run("64>67 1>20 67>31 20>31 70>67 undo undo undo undo");
        s.forget();
        s.game.mnUndo_Click();
        QCOMPARE(s.calls().mid(s.calls().size() - 2),
                 (QStringList{"enable cmdUndo 0", "enable mnUndo 0"}));
        QVERIFY(s.boardIsInitial());
        QVERIFY(s.picturesMatchBoard());
        QCOMPARE(QString::fromStdString(s.tk.status), QString("红 行"));
        QCOMPARE(int(s.state().MoveCount), 0);
        QCOMPARE(int(s.state().SideToMove), 5);
        s.run("64>67");
        QCOMPARE(int(s.state().MoveCount), 1);
    }

    void takingBackTheKingCaptureReopensTheGame() {
        Session s;
        s.run("64>1 2>22 1>4 undo");
        QVERIFY(!s.state().GameOver);
        QCOMPARE(int(s.state().Board.at(4)), 60);
        QCOMPARE(int(s.state().Board.at(1)), 55);
        QVERIFY(s.pairIs(Command::cmdAbort, Command::mnAbort, true));
        QCOMPARE(QString::fromStdString(s.tk.status), QString("红 行"));
        s.run("1>4");
        QCOMPARE(int(s.state().MoveCount), 3);
        QVERIFY(s.state().GameOver);
    }

    void takeBackWithoutMovesDoesNothing() {
        Session s;
        s.run("64>67 undo 70");
        s.forget();
        s.game.mnUndo_Click();
        QVERIFY(s.tk.calls.empty());
        QVERIFY(s.state().PieceSelected);
        QCOMPARE(int(s.state().SelCell), 70);
        QCOMPARE(QString::fromStdString(s.tk.status), QString("红 行"));
    }

    void clicksOutsideTheBoardAreIgnored_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("index");
        QTest::newRow("-1, nothing selected") << "" << -1;
        QTest::newRow("90, nothing selected") << "" << 90;
        QTest::newRow("1000, nothing selected") << "" << 1000;
        QTest::newRow("-1, cannon selected") << "64" << -1;
        QTest::newRow("90, cannon selected") << "64" << 90;
        QTest::newRow("1000, cannon selected") << "64" << 1000;
    }
    void clicksOutsideTheBoardAreIgnored() {
        QFETCH(QString, before);
        QFETCH(int, index);
        Session s;
        s.run(before);
        const bool selected = s.state().PieceSelected;
        s.forget();
        s.game.Image1_Click(index);
        QVERIFY(s.tk.calls.empty());
        QCOMPARE(s.state().PieceSelected, selected);
        QCOMPARE(int(s.state().MoveCount), 0);
    }

    void resigningDropsAPendingSelectionAndFreezesTheBoard() {
        Session s;
        s.run("64");
        s.game.mnAbort_Click();
        QCOMPARE(s.calls(), (QStringList{"border 64 1", "message yesno 你真的要认输吗?",
                                         "border 64 0", "status 红 死", "enable cmdAbort 0",
                                         "enable mnAbort 0", "enable cmdUndo 0", "enable mnUndo 0",
                                         "enable cmdSave 1", "enable mnSave 1"}));
        QVERIFY(s.state().GameOver && !s.state().PieceSelected);
        s.forget();
        s.run("67 64>67 1>20 70");
        QVERIFY(s.tk.calls.empty());
        QVERIFY(s.boardIsInitial());
        QCOMPARE(int(s.state().MoveCount), 0);
        QCOMPARE(QString::fromStdString(s.tk.status), QString("红 死"));
    }

    void answeringNoLeavesTheGameAsItWas_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("question");
        QTest::newRow("resign") << "resign"
                                << "你真的要认输吗?";
        QTest::newRow("new game") << "new"
                                  << "是否放弃本局?";
    }
    void answeringNoLeavesTheGameAsItWas() {
        QFETCH(QString, command);
        QFETCH(QString, question);
        Session s;
        s.run("64>67 1>20 67>31 7");
        const Board board = s.state().Board;
        const std::array<bool, 6> enabled = s.tk.enabled;
        s.forget();
        s.tk.answers.push_back(MessageAnswer::No);
        s.run(command);
        QCOMPARE(s.calls(), QStringList{"message yesno " + question});
        QVERIFY(s.state().Board == board);
        QVERIFY(s.state().PieceSelected && s.tk.framed[7]);
        QCOMPARE(int(s.state().MoveCount), 3);
        QVERIFY(!s.state().GameOver);
        QVERIFY(s.tk.enabled == enabled);
        QCOMPARE(QString::fromStdString(s.tk.status), QString("黑 行"));
        s.game.Image1_Click(24); // the pending selection still moves
        QCOMPARE(int(s.state().MoveCount), 4);
    }

    void newGameAfterYesStartsOver_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("selCell");
        QTest::newRow("game in progress with a selection") << "64>67 1>20 67>31 0" << 0;
        QTest::newRow("game ended by a taken king") << "64>1 2>22 1>4" << 1;
        QTest::newRow("game ended by resignation") << "70>67 resign" << 70;
    }
    void newGameAfterYesStartsOver() {
        QFETCH(QString, before);
        QFETCH(int, selCell);
        Session s;
        s.run(before);
        s.forget();
        s.game.mnStart_Click();
        QCOMPARE(s.calls(), QStringList{"message yesno 是否放弃本局?"} + newGameCalls(selCell));
        QVERIFY(s.boardIsInitial());
        QCOMPARE(s.tk.framedCount(), 0);
        const GameState& st = s.state();
        QVERIFY(!st.PieceSelected && !st.GameOver);
        QCOMPARE(int(st.MoveCount), 0);
        QCOMPARE(int(st.SideToMove), 5);
        s.run("64>67");
        QCOMPARE(int(st.MoveCount), 1);
        QCOMPARE(int(st.HistCaptured[1]), 0);
    }

    void thousandthMoveIsRefusedWithAMessage() {
        Session s;
        s.run("shuffle999");
        const Board board = s.state().Board;
        s.forget();
        s.game.Image1_Click(20);
        QVERIFY(s.state().PieceSelected && s.tk.framed[20]);
        s.game.Image1_Click(1);
        QCOMPARE(s.calls(),
                 (QStringList{"border 20 1", "border 20 0", "message ok " + kTooManyMoves}));
        QVERIFY(!s.state().PieceSelected);
        QVERIFY(s.state().Board == board);
        QVERIFY(s.picturesMatchBoard());
        QCOMPARE(int(s.state().MoveCount), 999);
        QCOMPARE(int(s.state().SideToMove), 6);

        s.forget();
        s.run("20>0 20>20 20>40"); // own pieces just drop it; any other point hits the limit
        QCOMPARE(s.tk.messages, std::vector<std::string>{kTooManyMoves.toStdString()});
        QCOMPARE(int(s.state().MoveCount), 999);

        s.forget();
        s.run("undo 65>82");
        QVERIFY(s.tk.messages.empty());
        QCOMPARE(int(s.state().MoveCount), 999);
        QCOMPARE(int(s.state().HistTo[999]), 82);
    }

    void saveWritesTheRecordOrReportsWhy_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("failWrite");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("record");
        const QString example = "64>67 1>20 67>31 resign";
        QTest::newRow("cancel") << example << true << false << "" << QByteArray();
        QTest::newRow("worked example") << example << false << false << "保存完毕。"
                                        << QByteArray("64,67,0\r\n1,20,0\r\n67,31,66\r\n");
        QTest::newRow("write failure")
            << example << false << true << "保存文件错误！" << QByteArray();
        QTest::newRow("resignation before any move")
            << "resign" << false << false << "保存完毕。" << QByteArray("");
        QTest::newRow("red takes the black king")
            << "64>1 2>22 1>4" << false << false << "保存完毕。"
            << QByteArray("64,1,63\r\n2,22,0\r\n1,4,60\r\n");
        QTest::newRow("black takes the red king")
            << "83>67 19>82 54>45 82>85" << false << false << "保存完毕。"
            << QByteArray("83,67,0\r\n19,82,53\r\n54,45,0\r\n82,85,50\r\n");
    }
    void saveWritesTheRecordOrReportsWhy() {
        QFETCH(QString, script);
        QFETCH(bool, cancel);
        QFETCH(bool, failWrite);
        QFETCH(QString, message);
        QFETCH(QByteArray, record);
        Session s;
        s.run(script);
        const Board board = s.state().Board;
        const int moves = s.state().MoveCount;
        const std::array<bool, 6> enabled = s.tk.enabled;
        const std::string status = s.tk.status;
        s.forget();
        if (!cancel)
            s.tk.savePaths.push_back("/home/player/game.tvq");
        s.tk.failWrites = failWrite;
        s.game.mnSave_Click();

        QStringList expected{"savedialog " + kRecordFilter};
        if (!cancel)
            expected << "write /home/player/game.tvq"
                     << "message ok " + message;
        QCOMPARE(s.calls(), expected);
        QCOMPARE(s.tk.writtenFiles.size(), std::size_t(record.isNull() ? 0 : 1));
        if (!record.isNull())
            QCOMPARE(QByteArray::fromStdString(s.tk.writtenFiles[0].second), record);
        QVERIFY(s.state().Board == board);
        QCOMPARE(int(s.state().MoveCount), moves);
        QVERIFY(s.state().GameOver);
        QVERIFY(s.tk.enabled == enabled);
        QCOMPARE(s.tk.status, status);
    }

    void exitEndsTheProgramAtOnce() {
        Session s;
        s.game.mnExit_Click();
        QCOMPARE(s.calls(), QStringList{"end"});
    }

    void aboutShowsTheAboutDialog() {
        Session s;
        s.run("64");
        s.forget();
        s.game.mnAbout_Click();
        QCOMPARE(s.calls(), QStringList{"about"});
        QVERIFY(s.state().PieceSelected);
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "tst_game.moc"
