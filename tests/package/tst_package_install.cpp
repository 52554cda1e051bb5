// The station installed into a temporary prefix: the three programs, the
// desktop entry, the icon and the AppStream metadata where desktops look for
// them, valid, and the installed station answering --version and --help.
#include "support/files.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

class TestPackageInstall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void udevRuleMarksTheAdapters();
    void desktopEntry();
    void desktopEntryIsValid();
    void metadataIsValid();
    void iconIsAnSvgDrawing();
    void installedStationAnswers_data();
    void installedStationAnswers();
    void wrongOptionIsRefused();

private:
    struct Run {
        int code = -1;
        QByteArray out;
        QByteArray err;
    };
    static Run run(const QString& program, const QStringList& arguments);
    QString installed(const QString& path) const { return prefix_.filePath(path); }
    void validate(const char* tool, QStringList arguments);

    TempDir prefix_;
};

namespace {
const QString kId = QStringLiteral(SCARA_APP_ID);
const QString kDesktop = QStringLiteral("share/applications/") + kId + QStringLiteral(".desktop");
const QString kMetadata = QStringLiteral("share/metainfo/") + kId + QStringLiteral(".metainfo.xml");
const QString kIcon =
    QStringLiteral("share/icons/hicolor/scalable/apps/") + kId + QStringLiteral(".svg");
} // namespace

TestPackageInstall::Run TestPackageInstall::run(const QString& program,
                                                const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.code = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void TestPackageInstall::initTestCase() {
    QVERIFY(prefix_.isValid());
    const Run install = run(QStringLiteral(SCARA_CMAKE_COMMAND),
                            {QStringLiteral("--install"), QStringLiteral(SCARA_BINARY_DIR),
                             QStringLiteral("--prefix"), prefix_.path()});
    QVERIFY2(install.code == 0, install.err.constData());
}

void TestPackageInstall::installedFiles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    QTest::newRow("station") << "bin/scara-station" << true;
    QTest::newRow("cli") << "bin/scara-cli" << true;
    QTest::newRow("emulator") << "bin/scara-controller-emu" << true;
    QTest::newRow("desktop entry") << kDesktop << false;
    QTest::newRow("metadata") << kMetadata << false;
    QTest::newRow("icon") << kIcon << false;
    QTest::newRow("English") << "share/scara-station/translations/scara_en.qm" << false;
    QTest::newRow("udev rule") << "lib/udev/rules.d/60-scara-station.rules" << false;
}

void TestPackageInstall::installedFiles() {
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QCOMPARE(file.isExecutable(), executable);
}

// ModemManager is told to leave each of the usual adapters alone.
void TestPackageInstall::udevRuleMarksTheAdapters() {
    const QByteArray rule =
        readFileBytes(installed(QStringLiteral("lib/udev/rules.d/60-scara-station.rules")));
    for (const char* vendor : {"0403", "1a86", "10c4", "067b", "2341"}) {
        const qsizetype at = rule.indexOf(QByteArray("ATTRS{idVendor}==\"") + vendor);
        QVERIFY2(at >= 0, vendor);
        const QByteArray line = rule.mid(at, rule.indexOf('\n', at) - at);
        QVERIFY2(line.endsWith("ENV{ID_MM_DEVICE_IGNORE}=\"1\""), line.constData());
    }
    QVERIFY(rule.contains("KERNEL==\"ttyACM[0-9]*\""));
}

void TestPackageInstall::desktopEntry() {
    const QByteArray entry = readFileBytes(installed(kDesktop));
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    QVERIFY(entry.contains("\nExec=scara-station %F\n"));
    QVERIFY(entry.contains("\nIcon=" + kId.toUtf8() + "\n"));
    QVERIFY(readFileBytes(installed(kMetadata))
                .contains("<launchable type=\"desktop-id\">" + kId.toUtf8() + ".desktop<"));
}

void TestPackageInstall::validate(const char* tool, QStringList arguments) {
    const QString path = QStandardPaths::findExecutable(QLatin1String(tool));
    if (path.isEmpty())
        QSKIP(qPrintable(QStringLiteral("%1 is not installed (scripts/install-deps installs it)")
                             .arg(QLatin1String(tool))));
    const Run check = run(path, arguments);
    QVERIFY2(check.code == 0, (check.out + check.err).constData());
}

void TestPackageInstall::desktopEntryIsValid() {
    validate("desktop-file-validate", {installed(kDesktop)});
}

void TestPackageInstall::metadataIsValid() {
    validate("appstreamcli",
             {QStringLiteral("validate"), QStringLiteral("--no-net"), installed(kMetadata)});
}

void TestPackageInstall::iconIsAnSvgDrawing() {
    QXmlStreamReader reader(readFileBytes(installed(kIcon)));
    QVERIFY(reader.readNextStartElement());
    QCOMPARE(reader.name(), QLatin1String("svg"));
    QCOMPARE(reader.namespaceUri(), QLatin1String("http://www.w3.org/2000/svg"));
    QCOMPARE(reader.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 128 128"));
    int shapes = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement)
            ++shapes;
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QVERIFY(shapes >= 4);
}

void TestPackageInstall::installedStationAnswers_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("version") << "--version" << QByteArray("scara-station " SCARA_VERSION "\n");
    QTest::newRow("help") << "--help" << QByteArray("Użycie: scara-station [OPCJE] [PLIK...]\n");
}

void TestPackageInstall::installedStationAnswers() {
    QFETCH(QString, option);
    QFETCH(QByteArray, start);
    // No display is needed: the answer comes before any window.
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.start(installed(QStringLiteral("bin/scara-station")), {option});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(process.readAllStandardOutput().startsWith(start), qPrintable(option));
}

void TestPackageInstall::wrongOptionIsRefused() {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(installed(QStringLiteral("bin/scara-station")),
                  {QStringLiteral("--kolor"), QStringLiteral("a.nc")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().contains("Nieznana opcja: '--kolor'\n"));
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(TestPackageInstall)
#include "tst_package_install.moc"
