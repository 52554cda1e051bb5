#include "app/svgoptionsdialog.h"

#include "base/stationlanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLocale>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* numberBox(const char* name, double low, double high, int decimals) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setLocale(DecimalMark() == u',' ? QLocale(QLocale::Polish) : QLocale(QLocale::English));
    box->setRange(low, high);
    box->setDecimals(decimals);
    return box;
}

QCheckBox* checkBox(const char* name, const QString& text) {
    auto* box = new QCheckBox(text);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

SvgOptionsDialog::SvgOptionsDialog(QWidget* parent)
    : QDialog(parent), hatch_(checkBox("Kreskowanie1", tr("Kreskuj wypełnione kształty"))),
      spacing_(numberBox("OdstepKreskowania1", PenPreferences::kLeastSpacing,
                         PenPreferences::kMostSpacing, 2)),
      angle_(numberBox("KatKreskowania1", -180, 180, 1)),
      cross_(checkBox("KreskowanieKrzyzowe1", tr("Kreskuj na krzyż"))),
      outline_(checkBox("ObrysWypelnionych1", tr("Rysuj brzeg kreskowanych kształtów"))),
      occlude_(checkBox("UkryjZakryte1", tr("Pomiń linie zakryte przez wypełnienia"))),
      textMode_(new QComboBox), font_(new QComboBox) {
    setObjectName(QStringLiteral("OpcjeImportuSvgDialog"));
    setWindowTitle(tr("Opcje importu SVG"));
    textMode_->setObjectName(QStringLiteral("TrybTekstu1"));
    textMode_->addItem(tr("czcionką jednokreskową"), int(PenTextMode::SingleStroke));
    textMode_->addItem(tr("wzdłuż konturów liter"), int(PenTextMode::Outline));
    font_->setObjectName(QStringLiteral("CzcionkaSvg1"));
    font_->addItem(tr("futural (bezszeryfowa)"), QStringLiteral("futural"));
    font_->addItem(tr("rowmans (szeryfowa)"), QStringLiteral("rowmans"));
    font_->addItem(tr("scripts (pisana)"), QStringLiteral("scripts"));
    angle_->setSuffix(QStringLiteral("°"));

    auto* form = new QFormLayout;
    form->addRow(hatch_);
    form->addRow(tr("Odstęp linii:"), spacing_);
    form->addRow(tr("Kąt linii:"), angle_);
    form->addRow(cross_);
    form->addRow(outline_);
    form->addRow(occlude_);
    form->addRow(tr("Tekst:"), textMode_);
    form->addRow(tr("Czcionka:"), font_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(hatch_, &QCheckBox::toggled, this, &SvgOptionsDialog::updateEnabled);
    connect(textMode_, &QComboBox::currentIndexChanged, this, &SvgOptionsDialog::updateEnabled);
    setPreferences({});
}

PenPreferences SvgOptionsDialog::preferences() const {
    PenPreferences p;
    p.hatch = hatch_->isChecked();
    p.hatchSpacing = spacing_->value();
    p.hatchAngle = angle_->value();
    p.crossHatch = cross_->isChecked();
    p.outline = outline_->isChecked();
    p.occlude = occlude_->isChecked();
    p.text = PenTextMode(textMode_->currentData().toInt());
    p.font = font_->currentData().toString();
    return p;
}

void SvgOptionsDialog::setPreferences(const PenPreferences& p) {
    hatch_->setChecked(p.hatch);
    spacing_->setValue(p.hatchSpacing);
    angle_->setValue(p.hatchAngle);
    cross_->setChecked(p.crossHatch);
    outline_->setChecked(p.outline);
    occlude_->setChecked(p.occlude);
    textMode_->setCurrentIndex(std::max(0, textMode_->findData(int(p.text))));
    font_->setCurrentIndex(std::max(0, font_->findData(p.font)));
    updateEnabled();
}

// The hatching's details only with hatching, the font only for single-stroke text.
void SvgOptionsDialog::updateEnabled() {
    for (QWidget* w : {static_cast<QWidget*>(spacing_), static_cast<QWidget*>(angle_),
                       static_cast<QWidget*>(cross_), static_cast<QWidget*>(outline_)})
        w->setEnabled(hatch_->isChecked());
    font_->setEnabled(textMode_->currentIndex() == 0);
}
