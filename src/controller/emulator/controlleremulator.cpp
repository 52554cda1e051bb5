#include "controller/emulator/controlleremulator.h"

#include "controller/controllerframe.h"

namespace {

constexpr qint64 kNsPerMs = 1'000'000;
// Work due within this much of now is done at once.
constexpr qint64 kDueToleranceNs = 300'000;

qint64 toNs(std::chrono::milliseconds ms) {
    return qint64(ms.count()) * kNsPerMs;
}

} // namespace

// The line and the timer are children, so that they move with the emulator to
// a thread of its own.
ControllerEmulator::ControllerEmulator(EmulatorOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options)), line_(this), dueTimer_(this),
      random_(options_.noiseSeed) {
    dueTimer_.setSingleShot(true);
    dueTimer_.setTimerType(Qt::PreciseTimer);
    connect(&dueTimer_, &QTimer::timeout, this, &ControllerEmulator::runDue);
    connect(&line_, &PseudoTerminal::readyRead, this, &ControllerEmulator::readLine);
}

ControllerEmulator::~ControllerEmulator() {
    stop();
}

Status ControllerEmulator::start() {
    if (running())
        return {};
    if (Status opened = openExecuted(); !opened)
        return opened;
    if (Status opened = line_.open(); !opened) {
        executed_.close();
        return opened;
    }
    clock_.start();
    inClockNs_ = outClockNs_ = 0;
    return {};
}

void ControllerEmulator::stop() {
    dueTimer_.stop();
    line_.close();
    executed_.close();
    partial_.clear();
    incoming_.clear();
    outgoing_.clear();
}

void ControllerEmulator::setOptions(const EmulatorOptions& options) {
    const bool reopen = running() && options.executedFile != options_.executedFile;
    options_ = options;
    random_.seed(options_.noiseSeed);
    if (reopen) {
        if (const Status opened = openExecuted(); !opened)
            qWarning("%s", qPrintable(opened.error()));
    }
}

Status ControllerEmulator::openExecuted() {
    executed_.close();
    if (options_.executedFile.isEmpty())
        return {};
    executed_.setFileName(options_.executedFile);
    if (!executed_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return Failure{tr("Nie można otworzyć pliku %1: %2")
                           .arg(options_.executedFile, executed_.errorString())};
    return {};
}

void ControllerEmulator::sendRaw(const QByteArray& bytes) {
    line_.write(bytes);
}

void ControllerEmulator::clearCounts() {
    acceptedLines_.clear();
    acceptedCommands_.clear();
    accepted_ = rejected_ = acksDue_ = 0;
}

QString ControllerEmulator::describe(const EmulatorLogEntry& entry) {
    QString shown;
    for (char byte : entry.line) {
        const auto c = uchar(byte);
        if (c == '\r')
            shown += QLatin1String("\\r");
        else if (c == '\n')
            shown += QLatin1String("\\n");
        else if (c >= 0x20 && c < 0x7f)
            shown += QLatin1Char(char(c));
        else
            shown += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
    }
    QString text = verdictText(entry.frame.verdict) + QLatin1Char(' ') + shown;
    if (!entry.reply.isEmpty())
        text += QStringLiteral(" -> ") + entry.reply;
    return text;
}

qint64 ControllerEmulator::byteNs() const {
    // 10 bits a byte: start bit, 8 data bits, stop bit.
    return options_.baudRate > 0 ? 10'000'000'000LL / options_.baudRate : 0;
}

void ControllerEmulator::readLine() {
    const QByteArray bytes = line_.readAvailable();
    if (!bytes.isEmpty())
        takeBytes(bytes, nowNs());
}

void ControllerEmulator::takeBytes(const QByteArray& bytes, qint64 nowNs) {
    const qint64 perByte = byteNs();
    qint64 clock = std::max(inClockNs_, nowNs);
    for (char byte : bytes) {
        clock += perByte;
        partial_.append(byte);
        if (byte == '\n' || partial_.size() > kMaxFrameLength) {
            incoming_.push_back({clock, partial_});
            partial_.clear();
        }
    }
    inClockNs_ = clock;
    runDue();
}

void ControllerEmulator::runDue() {
    const qint64 now = nowNs();
    while (!incoming_.empty() && incoming_.front().dueNs <= now + kDueToleranceNs) {
        const Timed line = std::move(incoming_.front());
        incoming_.pop_front();
        judge(line.bytes, line.dueNs);
    }
    while (!outgoing_.empty() && outgoing_.front().dueNs <= now + kDueToleranceNs) {
        Timed& next = outgoing_.front();
        if (next.gapNs > 0 && now < lastWriteNs_ + next.gapNs) {
            // Late timers must not merge what is meant to arrive apart.
            next.dueNs = lastWriteNs_ + next.gapNs;
            break;
        }
        line_.write(next.bytes);
        lastWriteNs_ = now;
        outgoing_.pop_front();
    }
    schedule();
}

void ControllerEmulator::schedule() {
    qint64 due = -1;
    if (!incoming_.empty())
        due = incoming_.front().dueNs;
    if (!outgoing_.empty() && (due < 0 || outgoing_.front().dueNs < due))
        due = outgoing_.front().dueNs;
    if (due < 0) {
        dueTimer_.stop();
        return;
    }
    // Whole milliseconds, rounded down: Qt's timers count no finer, and a
    // controller answers to the microsecond. A timer that fires early finds
    // nothing due and waits again for the rest (a zero interval under a
    // millisecond), so that no reply comes later than the line would bring it.
    const qint64 waitNs = std::max<qint64>(0, due - nowNs());
    dueTimer_.start(int(waitNs / kNsPerMs));
}

void ControllerEmulator::judge(const QByteArray& line, qint64 doneNs) {
    EmulatorLogEntry entry;
    entry.line = line;
    entry.frame = checkFrame(line, options_.address);
    if (entry.frame.verdict == FrameVerdict::Ok) {
        ++accepted_;
        if (options_.keepHistory) {
            QByteArrayList& list = entry.frame.function == FunctionCode::ProgramLine
                                       ? acceptedLines_
                                       : acceptedCommands_;
            list.append(entry.frame.payload);
        }
        reply(doneNs, entry);
    } else {
        ++rejected_;
    }
    emit frameChecked(entry);
}

void ControllerEmulator::reply(qint64 doneNs, EmulatorLogEntry& entry) {
    const int n = ++acksDue_;
    auto every = [n](int period) { return period > 0 && n % period == 0; };
    if (every(options_.dropEvery)) {
        entry.reply = tr("potwierdzenie pominięte");
        return;
    }
    const qint64 start = doneNs + toNs(options_.latency);
    qint64 gap = 0;
    if (every(options_.noiseEvery)) {
        QByteArray noise;
        const int length = 4 + int(random_.bounded(16));
        for (int i = 0; i < length; ++i)
            noise.append(char(0x21 + random_.bounded(0x5e)));
        queueOut(noise + kFrameEnd, start);
        gap = toNs(kSeparateGap);
    }
    const QByteArray ack = acknowledgementText(options_.address);
    if (options_.splitAcks) {
        queueOut(ack.left(3), start, gap);
        queueOut(ack.mid(3, ack.size() - 4), 0, toNs(kSplitGap));
        queueOut(ack.right(1), 0, toNs(kSplitGap));
    } else {
        queueOut(ack, start, gap);
    }
    if (executed_.isOpen() && entry.frame.function == FunctionCode::ProgramLine)
        executed_.write(entry.frame.payload + '\n');
    entry.reply = tr("potwierdzono");
    if (every(options_.duplicateEvery)) {
        queueOut(ack, 0, toNs(kSeparateGap));
        entry.reply = tr("potwierdzono dwukrotnie");
    }
}

void ControllerEmulator::queueOut(const QByteArray& bytes, qint64 earliestNs, qint64 gapNs) {
    const qint64 begin = std::max(outClockNs_, earliestNs) + gapNs;
    outClockNs_ = begin + byteNs() * bytes.size();
    outgoing_.push_back({outClockNs_, bytes, gapNs});
}
