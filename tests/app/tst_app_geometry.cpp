// The main window comes back where and as large as it was left, on a real X
// display without a window manager (xvfb-run), where "maximized" is only a
// flag the window keeps; and never smaller than its default size.
#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "app/stationpersistence.h"
#include "app/windowplacement.h"
#include "support/files.h"

#include <QtTest>

#include <memory>

class TestWindowGeometry : public QObject {
    Q_OBJECT
private slots:
    void placeKeptWindow_data();
    void placeKeptWindow();
    void mainWindowComesBackAsLeft_data();
    void mainWindowComesBackAsLeft();
};

void TestWindowGeometry::placeKeptWindow_data() {
    QTest::addColumn<QRect>("left");
    QTest::addColumn<QRect>("placed");
    QTest::newRow("as it was") << QRect(10, 20, 1390, 850) << QRect(10, 20, 1390, 850);
    QTest::newRow("larger than the screen kept")
        << QRect(0, 0, 1600, 1000) << QRect(0, 0, 1600, 1000);
    QTest::newRow("too small grows") << QRect(30, 40, 600, 400) << QRect(30, 40, 1000, 700);
    QTest::newRow("narrow grows only in width") << QRect(0, 0, 500, 800) << QRect(0, 0, 1000, 800);
    QTest::newRow("off to the left") << QRect(-500, 10, 1200, 800) << QRect(0, 10, 1200, 800);
    QTest::newRow("off the bottom") << QRect(100, 2000, 1200, 800) << QRect(100, 799, 1200, 800);
    QTest::newRow("off the right") << QRect(5000, 0, 1200, 800) << QRect(1299, 0, 1200, 800);
}

void TestWindowGeometry::placeKeptWindow() {
    QFETCH(QRect, left);
    QFETCH(QRect, placed);
    QCOMPARE(PlaceKeptWindow(left, QSize(1000, 700), QRect(0, 0, 1400, 900)), placed);
}

void TestWindowGeometry::mainWindowComesBackAsLeft_data() {
    QTest::addColumn<QRect>("left");          // set on the first start; invalid: as it opened
    QTest::addColumn<bool>("atLeastDefault"); // else exactly as left
    QTest::newRow("as it opened") << QRect() << true;
    QTest::newRow("widened") << QRect(0, 0, 1390, 850) << false;
    QTest::newRow("moved and resized") << QRect(40, 30, 1450, 900) << false;
    QTest::newRow("made small") << QRect(20, 20, 640, 480) << true;
}

void TestWindowGeometry::mainWindowComesBackAsLeft() {
    QFETCH(QRect, left);
    QFETCH(bool, atLeastDefault);
    TempDir dir;
    const QString path = dir.filePath(QStringLiteral("station.conf"));
    QSize expected;
    for (int start = 0; start < 4; ++start) {
        SettingsStore store(path);
        auto station = std::make_unique<Station>(&store);
        MainWindow& window = station->mainWindow();
        station->showWindows();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (start == 0) {
            if (left.isValid())
                window.setGeometry(left);
            if (left.isValid() && !atLeastDefault)
                QTRY_COMPARE(window.geometry(), left);
            if (left.isValid() && atLeastDefault)
                QTRY_VERIFY(window.width() < window.defaultSize().width());
            expected = window.size();
            if (atLeastDefault)
                expected = expected.expandedTo(window.defaultSize());
        } else {
            QTRY_COMPARE(window.size(), expected);
            if (left.isValid() && !atLeastDefault)
                QCOMPARE(window.geometry(), left);
        }
        if (start > 0) {
            QVERIFY(window.width() >= window.defaultSize().width());
            QVERIFY(window.height() >= window.defaultSize().height());
        }
        station->persistence().save();
    }
}

QTEST_MAIN(TestWindowGeometry)
#include "tst_app_geometry.moc"
