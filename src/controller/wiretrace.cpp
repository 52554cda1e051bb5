#include "controller/wiretrace.h"

#include <QDateTime>
#include <QDir>

Status WireTrace::open(const QString& fileName) {
    const std::lock_guard lock(mutex_);
    if (file_.isOpen())
        file_.close();
    file_.setFileName(fileName);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Failure{tr("Cannot create file \"%1\". %2")
                           .arg(QDir::toNativeSeparators(fileName), file_.errorString())};
    start_ = std::chrono::steady_clock::now();
    failed_ = false;
    return {};
}

void WireTrace::close() {
    const std::lock_guard lock(mutex_);
    if (file_.isOpen())
        file_.close();
}

QByteArray WireTrace::visible(const QByteArray& bytes) {
    QByteArray text;
    text.reserve(bytes.size() + 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\r') {
            text += "\\r";
        } else if (byte == '\n') {
            text += "\\n";
        } else if (byte == '\\') {
            text += "\\\\";
        } else if (byte < 0x20 || byte > 0x7E) {
            static const char kHex[] = "0123456789ABCDEF";
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
        } else {
            text += c;
        }
    }
    return text;
}

QString WireTrace::newFileName(const QString& folder) {
    return QDir(folder).filePath(
        QStringLiteral("trace-%1.txt")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
}

bool WireTrace::isOpen() const {
    const std::lock_guard lock(mutex_);
    return file_.isOpen();
}

QString WireTrace::fileName() const {
    const std::lock_guard lock(mutex_);
    return file_.fileName();
}

void WireTrace::record(char direction, const QByteArray& bytes) {
    const QByteArray shown = visible(bytes);
    const std::lock_guard lock(mutex_);
    QByteArray line;
    line += QByteArray::number(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(),
                'f', 3)
                .rightJustified(12, '0');
    line += ' ';
    line += direction;
    line += ' ';
    line += shown;
    line += '\n';
    write(line);
}

void WireTrace::note(const QString& text) {
    const std::lock_guard lock(mutex_);
    write("# " + text.toUtf8() + '\n');
}

void WireTrace::write(const QByteArray& line) {
    if (!file_.isOpen() || failed_)
        return;
    if (file_.write(line) != line.size() || !file_.flush())
        failed_ = true; // a full disk ends the trace, never the transfer
}
