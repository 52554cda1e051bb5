// The about panel on the main window, as "O programie" shows it.
#include "app/mainwindow.h"
#include "app/station.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestAboutPanel : public QObject {
    Q_OBJECT
private slots:
    void showsItsWholeText();
};

void TestAboutPanel::showsItsWholeText() {
    Station station;
    MainWindow& window = station.mainWindow();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>("Oprogeamie1")->trigger();
    auto* panel = window.findChild<QWidget*>("Panel1");
    QVERIFY(panel != nullptr && panel->isVisible());

    // Every line of the title and the OK button at its full size, inside
    // the panel, and the panel inside the window's client area.
    const QList<QLabel*> labels = panel->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 6); // the picture and five lines
    QStringList lines;
    for (const QLabel* label : labels) {
        lines << label->text();
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(label->text()));
        QVERIFY2(panel->contentsRect().contains(label->geometry()), qPrintable(label->text()));
    }
    QVERIFY(lines.contains(QStringLiteral("manipulatorem typu SCARA")));
    auto* ok = panel->findChild<QPushButton*>("Button6");
    QVERIFY(ok->width() >= ok->minimumSizeHint().width());
    QVERIFY(ok->height() >= ok->minimumSizeHint().height());
    QVERIFY(panel->contentsRect().contains(ok->geometry()));
    QVERIFY(panel->parentWidget()->rect().contains(panel->geometry()));
}

QTEST_MAIN(TestAboutPanel)
#include "tst_app_about.moc"
