#include "hpgl/plotfile.h"

#include "gcode/windows1250.h"
#include "hpgl/hpglmessages.h"

#include <QFile>
#include <QSaveFile>

QString plotTextFromBytes(QByteArrayView bytes) {
    // CR LF and a lone CR become '\n' (LF stays); a final line end is dropped.
    QByteArray lines(bytes.size(), Qt::Uninitialized);
    char* out = lines.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            *out++ = '\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            *out++ = bytes[i];
        }
    }
    if (out != lines.data() && out[-1] == '\n')
        --out;
    lines.truncate(out - lines.data());
    return DecodeWindows1250(lines);
}

Result<QString> readPlotFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{hpgl::cannotOpenFile(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure{hpgl::cannotOpenFile(path, file.errorString())};
    return plotTextFromBytes(bytes);
}

QByteArray gcodeFileBytes(QStringView text) {
    const QByteArray encoded = EncodeWindows1250(text);
    // At most two bytes per byte (CR LF for '\n'), plus a final line end.
    QByteArray bytes(2 * encoded.size() + 2, Qt::Uninitialized);
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

Status writeGcodeFile(const QString& path, QStringView text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure{hpgl::cannotOpenFile(path, file.errorString())};
    const QByteArray bytes = gcodeFileBytes(text);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return Failure{hpgl::cannotOpenFile(path, file.errorString())};
    return {};
}
