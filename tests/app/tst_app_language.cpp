// The station in English: the translation file covers every text in the
// code, choosing a language changes the main window at once and is
// remembered, a station built in English or switched to it shows no Polish,
// texts made from the station's state are made again in the new language,
// and the language follows the system's when none is chosen.
#include "app/languagemenu.h"
#include "app/mainmenus.h"
#include "app/mainwindow.h"
#include "app/programcommands.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "app/stationpersistence.h"
#include "app/stationstatusbar.h"
#include "app/stationtransferview.h"
#include "app/transferpage.h"
#include "base/stationlanguage.h"
#include "controller/linktexts.h"
#include "controller/widgets/transferpanel.h"
#include "hpgl/converterwindow.h"
#include "support/files.h"
#include "support/stationdoubles.h"
#include "support/toolrun.h"
#include "view3d/visualisationwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The messages of a .ts file whose translation is missing or unfinished, as
// "context: source".
QStringList unfinishedMessages(const QString& tsFile) {
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<cannot read %1>").arg(tsFile)};
    QStringList unfinished;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool open =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            if (xml.readElementText().isEmpty() || open)
                unfinished << context + QStringLiteral(": ") + source;
        }
    }
    if (xml.hasError())
        unfinished << QStringLiteral("<%1: %2>").arg(tsFile, xml.errorString());
    return unfinished;
}

const QRegularExpression kPolishLetters(QStringLiteral("[ąćęłńóśźżĄĆĘŁŃÓŚŹŻ]"));

// Every text a user can read on `window` and its children that still holds a
// Polish letter, with the object's name.
QStringList polishTexts(QWidget* window) {
    QStringList found;
    auto check = [&](const QObject* object, const QString& text) {
        if (text.contains(kPolishLetters))
            found << object->objectName() + QStringLiteral(": ") + text;
    };
    check(window, window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    for (QWidget* widget : widgets) {
        check(widget, widget->toolTip());
        if (auto* label = qobject_cast<QLabel*>(widget))
            check(label, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            check(button, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            check(group, group->title());
        if (auto* menu = qobject_cast<QMenu*>(widget))
            check(menu, menu->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(tabs, tabs->tabText(i));
        }
        for (QAction* action : widget->actions())
            check(action, action->text());
    }
    return found;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void translationCoversEveryText();
    void choosingALanguageChangesTheMainWindowAndIsRemembered();
    void aStationBuiltInEnglishShowsNoPolish();
    void toolsFollowTheSystemLanguage();
    void aStationSwitchedToEnglishShowsNoPolish();
    void textsMadeFromTheStationsStateFollowTheLanguage();
    void systemLanguage_data();
    void systemLanguage();
};

void TestLanguage::cleanup() {
    UseLanguage(StationLanguage::Polish);
}

void TestLanguage::translationCoversEveryText() {
    // lupdate run over the code as scripts/update-translations runs it, on a
    // copy: a text added to the code without its English comes out unfinished.
    TempDir dir;
    const QString copy = dir.filePath(QStringLiteral("scara_en.ts"));
    QVERIFY(QFile::copy(QStringLiteral(SCARA_SOURCE_DIR "/translations/scara_en.ts"), copy));
    QProcess update;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUPDATE"), QStringLiteral(SCARA_LUPDATE));
    update.setProcessEnvironment(environment);
    update.start(QStringLiteral("sh"),
                 {QStringLiteral(SCARA_SOURCE_DIR "/scripts/update-translations"), copy});
    QVERIFY(update.waitForFinished(120000));
    QVERIFY2(update.exitCode() == 0, update.readAllStandardError().constData());
    const QStringList unfinished = unfinishedMessages(copy);
    QVERIFY2(unfinished.isEmpty(),
             qPrintable(QStringLiteral("%1 without English:\n").arg(unfinished.size()) +
                        unfinished.join(u'\n')));
    // The copy lost nothing the repository's file has, either: the file is
    // as lupdate leaves it.
    QCOMPARE(readFileBytes(copy),
             readFileBytes(QStringLiteral(SCARA_SOURCE_DIR "/translations/scara_en.ts")));
}

void TestLanguage::choosingALanguageChangesTheMainWindowAndIsRemembered() {
    TempDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("station.conf")));
    Station station(&store);
    MainWindow& window = station.mainWindow();
    QMenu* file = window.findChild<QMenu*>(QStringLiteral("Plik1"));
    QVERIFY(file);
    StationStatusBar* status = window.stationStatusBar();
    QCOMPARE(file->title(), QStringLiteral("Plik"));
    QCOMPARE(status->panelText(0), QStringLiteral("Rozłączono"));
    QCOMPARE(status->panelText(1), QStringLiteral("Brak punktu referencyjnego"));

    LanguageMenu* language = window.languageMenu();
    language->item(LanguageChoice::English)->trigger();
    QCOMPARE(LanguageInUse(), StationLanguage::English);
    QTRY_COMPARE(file->title(), QStringLiteral("File"));
    QCOMPARE(window.menus().openProgram->text(), QStringLiteral("Open G-code file"));
    QCOMPARE(language->menu()->title(), QStringLiteral("Language"));
    QCOMPARE(status->panelText(0), QStringLiteral("Disconnected"));
    QCOMPARE(status->panelText(1), QStringLiteral("No reference point"));
    QCOMPARE(station.persistence().collect().station.language, QStringLiteral("en"));

    language->item(LanguageChoice::Polish)->trigger();
    QTRY_COMPARE(file->title(), QStringLiteral("Plik"));
    QCOMPARE(status->panelText(0), QStringLiteral("Rozłączono"));
    QCOMPARE(station.persistence().collect().station.language, QStringLiteral("pl"));
}

void TestLanguage::aStationBuiltInEnglishShowsNoPolish() {
    QVERIFY(UseLanguage(StationLanguage::English));
    Station station(nullptr);
    QStringList found;
    for (QWidget* window : QList<QWidget*>{&station.mainWindow(), &station.converterWindow(),
                                           &station.visualisationWindow()})
        found << polishTexts(window);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

void TestLanguage::toolsFollowTheSystemLanguage() {
    auto help = [](const QString& language) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), language);
        tool.setProcessEnvironment(environment);
        tool.start(controllerEmulatorPath(), {QStringLiteral("--help")});
        return tool.waitForFinished(30000) ? QString::fromUtf8(tool.readAllStandardOutput())
                                           : QStringLiteral("<no answer>");
    };
    QVERIFY2(help(QString()).contains(u"potwierdza każdą poprawną ramkę"),
             qPrintable(help(QString())));
    QVERIFY2(help(QStringLiteral("en_GB")).contains(u"acknowledges every valid frame"),
             qPrintable(help(QStringLiteral("en_GB"))));
}

void TestLanguage::aStationSwitchedToEnglishShowsNoPolish() {
    Station station(nullptr);
    const QList<QWidget*> windows{&station.mainWindow(), &station.converterWindow(),
                                  &station.visualisationWindow()};
    for (QWidget* window : windows)
        QVERIFY(!polishTexts(window).isEmpty());
    station.mainWindow().languageMenu()->item(LanguageChoice::English)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QStringList found;
    for (QWidget* window : windows)
        found << polishTexts(window);
    // A note stays in the language it was written in, as a log line does.
    found.removeIf([](const QString& text) { return text.startsWith(u"StatusNote: "); });
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

void TestLanguage::textsMadeFromTheStationsStateFollowTheLanguage() {
    TempDir dir;
    Station station(nullptr);
    MainWindow& window = station.mainWindow();
    WindowRecorder recorder;
    recorder.attach(window);
    // The travel from the arm's start to the first point is 412,3 mm.
    QVERIFY(window.programCommands()->openProgramFile(
        dir.writeFile("line.nc", "N1 G00 X100 Y100\r\nN2 G01 X100 Y200 Z5\r\nN3 M30\r\n")));
    TransferPanel* panel = window.transferPage()->transferPanel();
    QVERIFY2(panel->estimateText().contains(QStringLiteral("przejazdy 412,3 mm")),
             qPrintable(panel->estimateText()));
    TransferFigures done;
    done.ended = TransferStep::Finished;
    StationTransferView(window).showTransfer(done);
    StationStatusBar* status = window.stationStatusBar();
    const QString polishDone = status->transferText();
    QMenu* recent = window.menus().recentFiles;

    window.languageMenu()->item(LanguageChoice::English)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QVERIFY2(panel->estimateText().contains(QStringLiteral("travel 412.3 mm")),
             qPrintable(panel->estimateText()));
    QCOMPARE(status->transferText(), LinkTexts::transferDone());
    QVERIFY(status->transferText() != polishDone);
    QCOMPARE(recent->actions().constLast()->text(), QStringLiteral("Clear list"));
}

void TestLanguage::systemLanguage_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<StationLanguage>("expected");
    QTest::newRow("C locale") << QStringList{QStringLiteral("C")} << StationLanguage::Polish;
    QTest::newRow("none") << QStringList{} << StationLanguage::Polish;
    QTest::newRow("British") << QStringList{QStringLiteral("en_GB")} << StationLanguage::English;
    QTest::newRow("American, dashed")
        << QStringList{QStringLiteral("en-US")} << StationLanguage::English;
    QTest::newRow("Polish before English")
        << QStringList{QStringLiteral("pl_PL"), QStringLiteral("en")} << StationLanguage::Polish;
    QTest::newRow("unknown, then English")
        << QStringList{QStringLiteral("de_DE"), QStringLiteral("en_US")}
        << StationLanguage::English;
    QTest::newRow("only unknown") << QStringList{QStringLiteral("fr")} << StationLanguage::Polish;
}

void TestLanguage::systemLanguage() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(StationLanguage, expected);
    QCOMPARE(SystemLanguage(uiLanguages), expected);
}

QTEST_MAIN(TestLanguage)
#include "tst_app_language.moc"
