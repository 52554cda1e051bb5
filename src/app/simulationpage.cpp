#include "app/simulationpage.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {
QLabel* makePanel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFixedSize(SimulationPage::kPanelSize);
    return label;
}

// A silver panel outlined in black with the given lines at x 20, from y 5
// every 30 pixels, in a 15-point font.
QImage drawPanel(const QStringList& lines, const QColor& colour, bool bold) {
    QImage picture(SimulationPage::kPanelSize, QImage::Format_RGB32);
    picture.fill(QColor(192, 192, 192));
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, picture.width() - 1, picture.height() - 1);
    QFont font = painter.font();
    font.setPointSize(15);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(colour);
    int y = 5;
    for (const QString& line : lines) {
        painter.drawText(QRect(20, y, picture.width() - 25, 30), Qt::AlignLeft | Qt::AlignTop,
                         line);
        y += 30;
    }
    return picture;
}
} // namespace

QImage StartPositionPanel() {
    return drawPanel({QStringLiteral("POZYCJA AKTUALNA:"), QStringLiteral("N= "),
                      QStringLiteral("G= "), QStringLiteral("T= "), QStringLiteral("X= 500"),
                      QStringLiteral("Y= 0"), QStringLiteral("Z= ")},
                     QColor(0, 0, 255), true);
}

QImage StartMovePanel() {
    return drawPanel({QStringLiteral("JAZDA Z PUNKTU:"), QStringLiteral("X= 500"),
                      QStringLiteral("Y= 0"), QStringLiteral("Z= 0"), QStringLiteral("DO PUNKTU:"),
                      QStringLiteral("X= 0"), QStringLiteral("Y= 0"), QStringLiteral("Z= 0")},
                     Qt::black, false);
}

SimulationPage::SimulationPage(QWidget* parent)
    : QWidget(parent), positionPanel_(nullptr), movePanel_(nullptr) {
    setObjectName(QStringLiteral("Symulacja"));
    auto* group = new QGroupBox(QStringLiteral("Pozycja efektora"), this);
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
