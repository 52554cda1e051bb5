#pragma once

#include <QWidget>

class QButtonGroup;
class QSplitter;
class QTabWidget;

// The main window's client area: the plot on the left, over the program's
// reports (PlotReportSplitter), and the settings bar
// on the right, side by side in a splitter the operator can move
// (PlotSplitter), so the bar never covers the plot; the plot's picture is
// scaled to the space it is given. Above the bar's pages stands a selector
// of two rows (PageSelector), so that all seven pages are reachable without
// scroll arrows. The about panel floats over both at left 280, top 120.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSettingsBarWidth = 340;

    explicit ClientArea(QWidget* parent = nullptr);
    // The settings bar's pages are `settingsBar`'s; its own tab bar gives way
    // to the two-row selector.
    void setParts(QWidget* plot, QWidget* reportPanel, QTabWidget* settingsBar,
                  QWidget* aboutPanel);

    // The settings bar with its selector, hidden and shown as one.
    QWidget* settingsPanel() const { return settingsPanel_; }
    QSplitter* splitter() const { return splitter_; }
    // The selector's buttons take the pages' titles again (another language).
    void showPageTitles();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSelector(QTabWidget* pages);
    void fitPlot();

    static constexpr int kSmallestReport = 120; // the reports' least height

    QSplitter* splitter_;
    QTabWidget* pages_ = nullptr;
    QButtonGroup* pageButtons_ = nullptr;
    QWidget* settingsPanel_ = nullptr;
    QWidget* aboutPanel_ = nullptr;
    QSplitter* plotSplitter_ = nullptr;
    QWidget* plot_ = nullptr;
    QWidget* reportPanel_ = nullptr;
};
