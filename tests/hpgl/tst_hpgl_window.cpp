// The converter window driven through its menu and controls by object name.
#include "hpgl/converterwindow.h"

#include "gcode/programmemo.h"
#include "support/files.h"
#include "support/testdata.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

class TestConverterWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutAndDefaults();
    void openConvertSave();
    void invalidFileStaysLoaded();
    void errorKeepsTheRest();
    void secondFileContinues();
    void clearAll();
    void copyAndSettingsToggle();
    void closeHidesAndQuitEndsStation();
    void longConversionStaysResponsive();
    void fitsAnExportedPlotFile();
    void normalizeKeepsTextOnError();
    void unreadableFileOffersNormalizing();
    void commandsShowAtDefaultSize();
    void insertHandsTheGcodeOn();

private:
    template <typename T> T* child(const char* name) {
        T* found = window_->findChild<T*>(QLatin1String(name));
        if (found == nullptr)
            qFatal("no child %s", name);
        return found;
    }
    void trigger(const char* action) { child<QAction>(action)->trigger(); }
    // Waits for the window's message box, checks its text and closes it.
    void closeMessage(const QString& text);
    // The message after fitting: what was left out, then the placement.
    void closeFitMessage(const QString& dropped);
    // Waits for the question after a plot file the converter cannot read and
    // clicks the answer (objectName).
    void answerNormalizeQuestion(const char* answer);
    void openThroughDialog(const QString& path);
    // Memo1 and Memo2 hold lines of a program; the settings' memos are plain.
    QString memo(const char* name) {
        if (auto* lines = window_->findChild<ProgramMemo*>(QLatin1String(name)))
            return lines->toPlainText();
        return child<QPlainTextEdit>(name)->toPlainText();
    }

    ConverterWindow* window_ = nullptr;
};

void TestConverterWindow::init() {
    window_ = new ConverterWindow;
}

void TestConverterWindow::cleanup() {
    delete window_;
    window_ = nullptr;
}

void TestConverterWindow::closeMessage(const QString& text) {
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = window_->findChild<QMessageBox*>()) != nullptr && box->isVisible());
    QCOMPARE(box->text(), text);
    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(window_->findChild<QMessageBox*>() == nullptr);
}

void TestConverterWindow::closeFitMessage(const QString& dropped) {
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = window_->findChild<QMessageBox*>()) != nullptr && box->isVisible());
    const QStringList lines = box->text().split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], dropped);
    QVERIFY2(lines[1].startsWith("Dopasowano: skala "), qPrintable(lines[1]));
    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(window_->findChild<QMessageBox*>() == nullptr);
}

void TestConverterWindow::answerNormalizeQuestion(const char* answer) {
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = window_->findChild<QMessageBox*>("NormalizeQuestion")) != nullptr &&
                box->isVisible());
    QCOMPARE(box->text(), QString("Plik jest niewłasciwy lub uszkodzony"));
    QCOMPARE(box->informativeText(),
             QString("Normalizacja HPGL potrafi odczytać ten plik. Znormalizować go teraz?"));
    auto* button = box->findChild<QPushButton*>(QLatin1String(answer));
    QVERIFY(button != nullptr);
    button->click();
    QTRY_VERIFY(window_->findChild<QMessageBox*>("NormalizeQuestion") == nullptr);
}

void TestConverterWindow::openThroughDialog(const QString& path) {
    trigger("Otwrz1");
    auto* dialog = child<QFileDialog>("OpenDialog1");
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->nameFilters(),
             QStringList({"hp-gl (*.plt *.hpgl *.hpg)", "Wszystkie pliki (*)"}));
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();
}

void TestConverterWindow::layoutAndDefaults() {
    QCOMPARE(window_->objectName(), QString("TForm3"));
    QCOMPARE(window_->windowTitle(), QString("HPGL -> GCODE "));
    QVERIFY(!window_->isVisible());
    auto* pages = child<QTabWidget>("Pagecontrol1");
    QVERIFY(pages->isHidden());
    QCOMPARE(pages->tabText(pages->currentIndex()), QString("Ustawienia g-kodu"));
    for (int pen = 1; pen <= 8; ++pen)
        QCOMPARE(child<QLineEdit>(QByteArray("Edit" + QByteArray::number(pen + 5)))->text(),
                 QString::number(pen));
    QCOMPARE(child<QLineEdit>("Edit1")->text(), QString("10"));
    QCOMPARE(child<QLineEdit>("Edit14")->text(), QString("10"));
    QCOMPARE(child<QLineEdit>("Edit15")->text(), QString("10"));
    QCOMPARE(memo("Memo3"), QString("M03 T0\nG00 X 0 Y 0 Z 10"));
    QCOMPARE(memo("Memo4"), QString("M30"));
    QCOMPARE(child<QAction>("Zakocz1")->text(), QString("Zakończ"));
    QCOMPARE(child<QAction>("Wyczy1")->text(), QString("Wyczysc wszystko"));
    QCOMPARE(child<QProgressBar>("ProgressBar1")->value(), 0);
    QCOMPARE(window_->converterState().LineNumber, 10);
}

void TestConverterWindow::openConvertSave() {
    openThroughDialog(testDataPath("worked.plt"));
    QCOMPARE(memo("Memo1"), QString("IN;\nSP1;\nPU100 200;\nPD300 400;\nPU0 0;\nSP0;"));
    QCOMPARE(child<QProgressBar>("ProgressBar1")->maximum(), 5);

    QSignalSpy ended(window_, &ConverterWindow::conversionEnded);
    trigger("Konwersja1");
    QVERIFY(!child<QAction>("Konwersja1")->isEnabled());
    closeMessage("Konwersja zakończona");
    QTRY_COMPARE(ended.count(), 1);
    QVERIFY(child<QAction>("Konwersja1")->isEnabled());
    QCOMPARE(memo("Memo1"), QString());
    QCOMPARE(child<QProgressBar>("ProgressBar1")->value(), 5);

    TempDir dir;
    const QString target = dir.writeFile("out.nc", "old contents");
    QVERIFY(!target.isEmpty());
    trigger("Zapisz1");
    auto* dialog = child<QFileDialog>("SaveDialog1");
    QCOMPARE(dialog->defaultSuffix(), QString("nc"));
    dialog->selectFile(target);
    static_cast<QDialog*>(dialog)->accept();
    QCOMPARE(readFileBytes(target), readFileBytes(testDataPath("worked.nc")));

    // A save that cannot be written reports it and leaves the file alone.
    window_->saveGcode(dir.filePath("missing/out.nc"));
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = window_->findChild<QMessageBox*>()) != nullptr);
    QVERIFY(box->text().startsWith("Cannot open file"));
    box->button(QMessageBox::Ok)->click();
}

void TestConverterWindow::invalidFileStaysLoaded() {
    TempDir dir;
    const QString plot = dir.writeFile("bad.plt", "IN;\rPU1 2;\rsp1;\xb9\r");
    QVERIFY(!plot.isEmpty());
    openThroughDialog(plot);
    closeMessage("Plik jest niewłasciwy lub uszkodzony");
    QCOMPARE(memo("Memo1"), QString("IN;\nPU1 2;\nsp1;ą"));
    QCOMPARE(child<QProgressBar>("ProgressBar1")->maximum(), 100);
    // It still converts; no footer and no message at the end.
    trigger("Konwersja1");
    QTRY_VERIFY(!window_->isConverting());
    QCOMPARE(memo("Memo2"), QString("N10 M03 T0\nN20 G00 X 0 Y 0 Z 10\nN30 G00 X 1 Y 2 Z 10"));
    QVERIFY(window_->findChild<QMessageBox*>() == nullptr);
}

void TestConverterWindow::errorKeepsTheRest() {
    child<ProgramMemo>("Memo1")->setPlainText("PU1 1;\nPU2 7 ;\nPU3 3;\nSP0;");
    trigger("Konwersja1");
    closeMessage("' 7 ' is not a valid integer value");
    QCOMPARE(memo("Memo1"), QString("PU3 3;\nSP0;"));
    QCOMPARE(memo("Memo2"), QString("N10 G00 X 1 Y 1 Z 10"));
    QCOMPARE(window_->progress().position, 1);
    QVERIFY(child<QAction>("Konwersja1")->isEnabled());
}

void TestConverterWindow::secondFileContinues() {
    openThroughDialog(testDataPath("worked.plt"));
    trigger("Konwersja1");
    closeMessage("Konwersja zakończona");
    QTRY_VERIFY(!window_->isConverting());
    // A longer file: the position stays at 5 while the maximum grows.
    TempDir dir;
    const QString plot = dir.writeFile(
        "second.plt", "PU1 1;\nPU2 2;\nPU3 3;\nPU4 4;\nPU5 5;\nPU6 6;\nPU7 7;\nSP0;\n");
    QVERIFY(!plot.isEmpty());
    openThroughDialog(plot);
    QCOMPARE(child<QProgressBar>("ProgressBar1")->maximum(), 7);
    QCOMPARE(child<QProgressBar>("ProgressBar1")->value(), 5);
    trigger("Konwersja1");
    closeMessage("Konwersja zakończona");
    QTRY_VERIFY(!window_->isConverting());
    const QStringList lines = memo("Memo2").split('\n');
    QCOMPARE(lines.size(), 14);
    QCOMPARE(lines[6], QString("N70 G00 X 1 Y 1 Z 10"));
    QCOMPARE(lines[13], QString("N140 M30"));
    QCOMPARE(child<QProgressBar>("ProgressBar1")->value(), 7);
}

void TestConverterWindow::clearAll() {
    child<ProgramMemo>("Memo1")->setPlainText("PU1 1;\nSP3;");
    trigger("Konwersja1");
    QTRY_VERIFY(!window_->isConverting());
    child<QLineEdit>("Edit15")->setText("100");
    trigger("Wyczy1");
    QCOMPARE(memo("Memo1"), QString());
    QCOMPARE(memo("Memo2"), QString());
    QCOMPARE(window_->converterState().LineNumber, 100);
    QCOMPARE(window_->converterState().CurrentPen, 3); // pen and Z are kept
    QCOMPARE(window_->progress().position, 0);
    child<QLineEdit>("Edit15")->setText("ten");
    trigger("Wyczy1");
    closeMessage("'ten' is not a valid integer value");
    QCOMPARE(window_->converterState().LineNumber, 100);
}

void TestConverterWindow::copyAndSettingsToggle() {
    child<ProgramMemo>("Memo2")->setPlainText("N10 M30\nN20 ó");
    trigger("Kopiujgkoddoschowka1");
    // The copy ends with a line break, so that a pasted program's last line
    // stays a line of its own.
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("N10 M30\nN20 ó\n"));
    QVERIFY(child<ProgramMemo>("Memo2")->hasSelection());
    window_->show();
    auto* pages = child<QTabWidget>("Pagecontrol1");
    trigger("Ustawienia1");
    QVERIFY(pages->isVisible());
    trigger("Ustawienia1");
    QVERIFY(!pages->isVisible());
}

void TestConverterWindow::closeHidesAndQuitEndsStation() {
    window_->show();
    child<ProgramMemo>("Memo1")->setPlainText("PU1 1;");
    window_->close();
    QVERIFY(!window_->isVisible());
    window_->show();
    QCOMPARE(memo("Memo1"), QString("PU1 1;"));
    QSignalSpy quit(window_, &ConverterWindow::quitRequested);
    trigger("Zakocz1");
    QCOMPARE(quit.count(), 1);
}

void TestConverterWindow::longConversionStaysResponsive() {
    QString text;
    for (int i = 0; i < 60000; ++i)
        text += QStringLiteral("PD%1 %2;\n").arg(i).arg(-i);
    text += QStringLiteral("\nPU1 1;");
    child<ProgramMemo>("Memo1")->setPlainText(text);
    window_->show();
    QSignalSpy ended(window_, &ConverterWindow::conversionEnded);
    // Whether the conversion still runs is read when the timer fires, not
    // after the test's own wait, by which a fast machine may have finished.
    bool timerFired = false;
    bool convertingWhenTimerFired = false;
    QTimer::singleShot(0, this, [&] {
        timerFired = true;
        convertingWhenTimerFired = window_->isConverting();
    });
    trigger("Konwersja1");
    // The first step returns to the event loop with the commands disabled.
    QVERIFY(window_->isConverting());
    QVERIFY(!child<QAction>("Wyczy1")->isEnabled());
    auto* plotMemo = child<ProgramMemo>("Memo1");
    auto* gcodeMemo = child<ProgramMemo>("Memo2");
    QVERIFY(plotMemo->isReadOnly() && gcodeMemo->isReadOnly());
    // Each step takes its lines out of Memo1 and adds their G-code to Memo2.
    QVERIFY(gcodeMemo->lineCount() > 1);
    QCOMPARE(plotMemo->lineCount() + gcodeMemo->lineCount(), 60002);
    trigger("Konwersja1"); // disabled: nothing happens
    QTRY_VERIFY(timerFired);
    QVERIFY(convertingWhenTimerFired);
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 30000);
    QCOMPARE(memo("Memo1"), QString("\nPU1 1;"));
    const QString output = memo("Memo2");
    QCOMPARE(output.count(QChar(10)), 59999);
    QVERIFY(output.endsWith("N600000 G01 X 59999 Y -59999 Z 0"));
    QVERIFY(!plotMemo->isReadOnly() && !gcodeMemo->isReadOnly());
}

void TestConverterWindow::fitsAnExportedPlotFile() {
    // A vector editor's export: one long line, SP0 not on a line of its own.
    openThroughDialog(testDataPath("inkscape-export.plt"));
    answerNormalizeQuestion("KeepButton");
    QCOMPARE(memo("Memo1").count('\n'), 0);
    // Placed as the station places: here with a forbidden radius of 200.
    window_->setPlacementSource([] {
        PlacementSettings settings;
        settings.forbiddenRadius = 200;
        return settings;
    });
    trigger("Dopasujdoobszaruroboczego1");
    closeFitMessage("Nie pominięto żadnej instrukcji");
    const QStringList normalized = memo("Memo1").split('\n');
    QCOMPARE(normalized.first(), QString("IN;"));
    QCOMPARE(normalized.last(), QString("SP0;"));
    QCOMPARE(window_->progress().maximum, int(normalized.size() - 1));
    trigger("Konwersja1");
    closeMessage("Konwersja zakończona");
    QTRY_VERIFY(!window_->isConverting());
    const QStringList gcode = memo("Memo2").split('\n');
    QCOMPARE(gcode.last(), QString("N%1 M30").arg(10 * gcode.size()));
    for (const QString& line : gcode) {
        const QStringList words = line.split(' ');
        if (words.size() != 8)
            continue;
        const double x = words[3].toDouble();
        const double y = words[5].toDouble();
        // The converter's header goes home (500, 0) rather than to the base.
        const bool home = x == 500 && y == 0;
        QVERIFY2(home || (x * x + y * y <= 490.0 * 490.0 && y >= 0), qPrintable(line));
        // Clear of the circle and the margin.
        QVERIFY2(x * x + y * y >= 209.0 * 209.0, qPrintable(line));
    }
}

void TestConverterWindow::normalizeKeepsTextOnError() {
    child<ProgramMemo>("Memo1")->setPlainText("PU1,2,3;");
    trigger("NormalizujHPGL1");
    closeMessage("Niewłaściwa liczba parametrów w instrukcji PU (linia 1)");
    QCOMPARE(memo("Memo1"), QString("PU1,2,3;"));
    child<ProgramMemo>("Memo1")->setPlainText("pu1 2 3 4;lb x\x03");
    child<QLineEdit>("Edit16")->setText("0,1");
    trigger("NormalizujHPGL1");
    closeMessage("Kąt cięciwy '0,1' musi leżeć między 0,5 a 180 stopni");
    child<QLineEdit>("Edit16")->setText("2,5");
    trigger("NormalizujHPGL1");
    closeMessage("Pominięte instrukcje: LB (1)");
    QCOMPARE(memo("Memo1"), QString("PU1 2;\nPU3 4;\nSP0;"));
}

void TestConverterWindow::unreadableFileOffersNormalizing() {
    // A drawing program's layout: the converter cannot read it, the
    // normaliser can; the operator is offered the normalising at once.
    TempDir dir;
    const QString plot = dir.writeFile("drawing.hpgl", "IN;SP1;PU0,0;PD0,90,40,90;PU;SP0;");
    QVERIFY(!plot.isEmpty());
    openThroughDialog(plot);
    answerNormalizeQuestion("NormalizeButton");
    closeMessage("Nie pominięto żadnej instrukcji");
    QCOMPARE(memo("Memo1"), QString("IN;\nSP1;\nPU0 0;\nPD0 90;\nPD40 90;\nSP0;"));
    QCOMPARE(window_->progress().maximum, 5);

    // Fitted as well.
    openThroughDialog(plot);
    answerNormalizeQuestion("NormalizeFitButton");
    closeFitMessage("Nie pominięto żadnej instrukcji");
    // (with the travel from the home point led around the forbidden circle)
    const QStringList fitted = memo("Memo1").split('\n');
    QCOMPARE(fitted.filter(QRegularExpression("^PD")).size(), 2);
    QCOMPARE(fitted.last(), QString("SP0;"));
    QVERIFY(!fitted.contains("PD0 90;"));

    // Declined: the file stays as it was read, as before.
    openThroughDialog(plot);
    answerNormalizeQuestion("KeepButton");
    QCOMPARE(memo("Memo1"), QString("IN;SP1;PU0,0;PD0,90,40,90;PU;SP0;"));
    QVERIFY(window_->findChild<QMessageBox*>() == nullptr);
}

void TestConverterWindow::commandsShowAtDefaultSize() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    // No command hides behind an overflow arrow of the menu bar or toolbar.
    auto* bar = child<QMenuBar>("MainMenu1");
    for (QAction* action : bar->actions()) {
        const QRect place = bar->actionGeometry(action);
        QVERIFY2(!place.isEmpty() && bar->rect().contains(place), qPrintable(action->text()));
    }
    for (QToolButton* arrow : bar->findChildren<QToolButton*>())
        QVERIFY(!arrow->isVisible());
    auto* tools = child<QToolBar>("ToolBar1");
    QVERIFY(tools->isVisible());
    for (const char* name : {"NormalizujHPGL1", "Dopasujdoobszaruroboczego1", "Wstawdoprogramu1"}) {
        QWidget* button = tools->widgetForAction(child<QAction>(name));
        QVERIFY2(button != nullptr && button->isVisible(), name);
        QVERIFY2(tools->rect().contains(button->geometry()), name);
    }
    QCOMPARE(child<QAction>("Dopasujdoobszaruroboczego1")->text(),
             QString("Dopasuj do obszaru roboczego"));
    QCOMPARE(child<QAction>("Wstawdoprogramu1")->text(), QString("Wstaw do programu"));
}

void TestConverterWindow::insertHandsTheGcodeOn() {
    QSignalSpy ready(window_, &ConverterWindow::programReady);
    // Nothing converted yet: nothing to hand on.
    trigger("Wstawdoprogramu1");
    closeMessage("Brak g-kodu do wstawienia; najpierw wykonaj konwersję");
    QCOMPARE(ready.count(), 0);

    const QString plot = testDataPath("worked.plt");
    openThroughDialog(plot);
    trigger("Konwersja1");
    QVERIFY(!child<QAction>("Wstawdoprogramu1")->isEnabled()); // not while converting
    closeMessage("Konwersja zakończona");
    QTRY_VERIFY(!window_->isConverting());
    trigger("Wstawdoprogramu1");
    QCOMPARE(ready.count(), 1);
    const auto lines = ready.first().at(0).value<ProgramText>();
    QCOMPARE(lines.lineCount(), child<ProgramMemo>("Memo2")->lineCount());
    QCOMPARE(lines.line(0).toByteArray(), QByteArray("N10 M03 T0"));
    QCOMPARE(ready.first().at(1).toString(), plot);

    // Typed in after "Wyczysc wszystko": no plot file to name.
    trigger("Wyczy1");
    child<ProgramMemo>("Memo2")->setPlainText("N10 M30");
    trigger("Wstawdoprogramu1");
    QCOMPARE(ready.count(), 2);
    QCOMPARE(ready.last().at(1).toString(), QString());
}

QTEST_MAIN(TestConverterWindow)
#include "tst_hpgl_window.moc"
