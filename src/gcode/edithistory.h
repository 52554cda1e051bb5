#pragma once

#include "gcode/programlines.h"

#include <optional>
#include <vector>

// The program memo's edits, for undo and redo. Every change of the lines
// goes through apply(); characters typed one after another on a line make
// one step.
class EditHistory {
public:
    // Replaces the text between two positions and records the step; returns
    // the position after the inserted text.
    TextPosition apply(ProgramLines& lines, TextPosition from, TextPosition to,
                       const QString& text);
    // Takes back the last step (or does it again); the caret position after
    // it, or nothing when there is no step.
    std::optional<TextPosition> undo(ProgramLines& lines);
    std::optional<TextPosition> redo(ProgramLines& lines);
    void clear();

private:
    struct Step {
        TextPosition from;
        TextPosition insertedEnd; // end of `inserted` while the step is done
        TextPosition removedEnd;  // end of `removed` while it is undone
        QString removed;
        QString inserted;
    };
    std::vector<Step> done_;
    std::vector<Step> undone_;
};
