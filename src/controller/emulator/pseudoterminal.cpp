#include "controller/emulator/pseudoterminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#ifdef __APPLE__
#include <util.h>
#else
#include <pty.h>
#endif
#include <termios.h>
#include <unistd.h>

namespace {

Failure systemFailure(const char* what) {
    return Failure{QStringLiteral("%1: %2").arg(QLatin1String(what),
                                                QString::fromLocal8Bit(std::strerror(errno)))};
}

} // namespace

PseudoTerminal::PseudoTerminal(QObject* parent) : QObject(parent) {}

PseudoTerminal::~PseudoTerminal() {
    close();
}

Status PseudoTerminal::open() {
    if (isOpen())
        return {};
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B19200);
    cfsetospeed(&raw, B19200);
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
        master_ = slave_ = -1;
        return systemFailure("openpty");
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    path_ = QString::fromLocal8Bit(name);
    readNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, &PseudoTerminal::readyRead);
    writeNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Write, this);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &PseudoTerminal::flush);
    return {};
}

void PseudoTerminal::close() {
    if (!isOpen())
        return;
    delete readNotifier_;
    delete writeNotifier_;
    readNotifier_ = writeNotifier_ = nullptr;
    ::close(slave_);
    ::close(master_);
    master_ = slave_ = -1;
    pending_.clear();
}

QByteArray PseudoTerminal::readAvailable() {
    QByteArray bytes;
    if (!isOpen())
        return bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        bytes.append(buffer, n);
        if (n < ssize_t(sizeof buffer))
            break;
    }
    return bytes;
}

void PseudoTerminal::write(const QByteArray& bytes) {
    if (!isOpen() || bytes.isEmpty())
        return;
    pending_ += bytes;
    flush();
}

void PseudoTerminal::flush() {
    while (!pending_.isEmpty()) {
        const ssize_t n = ::write(master_, pending_.constData(), size_t(pending_.size()));
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            pending_.clear(); // the line is gone
            break;
        }
        if (n <= 0)
            break; // the line is full: wait until it drains
        pending_.remove(0, n);
    }
    writeNotifier_->setEnabled(!pending_.isEmpty());
}
