#include "support/executedlines.h"

#include "controller/penpoint.h"
#include "support/files.h"

namespace {

// The travel in before line `from`: pen up to where line from-1 ends.
QByteArray travelInBefore(const QByteArrayList& program, qsizetype from) {
    PenPoint point;
    for (qsizetype i = 0; i < from; ++i)
        point.follow(program[i]);
    return point.travelLine();
}

} // namespace

QString checkExecutedLines(const QByteArrayList& program, const QByteArrayList& executed) {
    qsizetype next = 0; // the next program line expected
    QByteArray travel;  // a travel in waiting for its line
    for (qsizetype i = 0; i < executed.size(); ++i) {
        const QByteArray& line = executed[i];
        const bool isNext = next < program.size() && line == program[next];
        const bool isRepeat = next > 0 && line == program[next - 1];
        if (!isNext && !isRepeat) {
            // A travel in; another one may follow it when the transfer was
            // interrupted again before its line.
            if (!line.startsWith("G00 X"))
                return QStringLiteral(
                           "executed line %1 \"%2\" where program line %3 \"%4\" was due")
                    .arg(i + 1)
                    .arg(QString::fromLatin1(line))
                    .arg(next + 1)
                    .arg(QString::fromLatin1(program.value(next)));
            travel = line;
            continue;
        }
        const qsizetype at = isNext ? next : next - 1;
        if (isRepeat && !isNext && travel.isEmpty() && at != 0)
            return QStringLiteral("program line %1 repeated without a travel in").arg(at + 1);
        if (!travel.isEmpty() && travel != travelInBefore(program, at))
            return QStringLiteral("travel in \"%1\" before program line %2 goes elsewhere")
                .arg(QString::fromLatin1(travel))
                .arg(at + 1);
        travel.clear();
        next = at + 1;
    }
    if (next != program.size())
        return QStringLiteral("only %1 of %2 program lines executed").arg(next).arg(program.size());
    return {};
}

QByteArrayList readExecutedLines(const QString& path) {
    QByteArrayList lines = readFileBytes(path).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
