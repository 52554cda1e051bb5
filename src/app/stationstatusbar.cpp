#include "app/stationstatusbar.h"

#include "controller/linktexts.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>
#include <utility>

namespace {
struct PanelDesign {
    LinkTexts::TextFunction text;
    int width;
    Qt::Alignment alignment;
};

// Initial text, design width and alignment of each panel: the first three
// show the controller link's own texts (the link replaces them with its
// state), the next two the axis names.
const std::array<PanelDesign, StationStatusBar::kPanelCount> kPanels{{
    {&LinkTexts::disconnected, 65, Qt::AlignCenter},
    {&LinkTexts::noReference, 150, Qt::AlignCenter},
    {&LinkTexts::automaticMode, 145, Qt::AlignLeft | Qt::AlignVCenter},
    {[] { return QStringLiteral("X:"); }, 50, Qt::AlignLeft | Qt::AlignVCenter},
    {[] { return QStringLiteral("Y:"); }, 50, Qt::AlignLeft | Qt::AlignVCenter},
    {[] { return QString(); }, 50, Qt::AlignLeft | Qt::AlignVCenter},
}};
} // namespace

StationStatusBar::StationStatusBar(QWidget* parent)
    : QStatusBar(parent), note_(new QLabel(this)), transfer_(new QLabel(this)) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    for (int i = 0; i < kPanelCount; ++i) {
        const PanelDesign& design = kPanels[static_cast<std::size_t>(i)];
        auto* label = new QLabel(design.text(), this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setAlignment(design.alignment);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Design widths are a minimum: a longer text widens its panel, and
        // a panel's text is never cut.
        label->setMinimumWidth(std::max(design.width, label->sizeHint().width()));
        addWidget(label);
        panels_[static_cast<std::size_t>(i)] = label;
    }
    note_->setObjectName(QStringLiteral("StatusNote"));
    // A long note gives way to the panels (its whole text is its tool tip).
    note_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(note_, 1);
    transfer_->setObjectName(QStringLiteral("StatusTransfer"));
    transfer_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    transfer_->hide();
    addPermanentWidget(transfer_);
    calibration_ = new QLabel(this);
    calibration_->setObjectName(QStringLiteral("StatusCalibration"));
    calibration_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    addPermanentWidget(calibration_);
}

void StationStatusBar::setTransferText(std::function<QString()> text) {
    transferText_ = std::move(text);
    showTransferText();
}

void StationStatusBar::showTransferText() {
    const QString text = transferText_ ? transferText_() : QString();
    transfer_->setText(text);
    transfer_->setVisible(!text.isEmpty());
}

// The panels' texts belong to those who set them (the controller link
// retranslates its own); the note stays in the language it was written in.
void StationStatusBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        showTransferText();
    QStatusBar::changeEvent(event);
}

QString StationStatusBar::transferText() const {
    return transfer_->text();
}

void StationStatusBar::setPanelText(int index, const QString& text) {
    QLabel* label = panel(index);
    label->setText(text);
    const int design = kPanels[static_cast<std::size_t>(index)].width;
    label->setMinimumWidth(std::max(design, label->sizeHint().width()));
}

QString StationStatusBar::panelText(int index) const {
    return panel(index)->text();
}

void StationStatusBar::setNote(const QString& text, const QString& details) {
    note_->setText(text);
    note_->setToolTip(details.isEmpty() ? text : details);
}

void StationStatusBar::setCalibrationText(const QString& text) {
    calibration_->setText(text);
}

QString StationStatusBar::note() const {
    return note_->text();
}
