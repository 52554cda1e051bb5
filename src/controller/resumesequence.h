#pragma once

#include "controller/linkaction.h"
#include "controller/programtransfer.h"

#include <QObject>

#include <functional>

class ControllerLink;

// The steps of going on with a transfer: once the link is connected, the
// reference travel when wanted (the controller may have lost its position),
// then sending from a line. Without the reference travel the operator
// vouches for the reference point the arm had.
class ResumeSequence : public QObject {
    Q_OBJECT
public:
    // Asked once the link is connected: whether the reference travel goes
    // first.
    using TravelQuestion = std::function<bool()>;

    explicit ResumeSequence(ControllerLink& link, QObject* parent = nullptr);

    // Sends from line `from` (counted from 0): at once when the link is
    // connected, otherwise when it connects.
    void begin(int from, TravelQuestion travelFirst,
               TransferStart start = TransferStart::AtNextTick);
    bool waiting() const { return step_ != Step::Idle; }

private:
    enum class Step { Idle, Connecting, Travelling };

    void linkEvent(LinkEvent event);
    void connected();
    void send();

    ControllerLink& link_;
    Step step_ = Step::Idle;
    int from_ = 0;
    TravelQuestion travelFirst_;
    TransferStart start_ = TransferStart::AtNextTick;
};
