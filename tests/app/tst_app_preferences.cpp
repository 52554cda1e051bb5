// The settings kept between runs, as the store reads and writes them: every
// entry back as written, and a file that is broken, from another version or
// full of nonsense read entry by entry, each bad entry giving its default.
#include "app/settingsstore.h"
#include "support/files.h"

#include <QDir>
#include <QTest>

class TestPreferences : public QObject {
    Q_OBJECT
private slots:
    void everyEntryComesBack();
    void missingFileGivesTheDefaults();
    void badEntryGivesItsDefault_data();
    void badEntryGivesItsDefault();
    void goodEntriesOfAnotherVersionAreKept();
    void unreadableFileGivesTheDefaults_data();
    void unreadableFileGivesTheDefaults();
    void failedSaveIsReported();

private:
    TempDir dir_;
};

namespace {

StoredSettings changedSettings() {
    StoredSettings s;
    s.station.program.roundCoordinates = false;
    s.station.program.checkReach = false;
    s.station.program.colours.trajectory[2] = qRgb(0x12, 0x34, 0x56);
    s.station.program.colours.interpolation[7] = qRgb(0xfe, 0xdc, 0xba);
    s.station.program.showRapidMoves = false;
    s.station.program.progressColour = qRgb(0x20, 0x40, 0x60);
    s.station.zHeights = {QStringLiteral("070"), QStringLiteral("-5")};
    s.station.layout.main.geometry = QByteArray("\x01\xd9\xd0\xcb\x00\x03", 6);
    s.station.layout.visualisation = {QByteArray("geometry"), true};
    s.station.layout.converter.open = true;
    s.station.layout.settingsPage = 6;
    s.station.layout.settingsBarShown = false;
    s.station.folders = {QStringLiteral("/data/programs"), QStringLiteral("/data/pictures, old"),
                         QStringLiteral("/data/plots"), QStringLiteral("/data/drawings")};
    s.station.recentFiles = {QStringLiteral("/data/b.nc"), QStringLiteral("/data/a,1.plt")};
    s.station.language = QStringLiteral("en");
    s.line.port = {QStringLiteral("/dev/ttyUSB3"), 0x0403, 0x6001, QStringLiteral("A50285BI")};
    s.line.line.baudRate = BaudRate::B115200;
    s.line.line.parity = Parity::Even;
    s.line.line.stopBits = StopBits::OneAndHalf;
    s.line.line.flowControl = FlowControl::Hardware;
    s.converter.conversion.penHeights[4] = QStringLiteral("-12");
    s.converter.conversion.travelHeight = QStringLiteral("25");
    s.converter.conversion.header = {QStringLiteral("M03 T1"), QString(),
                                     QStringLiteral("G00 Z 5")};
    s.converter.conversion.footer = {};
    s.converter.chordDegrees = QStringLiteral("2,5");
    s.converter.margin = QStringLiteral("0");
    return s;
}

StoredSettings defaultsAsRead() {
    return StoredSettings();
}

} // namespace

void TestPreferences::everyEntryComesBack() {
    const QString path = dir_.filePath(QStringLiteral("back.conf"));
    const StoredSettings written = changedSettings();
    QVERIFY(SettingsStore(path).save(written));
    const StoredSettings read = SettingsStore(path).load();
    QCOMPARE(read.station.program, written.station.program);
    QCOMPARE(read.station.zHeights, written.station.zHeights);
    QCOMPARE(read.station.layout, written.station.layout);
    QCOMPARE(read.station.folders, written.station.folders);
    QCOMPARE(read.station.recentFiles, written.station.recentFiles);
    QCOMPARE(read.station.language, written.station.language);
    QCOMPARE(read.line.port, written.line.port);
    QVERIFY(read.line == written.line);
    QCOMPARE(read.converter.conversion.header, written.converter.conversion.header);
    QCOMPARE(read.converter.conversion.footer, written.converter.conversion.footer);
    QVERIFY(read.converter == written.converter);

    // A second save over the first one leaves nothing of it behind.
    QVERIFY(SettingsStore(path).save(defaultsAsRead()));
    QVERIFY(SettingsStore(path).load() == defaultsAsRead());
}

void TestPreferences::missingFileGivesTheDefaults() {
    const StoredSettings read = SettingsStore(dir_.filePath(QStringLiteral("none.conf"))).load();
    QVERIFY(read == defaultsAsRead());
    QCOMPARE(read.station.program.colours, PlotColours::defaults());
    QCOMPARE(read.station.layout.settingsPage, WindowLayout::kDefaultSettingsPage);
    QVERIFY(read.station.layout.settingsBarShown);
}

void TestPreferences::badEntryGivesItsDefault_data() {
    QTest::addColumn<QByteArray>("entry");
    QTest::newRow("baud rate -5") << QByteArray("[port]\nbaudRate=-5\n");
    QTest::newRow("baud rate as a word") << QByteArray("[port]\nbaudRate=szybko\n");
    QTest::newRow("parity unknown") << QByteArray("[port]\nparity=Sometimes\n");
    QTest::newRow("vendor not hex") << QByteArray("[port]\nvendor=zz\nproduct=6001\n");
    QTest::newRow("vendor too large") << QByteArray("[port]\nvendor=123456\nproduct=6001\n");
    QTest::newRow("colour zielony") << QByteArray("[program]\ncolour3=zielony\n");
    QTest::newRow("colour without #") << QByteArray("[program]\ncolour3=123456\n");
    QTest::newRow("colour as a list") << QByteArray("[program]\ncolour3=#ff0000, #00ff00\n");
    QTest::newRow("colour short") << QByteArray("[program]\ncolour3=#fff\n");
    QTest::newRow("progress colour zielony") << QByteArray("[program]\nprogressColour=zielony\n");
    QTest::newRow("switch maybe") << QByteArray("[program]\ncheckReach=maybe\n");
    QTest::newRow("Z height a word") << QByteArray("[controller]\nzHeightG00=wysoko\n");
    QTest::newRow("Z height empty") << QByteArray("[controller]\nzHeightG01=\n");
    QTest::newRow("page 99") << QByteArray("[windows]\nsettingsPage=99\n");
    QTest::newRow("page -1") << QByteArray("[windows]\nsettingsPage=-1\n");
    QTest::newRow("geometry as text") << QByteArray("[windows]\nmain\\geometry=duzo\n");
    QTest::newRow("open a number") << QByteArray("[windows]\nconverter\\open=7\n");
    QTest::newRow("pen height a word") << QByteArray("[converter]\npen5=wysoko\n");
    QTest::newRow("travel beyond 32 bits") << QByteArray("[converter]\ntravelHeight=99999999999\n");
    QTest::newRow("chord 0") << QByteArray("[converter]\nchordDegrees=0\n");
    QTest::newRow("chord 500") << QByteArray("[converter]\nchordDegrees=500\n");
    QTest::newRow("margin 1.5") << QByteArray("[converter]\nmargin=1.5\n");
    QTest::newRow("header as a list") << QByteArray("[converter]\nheader=a, b\n");
    QTest::newRow("recent count -3") << QByteArray("[recent]\nsize=-3\n1\\path=/a.nc\n");
    QTest::newRow("recent count huge") << QByteArray("[recent]\nsize=100000000\n");
    QTest::newRow("folder as a list") << QByteArray("[folders]\nprogram=a, b\n");
    QTest::newRow("language unknown") << QByteArray("[view]\nlanguage=klingon\n");
    QTest::newRow("group as a value") << QByteArray("program=5\nport=COM1\nwindows=@Invalid()\n");
}

void TestPreferences::badEntryGivesItsDefault() {
    QFETCH(QByteArray, entry);
    const QString path = dir_.writeFile(QStringLiteral("bad.conf"), "version=1\n" + entry);
    QVERIFY(!path.isEmpty());
    const StoredSettings read = SettingsStore(path).load();
    QVERIFY(read == defaultsAsRead());
}

void TestPreferences::goodEntriesOfAnotherVersionAreKept() {
    const QString path = dir_.writeFile(QStringLiteral("other.conf"),
                                        "version=7\nfuture=1\n"
                                        "[port]\nname=COM4\nbaudRate=57600\nparity=Odd\n"
                                        "colourDepth=12\n"
                                        "[program]\ncolour1=#00FF00\ncolour2=zielony\n"
                                        "removeRepeated=false\n"
                                        "[converter]\npen1=-3\npen2=x\n");
    const StoredSettings read = SettingsStore(path).load();
    QCOMPARE(read.line.port.name, QStringLiteral("COM4"));
    QVERIFY(!read.line.port.isUsb());
    QCOMPARE(read.line.line.baudRate, BaudRate::B57600);
    QCOMPARE(read.line.line.parity, Parity::Odd);
    QCOMPARE(read.line.line.dataBits, DataBits::Eight);
    QCOMPARE(read.station.program.colours.trajectory[0], qRgb(0, 255, 0));
    QCOMPARE(read.station.program.colours.trajectory[1], PlotColours::defaults().trajectory[1]);
    QVERIFY(!read.station.program.removeRepeated);
    QCOMPARE(read.converter.conversion.penHeights[0], QStringLiteral("-3"));
    QCOMPARE(read.converter.conversion.penHeights[1], QStringLiteral("2"));
}

void TestPreferences::unreadableFileGivesTheDefaults_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe[\x01=\x02\n\x00\x00]]==\xc3\x28", 16);
    QTest::newRow("unclosed group") << QByteArray("[program\ncolour1=#00ff00\n[[=\n");
    QTest::newRow("empty") << QByteArray();
}

void TestPreferences::unreadableFileGivesTheDefaults() {
    QFETCH(QByteArray, bytes);
    const QString path = dir_.writeFile(QStringLiteral("broken.conf"), bytes);
    SettingsStore store(path);
    const StoredSettings read = store.load();
    QCOMPARE(read.station.program.colours, PlotColours::defaults());
    QCOMPARE(read.line.line.baudRate, BaudRate::B19200);
    // The next save replaces the broken file with a good one.
    QVERIFY(store.save(changedSettings()));
    QVERIFY(SettingsStore(path).load() == changedSettings());

    // A folder where the file should be cannot be read at all.
    const QString folder = dir_.filePath(QStringLiteral("folder.conf"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(SettingsStore(folder).load() == defaultsAsRead());
}

void TestPreferences::failedSaveIsReported() {
    const QString blocker = dir_.writeFile(QStringLiteral("file"), "not a folder");
    const QString path = blocker + QStringLiteral("/station.conf");
    const Status saved = SettingsStore(path).save(changedSettings());
    QVERIFY(!saved);
    QCOMPARE(saved.error(),
             QStringLiteral("Nie udało się zapisać ustawień w pliku '%1'").arg(path));
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_app_preferences.moc"
