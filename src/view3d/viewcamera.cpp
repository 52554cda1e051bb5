#include "view3d/viewcamera.h"

#include <cmath>
#include <numbers>

namespace {

// Eye positions of "Widok 1" to "Widok 4".
constexpr std::array<ViewCamera::Vector, 4> kFixedEyes{{
    {20.0f, 20.0f, 20.0f},
    {20.0f, 0.0f, 0.0f},
    {-1.86f, 20.0f, 0.0f},
    {-19.0f, 19.0f, -19.0f},
}};

constexpr double kWheelStep = 0.1;

} // namespace

void ViewCamera::chooseView(CameraView view) {
    view_ = view;
    if (view == CameraView::Variable)
        return;
    Up = {0, 1, 0};
    Eye = kFixedEyes[static_cast<int>(view) - static_cast<int>(CameraView::View1)];
}

bool ViewCamera::followMouse(int x, int y, int clientWidth, int clientHeight) {
    if (view_ != CameraView::Variable)
        return false;
    const int hw = clientWidth / 2;
    const int hh = clientHeight / 2;
    if (hw == 0 || hh == 0)
        return false;
    constexpr double kQuarterTurn = std::numbers::pi / 2.0;
    const double r = distance();
    const double u = (x - hw) * kQuarterTurn / hw;
    const double v = (y - hh) * -kQuarterTurn / hh;
    const double rho = std::sqrt(u * u + v * v);
    const double phi = std::atan2(v, u);
    Eye = {static_cast<float>(r * std::cos(phi) * std::sin(rho)),
           static_cast<float>(r * std::sin(phi) * std::sin(rho)),
           static_cast<float>(r * std::cos(rho))};
    return true;
}

bool ViewCamera::turnWheel(int delta) {
    if (view_ != CameraView::Variable || delta == 0)
        return false;
    const double factor = 1.0 + kWheelStep * (delta > 0 ? 1 : -1);
    for (float& component : Eye)
        component = static_cast<float>(component * factor);
    return true;
}

void ViewCamera::pressKey(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (held == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_Left:
            --Up[0];
            return;
        case Qt::Key_Right:
            ++Up[0];
            return;
        case Qt::Key_Up:
            ++Up[1];
            return;
        case Qt::Key_Down:
            --Up[1];
            return;
        case Qt::Key_W:
            chooseView(CameraView::Variable);
            return;
        case Qt::Key_1:
        case Qt::Key_2:
        case Qt::Key_3:
        case Qt::Key_4:
            if (!keypad)
                chooseView(
                    static_cast<CameraView>(static_cast<int>(CameraView::View1) + key - Qt::Key_1));
            return;
        default:
            return;
        }
    }
    if (held == Qt::ControlModifier) {
        if (key == Qt::Key_Left)
            --Up[2];
        else if (key == Qt::Key_Right)
            ++Up[2];
    }
}

double ViewCamera::distance() const {
    const double x = Eye[0];
    const double y = Eye[1];
    const double z = Eye[2];
    return std::sqrt(x * x + y * y + z * z);
}
