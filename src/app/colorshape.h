#pragma once

#include <QColor>
#include <QWidget>

// A small colour shape of the page "Ustawienia programu": a 25 x 17 rectangle
// drawn with a 10-pixel pen of its colour. Any mouse button pressed on it
// emits pressed(); the page then asks the colour dialog.
class ColorShape : public QWidget {
    Q_OBJECT
public:
    explicit ColorShape(const QColor& colour, QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);
    QSize sizeHint() const override { return {25, 17}; }

signals:
    void pressed();
    void colourChanged(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor colour_;
};
