// The main window driven as a user would: clicks on the board points, the buttons, the menus
// and Ctrl+N, the keys on the board and the buttons, with message boxes answered as they appear;
// and the board read through QAccessible, as assistive technology reads it.
#include "BoardPoints.h"
#include "ChineseUi.h"
#include "OffscreenScreens.h"
#include "PictureBank.h"
#include "StartupStyle.h"
#include "TitleLabel.h"
#include "frmMain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <functional>
#include <memory>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

using namespace xiangqi;

namespace {
// Cells of the first moves of a game that red wins by taking the black king with a cannon.
constexpr int kRedCannon = 64, kCannonCentre = 67, kBlackHorse = 1, kHorseOut = 20;
constexpr int kBlackSoldierCentre = 31, kBlackAdvisor = 3, kPalaceCentre = 13, kBlackKing = 4;

const QColor kBackground(212, 208, 200);

// A screen reader, as far as the window's announcements reach one: while it lives, assistive
// technology counts as listening, which the offscreen platform never says by itself, and what
// each notification says as it shows is heard.
struct ScreenReader {
    static inline QStringList heard;
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&hear);

    ScreenReader() { listen(true); }
    ~ScreenReader() {
        listen(false);
        QAccessible::installUpdateHandler(previous);
        heard.clear();
    }
    static void listen(bool on) {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
    }
    static void hear(QAccessibleEvent* event) {
        if (event->type() == QAccessible::ObjectShow &&
            event->accessibleInterface()->role() == QAccessible::Notification)
            heard << event->accessibleInterface()->text(QAccessible::Name);
    }
};
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<frmMain> window;
    QStringList messages;

    template <typename T> T* control(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    BoardPoints* points() { return control<BoardPoints>("Image1"); }
    QString status() { return control<QLabel>("Label2")->text(); }
    const GameState& state() { return window->game().state(); }

    // Answers the next message box with `button` as soon as it shows, remembering its text.
    void answerNextMessageBox(QMessageBox::StandardButton button) {
        auto* poll = new QTimer(this);
        poll->setInterval(10);
        connect(poll, &QTimer::timeout, this, [this, poll, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->button(button) || box->property("answered").toBool())
                return;
            box->setProperty("answered", true);
            poll->deleteLater();
            messages << box->text();
            box->button(button)->click();
        });
        poll->start();
    }
    // Runs `handle` on the next modal dialog of type T as soon as it shows.
    template <typename T> void handleNextDialog(std::function<void(T*)> handle) {
        auto* poll = new QTimer(this);
        poll->setInterval(10);
        connect(poll, &QTimer::timeout, this, [poll, handle] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->deleteLater();
            handle(dialog);
        });
        poll->start();
    }
    void resign() {
        answerNextMessageBox(QMessageBox::Yes);
        control<QPushButton>("cmdAbort")->click();
    }
    QByteArray contentsOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    void click(int cell) {
        QTest::mouseClick(points(), Qt::LeftButton, {}, BoardPoints::pointRect(cell).center());
    }
    void move(int from, int to) {
        click(from);
        click(to);
    }
    void playUntilRedTakesTheBlackKing() {
        move(kRedCannon, kCannonCentre);
        move(kBlackHorse, kHorseOut);
        move(kCannonCentre, kBlackSoldierCentre);
        move(kBlackAdvisor, kPalaceCentre);
        move(kBlackSoldierCentre, kBlackKing);
    }
    QImage pointImage(int cell) {
        const QRect rect = BoardPoints::pointRect(cell);
        return points()
            ->grab(QRect(rect.topLeft(), QSize(47, 47)))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage bankImage(int index) {
        static const PictureBank bank;
        return bank.picture(index).toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The board's cell for point `cell` as assistive technology sees it.
    QAccessibleInterface* pointInterface(int cell) {
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(points());
        return board ? board->child(cell) : nullptr;
    }
    QString pointName(int cell) {
        QAccessibleInterface* point = pointInterface(cell);
        return point ? point->text(QAccessible::Name) : QStringLiteral("(no cell)");
    }
    // The cells selected, as the board's table and each cell's state tell them.
    QList<int> selectedPoints() {
        QList<int> selected;
        for (int cell = 0; cell < 90; ++cell)
            if (QAccessibleInterface* point = pointInterface(cell);
                point && point->state().selected)
                selected << cell;
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(points());
        if (!board->tableInterface() ||
            board->tableInterface()->selectedCellCount() != selected.size())
            return {-1};
        return selected;
    }
    // As the window system does it: to a window, or with nullptr to another program.
    static void giveTheKeyboardTo(QWindow* window) {
        QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
            window, Qt::ActiveWindowFocusReason);
    }
    void focusBoard() {
        points()->setFocus(Qt::TabFocusReason);
        QVERIFY(points()->hasFocus());
    }
    void pressKeys(QWidget* widget, const QList<Qt::Key>& keys) {
        for (Qt::Key key : keys)
            QTest::keyClick(widget, key,
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    static QString firstDifference(const QImage& actual, const QImage& expected) {
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                if (actual.pixel(x, y) != expected.pixel(x, y))
                    return QStringLiteral("pixel (%1, %2) is %3, not %4")
                        .arg(x)
                        .arg(y)
                        .arg(QColor(actual.pixel(x, y)).name(),
                             QColor(expected.pixel(x, y)).name());
        return QStringLiteral("sizes differ");
    }
    // 宋体 where the system has it, else the bundled Song-style font.
    static QString songFamily() {
        for (const auto& family : {QStringLiteral("SimSun"), QStringLiteral("宋体")})
            if (QFontDatabase::families().contains(family))
                return family;
        return QStringLiteral("AR PL UMing CN");
    }
    // The enabled states of resign, take-back and save, each pair checked to agree.
    QString commandStates() {
        QString states;
        for (auto [button, item] :
             {std::pair{"cmdAbort", "mnAbort"}, std::pair{"cmdUndo", "mnUndo"},
              std::pair{"cmdSave", "mnSave"}}) {
            const bool enabled = control<QPushButton>(button)->isEnabled();
            if (enabled != control<QAction>(item)->isEnabled())
                return QStringLiteral("%1 and %2 disagree").arg(button, item);
            states += enabled ? QLatin1Char('1') : QLatin1Char('0');
        }
        return states;
    }

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationVersion(QStringLiteral(XIANGQI_VERSION));
        QApplication::setStyle(new StartupStyle);
        installChineseUi(*qApp);
    }
    void init() {
        window = std::make_unique<frmMain>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        messages.clear();
    }
    void cleanup() {
        window.reset();
        qDeleteAll(findChildren<QTimer*>()); // message boxes that never came
    }

    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Frame1") << "Frame1" << QRect(88, 40, 481, 529);
        QTest::newRow("Label2") << "Label2" << QRect(16, 72, 57, 113);
        QTest::newRow("cmdStart") << "cmdStart" << QRect(584, 48, 89, 25);
        QTest::newRow("cmdAbort") << "cmdAbort" << QRect(584, 80, 89, 25);
        QTest::newRow("cmdUndo") << "cmdUndo" << QRect(584, 112, 89, 25);
        QTest::newRow("cmdSave") << "cmdSave" << QRect(584, 176, 89, 25);
    }
    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(window->findChild<QWidget*>(name)->geometry(), geometry);
    }

    void titleKeepsItsPlaceAndShowsWhole() {
        auto* title = control<QLabel>("Label1");
        QCOMPARE(title->pos(), QPoint(40, 0));
        QCOMPARE(title->height(), 41);
        QVERIFY(title->width() >= 185);
        QVERIFY(title->width() >= title->sizeHint().width());
        QVERIFY(title->geometry().right() < control<QPushButton>("cmdStart")->x());
    }

    void boardPointsStandOnAFortyEightPixelGrid() {
        const QPoint frameOrigin = points()->mapTo(control<QGroupBox>("Frame1"), QPoint(0, 0));
        for (int cell = 0; cell < 90; ++cell) {
            const QRect inFrame = BoardPoints::pointRect(cell).translated(frameOrigin);
            QCOMPARE(inFrame, QRect(24 + 48 * (cell % 9), 24 + 48 * (cell / 9), 49, 49));
        }
        // The frame leaves the same 24 pixel margin right of and below the last point.
        const QRect last = BoardPoints::pointRect(89).translated(frameOrigin);
        QCOMPARE(481 - (last.x() + 48), 24 + 1);
        QCOMPARE(529 - (last.y() + 48), 24 + 1);
    }

    void windowHasAFixedClientAreaAndNoMaximizeButton() {
        QCOMPARE(window->centralWidget()->size(), QSize(686, 581));
        QCOMPARE(window->centralWidget()->y(), window->menuBar()->height());
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->windowTitle(), QStringLiteral("Tovan 中国象棋"));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!window->windowIcon().isNull());
    }

    void controlsAreCreatedInOrderAndTabInOrder() {
        QStringList created;
        for (QObject* child : window->centralWidget()->children())
            if (child->isWidgetType())
                created << child->objectName();
        QCOMPARE(created, QStringList({"cmdSave", "cmdUndo", "cmdAbort", "cmdStart", "Frame1",
                                       "Label2", "Label1"}));
        QStringList tabOrder;
        QWidget* widget = control<QPushButton>("cmdStart");
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                tabOrder << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != control<QPushButton>("cmdStart"));
        QCOMPARE(tabOrder, QStringList({"cmdStart", "cmdAbort", "cmdUndo", "cmdSave", "Image1"}));
        // The mouse does not take the focus to the board, so a click leaves no cursor there.
        QCOMPARE(points()->focusPolicy(), Qt::TabFocus);
        QCOMPARE(window->focusWidget(), control<QPushButton>("cmdStart"));
    }

    void tabReachesTheBoardAfterTheEnabledButtons() {
        QWidget* start = control<QPushButton>("cmdStart");
        start->setFocus(Qt::TabFocusReason);
        QTest::keyClick(start, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>("cmdAbort"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), points());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), start);
    }

    void menusHaveTheirCaptionsSeparatorsAndOneShortcut() {
        QStringList menus;
        QStringList items;
        for (QAction* menu : window->menuBar()->actions()) {
            menus << menu->text();
            for (QAction* item : menu->menu()->actions()) {
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
                if (item->text() != QStringLiteral("开局(&N)"))
                    QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->text()));
            }
        }
        QCOMPARE(menus, QStringList({"中国象棋(&C)", "帮助(&H)"}));
        QCOMPARE(items, QStringList({"开局(&N)", "认输(&A)", "悔棋(&U)", "-", "保存(&S)", "-",
                                     "退出(&X)", "关于(&A)"}));
        QCOMPARE(control<QAction>("mnStart")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QVERIFY(control<QAction>("mnSep11")->isSeparator());
        QVERIFY(control<QAction>("mnSep12")->isSeparator());
    }

    void labelsUseTheirFontsAndColours() {
        auto* title = control<TitleLabel>("Label1");
        QCOMPARE(title->text(), QStringLiteral("tovan 中国象棋"));
        QCOMPARE(title->font().pointSizeF(), 26.25);
        QCOMPARE(title->font().families(), QStringList{"Tahoma"});
        QCOMPARE(title->chineseFont().pointSizeF(), 26.25);
        QCOMPARE(title->chineseFont().families(), QStringList{songFamily()});
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        auto* statusLabel = control<QLabel>("Label2");
        QCOMPARE(statusLabel->font().pointSizeF(), 42.0);
        QCOMPARE(statusLabel->font().families(), QStringList{songFamily()});
        QCOMPARE(statusLabel->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(control<QGroupBox>("Frame1")->title(), QStringLiteral("棋盘"));
    }

    void statusShowsOneCharacterAboveTheOther() {
        const QImage image = control<QLabel>("Label2")->grab().toImage();
        auto blueRows = [&](int top, int bottom) {
            int rows = 0;
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == QColor(0, 0, 255)) {
                        ++rows;
                        break;
                    }
            return rows;
        };
        QVERIFY(blueRows(0, 56) > 30);
        QVERIFY(blueRows(56, 113) > 30);
        QCOMPARE(blueRows(112, 113), 0); // nothing cut off at the bottom
    }

    void everyPointShowsItsBankPictureAfterStartUp() {
        const int kTags[90] = {0,  1,  1,  4,  1,  6,  1,  1,  9,  10, 11, 11, 11, 15, 11,
                               11, 11, 19, 10, 11, 11, 24, 11, 26, 11, 11, 19, 10, 11, 11,
                               11, 11, 11, 11, 11, 19, 10, 91, 91, 91, 91, 91, 91, 91, 19,
                               10, 1,  1,  1,  1,  1,  1,  1,  19, 10, 11, 11, 11, 11, 11,
                               11, 11, 19, 10, 11, 11, 74, 11, 76, 11, 11, 19, 10, 11, 11,
                               11, 15, 11, 11, 11, 19, 90, 91, 91, 94, 91, 96, 91, 91, 99};
        for (int cell = 0; cell < 90; ++cell) {
            const int code = state().Board.at(cell);
            const int expected = code != 0 ? code : kTags[cell];
            QVERIFY2(pointImage(cell) == bankImage(expected), qPrintable(QString::number(cell)));
        }
        QVERIFY(pointImage(0) == bankImage(64));
        QVERIFY(pointImage(13) == bankImage(15));
        QVERIFY(pointImage(40) == bankImage(91));
    }

    void clicksOnPointsPlayCaptureAndTakeBack() {
        move(kRedCannon, kCannonCentre);
        QVERIFY(pointImage(kCannonCentre) == bankImage(55));
        QVERIFY(pointImage(kRedCannon) == bankImage(11));
        QCOMPARE(status(), QStringLiteral("黑 行"));
        move(kBlackHorse, kHorseOut);
        move(kCannonCentre, kBlackSoldierCentre);
        QCOMPARE(state().HistCaptured[3], 66);
        QVERIFY(pointImage(kBlackSoldierCentre) == bankImage(55));

        control<QPushButton>("cmdUndo")->click();
        QVERIFY(pointImage(kBlackSoldierCentre) == bankImage(66));
        QVERIFY(pointImage(kCannonCentre) == bankImage(55));
        control<QPushButton>("cmdUndo")->click();
        control<QPushButton>("cmdUndo")->click();
        QCOMPARE(status(), QStringLiteral("红 行"));
        QVERIFY(pointImage(kRedCannon) == bankImage(55));
        QVERIFY(pointImage(kCannonCentre) == bankImage(11));
        QVERIFY(messages.isEmpty());
    }

    void selectedPointIsFramedByAThinLine() {
        click(kRedCannon);
        QVERIFY(points()->isFramed(kRedCannon));
        const QRect rect = BoardPoints::pointRect(kRedCannon);
        const QImage image = points()->grab(rect).toImage();
        const QColor frame = image.pixelColor(0, 0);
        QCOMPARE(image.pixelColor(48, 48), frame);
        QCOMPARE(image.pixelColor(24, 0), frame);
        QCOMPARE(image.pixelColor(0, 24), frame);
        QVERIFY(image.pixelColor(1, 1) != frame); // one pixel wide: the picture starts inside
        click(kRedCannon);
        QVERIFY(!points()->isFramed(kRedCannon));
        QVERIFY(pointImage(kRedCannon) == bankImage(55));
    }

    // Keys from the start; then Space clicks the point under the cursor, and the red piece
    // there is selected.
    void arrowKeysMoveTheCursorAndStopAtTheEdges_data() {
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<int>("selected");
        using K = QList<Qt::Key>;
        QTest::newRow("the cursor starts on red's king") << K{} << 85;
        QTest::newRow("up twice and left three times reach the red cannon")
            << K{Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left} << 64;
        QTest::newRow("right goes to the next point") << K{Qt::Key_Right} << 86;
        QTest::newRow("left stops at the left edge")
            << K{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,  Qt::Key_Left,
                 Qt::Key_Left, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right}
            << 83;
        QTest::newRow("right stops at the right edge")
            << K{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                 Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}
            << 88;
        QTest::newRow("down stops at the bottom edge")
            << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up} << 58;
        K upAndBack(12, Qt::Key_Up);
        upAndBack << K(9, Qt::Key_Down);
        QTest::newRow("up stops at the top edge") << upAndBack << 85;
    }
    void arrowKeysMoveTheCursorAndStopAtTheEdges() {
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(int, selected);
        focusBoard();
        pressKeys(points(), keys << Qt::Key_Space);
        QVERIFY(state().PieceSelected);
        QCOMPARE(int(state().SelCell), selected);
        QVERIFY(points()->isFramed(selected));
    }

    void spaceAndEnterActAsAClickOnTheCursorsPoint_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Space") << Qt::Key_Space;
        QTest::newRow("Return") << Qt::Key_Return;
    }
    void spaceAndEnterActAsAClickOnTheCursorsPoint() {
        QFETCH(Qt::Key, key);
        focusBoard();
        pressKeys(points(), {Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, key,
                             Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, key});
        QCOMPARE(state().MoveCount, 1);
        QCOMPARE(points()->picture(kCannonCentre), 55);
        QCOMPARE(points()->picture(kRedCannon), 11);
        QCOMPARE(status(), QStringLiteral("黑 行"));
        // Two presses on the black king's point pick it up and put it down again.
        pressKeys(points(), {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up,
                             Qt::Key_Up, key, key});
        QVERIFY(!state().PieceSelected);
        QVERIFY(messages.isEmpty());
    }

    // The cursor is drawn while the board has the keyboard focus, and only then; a point under
    // both the cursor and the selection frame shows both.
    void theCursorShowsOnlyWhileTheBoardHasTheFocus() {
        QVERIFY(pointImage(85) == bankImage(50));
        click(kRedCannon);
        QVERIFY(!points()->hasFocus());
        QVERIFY(pointImage(85) == bankImage(50));
        focusBoard();
        const QImage withCursor = pointImage(85);
        QVERIFY(withCursor != bankImage(50));
        const QColor highlight = points()->palette().highlight().color();
        for (QPoint corner : {QPoint(4, 4), QPoint(44, 4), QPoint(4, 44), QPoint(44, 44)})
            QCOMPARE(withCursor.pixelColor(corner), highlight);
        QVERIFY(withCursor.pixelColor(0, 0) != highlight); // clear of a selection frame

        pressKeys(points(), {Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left});
        QVERIFY(pointImage(85) == bankImage(50));
        const QImage framedWithCursor =
            points()->grab(BoardPoints::pointRect(kRedCannon)).toImage();
        QCOMPARE(framedWithCursor.pixelColor(0, 0), points()->palette().windowText().color());
        QCOMPARE(framedWithCursor.pixelColor(4, 4), highlight);

        control<QPushButton>("cmdStart")->setFocus();
        click(kRedCannon);
        QVERIFY(pointImage(kRedCannon) == bankImage(55));
        focusBoard();
        QCOMPARE(pointImage(kRedCannon).pixelColor(4, 4), highlight); // the cursor stayed
    }

    // The keypad's Enter is a screen reader's where-am-I, which Qt hands on to the program too
    // when the screen reader is slow to say it has taken the key.
    void enterPressesAFocusedButtonAsSpaceDoes_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("presses");
        QTest::newRow("Return") << Qt::Key_Return << true;
        QTest::newRow("Space") << Qt::Key_Space << true;
        QTest::newRow("the keypad's Enter") << Qt::Key_Enter << false;
    }
    void enterPressesAFocusedButtonAsSpaceDoes() {
        QFETCH(Qt::Key, key);
        QFETCH(bool, presses);
        auto* resign = control<QPushButton>("cmdAbort");
        resign->setFocus();
        answerNextMessageBox(QMessageBox::Yes);
        pressKeys(resign, {key});
        QCOMPARE(messages, presses ? QStringList({"你真的要认输吗?"}) : QStringList());
        QCOMPARE(status(), presses ? QStringLiteral("红 死") : QStringLiteral("红行"));
    }

    // On the board too the keypad's Enter is left to a screen reader, and S with a modifier is
    // some other program's command.
    void theBoardLeavesAScreenReadersKeysAlone_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("heard");
        QTest::newRow("S") << Qt::Key_S << 0 << "轮到红方";
        QTest::newRow("Shift+S") << Qt::Key_S << int(Qt::ShiftModifier) << "";
        QTest::newRow("Ctrl+S") << Qt::Key_S << int(Qt::ControlModifier) << "";
        QTest::newRow("Alt+S") << Qt::Key_S << int(Qt::AltModifier) << "";
        QTest::newRow("Return") << Qt::Key_Return << 0 << "拿起红 帅";
        QTest::newRow("the keypad's Enter") << Qt::Key_Enter << int(Qt::KeypadModifier) << "";
    }
    void theBoardLeavesAScreenReadersKeysAlone() {
        QFETCH(Qt::Key, key);
        QFETCH(int, modifiers);
        QFETCH(QString, heard);
        ScreenReader reader;
        focusBoard();
        QTest::keyClick(points(), key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ScreenReader::heard.join(u'|'), heard);
        QCOMPARE(state().PieceSelected, key == Qt::Key_Return);
    }

    // A button clicked with the mouse keeps the focus; disabled by the click, it hands the focus
    // on to the next enabled button, never to the board, where the cursor would appear.
    void aButtonDisabledByItsClickHandsTheFocusToAButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("moves");
        QTest::newRow("悔棋 taking back the only move") << "cmdUndo" << 1;
        QTest::newRow("认输 before any move") << "cmdAbort" << 0;
        QTest::newRow("认输 after two moves") << "cmdAbort" << 2;
    }
    void aButtonDisabledByItsClickHandsTheFocusToAButton() {
        QFETCH(QString, button);
        QFETCH(int, moves);
        if (moves >= 1)
            move(kRedCannon, kCannonCentre);
        if (moves >= 2)
            move(kBlackHorse, kHorseOut);
        auto* clicked = control<QPushButton>(qPrintable(button));
        answerNextMessageBox(QMessageBox::Yes);
        QTest::mouseClick(clicked, Qt::LeftButton);
        QVERIFY(!clicked->isEnabled());
        QCOMPARE(window->focusWidget(), control<QPushButton>("cmdStart"));
        QVERIFY(pointImage(85) == bankImage(50));
    }

    // What the game announces while the window is not active waits for it, and is heard once,
    // in order, as one text; so is what comes after the window's activation but before the
    // waiting texts are told. Once the player has been in another program meanwhile, only the
    // last text still tells the game as it is.
    void announcementsWaitForTheWindowInOrder_data() {
        QTest::addColumn<bool>("inAnotherProgram");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("behind a dialog of the program") << false << QStringList{"甲。乙。丙"};
        QTest::newRow("while in another program") << true << QStringList{"丙"};
    }
    void announcementsWaitForTheWindowInOrder() {
        QFETCH(bool, inAnotherProgram);
        QFETCH(QStringList, heard);
        ScreenReader reader;
        auto dialog = std::make_unique<QDialog>();
        if (inAnotherProgram)
            giveTheKeyboardTo(nullptr);
        else
            dialog->show();
        QTRY_VERIFY(!window->isActiveWindow());
        window->announce([] { return std::string("甲"); });
        window->announce([] { return std::string("乙"); });
        dialog.reset();
        giveTheKeyboardTo(window->windowHandle());
        window->announce([] { return std::string("丙"); });
        QCoreApplication::sendPostedEvents();
        QCOMPARE(ScreenReader::heard, heard);
    }

    // A group, not a table: a screen reader reads a table's whole row when the row changes.
    void theBoardIsAGroupOfNinetyPointsInRowsAndColumns() {
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(points());
        QCOMPARE(board->role(), QAccessible::Grouping);
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("棋盘"));
        QCOMPARE(board->childCount(), 90);
        QAccessibleTableInterface* table = board->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 10);
        QCOMPARE(table->columnCount(), 9);
        for (int cell = 0; cell < 90; ++cell) {
            QAccessibleInterface* point = board->child(cell);
            QVERIFY(point);
            QCOMPARE(point->role(), QAccessible::Cell);
            QCOMPARE(point->parent(), board);
            QCOMPARE(board->indexOfChild(point), cell);
            QCOMPARE(table->cellAt(cell / 9, cell % 9), point);
            QAccessibleTableCellInterface* tableCell = point->tableCellInterface();
            QVERIFY(tableCell);
            QCOMPARE(tableCell->rowIndex(), cell / 9);
            QCOMPARE(tableCell->columnIndex(), cell % 9);
            const QRect rect = BoardPoints::pointRect(cell);
            QCOMPARE(point->rect(), QRect(points()->mapToGlobal(rect.topLeft()), rect.size()));
            QCOMPARE(board->childAt(point->rect().center().x(), point->rect().center().y()), point);
        }
        QCOMPARE(board->child(90), nullptr);
        QCOMPARE(table->cellAt(10, 0), nullptr);
    }

    // The start position drawn row by row as the pieces read; rows 0 to 4 are black's.
    void everyPointIsNamedWithItsPieceAndPlaceAtTheStart() {
        const char* const rows[10] = {"车马象士将士象马车", "         ",   " 炮     炮 ",
                                      "卒 卒 卒 卒 卒",     "         ",   "         ",
                                      "兵 兵 兵 兵 兵",     " 炮     炮 ", "         ",
                                      "车马相士帅士相马车"};
        for (int cell = 0; cell < 90; ++cell) {
            const int row = cell / 9, col = cell % 9;
            const QChar piece = QString::fromUtf8(rows[row]).at(col);
            const QString occupant =
                piece == QLatin1Char(' ')
                    ? QStringLiteral("空位")
                    : (row < 5 ? QStringLiteral("黑 ") : QStringLiteral("红 ")) + piece;
            QCOMPARE(pointName(cell),
                     QStringLiteral("%1，第%2行，第%3列").arg(occupant).arg(row + 1).arg(col + 1));
        }
    }

    void pointNamesFollowMovesCapturesAndTakeBacks_data() {
        QTest::addColumn<int>("moves");
        QTest::addColumn<int>("takeBacks");
        QTest::addColumn<QStringList>("names"); // of points 64, 67, 31, 1 and 20
        const QStringList start{"红 炮，第8行，第2列", "空位，第8行，第5列", "黑 卒，第4行，第5列",
                                "黑 马，第1行，第2列", "空位，第3行，第3列"};
        QTest::newRow("at the start") << 0 << 0 << start;
        QTest::newRow("after the cannon's move to the centre")
            << 1 << 0
            << QStringList{"空位，第8行，第2列", "红 炮，第8行，第5列", "黑 卒，第4行，第5列",
                           "黑 马，第1行，第2列", "空位，第3行，第3列"};
        QTest::newRow("after the cannon takes the soldier")
            << 3 << 0
            << QStringList{"空位，第8行，第2列", "空位，第8行，第5列", "红 炮，第4行，第5列",
                           "空位，第1行，第2列", "黑 马，第3行，第3列"};
        QTest::newRow("after the capture is taken back")
            << 3 << 1
            << QStringList{"空位，第8行，第2列", "红 炮，第8行，第5列", "黑 卒，第4行，第5列",
                           "空位，第1行，第2列", "黑 马，第3行，第3列"};
        QTest::newRow("after every move is taken back") << 3 << 3 << start;
    }
    void pointNamesFollowMovesCapturesAndTakeBacks() {
        QFETCH(int, moves);
        QFETCH(int, takeBacks);
        QFETCH(QStringList, names);
        // The cells are made before the game changes: they must follow the board, not copy it.
        for (int cell : {kRedCannon, kCannonCentre, kBlackSoldierCentre, kBlackHorse, kHorseOut})
            QVERIFY(pointInterface(cell));
        const std::pair<int, int> game[] = {{kRedCannon, kCannonCentre},
                                            {kBlackHorse, kHorseOut},
                                            {kCannonCentre, kBlackSoldierCentre}};
        for (int i = 0; i < moves; ++i)
            move(game[i].first, game[i].second);
        for (int i = 0; i < takeBacks; ++i)
            control<QPushButton>("cmdUndo")->click();
        QStringList after;
        for (int cell : {kRedCannon, kCannonCentre, kBlackSoldierCentre, kBlackHorse, kHorseOut})
            after << pointName(cell);
        QCOMPARE(after, names);
    }

    void theFramedPointIsTheSelectedCell() {
        QCOMPARE(selectedPoints(), QList<int>());
        click(kRedCannon);
        QCOMPARE(selectedPoints(), QList<int>{kRedCannon});
        QCOMPARE(QAccessible::queryAccessibleInterface(points())->tableInterface()->selectedCells(),
                 QList<QAccessibleInterface*>{pointInterface(kRedCannon)});
        click(kCannonCentre);
        QCOMPARE(selectedPoints(), QList<int>());
        click(kBlackHorse);
        QCOMPARE(selectedPoints(), QList<int>{kBlackHorse});
        click(kBlackHorse);
        QCOMPARE(selectedPoints(), QList<int>());
    }

    void theCursorsPointHasTheFocus() {
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(points());
        QVERIFY(pointInterface(85));
        QCOMPARE(board->focusChild(), nullptr);
        QVERIFY(!pointInterface(85)->state().focused);
        focusBoard();
        QCOMPARE(board->focusChild(), pointInterface(85));
        QVERIFY(pointInterface(85)->state().focused);
        QTest::keyClick(points(), Qt::Key_Left);
        QCOMPARE(board->focusChild(), pointInterface(84));
        QVERIFY(!pointInterface(85)->state().focused);
        QVERIFY(pointInterface(84)->state().focusable);
    }

    // Moved to a screen of another device pixel ratio, the window keeps its layout, its icon is
    // made for the ratio, the status column is painted whole, and every point shows, in the
    // screen's device pixels, the picture drawn for that ratio: on a pitch of 48 × ratio pixels,
    // not resampled, the selected one inside a frame one line of round(ratio) pixels wide. The
    // pixels checked are those the window holds after a move and a selection, repainted in part.
    void everyPointShowsThePictureDrawnForTheScreensRatio_data() {
        QTest::addColumn<qreal>("from");
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.25, 1.5, 1.75, 2.0, 2.5, 3.0})
            QTest::newRow(qPrintable(QStringLiteral("moved from 100 % to %1 %").arg(ratio * 100)))
                << 1.0 << ratio;
        QTest::newRow("moved from 200 % back to 100 %") << 2.0 << 1.0;
    }
    void everyPointShowsThePictureDrawnForTheScreensRatio() {
        QFETCH(qreal, from);
        QFETCH(qreal, ratio);
        QVERIFY(moveToScreenWithRatio(*window, from));
        move(kRedCannon, kCannonCentre);
        QVERIFY(moveToScreenWithRatio(*window, ratio));
        QCOMPARE(window->centralWidget()->size(), QSize(686, 581));
        QCOMPARE(window->windowIcon().pixmap(QSize(32, 32), ratio).size(), QSize(32, 32) * ratio);
        move(kBlackHorse, kHorseOut);
        click(kCannonCentre);

        const int pitch = qRound(48 * ratio);
        const int line = qRound(ratio);
        const QRect board = devicePixels(*points(), points()->rect(), ratio);
        QImage expected(board.size(), QImage::Format_RGB32);
        expected.fill(points()->palette().window().color());
        QPainter painter(&expected);
        for (int cell = 0; cell < 90; ++cell) {
            const int code = state().Board.at(cell);
            const QImage picture =
                PictureBank::image(code != 0 ? code : window->pointTag(cell), ratio);
            QCOMPARE(picture.size(), QSize(pitch - line, pitch - line));
            const int inset = cell == kCannonCentre ? line : 0;
            painter.drawImage(QPoint(cell % 9, cell / 9) * pitch + QPoint(inset, inset), picture);
        }
        const QRect frame(QPoint(kCannonCentre % 9, kCannonCentre / 9) * pitch,
                          QSize(pitch + line, pitch + line));
        painter.setPen(Qt::NoPen);
        painter.setBrush(points()->palette().windowText());
        painter.drawPath([&] {
            QPainterPath outline;
            outline.addRect(frame);
            outline.addRect(frame.adjusted(line, line, -line, -line));
            return outline;
        }());
        painter.end();
        const QPoint origin = board.topLeft();
        const QImage shown = shownPixels(*window);
        QVERIFY2(shown.copy(board) == expected,
                 qPrintable(firstDifference(shown.copy(board), expected)));

        // The status column is painted to its last device pixel, however the ratio rounds: its
        // background, blue, and the blends of the two.
        auto* statusLabel = control<QLabel>("Label2");
        const QRect status = devicePixels(*statusLabel, statusLabel->rect(), ratio);
        for (int y = status.top(); y <= status.bottom(); ++y)
            for (int x = status.left(); x <= status.right(); ++x) {
                const QColor colour = shown.pixelColor(x, y);
                QVERIFY2(colour.blue() >= 239 && colour.red() == colour.green(),
                         qPrintable(QStringLiteral("status pixel (%1, %2) is %3")
                                        .arg(x)
                                        .arg(y)
                                        .arg(colour.name())));
            }

        // The line across the second row runs on from point to point, broken only by the
        // board's background between the pictures.
        const int side = pitch - line;
        const int lineTop = origin.y() + pitch + (side - line) / 2;
        for (int x = origin.x() + (side - line) / 2; x < origin.x() + 8 * pitch + side / 2; ++x)
            for (int y = lineTop; y < lineTop + line; ++y) {
                const bool between = (x - origin.x()) % pitch >= side;
                QVERIFY2((shown.pixel(x, y) == qRgb(0, 0, 0)) != between,
                         qPrintable(QStringLiteral("line pixel (%1, %2)").arg(x).arg(y)));
            }
    }

    void newGameWorksAlikeFromButtonMenuAndCtrlN_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("button") << 0;
        QTest::newRow("menu item") << 1;
        QTest::newRow("Ctrl+N") << 2;
    }
    void newGameWorksAlikeFromButtonMenuAndCtrlN() {
        QFETCH(int, way);
        auto startNewGame = [&] {
            if (way == 0)
                control<QPushButton>("cmdStart")->click();
            else if (way == 1)
                control<QAction>("mnStart")->trigger();
            else {
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window.get()));
                QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
            }
        };
        move(kRedCannon, kCannonCentre);
        answerNextMessageBox(QMessageBox::No);
        startNewGame();
        QCOMPARE(messages, QStringList({"是否放弃本局?"}));
        QCOMPARE(state().MoveCount, 1);
        QCOMPARE(status(), QStringLiteral("黑 行"));

        answerNextMessageBox(QMessageBox::Yes);
        startNewGame();
        QCOMPARE(state().MoveCount, 0);
        QCOMPARE(status(), QStringLiteral("红行"));
        QVERIFY(pointImage(kRedCannon) == bankImage(55));
        QCOMPARE(commandStates(), QStringLiteral("100"));
    }

    void resignWorksAlikeFromButtonAndMenu_data() {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("button") << true;
        QTest::newRow("menu item") << false;
    }
    void resignWorksAlikeFromButtonAndMenu() {
        QFETCH(bool, byButton);
        answerNextMessageBox(QMessageBox::Yes);
        if (byButton)
            control<QPushButton>("cmdAbort")->click();
        else
            control<QAction>("mnAbort")->trigger();
        QCOMPARE(messages, QStringList({"你真的要认输吗?"}));
        QCOMPARE(status(), QStringLiteral("红 死"));
        QCOMPARE(commandStates(), QStringLiteral("001"));
        click(kRedCannon);
        QVERIFY(!state().PieceSelected);
    }

    void takeBackWorksAlikeFromButtonAndMenu() {
        move(kRedCannon, kCannonCentre);
        move(kBlackHorse, kHorseOut);
        control<QAction>("mnUndo")->trigger();
        QCOMPARE(state().MoveCount, 1);
        control<QPushButton>("cmdUndo")->click();
        QCOMPARE(state().MoveCount, 0);
        QCOMPARE(status(), QStringLiteral("红 行"));
    }

    void commandsFollowTheGame() {
        QCOMPARE(commandStates(), QStringLiteral("100"));
        move(kRedCannon, kCannonCentre);
        QCOMPARE(commandStates(), QStringLiteral("110"));
        move(kBlackHorse, kHorseOut);
        control<QPushButton>("cmdUndo")->click();
        QCOMPARE(commandStates(), QStringLiteral("110"));
        control<QPushButton>("cmdUndo")->click();
        QCOMPARE(commandStates(), QStringLiteral("100"));

        playUntilRedTakesTheBlackKing();
        QCOMPARE(status(), QStringLiteral("黑 死"));
        QCOMPARE(commandStates(), QStringLiteral("001"));
        click(kBlackHorse + 1);
        QVERIFY(!state().PieceSelected);
        QVERIFY(control<QPushButton>("cmdStart")->isEnabled());
        QVERIFY(control<QAction>("mnExit")->isEnabled());
        QVERIFY(control<QAction>("mnAbout")->isEnabled());
    }

    void messageBoxesAskInChineseWithoutIcon() {
        QTimer::singleShot(0, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->windowTitle(), QStringLiteral("Tovan 中国象棋"));
            QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
            QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));
            QCOMPARE(box->buttons().size(), 2);
            box->button(QMessageBox::No)->click();
        });
        control<QPushButton>("cmdAbort")->click();
        QCOMPARE(status(), QStringLiteral("红行"));
    }

    void saveWritesTheRecordChosenInTheSaveAsDialog() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("对局.tvq"));
        move(kRedCannon, kCannonCentre);
        move(kBlackHorse, kHorseOut);
        move(kCannonCentre, kBlackSoldierCentre);
        resign();
        QCOMPARE(status(), QStringLiteral("黑 死"));

        // Saving may be repeated. Each time the dialog offers the folder and name last saved,
        // or none before the first save, whatever was typed into it and cancelled since; it
        // asks before replacing the file.
        QTemporaryDir elsewhere;
        const QString start = QDir::currentPath() + '/';
        QStringList offered;
        for (const bool confirmed : {false, true, false, true}) {
            handleNextDialog<QFileDialog>([&](QFileDialog* dialog) {
                QCOMPARE(dialog->nameFilters(), QStringList({"Tovan 中国象棋存盘文件(*.tvq)"}));
                QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
                QCOMPARE(dialog->defaultSuffix(), QString());
                QCOMPARE(dialog->windowTitle(), QStringLiteral("另存为"));
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                offered << dialog->directory().absolutePath() + '/' + name->text();
                if (!confirmed) {
                    dialog->setDirectory(elsewhere.path());
                    name->setText(QStringLiteral("zzz.tvq"));
                    return dialog->reject();
                }
                name->setText(path);
                static_cast<QDialog*>(dialog)->accept(); // as the Save button does
            });
            if (confirmed && offered.size() > 1)
                answerNextMessageBox(QMessageBox::Yes);
            if (confirmed)
                answerNextMessageBox(QMessageBox::Ok);
            control<QPushButton>("cmdSave")->click();
        }
        QCOMPARE(offered, QStringList({start, start, path, path}));
        QCOMPARE(messages.size(), 4);
        QCOMPARE(messages[1], QStringLiteral("保存完毕。"));
        QVERIFY2(messages[2].contains(QStringLiteral("已存在")), qPrintable(messages[2]));
        QCOMPARE(messages[3], QStringLiteral("保存完毕。"));
        QCOMPARE(contentsOf(path), QByteArray("64,67,0\r\n1,20,0\r\n67,31,66\r\n"));
        QCOMPARE(commandStates(), QStringLiteral("001"));
    }

    // Cancelling ends the command silently. So does a press on 保存 that comes in while the
    // dialog is still open: here as it closes, in the same round of input, before its exec has
    // returned.
    void cancellingTheSaveAsDialogEndsTheCommandSilently() {
        resign();
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Recursive call")));
        handleNextDialog<QFileDialog>([this](QFileDialog* dialog) {
            dialog->reject();
            control<QPushButton>("cmdSave")->click();
        });
        control<QAction>("mnSave")->trigger();
        QCOMPARE(messages, QStringList({"你真的要认输吗?"}));
    }

    void aFailedSaveIsReportedAndKeepsNothing() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("no such folder/game.tvq"));
        resign();
        handleNextDialog<QFileDialog>([&](QFileDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        answerNextMessageBox(QMessageBox::Ok);
        control<QPushButton>("cmdSave")->click();
        QCOMPARE(messages.value(1), QStringLiteral("保存文件错误！"));
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void aboutShowsTheProgramVersionEachTime() {
        move(kRedCannon, kCannonCentre);
        for (int round = 0; round < 2; ++round) {
            QString version;
            handleNextDialog<QDialog>([&](QDialog* dialog) {
                version = dialog->findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
                QTest::keyClick(dialog, Qt::Key_Escape);
            });
            control<QAction>("mnAbout")->trigger();
            QCOMPARE(version, QStringLiteral("版本 ") + QStringLiteral(XIANGQI_VERSION));
        }
        QCOMPARE(state().MoveCount, 1);
        QCOMPARE(status(), QStringLiteral("黑 行"));
    }

    // Ending the program leaves every running event loop; a local one stands in for the
    // program's main loop here.
    void exitEndsTheProgramWithoutAQuestion() {
        move(kRedCannon, kCannonCentre);
        QEventLoop loop;
        QTimer::singleShot(0, this, [this] { control<QAction>("mnExit")->trigger(); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(messages.isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
