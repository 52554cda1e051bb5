// Frame time of the arm scene at 1024 x 512: the bare frame (RenderScene into
// an offscreen framebuffer, finished with glFinish) and the frame as the
// window shows it (update, paint and composition until the frame is swapped).
// Run under `xvfb-run -a` with LIBGL_ALWAYS_SOFTWARE=1 for the software renderer.
#include "motion/viewpose.h"
#include "view3d/glsupport.h"
#include "view3d/scenerender.h"
#include "view3d/sceneview.h"
#include "view3d/viewcamera.h"
#include "view3d/visualisationwindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSignalSpy>
#include <QTimer>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 512;
constexpr int kWarmUp = 10;
constexpr int kFrames = 300;

// Wall-clock figures per frame, and the CPU time of the whole process (the
// software renderer's threads included) per frame, which a busy machine
// disturbs less.
struct Figures {
    double mean, median, p95, cpu;
};

double processCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

Figures summarise(std::vector<double> ms, double cpuMs) {
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    return {sum / ms.size(), ms[ms.size() / 2], ms[ms.size() * 95 / 100], cpuMs / ms.size()};
}

void print(const char* what, const Figures& f) {
    std::printf("%-40s mean %7.3f ms  median %7.3f ms  p95 %7.3f ms  cpu %7.3f ms  (%d frames)\n",
                what, f.mean, f.median, f.p95, f.cpu, kFrames);
}

// Moves the arm a little every frame, as a running simulation does.
void stepPose(ViewPose& pose, int frame) {
    pose.Arm1Angle = -90.0f + 0.3f * frame;
    pose.Arm2Angle = 0.2f * frame;
    pose.SlideZ = -0.8 * (frame % 40) / 40.0;
}

Figures bareFrames(SceneSwitches switches) {
    ViewCamera camera;
    ViewPose pose;
    std::vector<double> ms;
    QElapsedTimer clock;
    double cpuStart = 0;
    for (int i = -kWarmUp; i < kFrames; ++i) {
        if (i == 0)
            cpuStart = processCpuMs();
        stepPose(pose, i);
        clock.start();
        RenderScene(camera, pose, switches);
        glFinish();
        if (i >= 0)
            ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    return summarise(ms, processCpuMs() - cpuStart);
}

// One piece of the scene per frame, in the camera frame at creation.
template <typename Draw> Figures pieceFrames(Draw draw) {
    std::vector<double> ms;
    QElapsedTimer clock;
    double cpuStart = 0;
    for (int i = -kWarmUp; i < kFrames; ++i) {
        if (i == 0)
            cpuStart = processCpuMs();
        clock.start();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        gluLookAt(0, 0, 20, 0, 0, 0, 0, 1, 0);
        draw();
        glFinish();
        if (i >= 0)
            ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    return summarise(ms, processCpuMs() - cpuStart);
}

bool benchBare() {
    QOffscreenSurface surface;
    surface.setFormat(SceneSurfaceFormat());
    surface.create();
    QOpenGLContext context;
    context.setFormat(SceneSurfaceFormat());
    if (!context.create() || !context.makeCurrent(&surface)) {
        std::printf("no OpenGL context\n");
        return false;
    }
    std::printf("renderer: %s, OpenGL %s\n",
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    QOpenGLFramebufferObject target(kWidth, kHeight, QOpenGLFramebufferObject::Depth);
    target.bind();
    glViewport(0, 0, kWidth, kHeight);
    SetupProjection();
    print("bare frame, faces and outlines", bareFrames({true, true}));
    print("bare frame, faces only", bareFrames({true, false}));
    print("bare frame, both switches off", bareFrames({false, false}));
    print("  clear only", pieceFrames([] {}));
    print("  table only", pieceFrames([] { DrawTable(); }));
    print("  base only", pieceFrames([] { DrawBase({true, true}); }));
    print("  screw only", pieceFrames([] { DrawScrew(0); }));
    // The same frame in a tiny viewport: what is left is the cost per
    // primitive and vertex rather than per pixel.
    glViewport(0, 0, kWidth / 16, kHeight / 16);
    print("bare frame at 64 x 32, both switches on", bareFrames({true, true}));
    print("  table only at 64 x 32", pieceFrames([] { DrawTable(); }));
    glViewport(0, 0, kWidth, kHeight);
    target.release();
    context.doneCurrent();
    return true;
}

void benchWindow() {
    ViewPose pose;
    VisualisationWindow window(pose);
    window.show();
    SceneView* view = window.sceneView();
    if (view == nullptr) {
        std::printf("window: no picture\n");
        return;
    }
    window.findChild<QTimer*>("Timer1")->stop();
    QSignalSpy swapped(view, &QOpenGLWidget::frameSwapped);
    swapped.wait(2000);
    std::printf("window picture: %d x %d\n", view->width(), view->height());
    std::vector<double> ms;
    QElapsedTimer clock;
    double cpuStart = 0;
    for (int i = -kWarmUp; i < kFrames; ++i) {
        if (i == 0)
            cpuStart = processCpuMs();
        stepPose(pose, i);
        swapped.clear();
        clock.start();
        view->update();
        if (!swapped.wait(2000)) {
            std::printf("window: no frame\n");
            return;
        }
        if (i >= 0)
            ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    print("window frame (paint and composition)", summarise(ms, processCpuMs() - cpuStart));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!benchBare())
        return 1;
    benchWindow();
    return 0;
}
