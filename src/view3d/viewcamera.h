#pragma once

#include <Qt>

#include <array>

// Which camera the visualisation shows: the eye that follows the mouse on a
// sphere around the origin ("Zmienny widok") or one of the four fixed views.
enum class CameraView { Variable, View1, View2, View3, View4 };

// The camera of the visualisation window, as plain values: where the eye
// stands, where it looks (always the origin) and which way is up. The window
// feeds it mouse, wheel and key events and draws from Eye, Target and Up.
class ViewCamera {
public:
    using Vector = std::array<float, 3>;
    using IntVector = std::array<int, 3>;

    Vector Eye{0.0f, 0.0f, 20.0f};
    Vector Target{0.0f, 0.0f, 0.0f};
    IntVector Up{0, 1, 0};

    CameraView view() const { return view_; }

    // Choosing a view from the menu or the keys. A fixed view sets the eye and
    // resets Up; "Zmienny widok" only switches the mode, and the eye keeps its
    // place until the next mouse move.
    void chooseView(CameraView view);

    // A mouse move to client point (x, y) in a client area of the given size.
    // In the variable view the eye orbits the origin at its current distance:
    // the centre puts it on +Z, the right edge on +X, the top edge on +Y. A
    // client area under two pixels wide or high leaves the eye alone. Returns
    // whether the eye moved.
    bool followMouse(int x, int y, int clientWidth, int clientHeight);

    // One wheel event: in the variable view every component of the eye grows
    // by 10% for a positive delta (away from the user) and shrinks by 10% for
    // a negative one, whatever the delta's size. Returns whether the eye moved.
    bool turnWheel(int delta);

    // A key press with the given modifiers (Shift, Ctrl and Alt compared as a
    // whole; the keypad flag tells the keypad digits from the main ones).
    // Arrow keys tilt Up, Ctrl+Left/Right tilt its z; 1 to 4 choose the fixed
    // views and W the variable view. Other keys change nothing.
    void pressKey(int key, Qt::KeyboardModifiers modifiers);

    // Distance of the eye from the origin.
    double distance() const;

private:
    CameraView view_ = CameraView::Variable;
};
