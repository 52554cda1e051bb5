#pragma once

#include "base/result.h"

#include <QSurfaceFormat>

class QOpenGLContext;

// What the scene needs of OpenGL: a desktop context with the fixed-function
// pipeline (compatibility profile), double-buffered, 8 bits per colour channel
// and at least 16 depth bits.
QSurfaceFormat SceneSurfaceFormat();

// Whether a created context can draw the scene: not OpenGL ES, not a core
// profile. The failure's text is the one the window shows.
Status CheckLegacyContext(const QOpenGLContext& context);

// Makes a throw-away context of SceneSurfaceFormat on an offscreen surface and
// checks it, so that a window can decide before it creates any GL widget.
// Call on the user-interface thread of a QGuiApplication.
Status ProbeLegacyContext();
