#include "view3d/glsupport.h"

#include "view3d/visualisationtexts.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>

QSurfaceFormat SceneSurfaceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(16);
    return format;
}

Status CheckLegacyContext(const QOpenGLContext& context) {
    if (!context.isValid())
        return Failure{VisualisationTexts::noContext()};
    if (context.isOpenGLES() || context.format().profile() == QSurfaceFormat::CoreProfile)
        return Failure{VisualisationTexts::noLegacyProfile()};
    return Status::success();
}

Status ProbeLegacyContext() {
    QOffscreenSurface surface;
    surface.setFormat(SceneSurfaceFormat());
    surface.create();
    QOpenGLContext context;
    context.setFormat(SceneSurfaceFormat());
    if (!surface.isValid() || !context.create() || !context.makeCurrent(&surface))
        return Failure{VisualisationTexts::noContext()};
    Status status = CheckLegacyContext(context);
    context.doneCurrent();
    return status;
}
