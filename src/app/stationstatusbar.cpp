#include "app/stationstatusbar.h"

#include <QLabel>

namespace {
struct PanelDesign {
    const char* text;
    int width;
    Qt::Alignment alignment;
};

// Initial text, design width and alignment of each panel.
const std::array<PanelDesign, StationStatusBar::kPanelCount> kPanels{{
    {"Rozłączono", 65, Qt::AlignCenter},
    {"Brak punktu referencyjnego", 150, Qt::AlignCenter},
    {"Sterowanie automatyczne", 145, Qt::AlignLeft | Qt::AlignVCenter},
    {"X:", 50, Qt::AlignLeft | Qt::AlignVCenter},
    {"Y:", 50, Qt::AlignLeft | Qt::AlignVCenter},
    {"", 50, Qt::AlignLeft | Qt::AlignVCenter},
}};
} // namespace

StationStatusBar::StationStatusBar(QWidget* parent) : QStatusBar(parent), note_(new QLabel(this)) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    for (int i = 0; i < kPanelCount; ++i) {
        const PanelDesign& design = kPanels[static_cast<std::size_t>(i)];
        auto* label = new QLabel(QString::fromUtf8(design.text), this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setAlignment(design.alignment);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Design widths are a minimum: a longer text widens its panel.
        label->setMinimumWidth(design.width);
        addWidget(label);
        panels_[static_cast<std::size_t>(i)] = label;
    }
    note_->setObjectName(QStringLiteral("StatusNote"));
    addWidget(note_, 1);
}

void StationStatusBar::setPanelText(int index, const QString& text) {
    panel(index)->setText(text);
}

QString StationStatusBar::panelText(int index) const {
    return panel(index)->text();
}

void StationStatusBar::setNote(const QString& text) {
    note_->setText(text);
}

QString StationStatusBar::note() const {
    return note_->text();
}
