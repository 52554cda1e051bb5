#include "controller/resumesequence.h"

#include "controller/controllerlink.h"

ResumeSequence::ResumeSequence(ControllerLink& link, QObject* parent)
    : QObject(parent), link_(link) {
    // Queued: the question may be modal, and the link must not be fed while
    // it carries out the actions that reported the event.
    connect(&link_, &ControllerLink::eventOccurred, this, &ResumeSequence::linkEvent,
            Qt::QueuedConnection);
}

void ResumeSequence::begin(int from, TravelQuestion travelFirst, TransferStart start) {
    from_ = from;
    travelFirst_ = std::move(travelFirst);
    start_ = start;
    step_ = Step::Connecting;
    if (link_.state().connected())
        connected();
}

void ResumeSequence::linkEvent(LinkEvent event) {
    if (link_.transferActive())
        return;
    if (event == LinkEvent::Connected && step_ == Step::Connecting)
        connected();
    else if (event == LinkEvent::ReferenceTravelled && step_ == Step::Travelling)
        send();
}

void ResumeSequence::connected() {
    if (travelFirst_ && travelFirst_()) {
        step_ = Step::Travelling;
        link_.referenceTravelChosen();
        return;
    }
    link_.trustReference();
    send();
}

void ResumeSequence::send() {
    step_ = Step::Idle;
    link_.sendProgramFrom(from_, start_);
}
