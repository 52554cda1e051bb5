#pragma once

#include <QStatusBar>

#include <array>
#include <functional>

class QLabel;

// The status bar StatusBar1: six panels numbered from 0 at the left, QLabels
// named StatusPanel0..StatusPanel5, and after them a note area (StatusNote)
// for the station's remarks that need no message box.
class StationStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanelCount = 6;

    explicit StationStatusBar(QWidget* parent = nullptr);

    QLabel* panel(int index) const { return panels_.at(static_cast<std::size_t>(index)); }
    void setPanelText(int index, const QString& text);
    QString panelText(int index) const;
    // A short note; `details` (the note itself when empty) is its tool tip.
    void setNote(const QString& text, const QString& details = {});
    // The arm calibration in force (StatusCalibration).
    void setCalibrationText(const QString& text);
    // The transfer's progress (StatusTransfer), at the right, made by `text`
    // now and again when the language changes; an empty text hides it.
    void setTransferText(std::function<QString()> text);
    QString transferText() const;
    QString note() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void showTransferText();

    std::array<QLabel*, kPanelCount> panels_{};
    QLabel* note_;
    QLabel* transfer_;
    QLabel* calibration_ = nullptr;
    std::function<QString()> transferText_;
};
