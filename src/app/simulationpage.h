#pragma once

#include "motion/positionpanels.h"

#include <QImage>
#include <QWidget>

class QGroupBox;
class QLabel;

// The page "Symulacja": group "Pozycja efektora" with the two 320 x 280
// position displays, Image2 ("POZYCJA AKTUALNA:") above Image3 ("JAZDA Z
// PUNKTU:"). The simulation draws new pictures into them.
class SimulationPage : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kPanelSize = PositionPanels::kPanelSize;

    explicit SimulationPage(QWidget* parent = nullptr);

    QLabel* positionPanel() const { return positionPanel_; }
    QLabel* movePanel() const { return movePanel_; }
    void setPositionPicture(const QImage& picture);
    void setMovePicture(const QImage& picture);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QGroupBox* group_;
    QLabel* positionPanel_;
    QLabel* movePanel_;
};
