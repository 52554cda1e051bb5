#include "sendsession.h"

#include "command.h"
#include "layeroptions.h"

#include "base/numberformat.h"
#include "controller/linktexts.h"
#include "controller/sleepinhibitor.h"

#include <QFileInfo>

#include <csignal>
#include <cstdio>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// SIGINT and SIGTERM reach the event loop through a socket pair: the
// handler only writes a byte.
int gSignalSocket[2] = {-1, -1};

void onStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalSocket[0], &byte, 1);
}

class StopSignals {
public:
    StopSignals() {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalSocket) != 0)
            return;
        notifier_.emplace(gSignalSocket[1], QSocketNotifier::Read);
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGINT, &action, &oldInt_);
        ::sigaction(SIGTERM, &action, &oldTerm_);
    }
    ~StopSignals() {
        ::sigaction(SIGINT, &oldInt_, nullptr);
        ::sigaction(SIGTERM, &oldTerm_, nullptr);
        notifier_.reset();
        for (int& fd : gSignalSocket) {
            if (fd >= 0)
                ::close(fd);
            fd = -1;
        }
    }
    // Calls `handler` on the event loop for each signal.
    template <typename Handler> void onSignal(QObject* context, Handler handler) {
        if (!notifier_)
            return;
        QObject::connect(&*notifier_, &QSocketNotifier::activated, context, [handler] {
            char byte = 0;
            [[maybe_unused]] const ssize_t got = ::read(gSignalSocket[1], &byte, 1);
            handler();
        });
    }

private:
    std::optional<QSocketNotifier> notifier_;
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};

// The progress line on standard error.
QString progressText(const TransferFigures& f) {
    const int percent = f.total > 0 ? int(qint64(f.acknowledged) * 100 / f.total) : 100;
    QString text =
        QCoreApplication::translate("cli", "%1/%2 (%3%), %4 linii/s, ponowienia %5, pozostało %6")
            .arg(f.acknowledged)
            .arg(f.total)
            .arg(percent)
            .arg(f.linesPerSecond, 0, 'f', 1)
            .arg(f.resends)
            .arg(FormatDuration(f.left));
    if (f.stalled)
        text += QCoreApplication::translate("cli", " - brak potwierdzenia od %1 s")
                    .arg(f.silent.count() / 1000);
    return text;
}

TransferModel modelFor(BaudRate baud) {
    TransferModel model;
    model.baud = baudRateValue(baud);
    return model;
}

} // namespace

SendSession::SendSession(const SendSessionOptions& options, const LineListProgram& program,
                         JournalKeeper& journal)
    : options_(options), program_(program), journal_(journal), sequence_(link_),
      progress_(modelFor(options.baud)), input_(STDIN_FILENO, QSocketNotifier::Read) {
    PortSettings settings;
    settings.port = options_.port;
    settings.baudRate = options_.baud;
    link_.setSettingsSource([settings]() -> Result<PortSettings> { return settings; });
    link_.setProgram(&program_);
    progress_.setProgram(&program_);
    terminal_ = ::isatty(STDERR_FILENO) == 1;
    input_.setEnabled(false);
}

bool SendSession::openTrace() {
    if (options_.trace.isEmpty())
        return true;
    if (const Status opened = trace_.open(options_.trace); !opened) {
        cli::err(opened.error());
        return false;
    }
    link_.setTrace(&trace_);
    return true;
}

int SendSession::run() {
    if (!openTrace())
        return 1;
    bindProgress(); // before the journal keeper moves to the link's thread
    if (options_.keepJournal)
        link_.keepJournal(journal_, QFileInfo(options_.file).absoluteFilePath());
    bindLink();
    StopSignals stopSignals;
    stopSignals.onSignal(this, [this] { stopAsked(); });
    // The machine stays awake while the program goes.
    SleepInhibitor awake;
    awake.follow(link_);
    connect(&awake, &SleepInhibitor::unavailable, this,
            [](const QString& text) { cli::err(text); });
    link_.start();
    link_.programPrepared();
    // Without --home the operator vouches for the arm's reference point, as
    // the command has always taken it. Line 0 goes at once: an
    // acknowledgement that came before it (a doubled one) cannot be taken
    // for its.
    sequence_.begin(
        options_.from, [home = options_.home] { return home; }, TransferStart::AtOnce);
    link_.connectChosen();
    if (result_)
        return *result_; // the port did not open
    silence_.start();
    return loop_.exec();
}

void SendSession::bindProgress() {
    silence_.setSingleShot(true);
    silence_.setInterval(std::chrono::duration_cast<std::chrono::milliseconds>(options_.timeout));
    connect(&silence_, &QTimer::timeout, this, [this] {
        finish(1, QCoreApplication::translate("cli", "Brak odpowiedzi sterownika od %1 s")
                      .arg(options_.timeout.count()));
    });
    redraw_.setInterval(terminal_ ? std::chrono::milliseconds(250)
                                  : std::chrono::milliseconds(1000));
    connect(&redraw_, &QTimer::timeout, this, &SendSession::showProgress);
    // A program stop waits for the operator's Enter (or the end of standard
    // input) before the transfer goes on.
    connect(&input_, &QSocketNotifier::activated, this, &SendSession::inputReady);
    connect(&journal_, &JournalKeeper::failed, this, [this](const QString& text) {
        clearProgress();
        cli::err(text);
    });
}

void SendSession::bindLink() {
    connect(&link_, &ControllerLink::received, &silence_, qOverload<>(&QTimer::start));
    connect(&link_, &ControllerLink::portBusy, this,
            [](const QString& port) { cli::err(LinkTexts::portBusy(port)); });
    connect(&link_, &ControllerLink::errorRaised, this,
            [this](const QString& text) { finish(1, text); });
    connect(&link_, &ControllerLink::transferChanged, this, &SendSession::transferStep);
    connect(&link_, &ControllerLink::noticeRaised, this, [this](const QString& text) {
        const bool aborted =
            progress_.figures(TransferProgress::Clock::now()).ended == TransferStep::Aborted;
        finish(aborted ? 3 : 0, text);
    });
    connect(&link_, &ControllerLink::logAppended, this,
            [](const QByteArray& line) { cli::out(line + '\n'); });
    connect(&link_, &ControllerLink::eventOccurred, this, &SendSession::linkEvent);
}

void SendSession::linkEvent(LinkEvent event) {
    if (link_.transferActive())
        return;
    if (event == LinkEvent::Connected)
        cli::err(LinkTexts::connected());
    else if (event == LinkEvent::ReferenceTravelled && options_.home)
        cli::err(LinkTexts::referenceTravel());
}

void SendSession::transferStep(const TransferEvent& event) {
    progress_.handle(event, TransferProgress::Clock::now());
    switch (event.step) {
    case TransferStep::Started:
        started_ = true;
        redraw_.start();
        return;
    case TransferStep::Held:
        silence_.stop(); // silence while the transfer holds is the operator's
        if (event.hold != TransferHold::PenChange)
            return;
        clearProgress();
        if (const QString notice = cli::StopNotice(options_.stopNotices, program_, event.index);
            !notice.isEmpty())
            cli::err(notice);
        cli::err(QCoreApplication::translate(
                     "cli", "Zmiana pisaka przed linią %1: załóż następny pisak i naciśnij Enter")
                     .arg(event.index + 1));
        input_.setEnabled(true);
        return;
    case TransferStep::Resumed:
        silence_.start();
        return;
    default:
        return;
    }
}

void SendSession::inputReady() {
    char byte = 0;
    const ssize_t got = ::read(STDIN_FILENO, &byte, 1);
    if (got == 1 && byte != '\n')
        return; // the rest of the line
    input_.setEnabled(false);
    link_.resumeChosen();
}

void SendSession::stopAsked() {
    ++stopsAsked_;
    const ControllerLinkState& state = link_.state();
    if (!state.sending() || stopsAsked_ > 1) {
        const int reached = state.sending() ? state.blockIndex() + 1 : options_.from + 1;
        finish(3, LinkTexts::transferAbortedAt(reached));
        return;
    }
    clearProgress();
    cli::err(QCoreApplication::translate("cli", "Przerywanie wysyłania po wierszu w drodze..."));
    link_.abortChosen();
}

void SendSession::clearProgress() {
    if (terminal_ && progressShown_)
        std::fputs("\r\033[K", stderr);
    progressShown_ = false;
}

void SendSession::showProgress() {
    if (!link_.state().sending())
        return;
    const QByteArray text =
        progressText(progress_.figures(TransferProgress::Clock::now())).toLocal8Bit();
    if (terminal_) {
        std::fprintf(stderr, "\r\033[K%s", text.constData());
        std::fflush(stderr);
        progressShown_ = true;
    } else {
        std::fprintf(stderr, "%s\n", text.constData());
    }
}

void SendSession::finish(int code, const QString& text) {
    clearProgress();
    if (started_) {
        const QByteArray last =
            progressText(progress_.figures(TransferProgress::Clock::now())).toLocal8Bit();
        std::fprintf(stderr, "%s\n", last.constData());
        started_ = false;
    }
    cli::err(text);
    if (!result_)
        result_ = code;
    loop_.exit(code);
}
