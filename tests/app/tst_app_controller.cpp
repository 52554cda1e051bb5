// The controller link in the whole station: a session with the built-in
// emulator through the main window's own controls and menus.
#include "app/mainwindow.h"
#include "app/notifier.h"
#include "app/station.h"
#include "controller/controllerlink.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/linktexts.h"
#include "controller/widgets/comled.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "controller/widgets/portselectors.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

class TestControllerLinkMainWindow : public QObject {
    Q_OBJECT
private slots:
    void aSessionOnTheMainWindow();
    void trafficLampsStayLitToBeSeen();
    void theFrameLogKeepsItsLastLines();
};

void TestControllerLinkMainWindow::aSessionOnTheMainWindow() {
    Station station;
    MainWindow& window = station.mainWindow();
    ControllerWindowBinding* binding = &station.controller();
    QStringList errors;
    QStringList notices;
    binding->setErrorPresenter([&](const QString& text) { errors << text; });
    binding->setNoticePresenter([&](const QString& text, std::function<void()> closed) {
        notices << text;
        closed();
    });
    auto panel = [&](int i) {
        return window.findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i))->text();
    };
    auto button = [&](const char* name) { return window.findChild<QAbstractButton*>(name); };
    auto action = [&](const char* name) { return window.findChild<QAction*>(name); };
    for (const char* name :
         {"Button1", "Button2", "Button3", "Button5", "Button7", "Button10", "CheckBox7"})
        QVERIFY2(button(name), name);
    for (const char* name : {"Poczzesterownikiem1", "Jazdareferencyjna1", "Wyslijprogram1",
                             "Przerwawwysyaniuprogramu1"})
        QVERIFY2(action(name), name);

    QCOMPARE(panel(0), LinkTexts::disconnected());
    QVERIFY(!button("Button2")->isEnabled());
    window.findChild<QComboBox*>("ComComboBox1")->setCurrentText(PortSelectors::kEmulatorEntry);
    action("Poczzesterownikiem1")->trigger();
    QTRY_COMPARE(panel(0), LinkTexts::connected());
    QVERIFY(button("Button2")->isEnabled());

    QSignalSpy replies(&binding->link(), &ControllerLink::received);
    action("Jazdareferencyjna1")->trigger();
    QTRY_COMPARE(panel(1), LinkTexts::referenceTravel());
    button("CheckBox7")->click();
    QTRY_COMPARE(panel(2), LinkTexts::manualMode());
    QTRY_COMPARE(replies.count(), 2);
    button("Button10")->click();
    QTRY_COMPARE(panel(1), LinkTexts::referenceDone());
    button("CheckBox7")->click();
    QTRY_COMPARE(replies.count(), 4);

    window.programList().replace(ProgramText::fromLines({"N1 G00 X0 Y250 ", "N2 M30 "}));
    binding->programPrepared();
    QTRY_VERIFY(action("Wyslijprogram1")->isEnabled());
    action("Wyslijprogram1")->trigger();
    QTRY_COMPARE(notices, QStringList{LinkTexts::transferDone()});
    QCOMPARE(window.findChild<QPlainTextEdit*>("Memo5")->blockCount(), 2);
    QCOMPARE(binding->portSelectors().emulator()->acceptedLines(),
             QByteArrayList({"N1 G00 X0 Y250 ", "N2 M30 "}));
    QVERIFY(!window.findChild<QPlainTextEdit*>("ComTerminal1")->toPlainText().isEmpty());
    QCOMPARE(errors, QStringList());
}

void TestControllerLinkMainWindow::trafficLampsStayLitToBeSeen() {
    Station station;
    MainWindow& window = station.mainWindow();
    ControllerLink& link = station.controller().link();
    auto lamp = [&](const char* name) { return window.findChild<ComLed*>(name); };
    // The port lights RX for a byte and puts it out a moment later: the lamp
    // stays lit long enough to be seen, then goes out by itself.
    for (auto [which, name] : {std::pair{Lamp::Rx, "ComLed4"}, std::pair{Lamp::Tx, "ComLed5"}}) {
        ComLed* shown = lamp(name);
        QVERIFY2(shown != nullptr, name);
        QElapsedTimer clock;
        clock.start();
        emit link.lampChanged(which, true);
        emit link.lampChanged(which, false);
        QVERIFY2(shown->isLit(), name);
        QTRY_VERIFY2(!shown->isLit(), name);
        QVERIFY2(clock.elapsed() >= 95, name);
    }
    // Traffic again within the hold keeps the lamp lit.
    ComLed* rx = lamp("ComLed4");
    emit link.lampChanged(Lamp::Rx, true);
    emit link.lampChanged(Lamp::Rx, false);
    emit link.lampChanged(Lamp::Rx, true);
    QTest::qWait(250);
    QVERIFY(rx->isLit());
    emit link.lampChanged(Lamp::Rx, false);
    QVERIFY(!rx->isLit()); // lit long enough already
    // The modem lines show their state as it is.
    emit link.lampChanged(Lamp::Cts, true);
    emit link.lampChanged(Lamp::Cts, false);
    QVERIFY(!lamp("ComLed1")->isLit());
}

void TestControllerLinkMainWindow::theFrameLogKeepsItsLastLines() {
    Station station;
    ControllerLink& link = station.controller().link();
    auto* log = station.mainWindow().findChild<QPlainTextEdit*>("Memo5");
    for (int frame = 1; frame <= 9999; ++frame)
        emit link.logAppended(QByteArray::number(frame));
    QCOMPARE(log->blockCount(), 9999);
    QCOMPARE(log->document()->firstBlock().text(), QStringLiteral("1"));
    for (int frame = 10000; frame <= 10250; ++frame)
        emit link.logAppended(QByteArray::number(frame));
    // The last 10,000 frames, under a line that says older ones are gone.
    QCOMPARE(log->blockCount(), 10001);
    const QTextDocument* text = log->document();
    QCOMPARE(text->firstBlock().text(),
             QStringLiteral("… starsze linie usunięte (zachowano ostatnie 10000)"));
    QCOMPARE(text->findBlockByNumber(1).text(), QStringLiteral("251"));
    QCOMPARE(text->lastBlock().text(), QStringLiteral("10250"));
    QVERIFY(!text->isUndoAvailable());
}

QTEST_MAIN(TestControllerLinkMainWindow)
#include "tst_app_controller.moc"
