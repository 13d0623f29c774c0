// What the window's start-up is spared, each of which would cost a good part of it: loading the
// image-format plugins for its first frame, and fonts asked for by families that are missing or
// by lists of families. The style that spares the plugins must draw what Fusion draws, and the
// title, drawn with two fonts of one family each, what a label with both families draws.
#include "ChineseUi.h"
#include "StartupStyle.h"
#include "TitleLabel.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QStyleFactory>
#include <QTest>
#include <memory>

using namespace xiangqi;

class StartupTest : public QObject {
    Q_OBJECT

    static bool imagePluginLoaded() {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
    }

    std::unique_ptr<QStyle> fusion{QStyleFactory::create(QStringLiteral("Fusion"))};
    StartupStyle startupStyle;

private slots:
    void initTestCase() {
        QApplication::setStyle(new StartupStyle);
        installChineseUi(*qApp);
        QVERIFY(fusion);
    }

    // First, before anything else here draws a picture.
    void firstFrameLoadsNoImagePlugin() {
        QVERIFY(!imagePluginLoaded());
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.grab().isNull());
        QVERIFY(!imagePluginLoaded());
    }

    void groupBoxesLookAsFusionDrawsThem_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::newRow("titled") << QStringLiteral("棋盘") << false;
        QTest::newRow("untitled") << QString() << false;
        QTest::newRow("checkable untitled") << QString() << true;
    }
    void groupBoxesLookAsFusionDrawsThem() {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        QGroupBox box(title);
        box.setCheckable(checkable);
        box.resize(481, 529);
        box.setStyle(fusion.get());
        const QImage expected = box.grab().toImage();
        box.setStyle(&startupStyle);
        QCOMPARE(box.grab().toImage(), expected);
    }

    void overflowButtonShowsFusionsIcon() {
        const QIcon icon = startupStyle.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        const QIcon expected = fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(), expected.availableSizes());
        for (const int size : {8, 16, 32})
            QCOMPARE(icon.pixmap(size).toImage(), expected.pixmap(size).toImage());
    }

    void everyFontNamesOneInstalledFamily() {
        frmMain window;
        const QStringList installed = QFontDatabase::families();
        QList<QWidget*> widgets = window.findChildren<QWidget*>();
        widgets << &window;
        for (const QWidget* widget : widgets) {
            QList<QFont> fonts{widget->font()};
            if (const auto* title = qobject_cast<const TitleLabel*>(widget))
                fonts << title->chineseFont();
            for (const QFont& font : fonts) {
                QCOMPARE(font.families().size(), 1);
                QVERIFY2(installed.contains(font.family()), qPrintable(font.family()));
            }
        }
    }

    // The title draws what a label whose font lists both families draws.
    void titleLooksAsOneLabelWithBothFonts_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("mixed") << QStringLiteral("tovan 中国象棋");
        QTest::newRow("Chinese first") << QStringLiteral("中国 tovan");
        QTest::newRow("Chinese only") << QStringLiteral("中国象棋");
        QTest::newRow("Latin only") << QStringLiteral("tovan");
        QTest::newRow("empty") << QString();
    }
    void titleLooksAsOneLabelWithBothFonts() {
        QFETCH(QString, text);
        const QFont latin = tahomaFont(26.25);
        const QFont chinese = songFont(26.25);
        QFont both = latin;
        both.setFamilies({latin.family(), chinese.family()});
        QLabel label(text);
        label.setFont(both);
        label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label.resize(label.sizeHint().expandedTo(QSize(200, 41)));
        TitleLabel title(text, latin, chinese, nullptr);
        title.resize(label.size());
        QCOMPARE(title.grab().toImage(), label.grab().toImage());
        if (!text.isEmpty())
            QCOMPARE(title.sizeHint(), label.sizeHint());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
