#include "app/calibrationdialog.h"

#include "base/numberformat.h"
#include "base/stationlanguage.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum Column { First, Second, X1, Y1, X2, Y2, Distance, Residual, ColumnCount };

QString figure(double value, int decimals) {
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0; // no "-0,00"
    return FormatFigure(value, decimals);
}

QTableWidgetItem* fixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString valuesText(const ArmCalibration& c) {
    return QStringLiteral("L1 %1 mm, L2 %2 mm, k1 %3, k2 %4, o2 %5°")
        .arg(figure(c.link1, 3), figure(c.link2, 3), figure(c.shoulderGain, 5),
             figure(c.elbowGain, 5), figure(c.elbowOffset, 3));
}

} // namespace

QString CalibrationSummary(const std::optional<ArmCalibration>& calibration) {
    if (!calibration)
        return CalibrationDialog::tr("Bez kalibracji");
    return CalibrationDialog::tr("Kalibracja: L1 %1 L2 %2 k1 %3 k2 %4 o2 %5°")
        .arg(figure(calibration->link1, 2), figure(calibration->link2, 2),
             figure(calibration->shoulderGain, 4), figure(calibration->elbowGain, 4),
             figure(calibration->elbowOffset, 2));
}

CalibrationDialog::CalibrationDialog(QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(0, ColumnCount, this)), values_(new QLabel(this)),
      apply_(new QPushButton(tr("Zastosuj"), this)) {
    setObjectName(QStringLiteral("KalibracjaDialog"));
    setWindowTitle(tr("Kalibracja ramienia"));
    auto* help = new QLabel(
        tr("1. Wczytaj wzór do programu i wyślij go do ramienia.\n"
           "2. Zmierz linijką odległość między środkami narysowanych krzyżyków każdej pary "
           "i wpisz ją w tabeli (mm).\n"
           "3. Dopasuj, sprawdź wartości i reszty, i zastosuj kalibrację."),
        this);
    help->setWordWrap(true);
    table_->setObjectName(QStringLiteral("CalibrationTable"));
    table_->setHorizontalHeaderLabels(
        {tr("Krzyżyk"), tr("Krzyżyk"), QStringLiteral("X1"), QStringLiteral("Y1"),
         QStringLiteral("X2"), QStringLiteral("Y2"), tr("Zmierzono [mm]"), tr("Reszta [mm]")});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    values_->setObjectName(QStringLiteral("CalibrationValues"));
    values_->setWordWrap(true);
    values_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* pattern = new QPushButton(tr("Wczytaj wzór do programu"), this);
    pattern->setObjectName(QStringLiteral("CalibrationPatternButton"));
    auto* fitButton = new QPushButton(tr("Dopasuj"), this);
    fitButton->setObjectName(QStringLiteral("CalibrationFitButton"));
    apply_->setObjectName(QStringLiteral("CalibrationApplyButton"));
    apply_->setEnabled(false);
    auto* without = new QPushButton(tr("Bez kalibracji"), this);
    without->setObjectName(QStringLiteral("CalibrationOffButton"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(pattern, QDialogButtonBox::ActionRole);
    buttons->addButton(fitButton, QDialogButtonBox::ActionRole);
    buttons->addButton(apply_, QDialogButtonBox::ActionRole);
    buttons->addButton(without, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addWidget(table_, 1);
    layout->addWidget(values_);
    layout->addWidget(buttons);
    resize(820, 560);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pattern, &QPushButton::clicked, this, &CalibrationDialog::patternWanted);
    connect(fitButton, &QPushButton::clicked, this, [this] { fit(); });
    connect(apply_, &QPushButton::clicked, this, [this] {
        if (fit_)
            emit applyChosen(fit_->calibration);
    });
    connect(without, &QPushButton::clicked, this, &CalibrationDialog::withoutChosen);
}

void CalibrationDialog::setPattern(const CalibrationPattern& pattern) {
    pattern_ = pattern;
    fit_.reset();
    apply_->setEnabled(false);
    table_->setRowCount(int(pattern.pairs.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const CalibrationPair& pair = pattern.pairs[std::size_t(row)];
        const ArmPoint a = pattern.crosses[std::size_t(pair.first)];
        const ArmPoint b = pattern.crosses[std::size_t(pair.second)];
        const QString cells[] = {QString::number(pair.first + 1),
                                 QString::number(pair.second + 1),
                                 figure(a.x, 1),
                                 figure(a.y, 1),
                                 figure(b.x, 1),
                                 figure(b.y, 1)};
        for (int column = First; column <= Y2; ++column)
            table_->setItem(row, column, fixedItem(cells[column]));
        table_->setItem(row, Distance, new QTableWidgetItem());
        table_->setItem(row, Residual, fixedItem(QString()));
    }
}

void CalibrationDialog::showCalibration(const std::optional<ArmCalibration>& calibration) {
    values_->setText(CalibrationSummary(calibration));
}

std::optional<std::vector<CalibrationMeasure>> CalibrationDialog::measures() {
    std::vector<CalibrationMeasure> measures;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QString typed = table_->item(row, Distance)->text().trimmed();
        if (typed.isEmpty())
            continue; // not measured (yet)
        const Result<double> distance = ParseReal(QString(typed).replace(u'.', u','));
        if (!distance || *distance <= 0) {
            values_->setText(
                tr("Wiersz %1: '%2' nie jest odległością w milimetrach").arg(row + 1).arg(typed));
            return std::nullopt;
        }
        const CalibrationPair& pair = pattern_.pairs[std::size_t(row)];
        measures.push_back({pattern_.crosses[std::size_t(pair.first)],
                            pattern_.crosses[std::size_t(pair.second)], *distance, row});
    }
    return measures;
}

bool CalibrationDialog::fit() {
    fit_.reset();
    apply_->setEnabled(false);
    const std::optional<std::vector<CalibrationMeasure>> typed = measures();
    if (!typed)
        return false;
    const Result<CalibrationFit> fitted = FitCalibration(*typed);
    if (!fitted) {
        values_->setText(fitted.error());
        return false;
    }
    fit_ = *fitted;
    for (std::size_t i = 0; i < typed->size(); ++i)
        table_->item(int((*typed)[i].line), Residual)->setText(figure(fit_->residuals[i], 2));
    const std::array<double, 5>& u = fit_->uncertainty;
    values_->setText(tr("%1\nniepewność: L1 ±%2 mm, L2 ±%3 mm, k1 ±%4, k2 ±%5, o2 ±%6°; "
                        "reszty: %7 mm (średnia kwadratowa)")
                         .arg(valuesText(fit_->calibration), figure(u[0], 3), figure(u[1], 3),
                              figure(u[2], 5), figure(u[3], 5), figure(u[4], 3),
                              figure(fit_->residualRms, 3)));
    apply_->setEnabled(true);
    return true;
}
