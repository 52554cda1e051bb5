#include "app/programsettingspage.h"

#include "app/colorshape.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QCheckBox* tickedBox(const char* name, QWidget* parent) {
    auto* box = new QCheckBox(parent);
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
      showRapidMoves_(nullptr), settingsGroup_(new QGroupBox(this)),
      colourGroup_(new QGroupBox(this)), trajectoryLabel_(new QLabel(colourGroup_)),
      interpolationLabel_(new QLabel(colourGroup_)), progressLabel_(new QLabel(colourGroup_)) {
    setObjectName(QStringLiteral("Ustawieniaprogramu"));
    round_ = tickedBox("CheckBox2", settingsGroup_);
    removeRepeated_ = tickedBox("CheckBox3", settingsGroup_);
    checkReach_ = tickedBox("CheckBox6", settingsGroup_);
    auto* settingsLayout = new QVBoxLayout(settingsGroup_);
    settingsLayout->addWidget(round_);
    settingsLayout->addWidget(removeRepeated_);
    settingsLayout->addWidget(checkReach_);

    auto* grid = new QGridLayout(colourGroup_);
    grid->addWidget(trajectoryLabel_, 0, 1);
    grid->addWidget(interpolationLabel_, 0, 2);
    for (int row = 0; row < kPlotRowCount; ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(kRowCaptions[row]), colourGroup_), row + 1,
                        0);
        for (int column = 0; column < 2; ++column) {
            const int number = row + 1 + column * kPlotRowCount;
            auto* shape = new ColorShape(kDesignColour, colourGroup_);
            shape->setObjectName(QStringLiteral("Shape%1").arg(number));
            shapes_[std::size_t(number - 1)] = shape;
            grid->addWidget(shape, row + 1, column + 1, Qt::AlignHCenter);
            connect(shape, &ColorShape::pressed, this,
                    [this, number] { emit shapePressed(number); });
            connect(shape, &ColorShape::colourChanged, this, &ProgramSettingsPage::coloursChanged);
        }
    }
    showRapidMoves_ = tickedBox("CheckBox1", colourGroup_);
    grid->addWidget(showRapidMoves_, kPlotRowCount + 1, 0, 1, 3);
    grid->addWidget(progressLabel_, kPlotRowCount + 2, 0, 1, 2);
    progressShape_ = new ColorShape(QColor::fromRgb(kDefaultProgressColour), colourGroup_);
    progressShape_->setObjectName(QStringLiteral("Shape%1").arg(kProgressShape));
    grid->addWidget(progressShape_, kPlotRowCount + 2, 2, Qt::AlignHCenter);
    connect(progressShape_, &ColorShape::pressed, this,
            [this] { emit shapePressed(kProgressShape); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settingsGroup_);
    layout->addWidget(colourGroup_);
    layout->addStretch();
    retranslate();
}

void ProgramSettingsPage::retranslate() {
    settingsGroup_->setTitle(tr("Ustawienia"));
    round_->setText(tr("Zaokrąglanie współrzędnych"));
    removeRepeated_->setText(tr("Usuwanie powtarzających sie wpisów"));
    checkReach_->setText(tr("Sprawdzenie czy kod nie przekracza\n"
                            "maksymalnego zasięgu manipulatora"));
    colourGroup_->setTitle(tr("Ustawienia kolorów"));
    trajectoryLabel_->setText(tr("Trajektoria"));
    interpolationLabel_->setText(tr("Interpolacja"));
    showRapidMoves_->setText(tr("Pokaż ruch G00"));
    progressLabel_->setText(tr("Postęp wysyłania"));
}

void ProgramSettingsPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
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
