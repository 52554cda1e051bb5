#include "controller/transferjournal.h"

#include "base/numberformat.h"
#include "controller/framechecksum.h"
#include "controller/programsource.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QSaveFile>

#include <QFileInfo>

#include <cmath>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QByteArray kMagic = "SCARA-DZIENNIK";
constexpr int kHeaderLines = 4;

// The line with its check and LF.
QByteArray checked(const QByteArray& body) {
    return body + ' ' + checksumDigits(FrameChecksum(body)) + '\n';
}

// The body of a line whose check matches, or nothing.
std::optional<QByteArray> verified(const QByteArray& line) {
    const qsizetype space = line.lastIndexOf(' ');
    if (space < 0 || line.size() - space - 1 != 4)
        return std::nullopt;
    const QByteArray body = line.left(space);
    if (checksumDigits(FrameChecksum(body)) != line.mid(space + 1))
        return std::nullopt;
    return body;
}

QByteArray encoded(const QByteArray& text) {
    return text.isEmpty() ? QByteArray("%") : text.toPercentEncoding();
}

QByteArray decoded(const QByteArray& text) {
    return text == "%" ? QByteArray() : QByteArray::fromPercentEncoding(text);
}

QByteArray recordBody(int line, const PenPoint& point) {
    return "A " + QByteArray::number(line) + ' ' + encoded(point.x) + ' ' + encoded(point.y) + ' ' +
           (point.penDown ? '1' : '0');
}

// A header field "<name> <value>".
std::optional<QByteArray> field(const QByteArray& body, const char* name) {
    const QByteArray prefix = QByteArray(name) + ' ';
    if (!body.startsWith(prefix))
        return std::nullopt;
    return body.mid(prefix.size());
}

// A whole number of at most nine digits, or -1.
int wholeNumber(const QByteArray& text) {
    if (text.isEmpty() || text.size() > 9)
        return -1;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
    }
    return text.toInt();
}

bool isHash(const QByteArray& text) {
    if (text.size() != 64)
        return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

// A coordinate as a program line writes it, or none yet: a number, and one
// no drawing comes near the end of (not NaN, infinite or 1e308).
bool plausibleCoordinate(const QByteArray& text) {
    if (text.isEmpty())
        return true;
    constexpr double kFarthest = 1e9;
    const Result<double> value = ParseReal(text);
    return value && std::isfinite(*value) && std::abs(*value) <= kFarthest;
}

// One record; nothing when it is not a valid one for a program of `lines`.
std::optional<std::pair<int, PenPoint>> parseRecord(const QByteArray& line, int lines) {
    const std::optional<QByteArray> body = verified(line);
    if (!body)
        return std::nullopt;
    const QByteArrayList words = body->split(' ');
    if (words.size() != 5 || words[0] != "A" || (words[4] != "0" && words[4] != "1"))
        return std::nullopt;
    const int index = wholeNumber(words[1]);
    if (index < 0 || index >= lines)
        return std::nullopt;
    PenPoint point;
    point.x = decoded(words[2]);
    point.y = decoded(words[3]);
    point.penDown = words[4] == "1";
    if (!plausibleCoordinate(point.x) || !plausibleCoordinate(point.y))
        return std::nullopt;
    return std::pair{index, point};
}

QByteArray abortBody(int line) {
    return "P " + QByteArray::number(line);
}

// An abort record; nothing when the line is not one.
std::optional<int> parseAbort(const QByteArray& line, int lines) {
    const std::optional<QByteArray> body = verified(line);
    if (!body || !body->startsWith("P "))
        return std::nullopt;
    const int index = wholeNumber(body->mid(2));
    if (index < 0 || index > lines)
        return std::nullopt;
    return index;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Makes the folder's entries (a renamed file) durable too.
void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Reads the records after the header into `state`; false when a record ends
// what can be trusted (then the state says its tail is damaged).
bool readRecords(const QByteArrayList& lines, JournalState& state) {
    // Records the station writes go line after line, and an abort, the last
    // of them, names the line after the last one acknowledged. A record that
    // breaks this (or is damaged) ends what can be trusted.
    for (qsizetype i = kHeaderLines; i < lines.size(); ++i) {
        const bool first = i == kHeaderLines;
        const int next = state.lastAcknowledged + 1;
        if (const std::optional<int> aborted = parseAbort(lines[i], state.program.lines);
            aborted && !state.abortedAt && (first || *aborted == next)) {
            state.abortedAt = *aborted;
            continue;
        }
        const auto record = parseRecord(lines[i], state.program.lines);
        if (!record || state.abortedAt || (!first && record->first != next)) {
            state.damagedTail = true;
            return false;
        }
        state.lastAcknowledged = record->first;
        state.point = record->second;
    }
    return true;
}

} // namespace

QByteArray ProgramHash(const ProgramSource& program) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int i = 0; i < program.lineCount(); ++i) {
        hash.addData(program.lineAt(i).value_or(QByteArray()));
        hash.addData(QByteArrayView("\n"));
    }
    return hash.result().toHex();
}

Result<JournalState> ReadJournal(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{JournalTexts::cannotRead(path, file.errorString())};
    // A journal holds a few hundred bytes a line at most; anything far larger
    // is not one.
    constexpr qint64 kLargest = qint64(1) << 30;
    if (file.size() > kLargest)
        return Failure{JournalTexts::damaged(path)};
    const QByteArray bytes = file.readAll();
    QByteArrayList lines = bytes.split('\n');
    const QByteArray tail = lines.takeLast(); // after the last LF: cut short
    if (!lines.isEmpty() || !tail.isEmpty()) {
        const QByteArray first = lines.isEmpty() ? tail : lines.first();
        if (!first.startsWith(kMagic + ' '))
            return Failure{lines.isEmpty() && kMagic.startsWith(first)
                               ? JournalTexts::truncated(path)
                               : JournalTexts::damaged(path)};
        const QByteArray version = first.mid(kMagic.size() + 1).split(' ').value(0);
        if (version != QByteArray::number(kJournalVersion))
            return Failure{JournalTexts::otherVersion(path, QString::fromLatin1(version))};
    }
    if (lines.size() < kHeaderLines)
        return Failure{JournalTexts::truncated(path)};

    std::optional<QByteArray> header[kHeaderLines];
    for (int i = 0; i < kHeaderLines; ++i)
        header[i] = verified(lines[i]);
    if (!header[0] || !header[1] || !header[2] || !header[3])
        return Failure{JournalTexts::damaged(path)};
    const std::optional<QByteArray> file64 = field(*header[1], "program");
    const std::optional<QByteArray> hash = field(*header[2], "hash");
    const std::optional<QByteArray> count = field(*header[3], "lines");
    if (!file64 || !hash || !count || !isHash(*hash) || wholeNumber(*count) < 1)
        return Failure{JournalTexts::damaged(path)};

    JournalState state;
    state.program.file = QString::fromUtf8(decoded(*file64));
    state.program.hash = *hash;
    state.program.lines = wholeNumber(*count);
    if (!readRecords(lines, state))
        return state;
    state.damagedTail = !tail.isEmpty();
    return state;
}

Result<QString> SetJournalAside(const QString& path) {
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString aside = path + QStringLiteral(".odlozony-") + stamp;
    if (!QFile::rename(path, aside))
        return Failure{JournalTexts::cannotWrite(
            aside,
            QFile(path).exists()
                ? QCoreApplication::translate("TransferJournal", "zmiana nazwy nie powiodła się")
                : QCoreApplication::translate("TransferJournal", "brak pliku"))};
    return aside;
}

// --- TransferJournal ---------------------------------------------------------

TransferJournal::~TransferJournal() {
    close();
}

Status TransferJournal::begin(const QString& path, const JournalProgram& program, int from,
                              const PenPoint& before) {
    close();
    QByteArray header;
    header += checked(kMagic + ' ' + QByteArray::number(kJournalVersion));
    header += checked("program " + encoded(program.file.toUtf8()));
    header += checked("hash " + program.hash);
    header += checked("lines " + QByteArray::number(program.lines));
    if (from > 0)
        header += checked(recordBody(from - 1, before));
    QSaveFile save(path);
    if (!save.open(QIODevice::WriteOnly) || save.write(header) != header.size() || !save.flush() ||
        ::fdatasync(save.handle()) != 0 || !save.commit())
        return Failure{JournalTexts::cannotWrite(path, save.errorString())};
    syncFolderOf(path);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return Failure{JournalTexts::cannotWrite(path, file->errorString())};
    file_ = std::move(file);
    path_ = path;
    unsynced_ = false;
    lastSync_ = Clock::now();
    return {};
}

Status TransferJournal::append(const QByteArray& line) {
    if (!file_)
        return {};
    if (file_->write(line) != line.size())
        return Failure{JournalTexts::cannotWrite(path_, file_->errorString())};
    unsynced_ = true;
    return {};
}

Status TransferJournal::recordAcknowledged(int line, const PenPoint& after, Clock::time_point now) {
    if (Status written = append(checked(recordBody(line, after))); !written)
        return written;
    if (now - lastSync_ >= kSyncInterval)
        return sync(now);
    return {};
}

Status TransferJournal::recordAborted(int line) {
    if (Status written = append(checked(abortBody(line))); !written)
        return written;
    return sync();
}

Status TransferJournal::sync(Clock::time_point now) {
    if (!file_ || !unsynced_)
        return {};
    unsynced_ = false;
    lastSync_ = now;
    if (::fdatasync(file_->handle()) != 0)
        return Failure{JournalTexts::cannotWrite(path_, QString::fromLocal8Bit(strerror(errno)))};
    return {};
}

Status TransferJournal::remove() {
    if (!file_)
        return {};
    file_.reset();
    if (!QFile::remove(path_) && QFile::exists(path_))
        return Failure{JournalTexts::cannotWrite(path_, tr("nie można usunąć"))};
    return {};
}

void TransferJournal::close() {
    if (!file_)
        return;
    sync();
    file_.reset();
}

// --- Texts --------------------------------------------------------------------

namespace JournalTexts {
QString cannotRead(const QString& path, const QString& reason) {
    return QCoreApplication::translate("JournalTexts",
                                       "Nie można odczytać dziennika wysyłania %1: %2")
        .arg(shown(path), reason);
}
QString truncated(const QString& path) {
    return QCoreApplication::translate("JournalTexts", "Dziennik wysyłania %1 jest niepełny")
        .arg(shown(path));
}
QString damaged(const QString& path) {
    return QCoreApplication::translate("JournalTexts", "Dziennik wysyłania %1 jest uszkodzony")
        .arg(shown(path));
}
QString otherVersion(const QString& path, const QString& version) {
    return QCoreApplication::translate(
               "JournalTexts", "Dziennik wysyłania %1 pochodzi z innej wersji programu (wersja %2)")
        .arg(shown(path), version.left(20));
}
QString programMissing(const QString& path, const QString& program) {
    return QCoreApplication::translate("JournalTexts",
                                       "Dziennik wysyłania %1 wskazuje plik %2, którego już nie ma")
        .arg(shown(path), shown(program));
}
QString programDiffers(const QString& path) {
    return QCoreApplication::translate(
               "JournalTexts",
               "Program różni się od wysyłanego według dziennika %1: wznowienie odrzucone")
        .arg(shown(path));
}
QString setAside(const QString& newPath) {
    return QCoreApplication::translate("JournalTexts", "Dziennik odłożono jako %1")
        .arg(shown(newPath));
}
QString cannotWrite(const QString& path, const QString& reason) {
    return QCoreApplication::translate("JournalTexts",
                                       "Nie można zapisać dziennika wysyłania %1: %2")
        .arg(shown(path), reason);
}
QString inUse(const QString& path) {
    return QCoreApplication::translate("JournalTexts",
                                       "Dziennik wysyłania %1 jest używany przez inny proces")
        .arg(shown(path));
}
QString damagedTail(const QString& path) {
    return QCoreApplication::translate(
               "JournalTexts", "Koniec dziennika wysyłania %1 jest niepełny lub uszkodzony: "
                               "wznowienie od ostatniej linii, której potwierdzenie jest "
                               "pewne")
        .arg(shown(path));
}
QString alreadyDone(const QString& path) {
    return QCoreApplication::translate("JournalTexts",
                                       "Według dziennika %1 program został wysłany w całości")
        .arg(shown(path));
}
} // namespace JournalTexts
