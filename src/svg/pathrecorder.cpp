#include "svg/pathrecorder.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

class PathRecorder::Engine : public QPaintEngine {
public:
    Engine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawPath(const QPainterPath& path) override { record(path, false); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (count < 1)
            return;
        QPainterPath path(points[0]);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        record(path, mode != PolylineMode);
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++counts.images; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
        ++counts.images;
    }
    void drawTextItem(const QPointF& p, const QTextItem& textItem) override {
        // The default draws the glyphs' outlines as filled paths, which come
        // back through drawPath.
        const size_t before = items.size();
        QPaintEngine::drawTextItem(p, textItem);
        if (items.size() > before)
            ++counts.textItems;
        else if (!textItem.text().trimmed().isEmpty())
            ++counts.textWithoutFont;
    }

    std::vector<Item> items;
    Counts counts;
    int layer = 0;

private:
    void record(const QPainterPath& path, bool closed) {
        const QPen pen = painter()->pen();
        const QBrush brush = painter()->brush();
        const bool stroked = pen.style() != Qt::NoPen && pen.brush().style() != Qt::NoBrush;
        const bool filled = brush.style() != Qt::NoBrush;
        if ((!stroked && !filled) || path.isEmpty())
            return;
        const QColor colour = stroked ? pen.color() : brush.color();
        items.push_back({path, painter()->combinedTransform(), colour.rgb(), closed, layer});
    }
};

PathRecorder::PathRecorder() : engine_(std::make_unique<Engine>()) {}
PathRecorder::~PathRecorder() = default;

QPaintEngine* PathRecorder::paintEngine() const {
    return engine_.get();
}

void PathRecorder::setLayer(int layer) {
    engine_->layer = layer;
}

const std::vector<PathRecorder::Item>& PathRecorder::items() const {
    return engine_->items;
}

const PathRecorder::Counts& PathRecorder::counts() const {
    return engine_->counts;
}

int PathRecorder::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
    case PdmHeight:
        return 1 << 20;
    case PdmWidthMM:
    case PdmHeightMM:
        return (1 << 20) * 254 / 720;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 72; // a point is a user unit, as the renderer sizes fonts in points
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    case PdmNumColors:
        return 1 << 24;
    case PdmDepth:
        return 32;
    }
    return 0;
}
