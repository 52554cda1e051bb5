// The window binding: the link attached through ControllerControls to a small
// window with the main window's controls, the built-in emulator or a scripted peer
// on a real pseudo-terminal at the far end; the transfer panel in another language.
#include "base/stationlanguage.h"
#include "controller/controllerlink.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/linktexts.h"
#include "controller/programsource.h"
#include "controller/serialerror.h"
#include "controller/serialportlist.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "controller/widgets/portselectors.h"
#include "controller/widgets/terminalview.h"
#include "controller/widgets/transferpanel.h"
#include "support/portonline.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <cerrno>

// A lamp that counts how often it is set.
class TestLamp : public QWidget, public SignalLamp {
public:
    using QWidget::QWidget;
    bool lit = false;
    int changes = 0;
    void setLit(bool on) override {
        lit = on;
        ++changes;
    }
};

namespace {

// The main window's controller controls, by objectName, with their design
// texts and states.
class TestWindow : public QWidget {
public:
    TestWindow() {
        new QVBoxLayout(this);
        const QStringList lists[6] = {{"COM1"},
                                      {"Custom", "110", "300", "600", "1200", "2400", "4800",
                                       "9600", "14400", "19200", "38400", "56000", "57600",
                                       "115200", "128000", "256000"},
                                      {"5", "6", "7", "8"},
                                      {"None", "Odd", "Even", "Mark", "Space"},
                                      {"1", "1.5", "2"},
                                      {"Hardware", "Software", "None", "Custom"}};
        const QStringList current{"COM1", "19200", "8", "None", "1", "None"};
        for (int i = 0; i < 6; ++i) {
            auto* box = add<QComboBox>(QStringLiteral("ComComboBox%1").arg(i + 1));
            box->addItems(lists[i]);
            box->setCurrentText(current[i]);
        }
        for (int i = 1; i <= 5; ++i)
            add<TestLamp>(QStringLiteral("ComLed%1").arg(i));
        for (int i : {1, 2, 3, 4, 5, 7, 8, 9, 10})
            add<QPushButton>(QStringLiteral("Button%1").arg(i));
        add<QCheckBox>("CheckBox7");
        const std::pair<const char*, const char*> fields[] = {{"Edit12", "05"},  {"Edit13", "050"},
                                                              {"Edit14", "045"}, {"Edit9", ""},
                                                              {"Edit10", ""},    {"Edit16", ""}};
        for (auto [name, text] : fields)
            add<QLineEdit>(name)->setText(text);
        add<QPlainTextEdit>("Memo5")->setReadOnly(true);
        add<QPlainTextEdit>("ComTerminal1");
        for (int i = 0; i < 6; ++i)
            add<QLabel>(QStringLiteral("StatusPanel%1").arg(i));
        for (const char* name :
             {"Poczzesterownikiem1", "Jazdareferencyjna1", "Wyslijprogram1",
              "Przerwawwysyaniuprogramu1", "Wstrzymajwysylanie1", "Wstrzymajnatychmiast1",
              "Wznowwysylanie1", "Przerwijwysylanie1", "Zapisujprzebieg1"}) {
            auto* action = new QAction(this);
            action->setObjectName(name);
            addAction(action);
        }
    }
    // The controls as the binding takes them.
    ControllerControls controls() const {
        ControllerControls c;
        for (int i = 0; i < 6; ++i)
            c.portSelectors[std::size_t(i)] =
                get<QComboBox>(QStringLiteral("ComComboBox%1").arg(i + 1));
        for (int i = 0; i < 5; ++i)
            c.lamps[std::size_t(i)] = get<TestLamp>(QStringLiteral("ComLed%1").arg(i + 1));
        c.connectButton = get<QAbstractButton>("Button1");
        c.disconnectButton = get<QAbstractButton>("Button2");
        c.manualModeBox = get<QAbstractButton>("CheckBox7");
        c.addressField = get<QLineEdit>("Edit12");
        c.g00HeightField = get<QLineEdit>("Edit13");
        c.sendG00Height = get<QAbstractButton>("Button7");
        c.g01HeightField = get<QLineEdit>("Edit14");
        c.sendG01Height = get<QAbstractButton>("Button9");
        c.arm1MoveField = get<QLineEdit>("Edit9");
        c.sendArm1Move = get<QAbstractButton>("Button3");
        c.arm2MoveField = get<QLineEdit>("Edit10");
        c.sendArm2Move = get<QAbstractButton>("Button4");
        c.zMoveField = get<QLineEdit>("Edit16");
        c.sendZMove = get<QAbstractButton>("Button5");
        c.heightCorrection = get<QAbstractButton>("Button8");
        c.setReference = get<QAbstractButton>("Button10");
        c.frameLog = get<QPlainTextEdit>("Memo5");
        c.terminal = get<QPlainTextEdit>("ComTerminal1");
        for (int i = 0; i < 3; ++i)
            c.statusPanels[std::size_t(i)] = get<QLabel>(QStringLiteral("StatusPanel%1").arg(i));
        c.connectItem = get<QAction>("Poczzesterownikiem1");
        c.referenceTravelItem = get<QAction>("Jazdareferencyjna1");
        c.sendProgramItem = get<QAction>("Wyslijprogram1");
        c.pauseItem = get<QAction>("Przerwawwysyaniuprogramu1");
        c.holdItem = get<QAction>("Wstrzymajwysylanie1");
        c.holdNowItem = get<QAction>("Wstrzymajnatychmiast1");
        c.resumeItem = get<QAction>("Wznowwysylanie1");
        c.abortItem = get<QAction>("Przerwijwysylanie1");
        c.traceItem = get<QAction>("Zapisujprzebieg1");
        c.traceItem->setCheckable(true);
        c.window = const_cast<TestWindow*>(this);
        return c;
    }
    template <typename T> T* add(const QString& name) {
        auto* widget = new T(this);
        widget->setObjectName(name);
        layout()->addWidget(widget);
        return widget;
    }
    template <typename T> T* get(const QString& name) const {
        T* found = findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString panel(int i) const {
        return get<QLabel>(QStringLiteral("StatusPanel%1").arg(i))->text();
    }
    void click(const char* name) { get<QAbstractButton>(name)->click(); }
    void trigger(const char* name) { get<QAction>(name)->trigger(); }
};

QMessageBox* openBox(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            return qobject_cast<QMessageBox*>(widget);
    }
    return nullptr;
}

int openBoxes(const char* name) {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QLatin1String(name) && widget->isVisible();
    return count;
}

} // namespace

class TestControllerLinkWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void theWindowOpensDisconnectedWithTheEmulatorOffered();
    void aSessionWithTheBuiltInEmulator();
    void theTerminalShowsWhatArrivesAndSendsWhatIsTyped();
    void theEmulatorGoingAwayIsADisconnectShownOnce();
    void connectErrorsAreShownOnceAndChangeNothing();
    void thePortListIsReadAgainWhenItOpens();
    void theFlowControlSelectorAppliesAtOnce();
    void theTerminalDropsEscapesAcrossChunksAndBreaksAt50Columns();
    void theTransferPanelShowsItsTextsAgainInAnotherLanguage();
};

void TestControllerLinkWindow::cleanup() {
    UseLanguage(StationLanguage::Polish);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(widget))
            delete widget;
    }
}

void TestControllerLinkWindow::theWindowOpensDisconnectedWithTheEmulatorOffered() {
    TestWindow window;
    new ControllerWindowBinding(window.controls(), &window);
    QCOMPARE(window.panel(0), LinkTexts::disconnected());
    QCOMPARE(window.panel(1), LinkTexts::noReference());
    QCOMPARE(window.panel(2), LinkTexts::automaticMode());
    QVERIFY(!window.get<QPushButton>("Button2")->isEnabled());
    QVERIFY(!window.get<QPushButton>("Button10")->isEnabled());
    QVERIFY(!window.get<QAction>("Jazdareferencyjna1")->isEnabled());
    QVERIFY(!window.get<QAction>("Wyslijprogram1")->isEnabled()); // no program yet
    auto* ports = window.get<QComboBox>("ComComboBox1");
    QCOMPARE(ports->itemText(ports->count() - 1), PortSelectors::kEmulatorEntry);
    const QString preferred = preferredPort(presentPortNames());
    QCOMPARE(ports->currentText(), preferred.isEmpty() ? PortSelectors::kEmulatorEntry : preferred);
    QCOMPARE(window.get<QComboBox>("ComComboBox2")->currentText(), "19200");
}

void TestControllerLinkWindow::aSessionWithTheBuiltInEmulator() {
    TestWindow window;
    auto* binding = new ControllerWindowBinding(window.controls(), &window);
    window.get<QComboBox>("ComComboBox1")->setCurrentText(PortSelectors::kEmulatorEntry);
    window.click("Button1");
    QTRY_COMPARE(window.panel(0), LinkTexts::connected());
    QVERIFY(!window.get<QComboBox>("ComComboBox3")->isEnabled());
    QVERIFY(window.get<QAction>("Jazdareferencyjna1")->isEnabled());
    ControllerEmulator* emulator = binding->portSelectors().emulator();
    QVERIFY(emulator);

    window.trigger("Jazdareferencyjna1");
    QTRY_COMPARE(window.panel(1), LinkTexts::referenceTravel());
    window.click("CheckBox7");
    QTRY_COMPARE(window.panel(2), LinkTexts::manualMode());
    QTRY_VERIFY(window.get<QPushButton>("Button5")->isEnabled());
    window.get<QLineEdit>("Edit16")->setText("-3");
    window.click("Button5");
    QTRY_COMPARE(emulator->acceptedCommands().size(), 5);
    QCOMPARE(emulator->acceptedCommands().mid(2), QByteArrayList({"014", "0133", "0133"}));

    const LineListProgram program({"N1 G00 X0 Y250 ", "N2 G01 X100 Y250 Z10 ", "N3 M30 "});
    binding->setProgram(&program);
    binding->programPrepared();
    QTRY_VERIFY(emulator->framesAccepted() == 5); // the last move answered
    window.click("Button10");
    QTRY_COMPARE(window.panel(1), LinkTexts::referenceDone());
    QSignalSpy replies(&binding->link(), &ControllerLink::received);
    window.click("CheckBox7");
    QTRY_COMPARE(window.panel(2), LinkTexts::automaticMode());
    QTRY_VERIFY(!window.get<QPushButton>("Button5")->isEnabled());
    // Its acknowledgement would otherwise count for the first program line.
    QTRY_COMPARE(replies.count(), 1);

    window.trigger("Wyslijprogram1");
    QTRY_VERIFY(!window.get<QCheckBox>("CheckBox7")->isEnabled());
    QTRY_VERIFY(openBox("ControllerNoticeBox"));
    QMessageBox* notice = openBox("ControllerNoticeBox");
    QCOMPARE(notice->text(), LinkTexts::transferDone());
    QCOMPARE(notice->windowTitle(), "SCARA");
    const QStringList log = window.get<QPlainTextEdit>("Memo5")->toPlainText().split('\n');
    QCOMPARE(log.size(), 3);
    QVERIFY(log.at(1).startsWith(":0520N2 G01 X100 Y250 Z10 "));
    QCOMPARE(emulator->acceptedLines(),
             QByteArrayList({"N1 G00 X0 Y250 ", "N2 G01 X100 Y250 Z10 ", "N3 M30 "}));
    QVERIFY(!window.get<QCheckBox>("CheckBox7")->isEnabled());
    notice->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(window.get<QCheckBox>("CheckBox7")->isEnabled());
    QCOMPARE(openBoxes("ControllerErrorBox"), 0);

    window.click("Button2");
    QTRY_COMPARE(window.panel(0), LinkTexts::disconnected());
    QTRY_VERIFY(window.get<QComboBox>("ComComboBox3")->isEnabled());
}

void TestControllerLinkWindow::theTerminalShowsWhatArrivesAndSendsWhatIsTyped() {
    PseudoTerminal line;
    QVERIFY(line.open());
    QByteArray heard;
    connect(&line, &PseudoTerminal::readyRead, [&] { heard += line.readAvailable(); });
    TestWindow window;
    new ControllerWindowBinding(window.controls(), &window);
    window.get<QComboBox>("ComComboBox1")->setCurrentText(line.portPath()); // typed in
    window.click("Button1");
    QTRY_COMPARE(heard, QByteArray(":05210021ae4\r\n"));
    heard.clear();

    auto* terminal = window.get<QPlainTextEdit>("ComTerminal1");
    QTest::keyClicks(terminal, "ab");
    QTest::keyClick(terminal, Qt::Key_Return);
    QTRY_COMPARE(heard, QByteArray("ab\r"));
    QCOMPARE(terminal->toPlainText(), QString()); // nothing echoed

    auto* rx = window.get<TestLamp>("ComLed4");
    line.write("\x1b[2J\x1b[1;1Hgotowe\r\n");
    QTRY_COMPARE(terminal->toPlainText(), "gotowe\n");
    line.write(":05");
    QTRY_COMPARE(terminal->toPlainText(), "gotowe\n:05");
    QVERIFY(rx->changes > 0);
    line.write("05\r\n");
    QTRY_COMPARE(window.panel(0), LinkTexts::connected()); // split acknowledgement
    line.write(QByteArray(60, 'x'));
    QTRY_VERIFY(terminal->toPlainText().endsWith(QString(50, 'x') + "\n" + QString(10, 'x')));
    QTRY_VERIFY(!rx->lit);
    QVERIFY(!window.get<TestLamp>("ComLed1")->lit); // no modem lines on this line
}

void TestControllerLinkWindow::theEmulatorGoingAwayIsADisconnectShownOnce() {
    TestWindow window;
    auto* binding = new ControllerWindowBinding(window.controls(), &window);
    window.get<QComboBox>("ComComboBox1")->setCurrentText(PortSelectors::kEmulatorEntry);
    window.click("Button1");
    QTRY_COMPARE(window.panel(0), LinkTexts::connected());
    binding->portSelectors().emulator()->stop();
    QTRY_COMPARE(window.panel(0), LinkTexts::disconnected());
    QTRY_COMPARE(openBoxes("ControllerErrorBox"), 1);
    QVERIFY(openBox("ControllerErrorBox")->text().startsWith("ReadFile function failed"));
    QVERIFY(window.get<QPushButton>("Button1")->isEnabled());
    QVERIFY(!window.get<QPushButton>("Button2")->isEnabled());
    QVERIFY(window.get<QComboBox>("ComComboBox1")->isEnabled());
    // Connecting again starts the emulator again.
    window.click("Button1");
    QTRY_COMPARE(window.panel(0), LinkTexts::connected());
}

void TestControllerLinkWindow::connectErrorsAreShownOnceAndChangeNothing() {
    TestWindow window;
    new ControllerWindowBinding(window.controls(), &window);
    window.get<QComboBox>("ComComboBox1")->setCurrentText(missingPortPath());
    window.click("Button1");
    window.click("Button1");
    QTRY_COMPARE(openBoxes("ControllerErrorBox"), 1);
    QCOMPARE(openBox("ControllerErrorBox")->text(), serialOpenErrorText(missingPortPath(), ENOENT));
    QVERIFY(window.get<QPushButton>("Button1")->isEnabled());
    QCOMPARE(window.panel(0), LinkTexts::disconnected());
    cleanup();

    window.get<QComboBox>("ComComboBox1")->setCurrentText(PortSelectors::kEmulatorEntry);
    window.get<QComboBox>("ComComboBox2")->setCurrentIndex(-1);
    window.click("Button1");
    QTRY_VERIFY(openBox("ControllerErrorBox"));
    QCOMPARE(openBox("ControllerErrorBox")->text(), "List index out of bounds (-1)");
    QCOMPARE(window.panel(0), LinkTexts::disconnected());
}

void TestControllerLinkWindow::thePortListIsReadAgainWhenItOpens() {
    TestWindow window;
    new ControllerWindowBinding(window.controls(), &window);
    auto* ports = window.get<QComboBox>("ComComboBox1");
    ports->setCurrentText("/dev/my-adapter");
    ports->insertItem(0, "/dev/gone-since");
    QTest::mousePress(ports, Qt::LeftButton);
    ports->hidePopup();
    QCOMPARE(ports->findText("/dev/gone-since"), -1);
    QCOMPARE(ports->itemText(ports->count() - 1), PortSelectors::kEmulatorEntry);
    QCOMPARE(ports->currentText(), "/dev/my-adapter");
}

void TestControllerLinkWindow::theFlowControlSelectorAppliesAtOnce() {
    TestWindow window;
    auto* binding = new ControllerWindowBinding(window.controls(), &window);
    auto* flow = window.get<QComboBox>("ComComboBox6");
    auto* baud = window.get<QComboBox>("ComComboBox2");
    QTest::keyClick(baud, Qt::Key_Down); // the others wait for "Połącz"
    QTest::keyClick(flow, Qt::Key_Up);
    QCOMPARE(flow->currentText(), "Software");
    QCOMPARE(binding->link().portSettings().flowControl, FlowControl::Software);
    QCOMPARE(binding->link().portSettings().baudRate, BaudRate::B19200);
}

void TestControllerLinkWindow::theTerminalDropsEscapesAcrossChunksAndBreaksAt50Columns() {
    QPlainTextEdit screen;
    TerminalView terminal(&screen);
    terminal.showChunk("\x1b");
    terminal.showChunk("[1;3");
    terminal.showChunk("1mczerwony\x1b[0m\r\n\x1b");
    terminal.showChunk("cgotowe\r\n");
    terminal.showChunk(QByteArray(55, 'y'));
    terminal.showChunk("\r\n\xb9\x9c"); // Windows-1250
    QCOMPARE(screen.toPlainText(),
             "czerwony\ngotowe\n" + QString(50, 'y') + "\n" + QString(5, 'y') + "\n\u0105\u015b");
}

void TestControllerLinkWindow::theTransferPanelShowsItsTextsAgainInAnotherLanguage() {
    TransferPanel panel;
    int asked = 0;
    panel.showEstimate([&asked] {
        ++asked;
        return LinkTexts::transferDone();
    });
    TransferFigures held;
    held.active = held.held = true;
    held.hold = TransferHold::PenChange;
    held.total = 10;
    held.acknowledged = 4;
    held.linesPerSecond = 2.5;
    panel.showFigures(held);
    QVERIFY(panel.figuresText().contains(u"2,5"));
    const QString heldInPolish = panel.stateText();

    QVERIFY(UseLanguage(StationLanguage::English));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(asked, 2);
    QCOMPARE(panel.estimateText(), LinkTexts::transferDone());
    QVERIFY2(panel.figuresText().contains(u"2.5"), qPrintable(panel.figuresText()));
    QCOMPARE(panel.stateText(), TransferPanel::stateLine(held));
    QVERIFY(panel.stateText() != heldInPolish);
    static const QRegularExpression polish(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));
    for (const QString& text : {panel.estimateText(), panel.figuresText(), panel.stateText()})
        QVERIFY2(!text.contains(polish), qPrintable(text));
}

QTEST_MAIN(TestControllerLinkWindow)
#include "tst_controller_window.moc"
