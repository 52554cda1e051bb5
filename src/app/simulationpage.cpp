#include "app/simulationpage.h"

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
    : QWidget(parent), positionPanel_(nullptr), movePanel_(nullptr) {
    setObjectName(QStringLiteral("Symulacja"));
    auto* group = new QGroupBox(tr("Pozycja efektora"), this);
    positionPanel_ = makePanel("Image2", group);
    movePanel_ = makePanel("Image3", group);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(positionPanel_);
    inner->addWidget(movePanel_);
    inner->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

void SimulationPage::setPositionPicture(const QImage& picture) {
    positionPanel_->setPixmap(QPixmap::fromImage(picture));
}

void SimulationPage::setMovePicture(const QImage& picture) {
    movePanel_->setPixmap(QPixmap::fromImage(picture));
}
