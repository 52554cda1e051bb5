#pragma once

#include "drawing/strokefont.h"

#include <QWidget>

#include <vector>

// The strokes of a text as the pen draws them, scaled to fit the widget
// with a small margin, upright (+Y up).
class TextPreview : public QWidget {
    Q_OBJECT
public:
    explicit TextPreview(QWidget* parent = nullptr);

    void setStrokes(std::vector<Stroke> strokes);
    const std::vector<Stroke>& strokes() const { return strokes_; }

    QSize sizeHint() const override { return {360, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Stroke> strokes_;
};
