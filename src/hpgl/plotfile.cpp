#include "hpgl/plotfile.h"

#include "base/inputfile.h"
#include "base/memoryadvice.h"
#include "base/outputfile.h"
#include "base/windows1250.h"
#include "hpgl/hpglmessages.h"

#include <cstring>

QString plotTextFromBytes(QByteArrayView bytes) {
    // Decoded first, then CR LF and a lone CR become '\n' in place (LF
    // stays); a final line end is dropped.
    QString text = DecodeWindows1250(bytes);
    QChar* const begin = text.data();
    const QChar* in = begin;
    const QChar* const end = begin + text.size();
    QChar* out = begin;
    while (in != end) {
        if (*in == u'\r') {
            *out++ = u'\n';
            if (++in != end && *in == u'\n')
                ++in;
        } else {
            *out++ = *in++;
        }
    }
    if (out != begin && out[-1] == u'\n')
        --out;
    text.truncate(out - begin);
    return text;
}

ProgramText plotLinesFromText(QStringView text) {
    const QByteArray bytes = EncodeWindows1250(text);
    ProgramText lines;
    lines.reserve(bytes.count('\n') + 1, bytes.size());
    const char* const data = bytes.constData();
    qsizetype start = 0;
    for (;;) {
        const void* found =
            std::memchr(data + start, '\n', static_cast<std::size_t>(bytes.size() - start));
        const qsizetype end = found ? static_cast<const char*>(found) - data : bytes.size();
        lines.appendLine(QByteArrayView(data + start, end - start));
        if (!found)
            return lines;
        start = end + 1;
    }
}

namespace {

Result<QByteArray> readFileBytes(const QString& path) {
    Result<QByteArray> bytes = ReadInputFile(path);
    if (!bytes)
        return Failure{hpgl::cannotOpenFile(path, bytes.error())};
    return bytes;
}

} // namespace

Result<ProgramText> readPlotLines(const QString& path) {
    Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes)
        return bytes.failure();
    return ProgramText::fromBytes(std::move(bytes).value());
}

Result<QString> readPlotFile(const QString& path) {
    const Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes)
        return bytes.failure();
    return plotTextFromBytes(*bytes);
}

QByteArray gcodeFileBytes(QStringView text) {
    const QByteArray encoded = EncodeWindows1250(text);
    // At most two bytes per byte (CR LF for '\n'), plus a final line end.
    QByteArray bytes(2 * encoded.size() + 2, Qt::Uninitialized);
    AdviseLargeBuffer(bytes.data(), static_cast<std::size_t>(bytes.size()));
    char* out = bytes.data();
    for (const char c : encoded) {
        if (c == '\n')
            *out++ = '\r';
        *out++ = c;
    }
    if (!text.isEmpty() && !text.endsWith(u'\n')) {
        *out++ = '\r';
        *out++ = '\n';
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

Status writeGcodeFile(const QString& path, const ProgramText& lines) {
    OutputFile file(path);
    if (!file.open())
        return Failure{hpgl::cannotOpenFile(path, file.errorString())};
    if (!file.write(lines.toBytes()) || !file.commit())
        return Failure{hpgl::cannotOpenFile(path, file.errorString())};
    return {};
}
