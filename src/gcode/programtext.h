#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// A program's lines as 8-bit Windows-1250 bytes, byte-exact.
//
// Storage: one contiguous byte buffer holding the lines one after another,
// without line ends, and the offset of each line's start (plus one end
// offset). A line is a cheap view into the buffer, so a program of a million
// lines costs two allocations instead of a million. Both members are
// implicitly shared: copies are cheap and safe to hand to another thread, and
// a copy never sees later changes of the original.
class ProgramText {
public:
    ProgramText();
    ProgramText(const ProgramText&) = default;
    ProgramText& operator=(const ProgramText&) = default;
    // A text moved from is left empty, ready for new lines.
    ProgramText(ProgramText&& other) noexcept;
    ProgramText& operator=(ProgramText&& other) noexcept;

    // Splits 8-bit text at CR LF, LF or CR; a line end after the last line
    // does not start another line. The buffer of `bytes` is reused in place.
    static ProgramText fromBytes(QByteArray bytes);
    // The text of a memo: split the same way (also at U+2029), encoded to
    // Windows-1250.
    static ProgramText fromUnicode(QStringView text);
    static ProgramText fromLines(const QList<QByteArray>& lines);

    qsizetype lineCount() const { return starts_.size() - 1; }
    bool isEmpty() const { return lineCount() == 0; }
    // Line `index`, 0 <= index < lineCount(); valid while this object (or a
    // copy sharing its buffer) lives unchanged.
    QByteArrayView line(qsizetype index) const {
        const qsizetype begin = starts_[index];
        return QByteArrayView(bytes_.constData() + begin, starts_[index + 1] - begin);
    }
    // Total bytes of all lines, line ends excluded.
    qsizetype byteCount() const { return bytes_.size(); }

    void reserve(qsizetype lines, qsizetype bytes);
    void appendLine(QByteArrayView line);
    // Appends every line of `other`.
    void appendLines(const ProgramText& other);
    // Appends a line of `size` bytes and returns where to write them (valid
    // until the next change). For building a program without a copy per line.
    char* addLine(qsizetype size) {
        const qsizetype at = bytes_.size();
        bytes_.resize(at + size);
        starts_.append(at + size);
        return bytes_.data() + at;
    }

    // Every line followed by CR LF.
    QByteArray toBytes() const;
    // The lines joined with '\n' (no line end after the last), for a memo.
    QString toUnicode() const;
    QStringList toStringList() const;
    QList<QByteArray> toLines() const;

    bool operator==(const ProgramText& other) const;

private:
    QByteArray bytes_;
    QList<qsizetype> starts_; // lineCount() + 1 entries, starts_[0] == 0
};
