// "Edycja" -> "Wstaw tekst…": the text written at the place clicked on the
// plot, put into the program before its end as one edit "Cofnij" takes back;
// bad input said, the program untouched.
#include "app/mainwindow.h"
#include "app/plotwidget.h"
#include "app/programcommands.h"
#include "app/station.h"
#include "app/textdialog.h"
#include "drawing/pentexts.h"
#include "gcode/gcodeblock.h"
#include "gcode/programlist.h"
#include "gcode/programmemo.h"
#include "support/files.h"
#include "support/stationdoubles.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestTextCommands : public QObject {
    Q_OBJECT
private slots:
    void init() {
        recorder_ = {};
        station_ = std::make_unique<Station>();
        recorder_.attach(station_->mainWindow());
    }
    void cleanup() { station_.reset(); }

    void writesAtTheClickedPlaceAndIsUndone() {
        openStrokes();
        const QString before = memo()->program().toUnicode();
        TextDialog* dialog = openDialog();
        PlotWidget* plot = station_->mainWindow().plotWidget();
        QTest::mouseClick(plot, Qt::LeftButton, {}, plot->fromPlot(QPointF(-300, 300)).toPoint());
        QVERIFY(std::abs(dialog->choice().place.x() + 300) <= 2);
        QVERIFY(std::abs(dialog->choice().place.y() - 300) <= 2);
        QCOMPARE(dialog->choice().text, u"Zażółć gęślą jaźń"_qs);
        dialog->insertButton()->click();
        QVERIFY2(recorder_.errors.isEmpty(), qPrintable(recorder_.errors.join(u'\n')));
        // The old lines, then the text's (numbered on, near the place, pen 1),
        // then the end, numbered after them.
        const ProgramText after = memo()->program();
        QVERIFY(after.lineCount() > 40);
        QCOMPARE(ParseBlock(after.line(4)).word(GcodeWord::X), "60");
        const GcodeBlock first = ParseBlock(after.line(5));
        QCOMPARE(first.word(GcodeWord::N), "60");
        QCOMPARE(first.word(GcodeWord::G), "00");
        const GcodeBlock end = ParseBlock(after.line(after.lineCount() - 1));
        QCOMPARE(end.word(GcodeWord::N), QByteArray::number(after.lineCount() * 10));
        QCOMPARE(end.word(GcodeWord::M), "30");
        for (qsizetype i = 6; i + 1 < after.lineCount(); ++i) {
            const GcodeBlock block = ParseBlock(after.line(i));
            const double x = block.word(GcodeWord::X).toDouble();
            const double y = block.word(GcodeWord::Y).toDouble();
            QVERIFY2(x >= -302 && x < 0 && y >= 290 && y < 330, after.line(i).data());
        }
        QCOMPARE(station_->document().program().snapshot().lineCount(), after.lineCount());
        memo()->undo();
        QCOMPARE(memo()->program().toUnicode(), before);
    }

    void refusesEmptyText() {
        openStrokes();
        const QString before = memo()->program().toUnicode();
        TextDialog* dialog = openDialog();
        dialog->textEdit()->setPlainText(u"\n \n"_qs);
        dialog->insertButton()->click();
        QCOMPARE(recorder_.errors, QStringList{pen::emptyText()});
        QCOMPARE(memo()->program().toUnicode(), before);
    }

    void makesAProgramOfNothing() {
        TextDialog* dialog = openDialog();
        dialog->setChoice({u"Łódź"_qs, u"scripts"_qs, 30, QPointF(200, 200)});
        dialog->insertButton()->click();
        QVERIFY2(recorder_.errors.isEmpty(), qPrintable(recorder_.errors.join(u'\n')));
        const ProgramText program = memo()->program();
        const GcodeBlock first = ParseBlock(program.line(0));
        QCOMPARE(first.word(GcodeWord::N), "10");
        QVERIFY(first.word(GcodeWord::X).toInt() >= 200);
        QCOMPARE(ParseBlock(program.line(program.lineCount() - 1)).word(GcodeWord::M), "30");
    }

private:
    ProgramMemo* memo() { return station_->mainWindow().findChild<ProgramMemo*>(u"Memo1"_qs); }
    void openStrokes() {
        const QString file = dir_.writeFile(
            u"strokes.nc"_qs,
            "N10 G00 X -40 Y 10 Z 10\r\nN20 G01 X -10 Y 10 Z 1\r\nN30 G01 X -10 Y 40\r\n"
            "N40 G00 X 30 Y 5 Z 10\r\nN50 G01 X 60 Y 35 Z 2\r\nN60 M30\r\n");
        QVERIFY(station_->mainWindow().programCommands()->openProgramFile(file));
    }
    TextDialog* openDialog() {
        station_->mainWindow().findChild<QAction*>(u"Wstawtekst1"_qs)->trigger();
        auto* dialog = station_->mainWindow().findChild<TextDialog*>(u"WstawTekstDialog"_qs);
        if (dialog == nullptr || !dialog->isVisible())
            qFatal("no text dialog");
        return dialog;
    }

    std::unique_ptr<Station> station_;
    WindowRecorder recorder_;
    TempDir dir_;
};

QTEST_MAIN(TestTextCommands)
#include "tst_app_text.moc"
