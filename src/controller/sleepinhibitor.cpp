#include "controller/sleepinhibitor.h"

#include "controller/controllerlink.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kInterface = QStringLiteral("org.freedesktop.login1.Manager");

} // namespace

SleepInhibitor::SleepInhibitor(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {}

void SleepInhibitor::follow(ControllerLink& link) {
    connect(&link, &ControllerLink::transferChanged, this, &SleepInhibitor::handle);
}

void SleepInhibitor::handle(const TransferEvent& event) {
    switch (event.step) {
    case TransferStep::Started:
        wanted_ = true;
        hold();
        return;
    case TransferStep::Finished:
    case TransferStep::Aborted:
        wanted_ = false;
        release();
        return;
    case TransferStep::LineSent:
    case TransferStep::LineResent:
    case TransferStep::LineAcknowledged:
    case TransferStep::Held: // a held transfer goes on later: the machine stays awake
    case TransferStep::Resumed:
        return;
    }
}

void SleepInhibitor::hold() {
    if (holding() || asking_)
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("SCARA Station")
         << QCoreApplication::translate("SleepInhibitor",
                                        "Wysyłanie programu do sterownika ramienia")
         << QStringLiteral("block");
    asking_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                asking_ = false;
                const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *done;
                if (reply.isError()) {
                    if (!std::exchange(saidOnce_, true))
                        emit unavailable(
                            QCoreApplication::translate(
                                "SleepInhibitor",
                                "Nie można zablokować uśpienia komputera na czas wysyłania (%1): "
                                "wysyłanie trwa bez tej blokady")
                                .arg(reply.error().message()));
                    return;
                }
                held_ = reply.value();
                if (!wanted_)
                    release(); // the transfer ended while the call was on its way
            });
}

void SleepInhibitor::release() {
    held_ = QDBusUnixFileDescriptor(); // closes the descriptor: logind lets go
}
