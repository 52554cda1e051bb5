// The station as a desktop program: settings kept from one run to the next
// and restored to their defaults, files opened from the command line, by
// dropping and from "Ostatnie pliki", the question before unsaved edits are
// lost, and the menus' shortcuts.
#include "app/colorshape.h"
#include "app/mainwindow.h"
#include "app/portsettingspage.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "app/stationpersistence.h"
#include "controller/widgets/portselectors.h"
#include "gcode/programlist.h"
#include "gcode/programmemo.h"
#include "hpgl/converterwindow.h"
#include "support/files.h"
#include "support/stationdoubles.h"
#include "view3d/visualisationwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QtTest>

Q_DECLARE_METATYPE(StationDialogs::UnsavedAnswer)

class TestPersistence : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void stationIsFoundAsItWasLeft();
    void restoreDefaults();
    void changesSurviveAKill();
    void filesOpenWhereTheirKindBelongs_data();
    void filesOpenWhereTheirKindBelongs();
    void droppedFilesOpen();
    void recentFiles();
    void unsavedEditsAreAskedFor_data();
    void unsavedEditsAreAskedFor();
    void editsThatCount();
    void shortcutsInTheMenus_data();
    void shortcutsInTheMenus();
    void shortcutsReachTheCommands();

private:
    void start(SettingsStore* store = nullptr);
    MainWindow& main() { return station_->mainWindow(); }
    template <typename T> T* child(QWidget& window, const char* name) {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (!found)
            qWarning("no %s", name);
        return found;
    }
    QAction* action(const char* name) { return child<QAction>(main(), name); }
    // Memo1's lines without the space the preparation leaves at their ends.
    QString programText() {
        QStringList lines = main().programPage()->programMemo()->toPlainText().split(u'\n');
        for (QString& line : lines) {
            while (line.endsWith(u' '))
                line.chop(1);
        }
        return lines.join(u'\n');
    }

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<Station> station_;
    WindowRecorder recorder_;
};

void TestPersistence::init() {
    dir_ = std::make_unique<TempDir>();
}

void TestPersistence::cleanup() {
    station_.reset();
    dir_.reset();
}

void TestPersistence::start(SettingsStore* store) {
    station_.reset();
    recorder_ = WindowRecorder();
    station_ = std::make_unique<Station>(store);
    recorder_.attach(main());
}

void TestPersistence::stationIsFoundAsItWasLeft() {
    const QString path = dir_->filePath(QStringLiteral("station.conf"));
    const QString program = dir_->writeFile(QStringLiteral("a.nc"), "G00 X100 Y100 Z10\r\n");
    QSize leftSize;
    {
        SettingsStore store(path);
        start(&store);
        MainWindow& window = main();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(900, 640);
        child<ColorShape>(window, "Shape3")->setColour(QColor(1, 2, 3));
        child<QCheckBox>(window, "CheckBox3")->setChecked(false);
        child<QCheckBox>(window, "CheckBox1")->setChecked(false);
        child<QLineEdit>(window, "Edit13")->setText(QStringLiteral("070"));
        child<QLineEdit>(window, "Edit14")->setText(QStringLiteral("bad"));
        PortSettingsPage* port = window.portSettingsPage();
        port->selector(1)->setCurrentText(PortSelectors::kEmulatorEntry);
        port->selector(2)->setCurrentText(QStringLiteral("57600"));
        port->selector(4)->setCurrentText(QStringLiteral("Even"));
        port->selector(6)->setCurrentText(QStringLiteral("Hardware"));
        ConverterWindow& converter = station_->converterWindow();
        child<QLineEdit>(converter, "Edit6")->setText(QStringLiteral("-2"));
        child<QPlainTextEdit>(converter, "Memo3")->setPlainText(QStringLiteral("M03 T5"));
        converter.show();
        QVERIFY(window.programCommands()->openProgramFile(program));
        window.settingsBar()->setCurrentIndex(5);
        window.setSettingsBarShown(false);
        leftSize = window.size();
        QCOMPARE(leftSize.width(), 900);
        window.close();
        QVERIFY(!window.isVisible());
    }
    SettingsStore store(path);
    start(&store);
    MainWindow& window = main();
    QCOMPARE(child<ColorShape>(window, "Shape3")->colour(), QColor(1, 2, 3));
    QCOMPARE(child<ColorShape>(window, "Shape4")->colour().rgb(),
             PlotColours::defaults().trajectory[3]);
    QVERIFY(!child<QCheckBox>(window, "CheckBox3")->isChecked());
    QVERIFY(child<QCheckBox>(window, "CheckBox2")->isChecked());
    QVERIFY(!child<QCheckBox>(window, "CheckBox1")->isChecked());
    QCOMPARE(child<QLineEdit>(window, "Edit13")->text(), QStringLiteral("070"));
    // A height that was no number when the station ended starts as its default.
    QCOMPARE(child<QLineEdit>(window, "Edit14")->text(), QStringLiteral("045"));
    PortSettingsPage* port = window.portSettingsPage();
    QCOMPARE(port->selector(1)->currentText(), PortSelectors::kEmulatorEntry);
    QCOMPARE(port->selector(2)->currentText(), QStringLiteral("57600"));
    QCOMPARE(port->selector(3)->currentText(), QStringLiteral("8"));
    QCOMPARE(port->selector(4)->currentText(), QStringLiteral("Even"));
    QCOMPARE(port->selector(6)->currentText(), QStringLiteral("Hardware"));
    ConverterWindow& converter = station_->converterWindow();
    QCOMPARE(child<QLineEdit>(converter, "Edit6")->text(), QStringLiteral("-2"));
    QCOMPARE(child<QPlainTextEdit>(converter, "Memo3")->toPlainText(), QStringLiteral("M03 T5"));
    QCOMPARE(window.settingsBar()->currentIndex(), 5);
    QVERIFY(!window.isSettingsBarShown());
    // The file dialogs start in the last folders.
    QCOMPARE(station_->persistence().collect().station.folders.program,
             QFileInfo(program).absolutePath());
    station_->persistence().apply(store.load());
    QCOMPARE(recorder_.answers.startFolders.program, QFileInfo(program).absolutePath());
    QCOMPARE(child<QAction>(window, "RecentFile1")->text(),
             QStringLiteral("&1 ") +
                 QDir::toNativeSeparators(QFileInfo(program).absoluteFilePath()));

    station_->showWindows();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), leftSize);
    QVERIFY(converter.isVisible());
    QVERIFY(!station_->visualisationWindow().isVisible());
}

// The station writes a change within a second: killed with SIGKILL after
// it, the next start finds the change.
void TestPersistence::changesSurviveAKill() {
    const QString program = dir_->writeFile(QStringLiteral("killed.nc"), "G00 X100 Y100 Z10\r\n");
    const QString config = dir_->filePath(QStringLiteral("config"));
    QProcess station;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir_->filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    station.setProcessEnvironment(environment);
    station.start(QStringLiteral(SCARA_STATION_PATH), {program});
    QVERIFY(station.waitForStarted());
    const QString file = config + QStringLiteral("/scara-station/scara-station.conf");
    // Opening the file put it first in "Ostatnie pliki": a change.
    QTRY_VERIFY_WITH_TIMEOUT(readFileBytes(file).contains("killed.nc"), 15000);
    QCOMPARE(station.state(), QProcess::Running);
    station.kill(); // SIGKILL: nothing runs at the end
    QVERIFY(station.waitForFinished());
    SettingsStore store(file);
    start(&store);
    QCOMPARE(child<QAction>(main(), "RecentFile1")->text(),
             QStringLiteral("&1 ") +
                 QDir::toNativeSeparators(QFileInfo(program).absoluteFilePath()));
}

void TestPersistence::restoreDefaults() {
    const QString path = dir_->filePath(QStringLiteral("station.conf"));
    SettingsStore store(path);
    start(&store);
    MainWindow& window = main();
    auto change = [&] {
        child<ColorShape>(window, "Shape9")->setColour(QColor(9, 9, 9));
        child<QCheckBox>(window, "CheckBox6")->setChecked(false);
        child<QLineEdit>(window, "Edit13")->setText(QStringLiteral("001"));
        window.portSettingsPage()->selector(2)->setCurrentText(QStringLiteral("110"));
        child<QLineEdit>(station_->converterWindow(), "Edit17")->setText(QStringLiteral("3"));
        window.settingsBar()->setCurrentIndex(1);
    };
    change();
    // The operator says no: nothing changes.
    recorder_.answers.restoreDefaults.enqueue(false);
    action("Przywrustawieniadomylne1")->trigger();
    QCOMPARE(child<ColorShape>(window, "Shape9")->colour(), QColor(9, 9, 9));

    action("Przywrustawieniadomylne1")->trigger();
    QCOMPARE(child<ColorShape>(window, "Shape9")->colour().rgb(),
             PlotColours::defaults().interpolation[0]);
    QVERIFY(child<QCheckBox>(window, "CheckBox6")->isChecked());
    QCOMPARE(child<QLineEdit>(window, "Edit13")->text(), QStringLiteral("050"));
    QCOMPARE(window.portSettingsPage()->selector(2)->currentText(), QStringLiteral("19200"));
    QCOMPARE(child<QLineEdit>(station_->converterWindow(), "Edit17")->text(), QStringLiteral("10"));
    // The page shown is the operator's, not a setting.
    QCOMPARE(window.settingsBar()->currentIndex(), 1);

    // And the defaults are what the next start finds.
    window.close();
    SettingsStore again(path);
    start(&again);
    QCOMPARE(child<QLineEdit>(main(), "Edit13")->text(), QStringLiteral("050"));
    QCOMPARE(main().portSettingsPage()->selector(2)->currentText(), QStringLiteral("19200"));
}

void TestPersistence::filesOpenWhereTheirKindBelongs_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("plot");
    QTest::addColumn<QString>("error");
    QTest::newRow("program") << "drawing.nc" << QByteArray("G00 X100 Y100 Z10\r\n")
                             << "G00 X100 Y100 Z10" << QString() << QString();
    QTest::newRow("program without extension") << "drawing" << QByteArray("N10 G01 X1 Y2 Z0\n")
                                               << "N10 G01 X1 Y2 Z0" << QString() << QString();
    QTest::newRow("hpgl by content") << "drawing.nc" << QByteArray("IN;\nSP1;\nPU0,0;\n")
                                     << QString() << "IN;\nSP1;\nPU0,0;" << QString();
    QTest::newRow("hpgl by extension")
        << "drawing.plt" << QByteArray() << QString() << QString() << QString();
    // The drawing importer has the file: this one has no size to draw in.
    QTest::newRow("svg") << "drawing.svg" << QByteArray("<svg/>") << QString() << QString()
                         << "Rysunek \"%1\" ma niewłaściwy rozmiar \"brak\"";
    QTest::newRow("missing") << QString() << QByteArray() << QString() << QString()
                             << "Plik '%1' nie istnieje";
}

void TestPersistence::filesOpenWhereTheirKindBelongs() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, program);
    QFETCH(QString, plot);
    QFETCH(QString, error);
    start();
    const QString path =
        name.isEmpty() ? dir_->filePath(QStringLiteral("gone.nc")) : dir_->writeFile(name, bytes);
    station_->openFiles({path});
    QCOMPARE(programText(), program);
    ConverterWindow& converter = station_->converterWindow();
    const bool toConverter = name.endsWith(QLatin1String(".plt")) || !plot.isEmpty();
    QCOMPARE(converter.isVisible(), toConverter);
    if (!plot.isEmpty())
        QCOMPARE(converter.findChild<ProgramMemo*>(QStringLiteral("Memo1"))->toPlainText(), plot);
    const QStringList errors =
        error.isEmpty() ? QStringList() : QStringList{error.arg(QDir::toNativeSeparators(path))};
    QCOMPARE(recorder_.errors, errors);
}

void TestPersistence::droppedFilesOpen() {
    start();
    const QString first = dir_->writeFile(QStringLiteral("first.nc"), "G00 X1 Y1 Z10\r\n");
    const QString second = dir_->writeFile(QStringLiteral("second.nc"), "G00 X2 Y2 Z10\r\n");
    MainWindow& window = main();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QVERIFY(drop.isAccepted());
    // Opened after the drop has ended; the later program replaces the first.
    QTRY_COMPARE(programText(), QStringLiteral("G00 X2 Y2 Z10"));
    QCOMPARE(window.windowTitle(),
             QStringLiteral("SCARA ") +
                 QDir::toNativeSeparators(QFileInfo(second).absoluteFilePath()));

    // Text that is not a file is not taken.
    QMimeData text;
    text.setText(QStringLiteral("G00 X5"));
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(&window, &refused);
    QVERIFY(!refused.isAccepted());
}

void TestPersistence::recentFiles() {
    const QString settings = dir_->filePath(QStringLiteral("station.conf"));
    SettingsStore store(settings);
    start(&store);
    QMenu* menu = child<QMenu>(main(), "Ostatniepliki1");
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("(brak)"));
    QVERIFY(!menu->actions().first()->isEnabled());

    const QString a = dir_->writeFile(QStringLiteral("a.nc"), "G00 X1 Y1 Z10\r\n");
    const QString b = dir_->writeFile(QStringLiteral("b.plt"), "IN;\nSP1;\nSP0;\n");
    const QString c = dir_->writeFile(QStringLiteral("c.nc"), "G00 X3 Y3 Z10\r\n");
    station_->openFiles({a, b, c});
    auto shown = [](const QString& path) {
        return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    };
    QCOMPARE(action("RecentFile1")->text(), QStringLiteral("&1 ") + shown(c));
    QCOMPARE(action("RecentFile2")->text(), QStringLiteral("&2 ") + shown(b));
    QCOMPARE(action("RecentFile3")->text(), QStringLiteral("&3 ") + shown(a));

    action("RecentFile3")->trigger();
    QCOMPARE(programText(), QStringLiteral("G00 X1 Y1 Z10"));
    QCOMPARE(action("RecentFile1")->text(), QStringLiteral("&1 ") + shown(a));

    // A file gone since is reported and leaves the list.
    QVERIFY(QFile::remove(c));
    action("RecentFile2")->trigger();
    QCOMPARE(recorder_.errors, QStringList{QStringLiteral("Plik '%1' nie istnieje").arg(shown(c))});
    QCOMPARE(programText(), QStringLiteral("G00 X1 Y1 Z10"));
    QCOMPARE(menu->findChildren<QAction*>().isEmpty(), false);
    QVERIFY(!action("RecentFile3"));

    // The list outlives the run.
    main().close();
    SettingsStore again(settings);
    start(&again);
    QCOMPARE(action("RecentFile1")->text(), QStringLiteral("&1 ") + shown(a));
    QCOMPARE(action("RecentFile2")->text(), QStringLiteral("&2 ") + shown(b));
    action("ClearRecentFiles")->trigger();
    QVERIFY(!action("RecentFile1"));
}

void TestPersistence::unsavedEditsAreAskedFor_data() {
    using Answer = StationDialogs::UnsavedAnswer;
    QTest::addColumn<bool>("closing"); // else another program is opened
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("saveChosen");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("open, cancel") << false << Answer::Cancel << false << false;
    QTest::newRow("open, discard") << false << Answer::Discard << false << true;
    QTest::newRow("open, save") << false << Answer::Save << true << true;
    QTest::newRow("open, save cancelled") << false << Answer::Save << false << false;
    QTest::newRow("close, cancel") << true << Answer::Cancel << false << false;
    QTest::newRow("close, discard") << true << Answer::Discard << false << true;
    QTest::newRow("close, save") << true << Answer::Save << true << true;
}

void TestPersistence::unsavedEditsAreAskedFor() {
    QFETCH(bool, closing);
    QFETCH(StationDialogs::UnsavedAnswer, answer);
    QFETCH(bool, saveChosen);
    QFETCH(bool, replaced);
    start();
    MainWindow& window = main();
    window.show();
    const QString first = dir_->writeFile(QStringLiteral("first.nc"), "G00 X1 Y1 Z10\r\n");
    const QString second = dir_->writeFile(QStringLiteral("second.nc"), "G00 X2 Y2 Z10\r\n");
    const QString saved = dir_->filePath(QStringLiteral("saved.nc"));

    // Opening and a preparation are no edits: nothing to ask.
    station_->openFiles({first});
    action("Wyczy1")->trigger();
    QVERIFY(!window.programCommands()->hasUnsavedEdits());
    station_->openFiles({first});
    QCOMPARE(recorder_.answers.unsavedRequests, 0);

    ProgramMemo* memo = window.programPage()->programMemo();
    memo->setCaret(TextPosition{0, 0});
    memo->insertText(QStringLiteral("G00 X9 Y9 Z10\n"));
    QVERIFY(window.programCommands()->hasUnsavedEdits());
    recorder_.answers.unsaved.enqueue(answer);
    if (saveChosen)
        recorder_.answers.saveProgram.enqueue(saved);

    if (closing)
        window.close();
    else
        station_->openFiles({second});
    QCOMPARE(recorder_.answers.unsavedRequests, 1);
    if (closing)
        QCOMPARE(window.isVisible(), !replaced);
    else
        QCOMPARE(programText(), replaced ? QStringLiteral("G00 X2 Y2 Z10")
                                         : QStringLiteral("G00 X9 Y9 Z10\nG00 X1 Y1 Z10"));
    QCOMPARE(QFile::exists(saved), saveChosen);
    if (saveChosen)
        QCOMPARE(readFileBytes(saved), QByteArray("G00 X9 Y9 Z10\r\nG00 X1 Y1 Z10 \r\n"));
}

void TestPersistence::editsThatCount() {
    start();
    ProgramCommands* commands = main().programCommands();
    station_->openFiles({dir_->writeFile(QStringLiteral("p.nc"), "G00 X400 Y10 Z10\r\n")});
    // A click on the plot moves nothing; a drag shifts the program.
    commands->plotPressed(QPointF(100, 100));
    commands->plotReleased(QPointF(100, 100));
    QVERIFY(!commands->hasUnsavedEdits());
    commands->plotPressed(QPointF(100, 100));
    commands->plotReleased(QPointF(110, 100));
    QVERIFY(commands->hasUnsavedEdits());
    // Saved, the program has nothing left to lose.
    recorder_.answers.saveProgram.enqueue(dir_->filePath(QStringLiteral("saved.nc")));
    QVERIFY(commands->saveProgram());
    QVERIFY(!commands->hasUnsavedEdits());
    // Undo in Memo1 is an edit too; a new program starts clean.
    ProgramMemo* memo = main().programPage()->programMemo();
    memo->insertText(QStringLiteral("x"));
    recorder_.answers.saveProgram.enqueue(dir_->filePath(QStringLiteral("saved.nc")));
    QVERIFY(commands->saveProgram());
    memo->undo();
    QVERIFY(commands->hasUnsavedEdits());
    commands->newProgram();
    QCOMPARE(recorder_.answers.unsavedRequests, 1);
    QVERIFY(!commands->hasUnsavedEdits());
}

void TestPersistence::shortcutsInTheMenus_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    QTest::newRow("new") << "Nowyprogram1"
                         << "Ctrl+N";
    QTest::newRow("open") << "Otwrz1"
                          << "Ctrl+O";
    QTest::newRow("save") << "Zapiszgcode1"
                          << "Ctrl+S";
    QTest::newRow("exit") << "Zakoncz1"
                          << "Ctrl+Q";
    QTest::newRow("refresh") << "Wyczy1"
                             << "F5";
    QTest::newRow("settings bar") << "Ukryjpasekustawie1"
                                  << "Ctrl+B";
    QTest::newRow("show visualisation") << "Pokarobota1"
                                        << "F12";
    QTest::newRow("hide visualisation") << "Ukryjrobota1"
                                        << "Shift+F12";
    QTest::newRow("send program") << "Wyslijprogram1"
                                  << "F6";
}

void TestPersistence::shortcutsInTheMenus() {
    QFETCH(QString, name);
    QFETCH(QString, keys);
    start();
    QAction* item = action(qPrintable(name));
    QVERIFY(item);
    QCOMPARE(item->shortcut().toString(QKeySequence::PortableText), keys);
    QVERIFY(item->isShortcutVisibleInContextMenu() || !item->shortcut().isEmpty());
}

void TestPersistence::shortcutsReachTheCommands() {
    start();
    MainWindow& window = main();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(!window.isSettingsBarShown());
    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(window.isSettingsBarShown());

    // The simulation's keys act only while its menu is open to the operator.
    QVERIFY(action("Startsymulacji2")->shortcut().isEmpty());
    const QString program = dir_->writeFile(QStringLiteral("p.nc"), "G00 X400 Y10 Z10\r\n");
    station_->openFiles({program});
    QCOMPARE(action("Startsymulacji2")->shortcut(), QKeySequence(Qt::Key_F9));
    QCOMPARE(action("StopSymulacji1")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F9));

    // F5 prepares the memo's program again.
    ProgramMemo* memo = window.programPage()->programMemo();
    memo->setCaret(TextPosition{0, 0});
    memo->insertText(QStringLiteral("G00 X300 Y20 Z10\n"));
    QSignalSpy prepared(window.programCommands(), &ProgramCommands::programPrepared);
    window.activateWindow();
    QTest::keyClick(&window, Qt::Key_F5);
    QCOMPARE(prepared.count(), 1);
    QCOMPARE(window.programList().lineCount(), qsizetype(2));
}

QTEST_MAIN(TestPersistence)
#include "tst_app_persistence.moc"
