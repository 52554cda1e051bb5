#pragma once

#include "controller/widgets/controllercontrols.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

// Keeps a traffic lamp (RX, TX) lit for at least kHold after it was last
// lit, so that a lamp lit for one byte and put out a moment later can still
// be seen. Lighting shows at once; putting out waits for the rest of the
// hold, and lighting again meanwhile cancels it.
class HeldLamp : public QObject, public SignalLamp {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kHold{100};

    // `lamp` is not owned and must outlive this object's timer.
    explicit HeldLamp(SignalLamp* lamp, QObject* parent = nullptr);

    void setLit(bool lit) override;

private:
    SignalLamp* lamp_;
    QElapsedTimer litAt_;
    QTimer putOut_;
};
