#include "gcode/edithistory.h"

TextPosition EditHistory::apply(ProgramLines& lines, TextPosition from, TextPosition to,
                                const QString& text) {
    from = lines.clamp(from);
    to = lines.clamp(to);
    if (to < from)
        std::swap(from, to);
    const QString removed = lines.text(from, to);
    const TextPosition after = lines.replace(from, to, text);
    undone_.clear();
    const bool typing = removed.isEmpty() && text.size() == 1 && text != QStringLiteral("\n");
    if (typing && !done_.empty()) {
        Step& last = done_.back();
        if (last.removed.isEmpty() && last.insertedEnd == from &&
            !last.inserted.endsWith(QLatin1Char('\n'))) {
            last.inserted += text;
            last.insertedEnd = after;
            return after;
        }
    }
    done_.push_back({from, after, to, removed, text});
    return after;
}

std::optional<TextPosition> EditHistory::undo(ProgramLines& lines) {
    if (done_.empty())
        return std::nullopt;
    Step step = std::move(done_.back());
    done_.pop_back();
    step.removedEnd = lines.replace(step.from, step.insertedEnd, step.removed);
    const TextPosition caret = step.removedEnd;
    undone_.push_back(std::move(step));
    return caret;
}

std::optional<TextPosition> EditHistory::redo(ProgramLines& lines) {
    if (undone_.empty())
        return std::nullopt;
    Step step = std::move(undone_.back());
    undone_.pop_back();
    step.insertedEnd = lines.replace(step.from, step.removedEnd, step.inserted);
    const TextPosition caret = step.insertedEnd;
    done_.push_back(std::move(step));
    return caret;
}

void EditHistory::clear() {
    done_.clear();
    undone_.clear();
}
