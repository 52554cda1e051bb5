#pragma once

#include <QFrame>

#include <array>

class QLabel;
class QPushButton;

// The about panel Panel1: a silver panel with a picture of the arm, the title
// of the work in five lines and an OK button (Button6) that hides it.
class AboutPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kTitleLineCount = 5;

    explicit AboutPanel(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::array<QLabel*, kTitleLineCount> titleLines_{};
    QPushButton* ok_ = nullptr;
};
