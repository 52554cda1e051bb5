#pragma once

#include "controller/linkaction.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>

class ControllerLink;

// Keeps the machine awake while a transfer runs or holds: an hours-long job
// must not stop because the desktop went to sleep. It asks systemd-logind
// for a "sleep:idle" inhibitor (org.freedesktop.login1.Manager.Inhibit, in
// the "block" mode), naming the station and the reason, when a transfer
// starts, and lets it go (closes its descriptor) as soon as the transfer
// ends or is aborted. The call never waits: the reply comes through the
// event loop. Without logind (a container, another init) the transfer goes
// on, and unavailable() says so once.
class SleepInhibitor : public QObject {
    Q_OBJECT
public:
    explicit SleepInhibitor(QDBusConnection bus = QDBusConnection::systemBus(),
                            QObject* parent = nullptr);

    // Follows `link`'s transfers.
    void follow(ControllerLink& link);
    // One step of a transfer, as the link reports it.
    void handle(const TransferEvent& event);

    // An inhibitor is held now.
    bool holding() const { return held_.isValid(); }

signals:
    // logind could not be asked (said once a run).
    void unavailable(const QString& text);

private:
    void hold();
    void release();

    QDBusConnection bus_;
    QDBusUnixFileDescriptor held_;
    bool wanted_ = false; // a transfer runs or holds
    bool asking_ = false; // a call is on its way
    bool saidOnce_ = false;
};
