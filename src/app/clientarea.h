#pragma once

#include <QWidget>

// The main window's client area. It places the plot at left 20, top 112 (at
// least its design size of 1000 x 500, larger when the window is larger, the
// picture scaled to fit), the settings bar at the right edge from the top to
// the bottom (340 wide, over the plot's right part) and the about panel at
// left 280, top 120.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    static constexpr QPoint kPlotOrigin{20, 112};
    static constexpr QSize kPlotDesignSize{1000, 500};
    static constexpr int kSettingsBarWidth = 340;
    static constexpr int kSettingsBarDesignLeft = 678;

    explicit ClientArea(QWidget* parent = nullptr);
    void setParts(QWidget* plot, QWidget* settingsBar, QWidget* aboutPanel);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeParts();

    QWidget* plot_ = nullptr;
    QWidget* settingsBar_ = nullptr;
    QWidget* aboutPanel_ = nullptr;
};
