// The machine stays awake while a transfer runs or holds: a logind
// inhibitor taken on a private D-Bus bus from a stand-in login1 service,
// and let go as the transfer ends.
#include "controller/sleepinhibitor.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusUnixFileDescriptor>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// org.freedesktop.login1.Manager as far as Inhibit goes: each call gets the
// write end of a pipe; the read end tells when every copy was closed.
class StandInLogin : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    QStringList calls; // "what|who|why|mode"
    int readEnd = -1;

    ~StandInLogin() override {
        if (readEnd >= 0)
            ::close(readEnd);
    }
    // Every copy of the write end is closed.
    bool released() const {
        pollfd watched{readEnd, POLLIN, 0};
        if (::poll(&watched, 1, 0) <= 0)
            return false;
        char byte = 0;
        return ::read(readEnd, &byte, 1) == 0;
    }

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                    const QString& mode) {
        calls << QStringList{what, who, why, mode}.join(QLatin1Char('|'));
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            return {};
        if (readEnd >= 0)
            ::close(readEnd);
        readEnd = ends[0];
        QDBusUnixFileDescriptor given(ends[1]); // a copy goes to the caller
        ::close(ends[1]);
        return given;
    }
};

TransferEvent step(TransferStep what) {
    return TransferEvent{what, 0};
}

} // namespace

class TestSleepInhibitor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void heldWhileTheTransferRunsOrHolds_data();
    void heldWhileTheTransferRunsOrHolds();
    void withoutLogindTheTransferGoesOn();

private:
    QProcess daemon_;
    QString address_;
};

void TestSleepInhibitor::initTestCase() {
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"),
                   QStringLiteral("--print-address=1")});
    if (!daemon_.waitForStarted())
        QSKIP("dbus-daemon is not installed (scripts/install-deps installs it)");
    QTRY_VERIFY(daemon_.canReadLine());
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    QVERIFY(!address_.isEmpty());
}

void TestSleepInhibitor::cleanupTestCase() {
    daemon_.terminate();
    daemon_.waitForFinished();
}

void TestSleepInhibitor::heldWhileTheTransferRunsOrHolds_data() {
    QTest::addColumn<TransferStep>("end");
    QTest::newRow("finished") << TransferStep::Finished;
    QTest::newRow("aborted") << TransferStep::Aborted;
}

void TestSleepInhibitor::heldWhileTheTransferRunsOrHolds() {
    QFETCH(TransferStep, end);
    const QString name = QStringLiteral("login-%1").arg(QTest::currentDataTag());
    QDBusConnection service =
        QDBusConnection::connectToBus(address_, name + QStringLiteral("-service"));
    QVERIFY(service.isConnected());
    StandInLogin login;
    QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/login1"), &login,
                                   QDBusConnection::ExportAllSlots));
    QVERIFY(service.registerService(QStringLiteral("org.freedesktop.login1")));

    SleepInhibitor inhibitor(
        QDBusConnection::connectToBus(address_, name + QStringLiteral("-station")));
    QSignalSpy unavailable(&inhibitor, &SleepInhibitor::unavailable);
    inhibitor.handle(step(TransferStep::Started));
    QTRY_VERIFY(inhibitor.holding());
    QCOMPARE(login.calls.size(), 1);
    QVERIFY2(login.calls[0].startsWith(u"sleep:idle|SCARA Station|"), qPrintable(login.calls[0]));
    QVERIFY(login.calls[0].endsWith(u"|block"));
    QVERIFY(!login.released());

    // A hold, a resume and the lines between keep it; nothing is asked again.
    for (TransferStep middle : {TransferStep::LineSent, TransferStep::LineAcknowledged,
                                TransferStep::Held, TransferStep::Resumed}) {
        inhibitor.handle(step(middle));
        QVERIFY(inhibitor.holding());
    }
    QVERIFY(!login.released());

    inhibitor.handle(step(end));
    QVERIFY(!inhibitor.holding());
    QTRY_VERIFY_WITH_TIMEOUT(login.released(), 1000);
    QCOMPARE(login.calls.size(), 1);
    QCOMPARE(unavailable.count(), 0);
    service.unregisterService(QStringLiteral("org.freedesktop.login1"));
    QDBusConnection::disconnectFromBus(name + QStringLiteral("-service"));
    QDBusConnection::disconnectFromBus(name + QStringLiteral("-station"));
}

// No login1 service on the bus: said once, and nothing else changes.
void TestSleepInhibitor::withoutLogindTheTransferGoesOn() {
    SleepInhibitor inhibitor(QDBusConnection::connectToBus(address_, QStringLiteral("alone")));
    QSignalSpy unavailable(&inhibitor, &SleepInhibitor::unavailable);
    for (int transfer = 0; transfer < 2; ++transfer) {
        inhibitor.handle(step(TransferStep::Started));
        if (transfer == 0)
            QTRY_COMPARE(unavailable.count(), 1);
        inhibitor.handle(step(TransferStep::Finished));
    }
    QTRY_VERIFY(!inhibitor.holding());
    QCOMPARE(unavailable.count(), 1);
    QVERIFY(unavailable.at(0).at(0).toString().contains(u"uśpienia"));
}

QTEST_GUILESS_MAIN(TestSleepInhibitor)
#include "tst_controller_inhibitor.moc"
