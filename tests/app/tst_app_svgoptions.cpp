// "Plik" -> "Opcje importu SVG…": the pen pass's controls, what they give
// the import's settings, and that the station keeps them between runs.
#include "app/mainmenus.h"
#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "app/svgcommands.h"
#include "app/svgoptionsdialog.h"
#include "support/files.h"
#include "svg/svgimport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSettings>
#include <QTest>

namespace {

template <typename T> T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

// Every control set away from its default.
void chooseAll(SvgOptionsDialog* dialog) {
    child<QCheckBox>(dialog, "Kreskowanie1")->setChecked(true);
    child<QDoubleSpinBox>(dialog, "OdstepKreskowania1")->setValue(2.5);
    child<QDoubleSpinBox>(dialog, "KatKreskowania1")->setValue(-30);
    child<QCheckBox>(dialog, "KreskowanieKrzyzowe1")->setChecked(true);
    child<QCheckBox>(dialog, "ObrysWypelnionych1")->setChecked(false);
    child<QCheckBox>(dialog, "UkryjZakryte1")->setChecked(true);
    child<QComboBox>(dialog, "TrybTekstu1")->setCurrentIndex(1);
    child<QComboBox>(dialog, "CzcionkaSvg1")->setCurrentIndex(2);
}

PenPassOptions chosen() {
    PenPassOptions options;
    options.hatchSpacing = 2.5;
    options.hatchAngle = -30;
    options.crossHatch = true;
    options.outline = false;
    options.occlude = true;
    options.text = PenTextMode::Outline;
    options.font = QStringLiteral("scripts");
    return options;
}

} // namespace

class TestSvgOptions : public QObject {
    Q_OBJECT
private slots:
    void choicesReachTheImportAndAreKept() {
        TempDir dir;
        const QString path = dir.filePath(QStringLiteral("station.conf"));
        {
            SettingsStore store(path);
            Station station(&store);
            MainWindow& window = station.mainWindow();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(station.svgCommands().importSettings()->pen, PenPreferences{}.penOptions());
            window.menus().svgOptions->trigger();
            auto* dialog = window.findChild<SvgOptionsDialog*>(u"OpcjeImportuSvgDialog"_qs);
            QVERIFY(dialog && dialog->isVisible());
            chooseAll(dialog);
            dialog->reject(); // cancelled: nothing changes
            QCOMPARE(station.svgCommands().importSettings()->pen, PenPreferences{}.penOptions());
            window.menus().svgOptions->trigger();
            QVERIFY(!child<QCheckBox>(dialog, "Kreskowanie1")->isChecked());
            chooseAll(dialog);
            dialog->accept();
            QCOMPARE(station.svgCommands().importSettings()->pen, chosen());
            window.close();
        }
        SettingsStore store(path);
        Station station(&store);
        QCOMPARE(station.svgCommands().importSettings()->pen, chosen());
        SvgOptionsDialog* dialog = station.svgCommands().openOptions();
        QCOMPARE(child<QDoubleSpinBox>(dialog, "OdstepKreskowania1")->value(), 2.5);
        QCOMPARE(child<QComboBox>(dialog, "CzcionkaSvg1")->currentData().toString(), u"scripts"_qs);
    }

    void unusableEntriesGiveDefaults() {
        TempDir dir;
        const QString path = dir.filePath(QStringLiteral("station.conf"));
        {
            QSettings raw(path, QSettings::IniFormat);
            raw.setValue(u"svg/hatch"_qs, u"yes"_qs);
            raw.setValue(u"svg/hatchSpacing"_qs, u"-1"_qs);
            raw.setValue(u"svg/hatchAngle"_qs, u"nan"_qs);
            raw.setValue(u"svg/text"_qs, u"fancy"_qs);
            raw.setValue(u"svg/font"_qs, u"gothic"_qs);
        }
        SettingsStore store(path);
        QCOMPARE(store.load().svg, PenPreferences{});
    }
};

QTEST_MAIN(TestSvgOptions)
#include "tst_app_svgoptions.moc"
