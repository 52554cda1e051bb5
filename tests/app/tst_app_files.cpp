// Which kind a file given to the station is, the list of files opened last,
// and the station's command line.
#include "app/commandline.h"
#include "app/filekind.h"
#include "app/recentfiles.h"
#include "support/files.h"

#include <QDir>
#include <QTest>

Q_DECLARE_METATYPE(FileKind)
Q_DECLARE_METATYPE(StationCommandLine::Action)

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void fileKind_data();
    void fileKind();
    void fileKindFromTheFile();
    void recentFiles();
    void recentFilesReadBack();
    void commandLine_data();
    void commandLine();
    void earlyAction_data();
    void earlyAction();
};

void TestFiles::fileKind_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<FileKind>("kind");
    // The content decides where it is plain.
    QTest::newRow("svg document") << "a.txt"
                                  << QByteArray("<?xml version=\"1.0\"?>\n<!-- x -->\n<svg "
                                                "xmlns=\"http://www.w3.org/2000/svg\">")
                                  << FileKind::Svg;
    QTest::newRow("svg with BOM") << "a" << QByteArray("\xEF\xBB\xBF  <svg width=\"1\">")
                                  << FileKind::Svg;
    QTest::newRow("svg named .nc") << "a.nc" << QByteArray("<svg/>") << FileKind::Svg;
    QTest::newRow("hpgl IN;") << "a.nc" << QByteArray("IN;SP1;PU0,0;PD100,0;") << FileKind::Hpgl;
    QTest::newRow("hpgl lines") << "plot" << QByteArray("\r\nIN\r\nSP1\r\n") << FileKind::Hpgl;
    QTest::newRow("hpgl after escape")
        << "plot" << QByteArray("\x1b.(;\x1b.I81;;17:IN;PA0,0;") << FileKind::Hpgl;
    QTest::newRow("hpgl PA negative") << "p" << QByteArray("PA-10,20;") << FileKind::Hpgl;
    QTest::newRow("gcode G00") << "a.plt" << QByteArray("G00 X 0 Y 0 Z 10\r\n") << FileKind::Gcode;
    QTest::newRow("gcode N10") << "a.svg" << QByteArray("N10 G01 X1\r\n") << FileKind::Gcode;
    QTest::newRow("gcode M03") << "a" << QByteArray("M03 T0\n") << FileKind::Gcode;
    // Unclear content: the extension decides, G-code by default.
    QTest::newRow("empty .svg") << "a.SVG" << QByteArray() << FileKind::Svg;
    QTest::newRow("empty .plt") << "a.plt" << QByteArray() << FileKind::Hpgl;
    QTest::newRow("empty .hpgl") << "dir.x/a.hpgl" << QByteArray() << FileKind::Hpgl;
    QTest::newRow("empty .hpg") << "a.hpg" << QByteArray() << FileKind::Hpgl;
    QTest::newRow("empty .nc") << "a.nc" << QByteArray() << FileKind::Gcode;
    QTest::newRow("comment .plt") << "a.plt" << QByteArray("(comment)\nG00 X1") << FileKind::Gcode;
    QTest::newRow("percent .svg") << "a.svg" << QByteArray("%\n") << FileKind::Gcode;
    QTest::newRow("lowercase .plt") << "a.plt" << QByteArray("in;sp1;") << FileKind::Hpgl;
    QTest::newRow("words, no extension") << "a" << QByteArray("PROGRAM") << FileKind::Gcode;
    QTest::newRow("text .txt") << "a.txt" << QByteArray("hello") << FileKind::Gcode;
    QTest::newRow("lone <") << "a.nc" << QByteArray("<") << FileKind::Gcode;
    QTest::newRow("two letters only") << "a" << QByteArray("IN") << FileKind::Gcode;
}

void TestFiles::fileKind() {
    QFETCH(QString, name);
    QFETCH(QByteArray, head);
    QFETCH(FileKind, kind);
    QCOMPARE(DetectFileKind(name, head), kind);
}

void TestFiles::fileKindFromTheFile() {
    TempDir dir;
    QCOMPARE(DetectFileKind(dir.writeFile(QStringLiteral("drawing.nc"), "IN;SP1;PU0,0;")),
             FileKind::Hpgl);
    QCOMPARE(DetectFileKind(dir.writeFile(QStringLiteral("x.plt"), "G00 X1 Y2 Z3\r\n")),
             FileKind::Gcode);
    // A file that is not there: the extension.
    QCOMPARE(DetectFileKind(dir.filePath(QStringLiteral("missing.svg"))), FileKind::Svg);
    QCOMPARE(DetectFileKind(dir.path()), FileKind::Gcode);
}

void TestFiles::recentFiles() {
    RecentFiles recent;
    for (int i = 1; i <= 12; ++i)
        recent.add(QStringLiteral("/p/%1.nc").arg(i));
    QCOMPARE(recent.files().size(), RecentFiles::kLimit);
    QCOMPARE(recent.files().first(), QStringLiteral("/p/12.nc"));
    QCOMPARE(recent.files().last(), QStringLiteral("/p/3.nc"));
    // The same file by another spelling moves up instead of appearing twice.
    recent.add(QStringLiteral("/p/x/../5.nc"));
    QCOMPARE(recent.files().first(), QStringLiteral("/p/5.nc"));
    QCOMPARE(recent.files().count(QStringLiteral("/p/5.nc")), 1);
    QCOMPARE(recent.files().size(), RecentFiles::kLimit);
    recent.remove(QStringLiteral("/p/5.nc"));
    QVERIFY(!recent.files().contains(QStringLiteral("/p/5.nc")));
    recent.add(QString());
    QCOMPARE(recent.files().size(), RecentFiles::kLimit - 1);
    // A relative name is kept as the absolute path it stands for now.
    recent.add(QStringLiteral("rel.nc"));
    QCOMPARE(recent.files().first(), QDir::current().absoluteFilePath(QStringLiteral("rel.nc")));
}

void TestFiles::recentFilesReadBack() {
    QStringList stored;
    stored << QStringLiteral("/a.nc") << QString() << QStringLiteral("/b.nc")
           << QStringLiteral("/a.nc");
    for (int i = 0; i < 20; ++i)
        stored << QStringLiteral("/more/%1.nc").arg(i);
    const RecentFiles recent(stored);
    QCOMPARE(recent.files().size(), RecentFiles::kLimit);
    QCOMPARE(recent.files().mid(0, 3),
             (QStringList{QStringLiteral("/a.nc"), QStringLiteral("/b.nc"),
                          QStringLiteral("/more/0.nc")}));
}

void TestFiles::commandLine_data() {
    using Action = StationCommandLine::Action;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("error");
    QTest::newRow("nothing") << QStringList() << Action::Run << QStringList() << QString();
    QTest::newRow("files in order") << QStringList{"b.nc", "a.plt", "c.svg"} << Action::Run
                                    << QStringList{"b.nc", "a.plt", "c.svg"} << QString();
    QTest::newRow("help") << QStringList{"x.nc", "--help"} << Action::Help << QStringList()
                          << QString();
    QTest::newRow("-h") << QStringList{"-h"} << Action::Help << QStringList() << QString();
    QTest::newRow("version") << QStringList{"--version", "--help"} << Action::Version
                             << QStringList() << QString();
    QTest::newRow("unknown option") << QStringList{"a.nc", "--colour"} << Action::Error
                                    << QStringList() << QString("Nieznana opcja: '--colour'");
    QTest::newRow("dash file after --") << QStringList{"--", "-x.nc", "--help"} << Action::Run
                                        << QStringList{"-x.nc", "--help"} << QString();
    QTest::newRow("lone dash is a file")
        << QStringList{"-"} << Action::Run << QStringList{"-"} << QString();
}

void TestFiles::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(StationCommandLine::Action, action);
    QFETCH(QStringList, files);
    QFETCH(QString, error);
    const StationCommandLine line = ParseStationCommandLine(arguments);
    QCOMPARE(line.action, action);
    QCOMPARE(line.files, files);
    QCOMPARE(line.error, error);
}

void TestFiles::earlyAction_data() {
    using Action = StationCommandLine::Action;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::newRow("qt options and a file")
        << QStringList{"-platform", "offscreen", "a.nc"} << Action::Run;
    QTest::newRow("version") << QStringList{"-platform", "offscreen", "-v"} << Action::Version;
    QTest::newRow("help after --") << QStringList{"--", "--help"} << Action::Run;
}

void TestFiles::earlyAction() {
    QFETCH(QStringList, arguments);
    QFETCH(StationCommandLine::Action, action);
    QCOMPARE(EarlyCommandLineAction(arguments), action);
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_app_files.moc"
