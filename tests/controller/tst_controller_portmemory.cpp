// The remembered port found again: the same USB adapter under whatever name
// it has now, else the same name; and the remembered line read back.
#include "controller/portmemory.h"
#include "support/files.h"

#include <QSettings>
#include <QTest>

class TestPortMemory : public QObject {
    Q_OBJECT
private slots:
    void findRememberedPort_data();
    void findRememberedPort();
    void lineComesBack();
};

namespace {
PresentPort usb(const char* name, quint16 vendor, quint16 product, const char* serial) {
    return {QString::fromLatin1(name), vendor, product, QString::fromLatin1(serial)};
}
PresentPort plain(const char* name) {
    return {QString::fromLatin1(name), std::nullopt, std::nullopt, QString()};
}
} // namespace

void TestPortMemory::findRememberedPort_data() {
    QTest::addColumn<PresentPort>("remembered");
    QTest::addColumn<QList<PresentPort>>("present");
    QTest::addColumn<QString>("found");
    const PresentPort adapter = usb("/dev/ttyUSB0", 0x0403, 0x6001, "A50285BI");
    QTest::newRow("same adapter, new name")
        << adapter
        << QList<PresentPort>{plain("/dev/ttyS0"), usb("/dev/ttyUSB1", 0x0403, 0x6001, "A50285BI")}
        << "/dev/ttyUSB1";
    QTest::newRow("adapter before name")
        << adapter
        << QList<PresentPort>{usb("/dev/ttyUSB0", 0x1a86, 0x7523, ""),
                              usb("/dev/ttyUSB1", 0x0403, 0x6001, "A50285BI")}
        << "/dev/ttyUSB1";
    QTest::newRow("other serial number: the name")
        << adapter << QList<PresentPort>{usb("/dev/ttyUSB0", 0x0403, 0x6001, "B1")}
        << "/dev/ttyUSB0";
    QTest::newRow("two alike without serial: the name")
        << usb("/dev/ttyACM1", 0x2341, 0x0043, "")
        << QList<PresentPort>{usb("/dev/ttyACM0", 0x2341, 0x0043, ""),
                              usb("/dev/ttyACM1", 0x2341, 0x0043, "")}
        << "/dev/ttyACM1";
    QTest::newRow("one alike without serial")
        << usb("/dev/ttyACM1", 0x2341, 0x0043, "")
        << QList<PresentPort>{usb("/dev/ttyACM0", 0x2341, 0x0043, "")} << "/dev/ttyACM0";
    QTest::newRow("plain port by name")
        << plain("COM3") << QList<PresentPort>{plain("COM1"), plain("COM3")} << "COM3";
    QTest::newRow("not present") << adapter << QList<PresentPort>{plain("/dev/ttyS0")} << "";
    QTest::newRow("nothing remembered") << plain("") << QList<PresentPort>{plain("")} << "";
}

void TestPortMemory::findRememberedPort() {
    QFETCH(PresentPort, remembered);
    QFETCH(QList<PresentPort>, present);
    QFETCH(QString, found);
    QCOMPARE(::findRememberedPort(remembered, present), found);
}

void TestPortMemory::lineComesBack() {
    TempDir dir;
    QSettings settings(dir.filePath(QStringLiteral("port.conf")), QSettings::IniFormat);
    RememberedLine line;
    line.port = usb("/dev/ttyUSB0", 0x0403, 0x6001, "A5, 02");
    line.line.baudRate = BaudRate::Custom;
    line.line.dataBits = DataBits::Seven;
    line.line.stopBits = StopBits::Two;
    line.line.flowControl = FlowControl::Software;
    writeRememberedLine(settings, line);
    QVERIFY(readRememberedLine(settings) == line);
    // A plain port leaves no adapter behind.
    line.port = plain("COM2");
    writeRememberedLine(settings, line);
    settings.sync();
    QVERIFY(!settings.contains(QStringLiteral("vendor")));
    QVERIFY(readRememberedLine(settings) == line);
}

QTEST_GUILESS_MAIN(TestPortMemory)
#include "tst_controller_portmemory.moc"
