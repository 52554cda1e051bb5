#include "app/clientarea.h"

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ClientArea"));
}

void ClientArea::setParts(QWidget* plot, QWidget* settingsBar, QWidget* aboutPanel) {
    plot_ = plot;
    settingsBar_ = settingsBar;
    aboutPanel_ = aboutPanel;
    placeParts();
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeParts();
}

void ClientArea::placeParts() {
    if (!plot_)
        return;
    const QSize plotSize(std::max(kPlotDesignSize.width(), width() - kPlotOrigin.x()),
                         std::max(kPlotDesignSize.height(), height() - kPlotOrigin.y()));
    plot_->setGeometry(QRect(kPlotOrigin, plotSize));
    const int barLeft = std::max(kSettingsBarDesignLeft, width() - kSettingsBarWidth);
    settingsBar_->setGeometry(barLeft, 0, kSettingsBarWidth, height());
    aboutPanel_->move(280, 120);
    settingsBar_->raise();
    aboutPanel_->raise();
}
