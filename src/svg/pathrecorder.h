#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QPainterPath>
#include <QTransform>

#include <memory>
#include <vector>

// A paint device that draws nothing: it keeps every path painted on it, with
// the transform it was painted under and the colour it would be drawn in,
// so that the renderer of a vector format hands over the geometry it reads.
// Stroked and filled shapes alike are kept as their outline.
class PathRecorder : public QPaintDevice {
public:
    struct Item {
        QPainterPath path; // in the painter's coordinates
        QTransform transform;
        QRgb colour = 0;     // the stroke's, or the fill's for a shape only filled
        bool closed = false; // a polygon drawn closed (paths carry their own closes)
        int layer = 0;
    };
    struct Counts {
        int images = 0;
        int textItems = 0;       // runs of text drawn as outlines
        int textWithoutFont = 0; // runs of text no font gave an outline for
    };

    PathRecorder();
    ~PathRecorder() override;

    QPaintEngine* paintEngine() const override;
    // Items painted from now on carry this layer number.
    void setLayer(int layer);
    const std::vector<Item>& items() const;
    const Counts& counts() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    std::unique_ptr<Engine> engine_;
};
