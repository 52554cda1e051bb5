#include "app/layertable.h"

#include "base/numberformat.h"
#include "controller/transferprogress.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

enum Column { Number, Colour, Lines, Drawn, Time, Z, Feed, Hold, Sent, ColumnCount };

LayerSettings* settingsOf(SendPlan& plan, int number) {
    for (LayerSettings& s : plan.layers) {
        if (s.number == number)
            return &s;
    }
    return nullptr;
}

QString optionalText(const std::optional<double>& value) {
    return value ? FormatReal(*value) : QString();
}

} // namespace

LayerTable::LayerTable(QWidget* parent) : QGroupBox(parent), table_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("LayerGroup"));
    table_->setObjectName(QStringLiteral("LayerTable"));
    table_->setColumnCount(ColumnCount);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(table_);
    connect(table_, &QTableWidget::cellChanged, this, &LayerTable::cellEdited);
    hide();
    retranslate();
}

void LayerTable::retranslate() {
    setTitle(tr("Warstwy"));
    table_->setHorizontalHeaderLabels({tr("Warstwa"), tr("Kolor"), tr("Linie"),
                                       tr("Droga rysowania"), tr("Czas"), tr("Z"), tr("Posuw"),
                                       tr("Wstrzymanie"), tr("Wysyłana")});
}

void LayerTable::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QGroupBox::changeEvent(event);
}

void LayerTable::showLayers(const std::vector<ProgramLayer>& layers,
                            const std::vector<QRgb>& colours,
                            const std::function<double(qint64, qint64)>& seconds) {
    // The values of layers gone are dropped.
    SendPlan plan;
    plan.refillEvery = plan_.refillEvery;
    for (size_t k = 0; k < layers.size(); ++k) {
        LayerSettings s;
        if (const LayerSettings* kept = settingsOf(plan_, layers[k].number))
            s = *kept;
        s.number = layers[k].number;
        if (s.holdMessage.isEmpty())
            s.holdMessage = tr("Załóż pisak %1").arg(s.number);
        plan.layers.push_back(s);
    }
    plan_ = plan;
    filling_ = true;
    table_->setRowCount(int(layers.size()));
    for (size_t k = 0; k < layers.size(); ++k)
        fillRow(int(k), layers[k], k < colours.size() ? colours[k] : QRgb(0),
                seconds(layers[k].sentLines, layers[k].sentBytes));
    filling_ = false;
    table_->resizeColumnsToContents();
    setVisible(layers.size() > 1);
}

void LayerTable::fillRow(int row, const ProgramLayer& layer, QRgb colour, double seconds) {
    const LayerSettings& s = plan_.layers[size_t(row)];
    auto fixed = [&](int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setFlags(Qt::ItemIsEnabled);
        table_->setItem(row, column, item);
        return item;
    };
    fixed(Number, QString::number(layer.number));
    fixed(Colour, QString())->setBackground(QColor::fromRgb(colour));
    fixed(Lines, QString::number(layer.sentLines));
    fixed(Drawn, FormatReal(std::round(layer.drawnLength)));
    // Under a minute in seconds: a layer of a few lines takes a fraction of one.
    fixed(Time, seconds < 60 ? FormatReal(std::round(seconds * 10) / 10) + QStringLiteral(" s")
                             : FormatDuration(std::chrono::milliseconds(qint64(seconds * 1000))));
    for (const auto& [column, value] : {std::pair{Z, &s.z}, {Feed, &s.feed}}) {
        auto* item = new QTableWidgetItem(optionalText(*value));
        if (column == Z && !s.z && layer.penZ)
            item->setToolTip(tr("W programie: %1").arg(FormatReal(*layer.penZ)));
        table_->setItem(row, column, item);
    }
    auto* hold = new QTableWidgetItem(s.holdMessage);
    hold->setFlags(Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
    hold->setCheckState(s.hold ? Qt::Checked : Qt::Unchecked);
    table_->setItem(row, Hold, hold);
    auto* sent = new QTableWidgetItem();
    sent->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    sent->setCheckState(s.send ? Qt::Checked : Qt::Unchecked);
    table_->setItem(row, Sent, sent);
}

// Reads the edited cell into the plan; a value that does not read (or a
// feed of 0 or less) is refused and the cell shows the old value again.
void LayerTable::cellEdited(int row, int column) {
    if (filling_ || row < 0 || size_t(row) >= plan_.layers.size())
        return;
    LayerSettings& s = plan_.layers[size_t(row)];
    QTableWidgetItem* item = table_->item(row, column);
    if (column == Sent) {
        s.send = item->checkState() == Qt::Checked;
        emit planChanged();
        return;
    }
    if (column == Hold) {
        s.hold = item->checkState() == Qt::Checked;
        s.holdMessage = item->text();
        emit planChanged();
        return;
    }
    if (column != Z && column != Feed)
        return;
    std::optional<double>& value = column == Z ? s.z : s.feed;
    const QString text = item->text().trimmed();
    if (text.isEmpty()) {
        value.reset();
        emit planChanged();
        return;
    }
    const Result<double> read = ParseReal(text);
    QString reason;
    if (!read || !std::isfinite(*read))
        reason = read ? tr("'%1' is not a valid floating point value").arg(text) : read.error();
    else if (column == Feed && !(*read > 0))
        reason = tr("Posuw warstwy %1 musi być większy od zera, a nie %2").arg(s.number).arg(text);
    if (!reason.isEmpty()) {
        filling_ = true;
        item->setText(optionalText(value));
        filling_ = false;
        emit refused(reason);
        return;
    }
    value = *read;
    emit planChanged();
}

SendPlan LayerTable::plan() const {
    return plan_;
}

QStringList LayerTable::settingsText() const {
    QStringList entries;
    for (const LayerSettings& s : plan_.layers)
        entries << QStringList{QString::number(s.number),
                               QString::number(int(s.send)),
                               optionalText(s.z),
                               optionalText(s.feed),
                               QString::number(int(s.hold)),
                               s.holdMessage}
                       .join(u';');
    return entries;
}

void LayerTable::setSettingsText(const QStringList& entries) {
    SendPlan plan;
    for (const QString& entry : entries) {
        const QStringList parts = entry.split(u';');
        if (parts.size() < 6)
            continue;
        auto number = [](const QString& text, bool positive) -> std::optional<double> {
            const Result<double> v = ParseReal(text);
            if (!v || !std::isfinite(*v) || (positive && !(*v > 0)))
                return std::nullopt;
            return *v;
        };
        bool ok = false;
        LayerSettings s;
        s.number = parts[0].toInt(&ok);
        if (!ok)
            continue;
        s.send = parts[1] != u"0";
        s.z = number(parts[2], false);
        s.feed = number(parts[3], true);
        s.hold = parts[4] == u"1";
        s.holdMessage = parts.mid(5).join(u';'); // the notice may hold the separator
        plan.layers.push_back(s);
    }
    plan_ = plan;
}

void LayerTable::setLocked(bool locked) {
    table_->setEnabled(!locked);
}
