// The main window driven by objectName on the offscreen platform: start-up
// state, settings fields, the program commands, the plot gestures and the
// panels. Message boxes and dialogs are replaced by recording doubles.
#include "support/filesizelimit.h"
#include "support/stationdoubles.h"

#include "app/colorshape.h"
#include "app/mainwindow.h"
#include "app/plotwidget.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/stationstatusbar.h"
#include "gcode/plotsurface.h"
#include "gcode/programmemo.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <QTimer>
#include <cmath>

namespace {
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kProgram =
    "N10 G00 X100 Y100\r\nN20 G01 X120,4 Y100 Z1\r\nN30 M30\r\nN40 X1 Y1\r\n";
const QString kPrepared = QStringLiteral("N10 G00 X100 Y100 \nN20 G01 X120 Y100 Z1 \nN30 M30 ");

// How many of the degrees 10 to 170 find the dashed forbidden circle of
// radius 150 around the base on the plot.
int forbiddenCircleSamples(const PlotSurface& plot) {
    int onCircle = 0;
    for (int degree = 10; degree <= 170; ++degree) {
        const double angle = degree * M_PI / 180.0;
        const int x = int(std::lround(500 + 150 * std::cos(angle)));
        const int y = int(std::lround(500 - 150 * std::sin(angle)));
        bool found = false;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy)
                found |= QColor(plot.pixel(x + dx, y + dy)) == QColor(0x60, 0x60, 0x60);
        }
        onCircle += found;
    }
    return onCircle;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controlsAtStartUp_data();
    void controlsAtStartUp();
    void menusAndPanelsAtStartUp();
    void settingsFields();
    void openPreparesAndShows();
    void secondOpenReplacesEverything();
    void failedOpenChangesNothing_data();
    void failedOpenChangesNothing();
    void refreshAfterEditing();
    void failedRefreshKeepsTheOperatorsLines();
    void pasteThenRefresh();
    void saveWritesCrLfAndKeepsOldFileOnFailure();
    void savePicture();
    void shiftGestureMovesTheProgram();
    void pointerReadout_data();
    void pointerReadout();
    void layoutKeepsThePlotInView_data();
    void layoutKeepsThePlotInView();
    void openingShowsTheProgramPage();
    void pasteKeepsLinesApart_data();
    void pasteKeepsLinesApart();
    void newProgramEmptiesEverything();
    void reachReport();
    void settingsBarToggle();
    void aboutPanel();
    void colourShapes();
    void forbiddenCircleBeforeAnyProgram();
    void companionWindows();
    void background();
    void exitAsksTheSimulationFirst();
    void pathFindingsAreListedMarkedAndChosen();
    void forbiddenRadiusField();

private:
    template <typename T> T* child(const char* name) const {
        T* found = window_->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qWarning("no %s", name);
        return found;
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QString writeProgram(const QByteArray& bytes, const char* name = "program.nc");
    void open(const QString& path);
    ProgramMemo* memo() const { return child<ProgramMemo>("Memo1"); }

    std::unique_ptr<StationDocument> document_; // a fresh one for every window
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QTemporaryDir> dir_;
    QStringList notices_;
    QStringList errors_;
    ScriptedDialogs::Answers answers_;
    bool sharedStartUpWindow_ = false;
};

void TestMainWindow::init() {
    // The rows of the start-up table share one window.
    const bool startUpRow = QTest::currentTestFunction() == QLatin1String("controlsAtStartUp");
    if (startUpRow && sharedStartUpWindow_)
        return;
    sharedStartUpWindow_ = startUpRow;
    notices_.clear();
    errors_.clear();
    answers_ = {};
    dir_ = std::make_unique<QTemporaryDir>();
    window_.reset();
    document_ = std::make_unique<StationDocument>();
    window_ = std::make_unique<MainWindow>(*document_);
    auto notifier = std::make_unique<RecordingNotifier>();
    notifier->notices = &notices_;
    notifier->errors = &errors_;
    window_->setNotifier(std::move(notifier));
    window_->setDialogs(std::make_unique<ScriptedDialogs>(&answers_));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestMainWindow::cleanup() {
    if (sharedStartUpWindow_)
        return;
    window_.reset();
    dir_.reset();
}

QString TestMainWindow::writeProgram(const QByteArray& bytes, const char* name) {
    const QString path = dir_->filePath(QString::fromLatin1(name));
    writeAll(path, bytes);
    return path;
}

void TestMainWindow::open(const QString& path) {
    answers_.open.enqueue(path);
    action("Otwrz1")->trigger();
}

void TestMainWindow::controlsAtStartUp_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("readOnly");
    auto row = [](const char* name, const QString& text, bool enabled, bool readOnly) {
        QTest::newRow(name) << QString::fromLatin1(name) << text << enabled << readOnly;
    };
    row("Edit2", "1,8", true, false);
    row("Edit3", "16", true, false);
    row("Edit11", "0,25", true, false);
    row("Edit4", "0,028125", false, true);
    row("Edit5", "1,8", false, true);
    row("Edit6", "0", false, true);
    row("Edit12", "05", true, true);
    row("Edit13", "050", true, false);
    row("Edit14", "045", true, false);
    row("Edit15", "150", true, false);
    row("Edit9", "", true, false);
    row("Edit10", "", true, false);
    row("Edit16", "", true, false);
    row("Edit1", "", true, false);
    for (const char* button :
         {"Button3", "Button4", "Button5", "Button7", "Button8", "Button9", "Button10"})
        row(button, "Wyslij", false, false);
    row("Button1", "Połącz", true, false);
    row("Button2", "Rozłącz", false, false);
    row("ComComboBox1", "COM1", true, false);
    row("ComComboBox2", "19200", true, false);
    row("ComComboBox3", "8", true, false);
    row("ComComboBox4", "None", true, false);
    row("ComComboBox5", "1", true, false);
    row("ComComboBox6", "None", true, false);
    row("Memo2", "", true, true);
    row("Memo3", "", true, true);
    row("Memo4", "", true, true);
    row("Memo5", "", true, true);
    row("ComTerminal1", "", true, false);
}

void TestMainWindow::controlsAtStartUp() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(bool, readOnly);
    QWidget* control = window_->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->isEnabled(), enabled);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->isReadOnly(), readOnly);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        QCOMPARE(memo->toPlainText(), text);
        QCOMPARE(memo->isReadOnly(), readOnly);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), text);
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        QCOMPARE(box->currentText(), text);
    } else {
        QFAIL("unexpected control type");
    }
}

void TestMainWindow::menusAndPanelsAtStartUp() {
    QCOMPARE(window_->objectName(), QStringLiteral("TForm1"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("SCARA"));
    const QStringList enabled{"Otwrz1",          "Otwrzplikhpgl1",
                              "Zapiszgcode1",    "Zapisz1",
                              "Zakoncz1",        "Wyczy1",
                              "WklejGkodze1",    "Ukryjpasekustawie1",
                              "Startsymulacji2", "Pokarobota1",
                              "Ukryjrobota1",    "Poczzesterownikiem1",
                              "Wyslijprogram1",  "Przerwawwysyaniuprogramu1",
                              "Oprogeamie1",     "PokaUkryjpasekustawie1"};
    for (const QString& name : enabled)
        QVERIFY2(action(qPrintable(name))->isEnabled(), qPrintable(name));
    for (const char* name : {"Startsymulacji1", "StopSymulacji1", "Jazdareferencyjna1"})
        QVERIFY2(!action(name)->isEnabled(), name);
    QCOMPARE(action("Startsymulacji1"), child<QMenu>("Symulacja1")->menuAction());
    QVERIFY(child<QMenu>("Symulacja1"));
    QVERIFY(child<QMenu>("PopupMenu1"));

    auto* bar = child<QTabWidget>("PageControl1");
    QStringList tabs;
    for (int i = 0; i < bar->count(); ++i)
        tabs << bar->tabText(i);
    QCOMPARE(tabs,
             (QStringList{"Symulacja", "G-kod", "G-kod II", "G-kod III", "Ustawienia sterownika",
                          "Ustawienia portu", "Ustawienia programu"}));
    QCOMPARE(bar->tabText(bar->currentIndex()), QStringLiteral("G-kod III"));

    const QStringList panels{
        "Rozłączono", "Brak punktu referencyjnego", "Sterowanie automatyczne", "X:", "Y:", ""};
    for (int i = 0; i < panels.size(); ++i)
        QCOMPARE(child<QLabel>(qPrintable(QStringLiteral("StatusPanel%1").arg(i)))->text(),
                 panels[i]);
    QVERIFY(!child<QWidget>("Panel1")->isVisible());
    QCOMPARE(child<QLabel>("Image2")->pixmap().size(), QSize(320, 280));
    QCOMPARE(child<QLabel>("Image3")->pixmap().size(), QSize(320, 280));
    QCOMPARE(child<ColorShape>("Shape1")->colour(), QColor(255, 255, 255));
    QCOMPARE(child<ColorShape>("Shape9")->colour(), QColor(128, 128, 0));
    QCOMPARE(child<ColorShape>("Shape16")->colour(), QColor(255, 0, 255));
    for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox6"})
        QVERIFY(child<QCheckBox>(box)->isChecked());
    QVERIFY(!child<QCheckBox>("CheckBox7")->isChecked());
    QVERIFY(errors_.isEmpty());
    QVERIFY(notices_.isEmpty());
}

void TestMainWindow::settingsFields() {
    auto* edit3 = child<QLineEdit>("Edit3");
    auto* edit4 = child<QLineEdit>("Edit4");
    edit3->setText(QStringLiteral("2"));
    QCOMPARE(edit4->text(), QStringLiteral("0,225"));
    child<QLineEdit>("Edit11")->setText(QStringLiteral("0,5"));
    QCOMPARE(edit4->text(), QStringLiteral("0,45"));
    edit3->setText(QStringLiteral("0"));
    QCOMPARE(errors_, QStringList{"Floating point division by zero"});
    QCOMPARE(edit4->text(), QStringLiteral("0,45"));
    // Typing runs the handler at every keystroke: the empty text is an error too.
    edit3->clear();
    QCOMPARE(errors_.last(), QStringLiteral("'' is not a valid integer value"));
    QTest::keyClicks(edit3, "4");
    QCOMPARE(edit4->text(), QStringLiteral("0,225"));
    child<QLineEdit>("Edit2")->setText(QStringLiteral("1.8"));
    QCOMPARE(errors_.last(), QStringLiteral("'1.8' is not a valid floating point value"));
    QCOMPARE(edit4->text(), QStringLiteral("0,225"));
}

void TestMainWindow::openPreparesAndShows() {
    const QString path = writeProgram(kProgram);
    open(path);
    QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
    QCOMPARE(notices_, QStringList{"Zakończono ładowanie pliku"});
    QCOMPARE(memo()->toPlainText(), kPrepared);
    QCOMPARE(window_->programList().snapshot().toUnicode(), kPrepared);
    QCOMPARE(window_->windowTitle(),
             QStringLiteral("SCARA ") +
                 QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    QVERIFY(window_->menus().isSimulationMenuEnabled());
    QVERIFY(!action("StopSymulacji1")->isEnabled());
    // The rapid move in white, the working move at Z1 in lime.
    QCOMPARE(window_->plotSurface().pixel(800, 450), qRgb(255, 255, 255));
    QCOMPARE(window_->plotSurface().pixel(610, 400), qRgb(0, 255, 0));
    // Cancelling the dialog changes nothing.
    action("Otwrz1")->trigger();
    QCOMPARE(memo()->toPlainText(), kPrepared);
    QCOMPARE(notices_.size(), 1);
}

void TestMainWindow::secondOpenReplacesEverything() {
    open(writeProgram(kProgram));
    const QRgb field = window_->plotSurface().pixel(700, 300);
    open(writeProgram("N1 G01 X200 Y300 Z2\r\nN2 M30\r\n", "second.nc"));
    QCOMPARE(memo()->toPlainText(), QStringLiteral("N1 G01 X200 Y300 Z2 \nN2 M30 "));
    QCOMPARE(window_->programList().lineCount(), qsizetype(2));
    QCOMPARE(window_->plotSurface().pixel(610, 400), field);           // the first program is gone
    QCOMPARE(window_->plotSurface().pixel(700, 200), qRgb(0, 0, 128)); // Z2 in navy
    QVERIFY(window_->windowTitle().endsWith(QStringLiteral("second.nc")));
}

// A file that cannot be read, or that is not a program, changes nothing: not
// the title, the plot, Memo1 or the list; the message names the file (and
// the line where the preparation stopped).
void TestMainWindow::failedOpenChangesNothing_data() {
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::addColumn<QString>("message");  // the message starts so
    QTest::addColumn<QString>("detail");   // ... and holds this
    QTest::newRow("missing file") << QByteArray() << QStringLiteral("Cannot open file \"")
                                  << QStringLiteral("missing.nc");
    QByteArray binary("\x7f"
                      "ELF\x02\x01\x01\n",
                      8);
    binary += QByteArray("X\x01\x9c\xff Y2\n");
    QTest::newRow("binary file") << binary << QStringLiteral("Plik ")
                                 << QStringLiteral("linii 2: '");
    QTest::newRow("bad number on line 3")
        << QByteArray("N1 G01 X10 Y300\r\nN2 X20 Y300\r\nN3 X1,2,3 Y300\r\n")
        << QStringLiteral("Plik ") << QStringLiteral("linii 3: '1,2,3'");
}

void TestMainWindow::failedOpenChangesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, detail);
    open(writeProgram(kProgram));
    const QString title = window_->windowTitle();
    const QImage plot = window_->plotSurface().image();
    const qsizetype lines = window_->programList().lineCount();
    errors_.clear();
    notices_.clear();
    const QString path = bytes.isEmpty() ? dir_->filePath(QStringLiteral("missing.nc"))
                                         : writeProgram(bytes, "notaprogram.nc");
    open(path);
    QCOMPARE(errors_.size(), 1);
    QVERIFY2(errors_[0].startsWith(message), qPrintable(errors_[0]));
    QVERIFY2(errors_[0].contains(detail), qPrintable(errors_[0]));
    if (!bytes.isEmpty())
        QVERIFY2(errors_[0].contains(QStringLiteral("notaprogram.nc")), qPrintable(errors_[0]));
    QVERIFY(notices_.isEmpty());
    QCOMPARE(window_->windowTitle(), title);
    QCOMPARE(memo()->toPlainText(), kPrepared);
    QCOMPARE(window_->programList().lineCount(), lines);
    QVERIFY(window_->plotSurface().image() == plot);
}

void TestMainWindow::refreshAfterEditing() {
    open(writeProgram(kProgram));
    memo()->setCaret({2, 0});
    memo()->insertText(QStringLiteral("N25 G01 X130.6 Y100 Z1\n"));
    QCOMPARE(window_->programList().lineCount(), qsizetype(3)); // not yet in the list
    action("Wyczy1")->trigger();
    QVERIFY(errors_.isEmpty());
    const QString expected = QStringLiteral(
        "N10 G00 X100 Y100 \nN20 G01 X120 Y100 Z1 \nN25 G01 X131 Y100 Z1 \nN30 M30 ");
    QCOMPARE(memo()->toPlainText(), expected);
    QCOMPARE(window_->programList().snapshot().toUnicode(), expected);
    QCOMPARE(window_->plotSurface().pixel(625, 400), qRgb(0, 255, 0));
}

void TestMainWindow::failedRefreshKeepsTheOperatorsLines() {
    open(writeProgram(kProgram));
    memo()->setPlainText(QStringLiteral("N1 X1,2,3 Y5\nN2 M30"));
    action("Wyczy1")->trigger();
    QCOMPARE(errors_, QStringList{"'1,2,3' is not a valid floating point value"});
    QCOMPARE(memo()->toPlainText(), QStringLiteral("N1 X1,2,3 Y5\nN2 M30"));
    QCOMPARE(window_->programList().snapshot().toUnicode(), QStringLiteral("N1 X1,2,3 Y5\nN2 M30"));
}

void TestMainWindow::pasteThenRefresh() {
    memo()->setPlainText(QStringLiteral("N5 G00 X10 Y10\nN9 M30"));
    memo()->setCaret({1, 0});
    QGuiApplication::clipboard()->setText(QStringLiteral("N7 G01 X20 Y10 Z0\r\n"));
    action("WklejGkodze1")->trigger();
    QVERIFY(window_->menus().isSimulationMenuEnabled());
    QCOMPARE(memo()->toPlainText(), QStringLiteral("N5 G00 X10 Y10\nN7 G01 X20 Y10 Z0\nN9 M30"));
    QVERIFY(!window_->programList().exists()); // not prepared until refreshed
    action("Wyczy1")->trigger();
    QVERIFY(errors_.isEmpty());
    QCOMPARE(memo()->toPlainText(), QStringLiteral("N5 G00 X10 Y10 \nN7 G01 X20 Y10 Z0 \nN9 M30 "));
    QCOMPARE(window_->plotSurface().pixel(515, 490), qRgb(0, 0, 255)); // Z0 in blue
}

void TestMainWindow::saveWritesCrLfAndKeepsOldFileOnFailure() {
    memo()->setPlainText(QStringLiteral("N1 X1 Y1 (żółw)\nN2 M30\n"));
    const QString path = dir_->filePath(QStringLiteral("saved.nc"));
    answers_.saveProgram.enqueue(path);
    action("Zapiszgcode1")->trigger();
    QVERIFY(errors_.isEmpty());
    QCOMPARE(readAll(path), QByteArray("N1 X1 Y1 (\xbf\xf3\xb3w)\r\nN2 M30\r\n"));

    QString big;
    for (int i = 0; i < 20000; ++i)
        big += QStringLiteral("N%1 G01 X100 Y200 Z1\n").arg(i);
    memo()->setPlainText(big);
    answers_.saveProgram.enqueue(path);
    {
        FileSizeLimit limit(16 * 1024);
        action("Zapiszgcode1")->trigger();
    }
    QCOMPARE(errors_.size(), 1);
    QVERIFY2(errors_[0].startsWith(QStringLiteral("Cannot create file \"")),
             qPrintable(errors_[0]));
    QCOMPARE(readAll(path), QByteArray("N1 X1 Y1 (\xbf\xf3\xb3w)\r\nN2 M30\r\n"));
}

void TestMainWindow::savePicture() {
    open(writeProgram(kProgram));
    const QString path = dir_->filePath(QStringLiteral("plot.bmp"));
    answers_.savePicture.enqueue(path);
    action("Zapisz1")->trigger();
    QVERIFY(errors_.isEmpty());
    QVERIFY(readAll(path).startsWith("BM"));
    const QImage saved(path);
    QCOMPARE(saved.size(), QSize(1000, 500));
    QCOMPARE(saved.pixel(610, 400), qRgb(0, 255, 0));
    QCOMPARE(saved.pixel(3, 3), window_->plotSurface().pixel(3, 3));
}

void TestMainWindow::shiftGestureMovesTheProgram() {
    open(writeProgram(kProgram));
    auto* plot = static_cast<PlotWidget*>(child<QWidget>("Image1"));
    // The drag is measured in plot units, whatever the plot's scale on screen.
    const double scale = plot->pictureRect().width() / 1000.0;
    QVERIFY(scale > 0.1);
    const auto at = [&](double x, double y) {
        return QPoint(int(std::lround((x + 500) * scale)), int(std::lround((500 - y) * scale)));
    };
    const QPoint press = at(0, 200);
    const QPoint release = at(10, 205);
    QTest::mousePress(plot, Qt::LeftButton, {}, press);
    QTest::mouseMove(plot, at(5, 202));
    QTest::mouseRelease(plot, Qt::LeftButton, {}, release);
    QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join('\n')));
    // The drawing moves by the pointer's travel in plot units: about 10 to
    // the right and 5 up (pixels are whole, so within a pixel's worth).
    const int dx = int(std::lround((release.x() - press.x()) / scale));
    const int dy = int(std::lround((press.y() - release.y()) / scale));
    QVERIFY(qAbs(dx - 10) <= 1.0 / scale + 1 && qAbs(dy - 5) <= 1.0 / scale + 1);
    const QString shifted = QStringLiteral("N10 G00 X%1 Y%2 \nN20 G01 X%3 Y%2 Z1 \nN30 M30 ")
                                .arg(100 + dx)
                                .arg(100 + dy)
                                .arg(120 + dx);
    QCOMPARE(memo()->toPlainText(), shifted);
    QCOMPARE(window_->plotSurface().pixel(610 + dx, 400 - dy), qRgb(0, 255, 0));
    // A click without movement changes nothing: no preparation, no shift.
    QSignalSpy prepared(window_->programCommands(), &ProgramCommands::programPrepared);
    QTest::mouseClick(plot, Qt::LeftButton, {}, at(100, 100));
    QTest::mouseClick(plot, Qt::RightButton, {}, at(-100, 300));
    QCOMPARE(prepared.count(), 0);
    QCOMPARE(memo()->toPlainText(), shifted);
    QCOMPARE(notices_.size(), 1); // the gesture shows no notice
}

void TestMainWindow::pointerReadout_data() {
    QTest::addColumn<QSize>("windowSize");
    QTest::newRow("default size") << QSize();
    QTest::newRow("small window, plot scaled down") << QSize(900, 600);
    QTest::newRow("large window") << QSize(1800, 1000);
}

void TestMainWindow::pointerReadout() {
    QFETCH(QSize, windowSize);
    if (windowSize.isValid())
        window_->resize(windowSize);
    QCoreApplication::processEvents();
    auto* plot = static_cast<PlotWidget*>(child<QWidget>("Image1"));
    const double scale = plot->pictureRect().width() / 1000.0;
    // The readout in plot units, within a pixel's worth of the point shown.
    const auto readout = [this] {
        return QPointF(child<QLabel>("StatusPanel3")->text().mid(2).toDouble(),
                       child<QLabel>("StatusPanel4")->text().mid(2).toDouble());
    };
    const double slack = 1.0 / scale + 0.5;
    const std::pair<double, double> points[] = {{0, 1}, {-200, 400}, {350, 120}};
    for (const auto& [x, y] : points) {
        QTest::mouseMove(
            plot, QPoint(int(std::lround((x + 500) * scale)), int(std::lround((500 - y) * scale))));
        QTRY_VERIFY(qAbs(readout().x() - x) <= slack);
        QVERIFY2(qAbs(readout().y() - y) <= slack,
                 qPrintable(child<QLabel>("StatusPanel4")->text()));
    }
}

void TestMainWindow::layoutKeepsThePlotInView_data() {
    QTest::addColumn<QSize>("windowSize");
    QTest::newRow("default size") << QSize();
    QTest::newRow("small") << QSize(900, 600);
    QTest::newRow("large") << QSize(1800, 1000);
}

// The plot lies beside the settings bar, never under it or the status bar,
// and all seven pages can be chosen without scroll arrows.
void TestMainWindow::layoutKeepsThePlotInView() {
    QFETCH(QSize, windowSize);
    if (windowSize.isValid())
        window_->resize(windowSize);
    QCoreApplication::processEvents();
    auto* plot = static_cast<PlotWidget*>(child<QWidget>("Image1"));
    auto* bar = child<QTabWidget>("PageControl1");
    const QRect picture =
        plot->pictureRect().toAlignedRect().translated(plot->mapTo(window_.get(), QPoint()));
    const QRect barRect(bar->mapTo(window_.get(), QPoint()), bar->size());
    const QRect statusRect(child<QWidget>("StatusBar1")->mapTo(window_.get(), QPoint()),
                           child<QWidget>("StatusBar1")->size());
    QVERIFY(!picture.isEmpty());
    QVERIFY(!picture.intersects(barRect));
    QVERIFY(!picture.intersects(statusRect));
    QVERIFY(window_->rect().contains(picture));
    // At start the plot has its design size when the screen has room for it.
    if (!windowSize.isValid() && window_->screen()->availableGeometry().width() >= 1500)
        QVERIFY(plot->pictureRect().width() >= 900);
    // Every page has a button of its own in the selector, all in view.
    for (int i = 0; i < bar->count(); ++i) {
        auto* button = child<QToolButton>(qPrintable(QStringLiteral("PageButton%1").arg(i)));
        QCOMPARE(button->text(), bar->tabText(i));
        QVERIFY(button->isVisible());
        QVERIFY(button->rect().width() > 20);
        button->click();
        QCOMPARE(bar->currentIndex(), i);
    }
    bar->setCurrentIndex(2);
    QVERIFY(child<QToolButton>("PageButton2")->isChecked());
    // The operator can move the splitter between the plot and the bar.
    QVERIFY(child<QSplitter>("PlotSplitter"));
    // A long note never cuts the panels' texts.
    window_->stationStatusBar()->setNote(QString(400, QLatin1Char('x')));
    QCoreApplication::processEvents();
    for (int i = 0; i < 3; ++i) {
        auto* panel = child<QLabel>(qPrintable(QStringLiteral("StatusPanel%1").arg(i)));
        QVERIFY2(panel->width() >= panel->fontMetrics().horizontalAdvance(panel->text()),
                 qPrintable(panel->text()));
    }
}

void TestMainWindow::openingShowsTheProgramPage() {
    auto* bar = child<QTabWidget>("PageControl1");
    QCOMPARE(bar->tabText(bar->currentIndex()), QStringLiteral("G-kod III"));
    open(writeProgram(kProgram));
    QCOMPARE(bar->tabText(bar->currentIndex()), QStringLiteral("G-kod"));
}

void TestMainWindow::pasteKeepsLinesApart_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("line"); // the caret before pasting
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");
    QTest::newRow("at the start, no final line break")
        << QByteArray("N10 G00 X100 Y100\r\nN20 M30\r\n")
        << QStringLiteral("N1 G00 X0 Y300\nN2 M30") << 0 << 0
        << QStringLiteral("N1 G00 X0 Y300\nN2 M30\nN10 G00 X100 Y100 \nN20 M30 ");
    QTest::newRow("inside a line")
        << QByteArray("N10 G00 X100 Y100\r\nN20 M30\r\n") << QStringLiteral("N15 X0 Y300") << 0 << 4
        << QStringLiteral("N10 \nN15 X0 Y300\nG00 X100 Y100 \nN20 M30 ");
    QTest::newRow("at the end") << QByteArray("N10 G00 X100 Y100\r\n") << QStringLiteral("N20 M30")
                                << 0 << 18 << QStringLiteral("N10 G00 X100 Y100 \nN20 M30");
}

void TestMainWindow::pasteKeepsLinesApart() {
    QFETCH(QByteArray, program);
    QFETCH(QString, clipboard);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, expected);
    open(writeProgram(program));
    QGuiApplication::clipboard()->setText(clipboard);
    memo()->setCaret(TextPosition{line, column});
    action("WklejGkodze1")->trigger();
    QCOMPARE(memo()->toPlainText(), expected);
}

void TestMainWindow::newProgramEmptiesEverything() {
    open(writeProgram(kProgram));
    QVERIFY(window_->programList().exists());
    action("Nowyprogram1")->trigger();
    QCOMPARE(memo()->toPlainText(), QString());
    QCOMPARE(window_->programList().lineCount(), 0);
    QCOMPARE(window_->windowTitle(), QStringLiteral("SCARA"));
    QVERIFY(!action("Startsymulacji1")->isEnabled());
    // The plot shows the background only: the move's green pixel is gone.
    QVERIFY(window_->plotSurface().pixel(610, 400) != qRgb(0, 255, 0));
    QVERIFY(errors_.isEmpty());
}

void TestMainWindow::reachReport() {
    auto* group = child<QGroupBox>("CheckReportGroup");
    open(writeProgram("N1 G01 X300 Y400 Z1\r\nN2 X300 Y401\r\nN3 X-400 Y400\r\nN4 M30\r\n"));
    QVERIFY(!group->isHidden());
    QCOMPARE(child<QPlainTextEdit>("CheckReportMemo")->toPlainText(),
             QStringLiteral("W bloku 2 nastapiło przekroczenie zasięgu manipulatora:\n"
                            "W bloku 3 nastapiło przekroczenie zasięgu manipulatora:"));
    QVERIFY(child<QLabel>("StatusNote")->text().startsWith(QStringLiteral("Poza zasięgiem: 2;")));
    QVERIFY(child<QLabel>("StatusNote")->toolTip().contains(QStringLiteral("manipulatora: 2 ")));
    child<QCheckBox>("CheckBox6")->setChecked(false);
    action("Wyczy1")->trigger();
    QVERIFY(group->isHidden());
    QCOMPARE(child<QLabel>("StatusNote")->text(), QString());
}

void TestMainWindow::settingsBarToggle() {
    auto* bar = child<QTabWidget>("PageControl1");
    action("Ukryjpasekustawie1")->trigger();
    QVERIFY(!bar->isVisible());
    action("PokaUkryjpasekustawie1")->trigger();
    QVERIFY(bar->isVisible());
    action("PokaUkryjpasekustawie1")->trigger();
    QVERIFY(!bar->isVisible());
    action("Ukryjpasekustawie1")->trigger();
    QVERIFY(bar->isVisible());
}

void TestMainWindow::aboutPanel() {
    QWidget* panel = child<QWidget>("Panel1");
    action("Oprogeamie1")->trigger();
    action("Oprogeamie1")->trigger();
    QVERIFY(panel->isVisible());
    QTest::mouseClick(child<QPushButton>("Button6"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
}

// The circle stands on the plot from the start, and goes with the reach
// check.
void TestMainWindow::forbiddenCircleBeforeAnyProgram() {
    QVERIFY(forbiddenCircleSamples(window_->plotSurface()) > 60);
    child<QCheckBox>("CheckBox6")->setChecked(false);
    action("Nowyprogram1")->trigger();
    QCOMPARE(forbiddenCircleSamples(window_->plotSurface()), 0);
}

void TestMainWindow::colourShapes() {
    auto* shape2 = child<ColorShape>("Shape2");
    const QColor before = shape2->colour();
    open(writeProgram("N1 G01 X0 Y100 Z0\r\nN2 M30\r\n"));
    QCOMPARE(window_->plotSurface().pixel(750, 450), before.rgb());
    answers_.colours.enqueue(QColor(10, 20, 30));
    QTest::mousePress(shape2, Qt::RightButton);
    QCOMPARE(answers_.colourShown, before); // the dialog opens on the colour it changes
    QCOMPARE(shape2->colour(), QColor(10, 20, 30));
    // The plot shows the new colour at once, without a refresh.
    QCOMPARE(window_->plotSurface().pixel(750, 450), qRgb(10, 20, 30));
    QTest::mousePress(shape2, Qt::LeftButton); // cancelled: nothing changes
    QCOMPARE(answers_.colourRequests, 2);
    QCOMPARE(answers_.colourShown, QColor(10, 20, 30));
    QCOMPARE(shape2->colour(), QColor(10, 20, 30));
    QCOMPARE(window_->plotColours().trajectory[1], qRgb(10, 20, 30));
    // And the next drawing too.
    open(writeProgram("N1 G01 X0 Y100 Z0\r\nN2 M30\r\n"));
    QCOMPARE(window_->plotSurface().pixel(750, 450), qRgb(10, 20, 30));
}

void TestMainWindow::companionWindows() {
    QWidget visualisation;
    QWidget converter;
    window_->setCompanionWindows(&visualisation, &converter);
    action("Pokarobota1")->trigger();
    QVERIFY(visualisation.isVisible());
    action("Ukryjrobota1")->trigger();
    QVERIFY(!visualisation.isVisible());
    action("Otwrzplikhpgl1")->trigger();
    QVERIFY(converter.isVisible());
}

void TestMainWindow::background() {
    // No "wzorzec.bmp" where the tests run: the shipped default, and a status note.
    QVERIFY(QFile::exists(QStringLiteral(":/default-background.bmp")));
    // With the forbidden circle over it.
    PlotSurface expected;
    expected.paintBackground(QImage(QStringLiteral(":/default-background.bmp")));
    expected.drawForbiddenZone(150, qRgb(0x60, 0x60, 0x60));
    QCOMPARE(window_->plotSurface().image(), expected.image());
    QVERIFY(child<QLabel>("StatusNote")->text().contains(QStringLiteral("wzorzec.bmp")));
    const QRgb defaultCorner = window_->plotSurface().pixel(1, 1);
    QImage small(100, 50, QImage::Format_RGB32);
    small.fill(qRgb(1, 2, 3));
    const QString path = dir_->filePath(QStringLiteral("wzorzec.bmp"));
    QVERIFY(small.save(path, "BMP"));
    window_->loadBackground(path);
    QCOMPARE(child<QLabel>("StatusNote")->text(), QString());
    QCOMPARE(window_->plotSurface().pixel(1, 1), qRgb(1, 2, 3));
    // The rest of the plot shows the default, also after each preparation.
    open(writeProgram(kProgram));
    QCOMPARE(window_->plotSurface().pixel(1, 1), qRgb(1, 2, 3));
    QCOMPARE(window_->plotSurface().pixel(990, 10), defaultCorner);
    writeAll(path, "not a picture");
    window_->loadBackground(path);
    QVERIFY(child<QLabel>("StatusNote")->text().startsWith(QStringLiteral("Cannot open file")));
    QVERIFY(errors_.isEmpty());
}

void TestMainWindow::exitAsksTheSimulationFirst() {
    QStringList order;
    connect(window_.get(), &MainWindow::exitRequested, this, [&] { order << "exit"; });
    connect(window_.get(), &MainWindow::closing, this, [&] { order << "closing"; });
    action("Zakoncz1")->trigger();
    QCOMPARE(order, (QStringList{"exit", "closing"}));
    QVERIFY(!window_->isVisible());
}

void TestMainWindow::pathFindingsAreListedMarkedAndChosen() {
    auto* group = child<QGroupBox>("PathCheckGroup");
    auto* list = child<QTreeWidget>("PathFindingsList");
    // N20 passes the base at 100 (zone) and crosses the Y axis pen down;
    // N30 crosses it back pen up, 134 from the base.
    open(writeProgram("N10 G00 X100 Y100\r\nN20 G01 X-100 Y100\r\nN30 G00 X300 Y300\r\n"
                      "N35 X-300 Y300\r\nN40 M30\r\n"));
    QVERIFY(errors_.isEmpty());
    QVERIFY(!group->isHidden());
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows << item->text(0) + '|' + item->text(1) + '|' + item->text(2);
    }
    QCOMPARE(rows, QStringList({
                       "obszar zabroniony|N10|W bloku 10 ruch wchodzi w obszar zabroniony "
                       "(odległość od podstawy 141,4)",
                       "obszar zabroniony|N20|W bloku 20 ruch wchodzi w obszar zabroniony "
                       "(odległość od podstawy 100)",
                       "oś Y, pisak w dół|N20|W bloku 20 ruch przecina oś Y z opuszczonym "
                       "pisakiem: łokieć przerzuca się",
                       "obszar zabroniony|N30|W bloku 30 ruch wchodzi w obszar zabroniony "
                       "(odległość od podstawy 134,2)",
                       "oś Y|N30|W bloku 30 ruch przecina oś Y: łokieć przerzuca się",
                       "oś Y|N35|W bloku 35 ruch przecina oś Y: łokieć przerzuca się",
                   }));
    QCOMPARE(child<QLabel>("StatusNote")->text(), QStringLiteral("Obszar zabroniony: 3, oś Y: 3"));
    QVERIFY(child<QLabel>("StatusNote")
                ->toolTip()
                .contains(QStringLiteral("obszar zabroniony: 3, przejścia łokcia przez oś Y: 3")));
    // The circle of radius 150 around the base, and halos around N20's move
    // (through the zone, which wins over its elbow swing) and N35's (elbow
    // only); the moves' own pixels keep the trajectory colour.
    const PlotSurface& plot = window_->plotSurface();
    int onCircle = 0; // the dashed circle, sampled every degree
    onCircle = forbiddenCircleSamples(plot);
    QVERIFY2(onCircle > 60, qPrintable(QString::number(onCircle)));
    QCOMPARE(QColor(plot.pixel(500 + 50, 500 - 101)), QColor(0xff, 0x20, 0x00));
    QVERIFY(QColor(plot.pixel(500 + 50, 500 - 100)) != QColor(0xff, 0x20, 0x00));
    QCOMPARE(QColor(plot.pixel(500 + 100, 500 - 301)), QColor(0xff, 0x00, 0xff));
    // Choosing a finding selects its line in Memo1.
    window_->settingsBar()->setCurrentWidget(window_->programPage());
    list->scrollToItem(list->topLevelItem(4));
    QCoreApplication::processEvents();
    const QRect row = list->visualItemRect(list->topLevelItem(4));
    QVERIFY(row.isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QVERIFY(memo()->hasSelection());
    QCOMPARE(memo()->selectedText(), QStringLiteral("N30 G00 X300 Y300 "));
    QCOMPARE(memo()->caret().line, 2);
    // Without the arm's checks there is nothing to list.
    child<QCheckBox>("CheckBox6")->setChecked(false);
    action("Wyczy1")->trigger();
    QVERIFY(group->isHidden());
    QCOMPARE(child<QLabel>("StatusNote")->text(), QString());
}

void TestMainWindow::forbiddenRadiusField() {
    auto* field = child<QLineEdit>("Edit15");
    QVERIFY(field->isEnabled() && !field->isReadOnly());
    QCOMPARE(field->text(), QStringLiteral("150"));
    open(writeProgram("N10 G00 X300 Y200\r\nN20 X300 Y-200\r\nN30 M30\r\n"));
    QVERIFY(child<QGroupBox>("PathCheckGroup")->isHidden());
    field->setText(QStringLiteral("301"));
    action("Wyczy1")->trigger();
    QCOMPARE(child<QTreeWidget>("PathFindingsList")->topLevelItemCount(), 1);
    QVERIFY(errors_.isEmpty());
    // A value that is not a positive number is refused; the radius stays.
    field->setText(QStringLiteral("-5"));
    QCOMPARE(errors_, QStringList{QStringLiteral("'-5' nie jest liczbą dodatnią")});
    QCOMPARE(window_->stationSettings().forbiddenRadius(), 301.0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_app_window.moc"
