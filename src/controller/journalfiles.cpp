#include "controller/journalfiles.h"

#include <QDir>

namespace {

const QString kPrefix = QStringLiteral("dziennik-");
const QString kSuffix = QStringLiteral(".txt");

// A port name as a file name part: letters and digits kept, every other
// character as "_" and its code in four hex digits, so that different names
// never meet.
QString portFilePart(const QString& port) {
    QString part;
    for (const QChar c : port) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
            (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            part += c;
        else
            part += QStringLiteral("_%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return part;
}

QString portFromFilePart(const QString& part) {
    QString port;
    for (qsizetype i = 0; i < part.size(); ++i) {
        if (part[i] == QLatin1Char('_')) {
            port += QChar(part.mid(i + 1, 4).toUShort(nullptr, 16));
            i += 4;
        } else {
            port += part[i];
        }
    }
    return port;
}

} // namespace

QString JournalFiles::pathFor(const QString& folder, const QString& port) {
    return QDir(folder).filePath(kPrefix + portFilePart(port) + kSuffix);
}

QList<JournalFiles::Found> JournalFiles::findIn(const QString& folder) {
    const QDir dir(folder);
    QList<Found> found;
    for (const QString& name :
         dir.entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name)) {
        const QString part =
            name.mid(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
        found.append({dir.filePath(name), portFromFilePart(part)});
    }
    return found;
}
