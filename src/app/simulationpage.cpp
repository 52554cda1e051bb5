#include "app/simulationpage.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QLabel* makePanel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFixedSize(SimulationPage::kPanelSize);
    return label;
}
} // namespace

SimulationPage::SimulationPage(QWidget* parent)
    : QWidget(parent), group_(new QGroupBox(this)), positionPanel_(makePanel("Image2", group_)),
      movePanel_(makePanel("Image3", group_)) {
    setObjectName(QStringLiteral("Symulacja"));
    auto* inner = new QVBoxLayout(group_);
    inner->addWidget(positionPanel_);
    inner->addWidget(movePanel_);
    inner->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    layout->addStretch();
    retranslate();
}

void SimulationPage::retranslate() {
    group_->setTitle(tr("Pozycja efektora"));
}

void SimulationPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SimulationPage::setPositionPicture(const QImage& picture) {
    positionPanel_->setPixmap(QPixmap::fromImage(picture));
}

void SimulationPage::setMovePicture(const QImage& picture) {
    movePanel_->setPixmap(QPixmap::fromImage(picture));
}
