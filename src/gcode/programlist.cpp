#include "gcode/programlist.h"

#include "gcode/gcodemessages.h"

#include <QMutexLocker>

bool ProgramList::exists() const {
    QMutexLocker locker(&mutex_);
    return text_.has_value();
}

void ProgramList::replace(ProgramText lines) {
    ProgramText old;
    {
        QMutexLocker locker(&mutex_);
        if (text_)
            old = std::move(*text_);
        text_ = std::move(lines);
    }
    // `old` is released here, outside the lock.
}

void ProgramList::clear() {
    replace(ProgramText());
}

void ProgramList::reset() {
    std::optional<ProgramText> old;
    QMutexLocker locker(&mutex_);
    old.swap(text_);
    locker.unlock();
}

qsizetype ProgramList::lineCount() const {
    QMutexLocker locker(&mutex_);
    return text_ ? text_->lineCount() : 0;
}

Result<QByteArray> ProgramList::line(qsizetype index) const {
    if (std::optional<QByteArray> bytes = lineAt(index))
        return std::move(*bytes);
    return Failure{GcodeMessages::listIndexOutOfBounds(index)};
}

std::optional<QByteArray> ProgramList::lineAt(qsizetype index) const {
    QMutexLocker locker(&mutex_);
    if (!text_ || index < 0 || index >= text_->lineCount())
        return std::nullopt;
    return text_->line(index).toByteArray();
}

ProgramText ProgramList::snapshot() const {
    QMutexLocker locker(&mutex_);
    return text_ ? *text_ : ProgramText();
}
