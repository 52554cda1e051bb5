#pragma once

#include "base/result.h"
#include "gcode/programtext.h"

#include <QByteArray>
#include <QMutex>

#include <optional>

// The station's current program, owned by the G-code program subsystem and
// shared by threads: the user-interface thread replaces it (opening a file,
// refresh, a completed preparation), the simulation thread and the transfer
// to the controller read it line by line by index.
//
// One lock is held over each replacement and each read, so a read never sees
// half a replacement. Reads return copies (a line's bytes, or the whole text,
// which is implicitly shared and cheap to copy), so nothing read stays tied
// to the list after the lock is released.
//
// Before the first program is opened or refreshed the list does not exist
// (exists() is false); reads then fail like reads past the end.
class ProgramList {
public:
    ProgramList() = default;
    ProgramList(const ProgramList&) = delete;
    ProgramList& operator=(const ProgramList&) = delete;

    bool exists() const;
    // Creates the list if needed and replaces its contents.
    void replace(ProgramText lines);
    // Creates the list if needed and empties it.
    void clear();
    // Back to "no program" (for tests and a fresh start).
    void reset();

    qsizetype lineCount() const; // 0 while the list does not exist
    // Line `index`, or "List index out of bounds (<index>)".
    Result<QByteArray> line(qsizetype index) const;
    // Line `index`, or nothing when the index is out of range.
    std::optional<QByteArray> lineAt(qsizetype index) const;
    // The whole program at this moment (empty while the list does not exist).
    ProgramText snapshot() const;

private:
    mutable QMutex mutex_;
    std::optional<ProgramText> text_;
};
