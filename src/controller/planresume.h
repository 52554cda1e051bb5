#pragma once

#include "base/result.h"
#include "controller/transferjournal.h"

#include <QString>

class ProgramSource;

// What to do with the journal a transfer left behind, for the program that
// would be sent now. The window and the tools both decide with it.
struct ResumePlan {
    enum class Verdict {
        Unreadable,   // the journal cannot be read or used: set it aside
        OtherProgram, // it belongs to another program (or another version of it)
        Finished,     // the whole program went: the journal can go
        GoOn,         // send from `next`
    };
    Verdict verdict = Verdict::Unreadable;
    QString problem;          // Unreadable, OtherProgram: what to tell the operator
    int next = 0;             // GoOn: the first line to send, from 0
    bool damagedTail = false; // GoOn: the journal's last records were damaged
};

// Decides from a journal as read from `path` (ReadJournal) and the program.
ResumePlan PlanResume(const QString& path, const Result<JournalState>& journal,
                      const ProgramSource& program);
