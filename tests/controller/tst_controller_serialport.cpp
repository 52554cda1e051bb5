// The serial port layer: settings texts, error texts, and the port itself
// over a real pseudo-terminal pair.
#include "controller/portsettings.h"
#include "controller/serialerror.h"
#include "controller/serialport.h"
#include "support/portonline.h"

#include <QLibraryInfo>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <cerrno>
#include <cstring>

using namespace std::chrono_literals;

class TestSerialPort : public QObject {
    Q_OBJECT
private slots:
    void baudRateFromText_data();
    void baudRateFromText();
    void otherSettingsFromText();
    void listOrderAndDefaults();
    void portNamesSortCaseInsensitivelyCharacterByCharacter();
    void errorTextsCarryTheSystemCode();

    void openingAMissingDeviceFailsAndStaysClosed();
    void aFailedOpenKeepsItsNumberUnderQtsPolish();
    void refusedLineSettingsCloseThePortAgain();
    void writesOnAClosedPortFailAndEmptyWritesDoNothing();
    void linesThatArriveTogetherAreOneChunk();
    void whatArrivedBeforeOpeningIsDropped();
    void writesReachTheLineInOrder();
    void lineSettingsApplyToTheOpenPort();
    void nothingIsDeliveredAfterClose();
    void aWriteThatMakesNoProgressTimesOutAndThePortStaysUsable();
    void theFarSideClosingIsADeviceLoss();
    void lampsFollowTrafficAndAPseudoTerminalHasNoModemLines();

private:
    static QSerialPort* device(SerialPort& port) {
        return port.findChild<QSerialPort*>(QStringLiteral("ComPort1"));
    }
};

void TestSerialPort::baudRateFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bitsPerSecond");
    QTest::addColumn<QString>("shownAs");
    QTest::newRow("19200") << "19200" << 19200 << "19200";
    QTest::newRow("first") << "110" << 110 << "110";
    QTest::newRow("last") << "256000" << 256000 << "256000";
    QTest::newRow("custom any case") << "cUsToM" << 9600 << "Custom";
    QTest::newRow("not listed") << "19201" << 9600 << "9600";
    QTest::newRow("blank around") << " 19200" << 9600 << "9600";
    QTest::newRow("empty") << "" << 9600 << "9600";
}

void TestSerialPort::baudRateFromText() {
    QFETCH(QString, text);
    QFETCH(int, bitsPerSecond);
    QFETCH(QString, shownAs);
    const BaudRate value = ::baudRateFromText(text);
    QCOMPARE(baudRateValue(value), bitsPerSecond);
    QCOMPARE(baudRateText(value), shownAs);
}

void TestSerialPort::otherSettingsFromText() {
    QCOMPARE(dataBitsFromText("7"), DataBits::Seven);
    QCOMPARE(dataBitsFromText("9"), DataBits::Eight);
    QCOMPARE(parityFromText("EVEN"), Parity::Even);
    QCOMPARE(parityFromText("space"), Parity::Space);
    QCOMPARE(parityFromText("brak"), Parity::None);
    QCOMPARE(stopBitsFromText("1.5"), StopBits::OneAndHalf);
    QCOMPARE(stopBitsFromText("1,5"), StopBits::One);
    QCOMPARE(flowControlFromText("hardware"), FlowControl::Hardware);
    QCOMPARE(flowControlFromText("None"), FlowControl::None);
    QCOMPARE(flowControlFromText("RTS/CTS"), FlowControl::Custom);
}

void TestSerialPort::listOrderAndDefaults() {
    const QStringList bauds = settingTexts(PortSetting::BaudRate);
    QCOMPARE(bauds.size(), 16);
    QCOMPARE(bauds.first(), "Custom");
    QCOMPARE(bauds.at(1), "110");
    QCOMPARE(bauds.last(), "256000");
    QCOMPARE(settingTexts(PortSetting::Parity),
             QStringList({"None", "Odd", "Even", "Mark", "Space"}));
    QCOMPARE(settingTexts(PortSetting::StopBits), QStringList({"1", "1.5", "2"}));
    QCOMPARE(settingTexts(PortSetting::FlowControl),
             QStringList({"Hardware", "Software", "None", "Custom"}));
    const QStringList defaults{"COM1", "19200", "8", "None", "1", "None"};
    for (int i = 0; i < defaults.size(); ++i)
        QCOMPARE(defaultSettingText(PortSetting(i)), defaults.at(i));
    // Each default is in its own list (except the port, listed by the system).
    for (int i = 1; i < defaults.size(); ++i)
        QVERIFY(settingTexts(PortSetting(i)).contains(defaults.at(i)));
}

void TestSerialPort::portNamesSortCaseInsensitivelyCharacterByCharacter() {
    QCOMPARE(sortedPortNames({"COM2", "com10", "COM1", "/dev/ttyUSB0", "/dev/ttyACM0"}),
             QStringList({"/dev/ttyACM0", "/dev/ttyUSB0", "COM1", "com10", "COM2"}));
}

void TestSerialPort::errorTextsCarryTheSystemCode() {
    QCOMPARE(serialErrorText(SerialError::OpenFailed, 2),
             "Unable to open com port (os error code: 2)");
    QCOMPARE(serialErrorText(SerialError::WriteFailed), "WriteFile function failed");
    QCOMPARE(serialOpenErrorText("COM3", 2), "Unable to open com port \"COM3\" (os error code: 2)");
    QCOMPARE(serialOpenErrorText("/dev/ttyUSB0"), "Unable to open com port \"/dev/ttyUSB0\"");
    QCOMPARE(serialErrorMessage(SerialError::RegistryError), "Registry error");
    QCOMPARE(serialErrorMessage(SerialError::LinkRegistrationFailed),
             "Link (un)registration failed");
    QCOMPARE(osErrorCodeOf(QString::fromLocal8Bit(std::strerror(EIO))), std::optional<int>(EIO));
    QCOMPARE(osErrorCodeOf("Unsupported stop bits"), std::nullopt);
    // The port's own English text for a missing device, read on a system
    // whose C library speaks Polish (its messages follow LANGUAGE).
    const QByteArray language = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "pl");
    const std::optional<int> code = osErrorCodeOf("No such file or directory");
    qputenv("LANGUAGE", language);
    QCOMPARE(code, std::optional<int>(ENOENT));
}

void TestSerialPort::openingAMissingDeviceFailsAndStaysClosed() {
    SerialPort port;
    QSignalSpy opened(&port, &SerialPort::afterOpen);
    PortSettings settings;
    settings.port = missingPortPath();
    QVERIFY(port.setSettings(settings));
    const Status status = port.setConnected(true);
    QVERIFY(!status);
    QCOMPARE(status.error(),
             QString("Unable to open com port \"%1\" (os error code: 2)").arg(missingPortPath()));
    QVERIFY(!port.connected());
    QCOMPARE(opened.count(), 0);
}

// Qt's Polish translation turns the port library's text for a missing
// device into Polish: the station still finds the number and says it in its
// own words.
void TestSerialPort::aFailedOpenKeepsItsNumberUnderQtsPolish() {
    QTranslator qtPolish;
    if (!qtPolish.load(QStringLiteral("qtbase_pl"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QSKIP("Qt's Polish translation is not installed (qt6-translations-l10n)");
    QVERIFY(QCoreApplication::installTranslator(&qtPolish));
    QVERIFY(qt_error_string(ENOENT) != QLatin1String("No such file or directory"));
    SerialPort port;
    QVERIFY(port.setSettings({.port = missingPortPath()}));
    const Status status = port.setConnected(true);
    QCoreApplication::removeTranslator(&qtPolish);
    QVERIFY(!status);
    QCOMPARE(status.error(), serialOpenErrorText(missingPortPath(), ENOENT));
    QCOMPARE(port.lastFault(), (PortFault{SerialError::OpenFailed, missingPortPath(), ENOENT}));
}

void TestSerialPort::refusedLineSettingsCloseThePortAgain() {
    PortOnLine cable;
    QVERIFY(cable.plugIn({.parity = Parity::Even})); // a pseudo-terminal refuses parity
    const Status status = cable.port.open();
    QVERIFY(!status);
    QCOMPARE(status.error(), serialErrorText(SerialError::SetStateFailed, EINVAL));
    QVERIFY(!cable.port.connected());
    // Good settings open the same line afterwards.
    QVERIFY(cable.open({.parity = Parity::None}));
}

void TestSerialPort::writesOnAClosedPortFailAndEmptyWritesDoNothing() {
    SerialPort port;
    const Result<qint64> empty = port.sendText({});
    QVERIFY(empty);
    QCOMPARE(*empty, 0);
    const Result<qint64> closed = port.sendText(":0505\r\n");
    QVERIFY(!closed);
    QCOMPARE(closed.error(), serialErrorText(SerialError::WriteFailed, EBADF));
}

void TestSerialPort::linesThatArriveTogetherAreOneChunk() {
    PortOnLine cable;
    QVERIFY(cable.open());
    QSignalSpy chunks(&cable.port, &SerialPort::chunkReceived);
    cable.line.write(":0505\r\n:0505\r\n:0505\r\n"); // before the port's event is handled
    QTRY_COMPARE(chunks.count(), 1);
    QCOMPARE(chunks.at(0).at(0).toByteArray(), ":0505\r\n:0505\r\n:0505\r\n");
}

void TestSerialPort::whatArrivedBeforeOpeningIsDropped() {
    PortOnLine cable;
    QVERIFY(cable.plugIn());
    cable.line.write(":0505\r\n"); // left over from an earlier session
    QVERIFY(cable.port.open());
    QSignalSpy chunks(&cable.port, &SerialPort::chunkReceived);
    cable.line.write(":0505\r\n");
    QTRY_COMPARE(chunks.count(), 1);
    QCOMPARE(chunks.at(0).at(0).toByteArray(), ":0505\r\n");
}

void TestSerialPort::writesReachTheLineInOrder() {
    PortOnLine cable;
    QVERIFY(cable.open());
    QByteArray expected;
    for (int i = 0; i < 200; ++i) {
        const QByteArray frame = ":0520N" + QByteArray::number(i) + " G01 \r\n";
        expected += frame;
        QCOMPARE(*cable.port.sendText(frame), frame.size());
    }
    QByteArray got;
    QTRY_VERIFY((got += cable.line.readAvailable()).size() >= expected.size());
    QCOMPARE(got, expected);
}

void TestSerialPort::lineSettingsApplyToTheOpenPort() {
    PortOnLine cable;
    QVERIFY(cable.open());
    SerialPort& port = cable.port;
    QCOMPARE(device(port)->baudRate(), 19200);
    PortSettings changed = port.settings();
    changed.baudRate = BaudRate::B38400;
    changed.stopBits = StopBits::Two;
    QVERIFY(port.setSettings(changed));
    QCOMPARE(device(port)->baudRate(), 38400);
    QCOMPARE(device(port)->stopBits(), QSerialPort::TwoStop);
    QVERIFY(port.setFlowControl(FlowControl::Software));
    QCOMPARE(device(port)->flowControl(), QSerialPort::SoftwareControl);
    QVERIFY(port.setFlowControl(FlowControl::Custom)); // leaves the switches alone
    QCOMPARE(device(port)->flowControl(), QSerialPort::SoftwareControl);
    QVERIFY(port.connected());
}

void TestSerialPort::nothingIsDeliveredAfterClose() {
    PortOnLine cable;
    QVERIFY(cable.open());
    SerialPort& port = cable.port;
    PseudoTerminal& line = cable.line;
    QSignalSpy chunks(&port, &SerialPort::chunkReceived);
    QSignalSpy closed(&port, &SerialPort::afterClose);
    line.write(":0505\r\n");
    port.close();
    QCOMPARE(closed.count(), 1);
    line.write(":0505\r\n");
    QTest::qWait(50); // give a wrongly delivered event the chance to show
    QCOMPARE(chunks.count(), 0);
}

void TestSerialPort::aWriteThatMakesNoProgressTimesOutAndThePortStaysUsable() {
    PortOnLine cable; // its far side reads nothing: the line fills up
    SerialPort& port = cable.port;
    PseudoTerminal& line = cable.line;
    port.setWriteTimeout(200ms);
    QVERIFY(cable.open());
    QSignalSpy failures(&port, &SerialPort::failed);
    const QByteArray big(1 << 20, 'x');
    QVERIFY(port.sendText(big));
    QTRY_COMPARE(failures.count(), 1);
    QCOMPARE(failures.at(0).at(0).toString(), serialErrorText(SerialError::WriteFailed, ETIMEDOUT));
    QVERIFY(port.connected());
    QCOMPARE(port.bytesToWrite(), 0);
    // Once the far side reads again, writing works.
    while (!line.readAvailable().isEmpty()) {
    }
    QVERIFY(port.sendText(":0521003da25\r\n"));
    QByteArray got;
    QTRY_VERIFY((got += line.readAvailable()).endsWith(":0521003da25\r\n"));
    QCOMPARE(failures.count(), 1);
}

void TestSerialPort::theFarSideClosingIsADeviceLoss() {
    PortOnLine cable;
    QVERIFY(cable.open());
    SerialPort& port = cable.port;
    PseudoTerminal& line = cable.line;
    QSignalSpy lost(&port, &SerialPort::deviceLost);
    QSignalSpy closed(&port, &SerialPort::afterClose);
    line.close();
    QTRY_COMPARE(lost.count(), 1);
    const QString text = lost.at(0).at(0).toString();
    QVERIFY2(text.startsWith(serialErrorMessage(SerialError::ReadFailed) + " (os error code: "),
             qPrintable(text));
    QVERIFY(!port.connected());
    QCOMPARE(closed.count(), 1);
}

void TestSerialPort::lampsFollowTrafficAndAPseudoTerminalHasNoModemLines() {
    PortOnLine cable;
    QVERIFY(cable.plugIn());
    SerialPort& port = cable.port;
    PseudoTerminal& line = cable.line;
    QSignalSpy lamps(&port, &SerialPort::lampChanged);
    QSignalSpy failures(&port, &SerialPort::failed);
    QVERIFY(port.open());
    QVERIFY(port.sendText("x"));
    QVERIFY(port.lampLit(Lamp::Tx));
    QTRY_VERIFY(!port.lampLit(Lamp::Tx)); // dark once the line has taken it
    line.write(":0505\r\n");
    QTRY_VERIFY(port.lampLit(Lamp::Rx));
    QTRY_VERIFY(!port.lampLit(Lamp::Rx));
    QTest::qWait(int(SerialPort::kModemPollInterval.count()) * 2);
    for (Lamp lamp : {Lamp::Cts, Lamp::Dsr, Lamp::Rlsd})
        QVERIFY(!port.lampLit(lamp));
    QCOMPARE(failures.count(), 0);
    for (const QList<QVariant>& change : lamps) {
        const auto lamp = change.at(0).value<Lamp>();
        QVERIFY(lamp == Lamp::Rx || lamp == Lamp::Tx);
    }
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_controller_serialport.moc"
