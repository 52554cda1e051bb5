#pragma once

#include "controller/controllerframe.h"
#include "controller/linkaction.h"

#include <QByteArray>

// What the parts of the link state share: the address frames carry, the
// port and the connection, and whether Timer1 runs (so that the link asks
// for a start only of a stopped timer, and each start begins a fresh
// interval).
struct LinkContext {
    QByteArray address = kDefaultAddress;
    bool portOpen = false;
    bool connected = false; // the connect frame was acknowledged
    bool timerRunning = true;

    void startTimer(LinkActions& actions) {
        if (timerRunning)
            return;
        timerRunning = true;
        actions.push_back(LinkAction::startTimer());
    }
    void stopTimer(LinkActions& actions) {
        if (!timerRunning)
            return;
        timerRunning = false;
        actions.push_back(LinkAction::stopTimer());
    }
    // No check that the port is open: a write on a closed port fails in the
    // adapter with the port layer's error.
    static void send(const QByteArray& bytes, LinkActions& actions) {
        actions.push_back(LinkAction::write(bytes));
    }
};
