// What the pen draws: HatchFill over 10,000 filled shapes (target under
// 1 s), LayOutText over 10,000 characters (target under 0.2 s), best of
// three, and the ink of a sentence in the single-stroke font against the
// same sentence drawn along its letters' outlines (DejaVu Sans, the same
// capital height; expect about half), and HideOccluded over 2,000 hatched
// shapes. An argument (hatch, occlude, text) runs one part only.
#include "drawing/hatchfill.h"
#include "drawing/occlusion.h"
#include "drawing/textlayout.h"

#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <numbers>

namespace {

// The best of three runs, in seconds of the processor's time (the machine
// may be shared; the wall time is printed beside it).
double wallSeconds = 0;
template <typename F> double bestSeconds(F&& run) {
    double best = 1e9;
    wallSeconds = 1e9;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t start = std::clock();
        run();
        best = std::min(best, double(std::clock() - start) / CLOCKS_PER_SEC);
        wallSeconds = std::min(wallSeconds, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

// Stars and discs of 5 to 15 units across, 48 points each, some with a hole.
std::vector<FillArea> shapes(int count) {
    QRandomGenerator random(11);
    std::vector<FillArea> out;
    for (int n = 0; n < count; ++n) {
        const double cx = random.bounded(400.0), cy = random.bounded(300.0);
        const double r = 5 + random.bounded(10.0);
        const bool star = n % 2 == 1;
        Ring ring;
        for (int i = 0; i < 48; ++i) {
            const double a = 2 * std::numbers::pi * i / 48;
            const double radius = star && i % 2 == 1 ? r / 2 : r;
            ring.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
        }
        FillArea area{{ring}, n % 3 == 0 ? FillRule::EvenOdd : FillRule::NonZero};
        if (n % 4 == 0)
            area.rings.push_back(
                {{cx - 1, cy - 1}, {cx + 1, cy - 1}, {cx + 1, cy + 1}, {cx - 1, cy + 1}});
        out.push_back(std::move(area));
    }
    return out;
}

double length(const std::vector<Stroke>& strokes) {
    double sum = 0;
    for (const Stroke& s : strokes) {
        for (size_t i = 1; i < s.size(); ++i)
            sum += std::hypot(s[i].x - s[i - 1].x, s[i].y - s[i - 1].y);
    }
    return sum;
}

void hatching() {
    const std::vector<FillArea> areas = shapes(10'000);
    HatchSettings settings;
    settings.spacing = 0.5;
    settings.angle = 30;
    qsizetype strokes = 0, lines = 0;
    const double seconds = bestSeconds([&] {
        strokes = lines = 0;
        for (const FillArea& area : areas) {
            lines += HatchLineCount(area, settings);
            strokes += qsizetype(HatchFill(area, settings)->size());
        }
    });
    std::printf("HatchFill 10000 shapes %8.3f s (wall %.3f s; %lld lines in %lld strokes, "
                "outlines counted; target < 1 s)\n",
                seconds, wallSeconds, (long long)lines, (long long)strokes);
}

void occlusion() {
    const std::vector<FillArea> areas = shapes(2'000);
    std::vector<PaintedShape> painted;
    for (const FillArea& area : areas)
        painted.push_back({*HatchFill(area, {}), area});
    const double seconds = bestSeconds([&] { (void)HideOccluded(painted); });
    std::printf("HideOccluded 2000 hatched shapes %8.3f s (wall %.3f s)\n", seconds, wallSeconds);
}

void text(const StrokeFont& font) {
    const QString sentence =
        QStringLiteral("Zażółć gęślą jaźń. Pchnąć w tę łódź jeża lub ośm skrzyń fig. ");
    QString thousands;
    while (thousands.size() < 10'000)
        thousands += sentence;
    thousands.truncate(10'000);
    qsizetype strokes = 0;
    const double seconds =
        bestSeconds([&] { strokes = qsizetype(LayOutText(font, thousands, {})->strokes.size()); });
    std::printf("LayOutText 10000 characters %8.3f s (wall %.3f s; %lld strokes; target < 0.2 s)\n",
                seconds, wallSeconds, (long long)strokes);
}

void inkAgainstOutlines(const StrokeFont& font) {
    const QString sentence = QStringLiteral("Zażółć gęślą jaźń");
    const double single = length(LayOutText(font, sentence, {})->strokes); // capitals 20 high
    QFont outlineFont(QStringLiteral("DejaVu Sans"));
    outlineFont.setPixelSize(100);
    QPainterPath h, path;
    h.addText(0, 0, outlineFont, QStringLiteral("H"));
    path.addText(0, 0, outlineFont, sentence);
    const double scale = 20 / h.boundingRect().height();
    double outlines = 0;
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        for (qsizetype i = 1; i < polygon.size(); ++i)
            outlines += QLineF(polygon[i - 1], polygon[i]).length() * scale;
    }
    std::printf("\"%s\" at capitals 20: single stroke %.0f, outlines %.0f (%s): %.2f\n",
                qPrintable(sentence), single, outlines, qPrintable(outlineFont.family()),
                single / outlines);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const Result<StrokeFont> font = LoadStrokeFont(QStringLiteral("futural"));
    if (!font)
        return 1;
    const QByteArray only = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (only.isEmpty() || only == "hatch")
        hatching();
    if (only.isEmpty() || only == "occlude")
        occlusion();
    if (only.isEmpty() || only == "text") {
        text(*font);
        inkAgainstOutlines(*font);
    }
    return 0;
}
