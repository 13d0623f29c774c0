#include "AboutDrawing.h"
#include "OffscreenScreens.h"
#include "SongFont.h"
#include "frmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

using xiangqi::frmAbout;

namespace {

const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
constexpr int kNoAnswer = -1;

enum class CloseAction { Return, Enter, Escape, ClickOk, CloseBox };

QWidget* activeAboutBox() {
    return qobject_cast<frmAbout*>(QApplication::activeModalWidget());
}

// Runs an action on the about box once a modal loop has shown it. A box still open a few
// seconds later is closed with kNoAnswer, so a failing test cannot hang. The timers die with
// the object, so they never reach a box of a later test.
class WhileModal {
public:
    explicit WhileModal(std::function<void(QWidget&)> action) : action_(std::move(action)) {
        QTimer::singleShot(0, &context_, [this] { runOnTheBox(); });
        QTimer::singleShot(5000, &context_, [] {
            if (auto* box = qobject_cast<QDialog*>(activeAboutBox()))
                box->done(kNoAnswer);
        });
    }

    bool ran() const { return ran_; }

private:
    void runOnTheBox() {
        if (QWidget* box = activeAboutBox()) {
            ran_ = true;
            action_(*box);
        }
    }

    std::function<void(QWidget&)> action_;
    QObject context_;
    bool ran_ = false;
};

// Keys go to the control with the focus, as the user's key presses do.
void perform(CloseAction action, QWidget& box) {
    QWidget* focused = box.focusWidget();
    if (!focused && action != CloseAction::ClickOk && action != CloseAction::CloseBox)
        QFAIL("no control of the about box has the focus");
    switch (action) {
    case CloseAction::Return:
        QTest::keyClick(focused, Qt::Key_Return);
        break;
    case CloseAction::Enter:
        QTest::keyClick(focused, Qt::Key_Enter, Qt::KeypadModifier);
        break;
    case CloseAction::Escape:
        QTest::keyClick(focused, Qt::Key_Escape);
        break;
    case CloseAction::ClickOk:
        QTest::mouseClick(box.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        break;
    case CloseAction::CloseBox:
        box.close();
        break;
    }
}

QImage grabOf(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

Q_DECLARE_METATYPE(CloseAction)

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void theDialogIsAFixedSizeWindowWithOnlyACloseBox();
    void eachControlSitsAtItsPlaceWithItsText_data();
    void eachControlSitsAtItsPlaceWithItsText();
    void theVersionLineShowsTheApplicationVersionInThreeParts_data();
    void theVersionLineShowsTheApplicationVersionInThreeParts();
    void theOkButtonIsTheDefaultAndTheOnlyFocusStop();
    void theDialogClosesFromTheKeyboardTheButtonAndTheCloseBox_data();
    void theDialogClosesFromTheKeyboardTheButtonAndTheCloseBox();
    void eachShowingIsBuiltAfreshWithTheCurrentVersion();
    void theSeparatorIsAOnePixelGreyLineOverATwoPixelWhiteLine_data();
    void theSeparatorIsAOnePixelGreyLineOverATwoPixelWhiteLine();
    void thePictureFillsTheSunkenBorderAtItsOwnSize();
    void thePictureAndIconAreDrawnForTheScreensRatio_data();
    void thePictureAndIconAreDrawnForTheScreensRatio();
};

void AboutTest::init() {
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.1"));
}

void AboutTest::theDialogIsAFixedSizeWindowWithOnlyACloseBox() {
    frmAbout dialog;

    QCOMPARE(dialog.windowTitle(), QStringLiteral("关于 tovan中国象棋"));
    QCOMPARE(dialog.size(), QSize(382, 208));
    QCOMPARE(dialog.minimumSize(), QSize(382, 208));
    QCOMPARE(dialog.maximumSize(), QSize(382, 208));
    const Qt::WindowFlags flags = dialog.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
}

void AboutTest::eachControlSitsAtItsPlaceWithItsText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("blackText");

    QTest::newRow("the picture") << "picIcon" << QRect(16, 16, 36, 36) << QString() << false;
    QTest::newRow("the OK button") << "cmdOK" << QRect(275, 175, 100, 23) << "确定" << false;
    QTest::newRow("the author") << "lblDescription" << QRect(70, 75, 259, 78)
                                << "作者：tovan 工作室" << true;
    QTest::newRow("the title") << "lblTitle" << QRect(70, 16, 259, 32) << "tovan中国象棋" << true;
    QTest::newRow("the version") << "lblVersion" << QRect(70, 52, 259, 15) << "版本 1.1.1" << false;
    QTest::newRow("the rights warning") << "lblDisclaimer" << QRect(17, 175, 242, 23)
                                        << "本软件受著作权法保护，未经许可不得复制。" << true;
}

void AboutTest::eachControlSitsAtItsPlaceWithItsText() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, blackText);
    frmAbout dialog;

    const auto* control = dialog.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->property("text").toString(), text);
    QCOMPARE(control->font(), QApplication::font());
    if (blackText)
        QCOMPARE(control->palette().color(QPalette::WindowText), QColor(Qt::black));
    if (auto* label = qobject_cast<const QLabel*>(control))
        QCOMPARE(label->wordWrap(), name == "lblDescription");
}

void AboutTest::theVersionLineShowsTheApplicationVersionInThreeParts_data() {
    QTest::addColumn<QString>("applicationVersion");
    QTest::addColumn<QString>("versionLine");

    QTest::newRow("the program's own version") << "1.1.1"
                                               << "版本 1.1.1";
    QTest::newRow("a two-digit minor version") << "2.10.0"
                                               << "版本 2.10.0";
    QTest::newRow("leading zeros are dropped") << "01.02.003"
                                               << "版本 1.2.3";
    QTest::newRow("a missing revision reads 0") << "3.4"
                                                << "版本 3.4.0";
    QTest::newRow("a major version alone") << "5"
                                           << "版本 5.0.0";
    QTest::newRow("no version at all") << ""
                                       << "版本 0.0.0";
    QTest::newRow("a fourth part is not shown") << "6.7.8.9"
                                                << "版本 6.7.8";
    QTest::newRow("a suffix is not shown") << "1.2.3-beta"
                                           << "版本 1.2.3";
}

void AboutTest::theVersionLineShowsTheApplicationVersionInThreeParts() {
    QFETCH(QString, applicationVersion);
    QFETCH(QString, versionLine);
    QCoreApplication::setApplicationVersion(applicationVersion);

    frmAbout dialog;

    QCOMPARE(dialog.findChild<QLabel*>("lblVersion")->text(), versionLine);
}

void AboutTest::theOkButtonIsTheDefaultAndTheOnlyFocusStop() {
    frmAbout dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* ok = dialog.findChild<QPushButton*>("cmdOK");

    QVERIFY(ok->isDefault());
    QVERIFY(ok->autoDefault());
    QCOMPARE(dialog.focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), ok);
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void AboutTest::theDialogClosesFromTheKeyboardTheButtonAndTheCloseBox_data() {
    QTest::addColumn<CloseAction>("action");
    QTest::addColumn<int>("result");

    QTest::newRow("Enter on the main keyboard") << CloseAction::Return << int(QDialog::Accepted);
    QTest::newRow("Enter on the keypad") << CloseAction::Enter << int(QDialog::Accepted);
    QTest::newRow("Esc") << CloseAction::Escape << int(QDialog::Rejected);
    QTest::newRow("a click on 确定") << CloseAction::ClickOk << int(QDialog::Accepted);
    QTest::newRow("the close box") << CloseAction::CloseBox << int(QDialog::Rejected);
}

void AboutTest::theDialogClosesFromTheKeyboardTheButtonAndTheCloseBox() {
    QFETCH(CloseAction, action);
    QFETCH(int, result);
    frmAbout dialog;

    const WhileModal closing([action](QWidget& box) { perform(action, box); });
    const int answer = dialog.exec();

    QVERIFY(closing.ran());
    QCOMPARE(answer, result);
    QVERIFY(!dialog.isVisible());
}

void AboutTest::eachShowingIsBuiltAfreshWithTheCurrentVersion() {
    const QStringList versions{"1.1.1", "2.10.0"};
    for (const QString& version : versions) {
        QCoreApplication::setApplicationVersion(version);
        QString shownVersion;
        bool ownerless = false;

        const WhileModal reading([&](QWidget& box) {
            shownVersion = box.findChild<QLabel*>("lblVersion")->text();
            ownerless = box.parentWidget() == nullptr && box.isModal();
            perform(CloseAction::Return, box);
        });
        frmAbout::showModal();

        QVERIFY(reading.ran());
        QCOMPARE(shownVersion, "版本 " + version);
        QVERIFY(ownerless);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(windows.begin(), windows.end(),
                             [](QWidget* window) { return qobject_cast<frmAbout*>(window); }));
    }
}

void AboutTest::theSeparatorIsAOnePixelGreyLineOverATwoPixelWhiteLine_data() {
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("firstX");
    QTest::addColumn<int>("lastX");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("the grey line fills row 163 from x 6 to 376")
        << 163 << 6 << 376 << kGrey << true;
    QTest::newRow("the white line fills row 164 from x 7 to 376")
        << 164 << 7 << 376 << kWhite << true;
    QTest::newRow("the white line fills row 165 from x 7 to 376")
        << 165 << 7 << 376 << kWhite << true;
    QTest::newRow("no grey above the separator") << 162 << 0 << 381 << kGrey << false;
    QTest::newRow("no white below the separator") << 166 << 0 << 381 << kWhite << false;
    QTest::newRow("the grey line ends at x 376") << 163 << 377 << 381 << kGrey << false;
    QTest::newRow("the white line starts at x 7") << 164 << 0 << 6 << kWhite << false;
    QTest::newRow("the white line ends at x 376") << 165 << 377 << 381 << kWhite << false;
}

void AboutTest::theSeparatorIsAOnePixelGreyLineOverATwoPixelWhiteLine() {
    QFETCH(int, y);
    QFETCH(int, firstX);
    QFETCH(int, lastX);
    QFETCH(QColor, colour);
    QFETCH(bool, drawn);
    frmAbout dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    const QImage image = grabOf(dialog);

    QCOMPARE(image.size(), QSize(382, 208));
    for (int x = firstX; x <= lastX; ++x) {
        if ((image.pixelColor(x, y) == colour) != drawn)
            QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3")
                                 .arg(x)
                                 .arg(y)
                                 .arg(image.pixelColor(x, y).name())));
    }
}

void AboutTest::thePictureFillsTheSunkenBorderAtItsOwnSize() {
    const QImage picture = QImage(":/about/about.png");
    QCOMPARE(picture.size(), QSize(32, 32));
    frmAbout dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* picIcon = dialog.findChild<QLabel*>("picIcon");

    QCOMPARE(picIcon->frameStyle(), QFrame::Panel | QFrame::Sunken);
    QCOMPARE(picIcon->lineWidth(), 2);
    QCOMPARE(picIcon->contentsRect(), QRect(2, 2, 32, 32));

    const QImage shown = grabOf(dialog).copy(18, 18, 32, 32);
    QImage expected(32, 32, QImage::Format_RGB32);
    expected.fill(dialog.palette().color(QPalette::Window));
    QPainter(&expected).drawImage(0, 0, picture);
    QCOMPARE(shown, expected);

    const QImage framed = grabOf(dialog).copy(16, 16, 36, 36);
    const int background = dialog.palette().color(QPalette::Window).lightness();
    QVERIFY(framed.pixelColor(0, 0).lightness() < background);
    QVERIFY(framed.pixelColor(35, 35).lightness() > background);
}

// Moved to a screen of another device pixel ratio, the box shows its picture drawn for that
// ratio, in the screen's device pixels within the sunken border, and its icon made for it.
void AboutTest::thePictureAndIconAreDrawnForTheScreensRatio_data() {
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : {1.25, 1.5, 1.75, 2.0, 2.5, 3.0})
        QTest::newRow(qPrintable(QStringLiteral("%1 %").arg(ratio * 100))) << ratio;
}

void AboutTest::thePictureAndIconAreDrawnForTheScreensRatio() {
    QFETCH(qreal, ratio);
    frmAbout dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(moveToScreenWithRatio(dialog, ratio));
    auto* picIcon = dialog.findChild<QLabel*>("picIcon");

    const QImage expected = xiangqi::drawing::AboutDrawing(xiangqi::drawing::songFont())
                                .image(ratio)
                                .convertToFormat(QImage::Format_RGB32);
    const QRect shown = devicePixels(*picIcon, picIcon->contentsRect(), ratio);
    QCOMPARE(shown.size(), expected.size());
    QCOMPARE(shownPixels(dialog).copy(shown), expected);
    QCOMPARE(dialog.windowIcon().pixmap(QSize(32, 32), ratio).size(), QSize(32, 32) * ratio);
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
