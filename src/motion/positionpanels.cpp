#include "motion/positionpanels.h"

#include "motion/motiontexts.h"
#include "motion/simulationstate.h"

#include <QFont>
#include <QPainter>

namespace PositionPanels {

namespace {

constexpr QColor kSilver{192, 192, 192};
constexpr int kTextX = 20;
constexpr int kFirstLineY = 5;
constexpr int kLineSpacing = 30;
// Font size 15 points on a 96-dot-per-inch screen.
constexpr int kFontPixels = 20;

void drawPanel(QImage& image, const QStringList& lines, const QColor& colour, bool bold) {
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setBrush(kSilver);
    painter.drawRect(0, 0, image.width() - 1, image.height() - 1);
    QFont font;
    font.setPixelSize(kFontPixels);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(colour);
    int y = kFirstLineY;
    for (const QString& line : lines) {
        painter.drawText(QRect(kTextX, y, image.width() - kTextX, kLineSpacing),
                         Qt::AlignLeft | Qt::AlignTop, line);
        y += kLineSpacing;
    }
}

} // namespace

QImage makePanelImage() {
    QImage image(kPanelSize, QImage::Format_RGB32);
    image.fill(kSilver);
    return image;
}

void DrawMovePanel(QImage& image, const SimulationState& state) {
    drawPanel(image, MotionTexts::movePanelLines(state), Qt::black, false);
}

void DrawPositionPanel(QImage& image, const SimulationState& state) {
    drawPanel(image, MotionTexts::positionPanelLines(state), QColor(0, 0, 255), true);
}

QImage StartMovePanel() {
    QImage image = makePanelImage();
    DrawMovePanel(image, SimulationState{});
    return image;
}

QImage StartPositionPanel() {
    QImage image = makePanelImage();
    DrawPositionPanel(image, SimulationState{});
    return image;
}

} // namespace PositionPanels
