#include "gcode/programtext.h"

#include "base/memoryadvice.h"
#include "base/windows1250.h"

#include <cstring>
#include <functional>

namespace {
// The offsets of a text without lines, shared by every empty text.
const QList<qsizetype>& noLines() {
    static const QList<qsizetype> starts{0};
    return starts;
}
} // namespace

ProgramText::ProgramText() : starts_(noLines()) {}

ProgramText::ProgramText(ProgramText&& other) noexcept
    : bytes_(std::move(other.bytes_)), starts_(std::move(other.starts_)) {
    other.starts_ = noLines();
}

ProgramText& ProgramText::operator=(ProgramText&& other) noexcept {
    if (this != &other) {
        bytes_ = std::move(other.bytes_);
        starts_ = std::move(other.starts_);
        other.bytes_ = QByteArray();
        other.starts_ = noLines();
    }
    return *this;
}

// Lines are moved down over their line ends within the same buffer, so
// reading a file needs no second copy of its bytes. Line ends are found with
// memchr: the next LF, and a CR before it (CR LF, or a lone CR).
ProgramText ProgramText::fromBytes(QByteArray bytes) {
    ProgramText text;
    const qsizetype size = bytes.size();
    if (size == 0)
        return text;
    char* data = bytes.data();
    text.starts_.reserve(size / 24 + 16);
    AdviseLargeBuffer(text.starts_.data(),
                      std::size_t(text.starts_.capacity()) * sizeof(qsizetype));
    qsizetype read = 0;
    qsizetype write = 0;
    qsizetype lf = -1; // position of the next LF at or after `read`, size if none
    while (read < size) {
        if (lf < read) {
            const void* p = std::memchr(data + read, '\n', std::size_t(size - read));
            lf = p ? static_cast<const char*>(p) - data : size;
        }
        const void* cr = std::memchr(data + read, '\r', std::size_t(lf - read));
        const qsizetype end = cr ? static_cast<const char*>(cr) - data : lf;
        const qsizetype length = end - read;
        if (write != read)
            std::memmove(data + write, data + read, std::size_t(length));
        write += length;
        text.starts_.append(write);
        read = (cr && end + 1 == lf) ? lf + 1 : end + 1;
    }
    bytes.truncate(write);
    text.bytes_ = std::move(bytes);
    return text;
}

ProgramText ProgramText::fromUnicode(QStringView text) {
    if (!text.contains(QChar(0x2029)))
        return fromBytes(EncodeWindows1250(text));
    // A paragraph separator, as rich text controls may hand it over, ends a line.
    QString lines = text.toString();
    lines.replace(QChar(0x2029), QLatin1Char('\n'));
    return fromBytes(EncodeWindows1250(lines));
}

ProgramText ProgramText::fromLines(const QList<QByteArray>& lines) {
    ProgramText text;
    qsizetype total = 0;
    for (const QByteArray& line : lines)
        total += line.size();
    text.reserve(lines.size(), total);
    for (const QByteArray& line : lines)
        text.appendLine(line);
    return text;
}

void ProgramText::reserve(qsizetype lines, qsizetype bytes) {
    starts_.reserve(lines + 1);
    bytes_.reserve(bytes);
    AdviseLargeBuffer(starts_.data(), std::size_t(starts_.capacity()) * sizeof(qsizetype));
    AdviseLargeBuffer(bytes_.data(), std::size_t(bytes_.capacity()));
}

void ProgramText::appendLine(QByteArrayView line) {
    const char* const data = bytes_.constData();
    const bool own = !std::less<const char*>()(line.data(), data) &&
                     std::less<const char*>()(line.data(), data + bytes_.size());
    if (line.isEmpty() || own) { // a line of this text itself: append() copies it safely
        bytes_.append(line);
        starts_.append(bytes_.size());
        return;
    }
    std::memcpy(addLine(line.size()), line.data(), std::size_t(line.size()));
}

void ProgramText::appendLines(const ProgramText& other) {
    const qsizetype shift = bytes_.size();
    bytes_.append(other.bytes_);
    for (qsizetype i = 1; i < other.starts_.size(); ++i)
        starts_.append(other.starts_[i] + shift);
}

// Sized once and filled with memcpy: QByteArray::append goes through
// insert(), which costs more than the copy for lines this short.
QByteArray ProgramText::toBytes() const {
    QByteArray out(bytes_.size() + 2 * lineCount(), Qt::Uninitialized);
    char* at = out.data();
    const char* const from = bytes_.constData();
    for (qsizetype i = 0; i < lineCount(); ++i) {
        const qsizetype begin = starts_[i];
        const std::size_t length = std::size_t(starts_[i + 1] - begin);
        if (length > 0)
            std::memcpy(at, from + begin, length);
        at += length;
        *at++ = '\r';
        *at++ = '\n';
    }
    return out;
}

QString ProgramText::toUnicode() const {
    QByteArray joined;
    joined.reserve(bytes_.size() + lineCount());
    for (qsizetype i = 0; i < lineCount(); ++i) {
        if (i > 0)
            joined.append('\n');
        joined.append(line(i));
    }
    return DecodeWindows1250(joined);
}

QStringList ProgramText::toStringList() const {
    QStringList list;
    list.reserve(lineCount());
    for (qsizetype i = 0; i < lineCount(); ++i)
        list.append(DecodeWindows1250(line(i)));
    return list;
}

QList<QByteArray> ProgramText::toLines() const {
    QList<QByteArray> list;
    list.reserve(lineCount());
    for (qsizetype i = 0; i < lineCount(); ++i)
        list.append(line(i).toByteArray());
    return list;
}

bool ProgramText::operator==(const ProgramText& other) const {
    return starts_ == other.starts_ && bytes_ == other.bytes_;
}
