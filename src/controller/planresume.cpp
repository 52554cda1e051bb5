#include "controller/planresume.h"

#include "controller/programsource.h"

ResumePlan PlanResume(const QString& path, const Result<JournalState>& journal,
                      const ProgramSource& program) {
    ResumePlan plan;
    if (!journal) {
        plan.problem = journal.error();
        return plan;
    }
    if (journal->program.lines != program.lineCount() ||
        journal->program.hash != ProgramHash(program)) {
        plan.verdict = ResumePlan::Verdict::OtherProgram;
        plan.problem = JournalTexts::programDiffers(path);
        return plan;
    }
    if (journal->nextLine() >= program.lineCount()) {
        plan.verdict = ResumePlan::Verdict::Finished;
        return plan;
    }
    plan.verdict = ResumePlan::Verdict::GoOn;
    plan.next = journal->nextLine();
    plan.damagedTail = journal->damagedTail;
    return plan;
}
