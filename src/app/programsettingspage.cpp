#include "app/programsettingspage.h"

#include "app/colorshape.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QCheckBox* tickedBox(const char* name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(true);
    return box;
}

const char* const kRowCaptions[kPlotRowCount] = {"G00", "Z0", "Z1", "Z2", "Z3", "Z4", "Z5", "Z6"};
// The colour the shapes have before start-up sets the plot defaults.
const QColor kDesignColour(255, 0, 0);
} // namespace

ProgramSettingsPage::ProgramSettingsPage(QWidget* parent)
    : QWidget(parent), round_(nullptr), removeRepeated_(nullptr), checkReach_(nullptr),
      showRapidMoves_(nullptr) {
    setObjectName(QStringLiteral("Ustawieniaprogramu"));
    auto* settings = new QGroupBox(tr("Ustawienia"), this);
    round_ = tickedBox("CheckBox2", tr("Zaokrąglanie współrzędnych"), settings);
    removeRepeated_ = tickedBox("CheckBox3", tr("Usuwanie powtarzających sie wpisów"), settings);
    checkReach_ = tickedBox("CheckBox6",
                            tr("Sprawdzenie czy kod nie przekracza\n"
                               "maksymalnego zasięgu manipulatora"),
                            settings);
    auto* settingsLayout = new QVBoxLayout(settings);
    settingsLayout->addWidget(round_);
    settingsLayout->addWidget(removeRepeated_);
    settingsLayout->addWidget(checkReach_);

    auto* colourGroup = new QGroupBox(tr("Ustawienia kolorów"), this);
    auto* grid = new QGridLayout(colourGroup);
    grid->addWidget(new QLabel(tr("Trajektoria"), colourGroup), 0, 1);
    grid->addWidget(new QLabel(tr("Interpolacja"), colourGroup), 0, 2);
    for (int row = 0; row < kPlotRowCount; ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(kRowCaptions[row]), colourGroup), row + 1,
                        0);
        for (int column = 0; column < 2; ++column) {
            const int number = row + 1 + column * kPlotRowCount;
            auto* shape = new ColorShape(kDesignColour, colourGroup);
            shape->setObjectName(QStringLiteral("Shape%1").arg(number));
            shapes_[std::size_t(number - 1)] = shape;
            grid->addWidget(shape, row + 1, column + 1, Qt::AlignHCenter);
            connect(shape, &ColorShape::pressed, this,
                    [this, number] { emit shapePressed(number); });
            connect(shape, &ColorShape::colourChanged, this, &ProgramSettingsPage::coloursChanged);
        }
    }
    showRapidMoves_ = tickedBox("CheckBox1", tr("Pokaż ruch G00"), colourGroup);
    grid->addWidget(showRapidMoves_, kPlotRowCount + 1, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Postęp wysyłania"), colourGroup), kPlotRowCount + 2, 0, 1, 2);
    progressShape_ = new ColorShape(QColor::fromRgb(kDefaultProgressColour), colourGroup);
    progressShape_->setObjectName(QStringLiteral("Shape%1").arg(kProgressShape));
    grid->addWidget(progressShape_, kPlotRowCount + 2, 2, Qt::AlignHCenter);
    connect(progressShape_, &ColorShape::pressed, this,
            [this] { emit shapePressed(kProgressShape); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settings);
    layout->addWidget(colourGroup);
    layout->addStretch();
}

bool ProgramSettingsPage::roundCoordinates() const {
    return round_->isChecked();
}
bool ProgramSettingsPage::removeRepeated() const {
    return removeRepeated_->isChecked();
}
bool ProgramSettingsPage::checkReach() const {
    return checkReach_->isChecked();
}

ColorShape* ProgramSettingsPage::shape(int number) const {
    if (number == kProgressShape)
        return progressShape_;
    return shapes_.at(std::size_t(number - 1));
}

QRgb ProgramSettingsPage::progressColour() const {
    return progressShape_->colour().rgb();
}

PlotColours ProgramSettingsPage::colours() const {
    PlotColours colours{};
    for (int row = 0; row < kPlotRowCount; ++row) {
        colours.trajectory[std::size_t(row)] = shape(row + 1)->colour().rgb();
        colours.interpolation[std::size_t(row)] = shape(row + 1 + kPlotRowCount)->colour().rgb();
    }
    return colours;
}

void ProgramSettingsPage::setColours(const PlotColours& colours) {
    for (int row = 0; row < kPlotRowCount; ++row) {
        shape(row + 1)->setColour(QColor::fromRgb(colours.trajectory[std::size_t(row)]));
        shape(row + 1 + kPlotRowCount)
            ->setColour(QColor::fromRgb(colours.interpolation[std::size_t(row)]));
    }
}

bool ProgramSettingsPage::showRapidMoves() const {
    return showRapidMoves_->isChecked();
}

ProgramPreferences ProgramSettingsPage::preferences() const {
    ProgramPreferences preferences;
    preferences.roundCoordinates = roundCoordinates();
    preferences.removeRepeated = removeRepeated();
    preferences.checkReach = checkReach();
    preferences.colours = colours();
    preferences.showRapidMoves = showRapidMoves();
    preferences.progressColour = progressColour();
    return preferences;
}

void ProgramSettingsPage::setPreferences(const ProgramPreferences& preferences) {
    round_->setChecked(preferences.roundCoordinates);
    removeRepeated_->setChecked(preferences.removeRepeated);
    checkReach_->setChecked(preferences.checkReach);
    setColours(preferences.colours);
    showRapidMoves_->setChecked(preferences.showRapidMoves);
    progressShape_->setColour(QColor::fromRgb(preferences.progressColour));
}
