#pragma once

#include <QFrame>

// The about panel Panel1: a silver panel with a picture of the arm, the title
// of the work in five lines and an OK button (Button6) that hides it.
class AboutPanel : public QFrame {
    Q_OBJECT
public:
    explicit AboutPanel(QWidget* parent = nullptr);
};
