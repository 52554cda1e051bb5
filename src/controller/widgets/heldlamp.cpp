#include "controller/widgets/heldlamp.h"

HeldLamp::HeldLamp(SignalLamp* lamp, QObject* parent) : QObject(parent), lamp_(lamp) {
    putOut_.setSingleShot(true);
    putOut_.setTimerType(Qt::PreciseTimer);
    connect(&putOut_, &QTimer::timeout, this, [this] { lamp_->setLit(false); });
}

void HeldLamp::setLit(bool lit) {
    if (lit) {
        putOut_.stop();
        litAt_.start();
        lamp_->setLit(true);
        return;
    }
    const auto shown =
        std::chrono::milliseconds(litAt_.isValid() ? litAt_.elapsed() : kHold.count());
    if (shown >= kHold) {
        putOut_.stop();
        lamp_->setLit(false);
        return;
    }
    putOut_.start(kHold - shown);
}
