// The whole controller link: the adapter, the serial port and the link state
// over a real pseudo-terminal, with the emulator or a scripted peer on the
// far side.
#include "controller/controllerframe.h"
#include "controller/controllerlink.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/linktexts.h"
#include "controller/programsource.h"
#include "controller/serialerror.h"
#include "support/portonline.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <map>

using namespace std::chrono_literals;

namespace {

QByteArrayList programLines(int count) {
    QByteArrayList lines;
    for (int i = 0; i < count; ++i)
        lines << "N" + QByteArray::number(i + 1) + " G01 X" + QByteArray::number(100 + i) + " Y" +
                     QByteArray::number(200 - i) + " Z10 ";
    return lines;
}

QByteArrayList withoutRepeats(const QByteArrayList& lines) {
    QByteArrayList result;
    for (const QByteArray& line : lines) {
        if (result.isEmpty() || result.last() != line)
            result << line;
    }
    return result;
}

// The window's side of the link, recorded.
struct Station {
    ControllerLink link;
    LineListProgram program;
    std::map<LinkPanel, QString> panels;
    std::map<LinkControl, bool> enabled;
    QByteArrayList log;
    QStringList errors;
    QStringList notices;
    qsizetype receivedBytes = 0;

    Station() {
        QObject::connect(&link, &ControllerLink::received,
                         [this](const QByteArray& chunk) { receivedBytes += chunk.size(); });
        QObject::connect(&link, &ControllerLink::statusChanged,
                         [this](LinkPanel panel, LinkStatus status) {
                             panels[panel] = LinkTexts::statusText(status);
                         });
        QObject::connect(&link, &ControllerLink::enabledChanged,
                         [this](LinkControl control, bool on) { enabled[control] = on; });
        QObject::connect(&link, &ControllerLink::logAppended,
                         [this](const QByteArray& line) { log << line; });
        QObject::connect(&link, &ControllerLink::errorRaised,
                         [this](const QString& text) { errors << text; });
        QObject::connect(&link, &ControllerLink::noticeRaised, [this](const QString& text) {
            notices << text;
            QTimer::singleShot(0, &link, [this] { link.noticeClosed(); }); // the operator's OK
        });
        link.start();
    }
    void load(const QByteArrayList& lines) {
        program = LineListProgram(lines);
        link.setProgram(&program);
        link.programPrepared();
    }
    void useLine(const QString& path) {
        PortSettings settings;
        settings.port = path;
        link.setPortSettings(settings);
    }
};

} // namespace

class TestControllerLink : public QObject {
    Q_OBJECT
private slots:
    void connectingShowsConnectedOnlyAfterTheAcknowledgement();
    void aMissingPortIsReportedAndNothingChanges();
    void referenceTravelAndSetReference();
    void aTransferOfKLinesSendsKFrames();
    void aTransferIsActiveFromTheMomentItIsChosen_data();
    void aTransferIsActiveFromTheMomentItIsChosen();
    void anAcknowledgementHeldFor1200msGivesThreeSends();
    void aDuplicatedAcknowledgementSkipsALine();
    void manualModeFramesAndTheDoubleZMove();
    void closingTheFarSideMidTransferAndConnectingAgain();
    void noiseAndSplitAcknowledgements();
    void aLongLineWithoutEndDoesNotStopTheLink();
    void aBusyPortIsTriedAgain_data();
    void aBusyPortIsTriedAgain();

private:
    static bool connectTo(Station& station, ControllerEmulator& emulator) {
        if (!emulator.start())
            return false;
        station.useLine(emulator.portPath());
        station.link.connectChosen();
        return QTest::qWaitFor([&] { return station.link.state().connected(); });
    }
    // Connects and runs the reference travel: what a transfer needs.
    static bool connectAndHome(Station& station, ControllerEmulator& emulator) {
        if (!connectTo(station, emulator))
            return false;
        station.link.referenceTravelChosen();
        return QTest::qWaitFor([&] { return station.link.state().referenceKnown(); });
    }
};

void TestControllerLink::connectingShowsConnectedOnlyAfterTheAcknowledgement() {
    ControllerEmulator emulator({.latency = 100ms});
    QVERIFY(emulator.start());
    Station station;
    QCOMPARE(station.panels[LinkPanel::Connection], LinkTexts::disconnected());
    station.useLine(emulator.portPath());
    station.link.connectChosen();
    QTRY_VERIFY(station.link.state().portOpen());
    QCOMPARE(station.panels[LinkPanel::Connection], LinkTexts::disconnected());
    QTRY_COMPARE(station.enabled[LinkControl::ConnectButton], false);
    QTRY_COMPARE(station.enabled[LinkControl::DisconnectButton], true);
    QTRY_COMPARE(station.enabled[LinkControl::PortSelectors], false);
    QTRY_COMPARE(station.panels[LinkPanel::Connection], LinkTexts::connected());
    QCOMPARE(station.enabled[LinkControl::ReferenceTravelItem], true);
    QCOMPARE(emulator.acceptedCommands(), QByteArrayList{"002"});

    station.link.disconnectChosen();
    QTRY_VERIFY(!station.link.state().portOpen());
    QTRY_COMPARE(station.panels[LinkPanel::Connection], LinkTexts::disconnected());
    QTRY_COMPARE(station.enabled[LinkControl::ConnectButton], true);
    QCOMPARE(station.errors, QStringList());
}

void TestControllerLink::aMissingPortIsReportedAndNothingChanges() {
    Station station;
    station.useLine(missingPortPath());
    station.enabled.clear();
    station.link.connectChosen();
    QTRY_COMPARE(station.errors, QStringList{serialOpenErrorText(missingPortPath(), ENOENT)});
    QVERIFY(station.enabled.empty());
    QCOMPARE(station.panels[LinkPanel::Connection], LinkTexts::disconnected());
    QVERIFY(!station.link.state().portOpen());
}

void TestControllerLink::referenceTravelAndSetReference() {
    ControllerEmulator emulator;
    Station station;
    station.load(programLines(3));
    QVERIFY(connectTo(station, emulator));
    station.link.referenceTravelChosen();
    QTRY_COMPARE(station.panels[LinkPanel::Reference], LinkTexts::referenceTravel());
    QVERIFY(!station.link.state().referenceSet());
    station.link.manualModeToggled(); // the set-reference button needs manual control
    // Two acknowledgements read together are none: wait for this one first.
    QTRY_COMPARE(station.receivedBytes, 3 * 7);
    station.link.setReferenceChosen();
    QTRY_COMPARE(station.panels[LinkPanel::Reference], LinkTexts::referenceDone());
    QVERIFY(station.enabled[LinkControl::SendProgramItem]);
    QVERIFY(station.link.state().referenceSet());
    QCOMPARE(emulator.acceptedCommands(), QByteArrayList({"002", "003", "014", "005"}));
}

void TestControllerLink::aTransferOfKLinesSendsKFrames() {
    ControllerEmulator emulator;
    Station station;
    const QByteArrayList lines = programLines(25);
    station.load(lines);
    QVERIFY(connectAndHome(station, emulator));
    station.link.sendProgramChosen();
    QTRY_COMPARE(station.notices, QStringList{LinkTexts::transferDone()});
    QCOMPARE(emulator.acceptedLines(), lines);
    QCOMPARE(station.log.size(), lines.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(station.log.at(i), BlockFrame("05", lines.at(i)));
    QVERIFY(!station.link.state().sending());
    QTRY_VERIFY(station.enabled[LinkControl::ManualModeBox]); // after the notice is closed
    QCOMPARE(station.errors, QStringList());
}

void TestControllerLink::aTransferIsActiveFromTheMomentItIsChosen_data() {
    QTest::addColumn<bool>("home");
    QTest::newRow("taken") << true;
    QTest::newRow("refused without the reference") << false;
}

// The window refuses what may not change under a transfer from the moment it
// is chosen, before the link's thread has taken the command; a refused
// transfer frees it again.
void TestControllerLink::aTransferIsActiveFromTheMomentItIsChosen() {
    QFETCH(bool, home);
    ControllerEmulator emulator;
    Station station;
    station.load(programLines(5));
    QVERIFY(home ? connectAndHome(station, emulator) : connectTo(station, emulator));
    station.link.sendProgramChosen();
    QVERIFY(station.link.transferActive());
    QVERIFY(!station.link.state().sending()); // the link has not reported yet
    if (home) {
        QTRY_VERIFY(station.link.state().sending());
        QVERIFY(station.link.transferActive());
        QTRY_COMPARE(station.notices, QStringList{LinkTexts::transferDone()});
    } else {
        QTRY_COMPARE(station.errors.size(), 1);
    }
    QTRY_VERIFY(!station.link.transferActive());
}

void TestControllerLink::anAcknowledgementHeldFor1200msGivesThreeSends() {
    ControllerEmulator emulator;
    Station station;
    station.load(programLines(1));
    QVERIFY(connectAndHome(station, emulator));
    EmulatorOptions slow = emulator.options();
    slow.latency = 1200ms;
    emulator.setOptions(slow);
    station.link.sendProgramChosen();
    QTRY_COMPARE_WITH_TIMEOUT(station.notices.size(), 1, 5000);
    // Sent at the first tick, again 500 ms and 1000 ms later, then acknowledged.
    QCOMPARE(station.log.size(), 3);
    QCOMPARE(station.log.at(2), station.log.at(0));
}

void TestControllerLink::aDuplicatedAcknowledgementSkipsALine() {
    // A scripted controller that answers the first program line twice.
    ListeningLine far;
    QVERIFY(far.open());
    PseudoTerminal& line = far.line;
    Station station;
    const QByteArrayList lines = programLines(5);
    station.load(lines);
    station.useLine(far.portPath());
    station.link.connectChosen();
    QTRY_COMPARE(far.heard, QByteArray(FixedFrames::kConnect));
    line.write(":0505\r\n");
    QTRY_VERIFY(station.link.state().connected());
    station.link.trustReference(); // as a tool told not to home
    station.link.sendProgramChosen();
    QTRY_COMPARE(station.log.size(), 1);
    line.write(":0505\r\n");
    QTRY_COMPARE(station.log.size(), 2);
    line.write(":0505\r\n"); // the same line answered again
    QTRY_COMPARE(station.log.size(), 3);
    QCOMPARE(station.link.state().blockIndex(), 2);
    QCOMPARE(station.log.at(1), BlockFrame("05", lines.at(1)));
    QCOMPARE(station.log.at(2), BlockFrame("05", lines.at(2)));
}

void TestControllerLink::manualModeFramesAndTheDoubleZMove() {
    ControllerEmulator emulator;
    Station station;
    QVERIFY(connectTo(station, emulator));
    station.link.manualModeToggled();
    QTRY_COMPARE(station.panels[LinkPanel::Mode], LinkTexts::manualMode());
    QVERIFY(station.enabled[LinkControl::ManualButtons]);
    station.link.moveChosen(ControllerLinkState::MoveAxis::Z, "-3");
    station.link.moveChosen(ControllerLinkState::MoveAxis::Arm1, "15");
    station.link.moveChosen(ControllerLinkState::MoveAxis::Arm2, "0");
    station.link.zHeightChosen(ControllerLinkState::ZHeight::G00, "050");
    station.link.moveChosen(ControllerLinkState::MoveAxis::Arm2, "1,5");
    QTRY_COMPARE(station.errors, QStringList{"'1,5' is not a valid integer value"});
    station.link.manualModeToggled();
    QTRY_COMPARE(station.panels[LinkPanel::Mode], LinkTexts::automaticMode());
    const QByteArrayList expected{"002", "014", "0133", "0133", "00815", "006050", "015"};
    QTRY_COMPARE(emulator.acceptedCommands(), expected);
    QCOMPARE(emulator.framesRejected(), 0);
    QCOMPARE(station.link.state().lastFixedFrame(), FixedFrames::kManualOff);
}

void TestControllerLink::closingTheFarSideMidTransferAndConnectingAgain() {
    ControllerEmulator emulator({.latency = 30ms});
    Station station;
    const QByteArrayList lines = programLines(12);
    station.load(lines);
    QVERIFY(connectAndHome(station, emulator));
    // The cable is pulled as the third line arrives, before its
    // acknowledgement is due: the transfer stands at line 2 however fast the
    // machine is.
    QObject::connect(&emulator, &ControllerEmulator::frameChecked, &emulator, [&emulator] {
        if (emulator.acceptedLines().size() == 3)
            QTimer::singleShot(0, &emulator, &ControllerEmulator::stop);
    });
    station.link.sendProgramChosen();
    QTRY_VERIFY(!emulator.running());
    QCOMPARE(emulator.acceptedLines(), lines.mid(0, 3));
    QTRY_COMPARE(station.panels[LinkPanel::Connection], LinkTexts::disconnected());
    QTRY_COMPARE(station.errors.size(), 1); // said after the panels
    QVERIFY2(station.errors.at(0).startsWith("ReadFile function failed"),
             qPrintable(station.errors.at(0)));
    QVERIFY(!station.link.state().portOpen());
    QVERIFY(station.enabled[LinkControl::ConnectButton]);
    QVERIFY(station.enabled[LinkControl::PortSelectors]);
    QVERIFY(station.link.state().sending());
    const int index = station.link.state().blockIndex();
    QCOMPARE(index, 2);
    // Ticks find the port closed: nothing more happens, no second message.
    QTest::qWait(600);
    QCOMPARE(station.errors.size(), 1);
    QCOMPARE(station.link.state().blockIndex(), index);

    // Connecting again: the connect frame's acknowledgement is the
    // connect's, the transfer holds until the operator resumes it, and then
    // goes on from the line that was never acknowledged to its end.
    ControllerEmulator second;
    QVERIFY(second.start());
    station.useLine(second.portPath());
    station.link.connectChosen();
    QTRY_COMPARE(station.panels[LinkPanel::Connection], LinkTexts::connected());
    QVERIFY(station.link.state().held());
    QCOMPARE(second.acceptedLines(), QByteArrayList{});
    station.link.resumeChosen();
    QTRY_COMPARE(station.notices, QStringList{LinkTexts::transferDone()});
    QCOMPARE(second.acceptedLines(), lines.mid(index));
}

void TestControllerLink::noiseAndSplitAcknowledgements() {
    ControllerEmulator emulator({.noiseEvery = 2, .splitAcks = true});
    Station station;
    const QByteArrayList lines = programLines(10);
    station.load(lines);
    QVERIFY(connectAndHome(station, emulator));
    station.link.sendProgramChosen();
    QTRY_COMPARE_WITH_TIMEOUT(station.notices.size(), 1, 15000);
    // A noise line that arrives together with an acknowledgement spoils it,
    // and the line goes again after 500 ms; none is lost or skipped.
    QCOMPARE(withoutRepeats(emulator.acceptedLines()), lines);
    QCOMPARE(station.errors, QStringList());
}

void TestControllerLink::aLongLineWithoutEndDoesNotStopTheLink() {
    ControllerEmulator emulator;
    Station station;
    QVERIFY(connectTo(station, emulator));
    emulator.sendRaw(QByteArray(20000, 'x'));
    emulator.sendRaw("\r\n");
    QTRY_COMPARE(station.receivedBytes, 7 + 20002);
    QVERIFY(station.link.state().rxBuffer().isEmpty());
    station.link.referenceTravelChosen();
    QTRY_COMPARE(station.panels[LinkPanel::Reference], LinkTexts::referenceTravel());
}

// Another program holds the port (here a second port object, holding its
// lock): the link says so and tries again; released within the 10 s, it
// connects, else the open fails with the port's error.
void TestControllerLink::aBusyPortIsTriedAgain_data() {
    QTest::addColumn<int>("heldFor"); // ms; -1: all along
    QTest::newRow("released after a second") << 1000;
    QTest::newRow("held all along") << -1;
}

void TestControllerLink::aBusyPortIsTriedAgain() {
    QFETCH(int, heldFor);
    ControllerEmulator emulator;
    QVERIFY(emulator.start());
    QSerialPort holder(emulator.portPath());
    QVERIFY(holder.open(QIODevice::ReadWrite));
    Station station;
    QSignalSpy busy(&station.link, &ControllerLink::portBusy);
    station.useLine(emulator.portPath());
    station.link.connectChosen();
    QTRY_COMPARE(busy.count(), 1);
    QVERIFY(busy.at(0).at(0).toString().contains(emulator.portPath()));
    QVERIFY(station.errors.isEmpty());
    QVERIFY(!station.link.state().portOpen());
    if (heldFor >= 0) {
        QTimer::singleShot(heldFor, &holder, &QSerialPort::close);
        QTRY_VERIFY_WITH_TIMEOUT(station.link.state().connected(), 5000);
        QVERIFY(station.errors.isEmpty());
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(station.errors.size(), 1, 15000);
    QVERIFY(!station.link.state().portOpen());
    QCOMPARE(busy.count(), 1); // said once
}

QTEST_GUILESS_MAIN(TestControllerLink)
#include "tst_controller_link.moc"
