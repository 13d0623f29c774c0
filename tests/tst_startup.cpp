// What the window's start-up is spared, each of which would cost a good part of it: loading the
// image-format plugins for its first frame, and fonts asked for by families that are missing or
// by lists of families. The style that spares the plugins must draw what Fusion draws.
#include "ChineseUi.h"
#include "StartupStyle.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
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

    // Only the title, Tahoma with Chinese characters, needs a second family.
    void everyFontNamesInstalledFamilies() {
        frmMain window;
        const QStringList installed = QFontDatabase::families();
        QList<QWidget*> widgets = window.findChildren<QWidget*>();
        widgets << &window;
        for (const QWidget* widget : widgets) {
            const QStringList families = widget->font().families();
            const int allowed = widget->objectName() == QStringLiteral("Label1") ? 2 : 1;
            QVERIFY2(families.size() <= allowed, qPrintable(widget->objectName()));
            for (const QString& family : families)
                QVERIFY2(installed.contains(family), qPrintable(family));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
