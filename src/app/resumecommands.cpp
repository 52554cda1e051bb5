#include "app/resumecommands.h"

#include "app/calibratedprogramsource.h"
#include "app/mainmenus.h"
#include "app/mainwindow.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/resumetexts.h"
#include "app/stationdialogs.h"
#include "controller/controllerlink.h"
#include "controller/journalfiles.h"
#include "controller/linktexts.h"
#include "controller/planresume.h"
#include "controller/programsource.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "controller/widgets/portselectors.h"
#include "gcode/programmemo.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLockFile>
#include <QStandardPaths>

namespace {

QString journalFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

std::optional<int> askInDialog(QWidget* parent, int suggested, int count) {
    bool ok = false;
    const int line =
        QInputDialog::getInt(parent, ResumeTexts::lineCaption(), ResumeTexts::linePrompt(count),
                             suggested, 1, count, 1, &ok);
    if (!ok)
        return std::nullopt;
    return line;
}

} // namespace

ResumeCommands::ResumeCommands(MainWindow& window, ControllerWindowBinding& controller,
                               const CalibratedProgramSource& program, QObject* parent)
    : QObject(parent), window_(window), controller_(controller), program_(program),
      sequence_(controller.link()) {
    askLine_ = [this](int suggested, int count) { return askInDialog(&window_, suggested, count); };
    ControllerLink& link = controller_.link();
    connect(&link, &ControllerLink::transferChanged, this, &ResumeCommands::transferStep);
    // Queued: the questions and messages these lead to are modal, and the link
    // must not be fed while it carries out the actions that reported them.
    connect(&link, &ControllerLink::eventOccurred, this, &ResumeCommands::linkEvent,
            Qt::QueuedConnection);
    connect(&keeper_, &JournalKeeper::failed, &window_, &MainWindow::showError,
            Qt::QueuedConnection);
    // The journal is kept on the link's thread, every line recorded before
    // the next goes out, however busy the window is; it is placed when a
    // transfer is chosen, after the port it goes over.
    link.setJournalPlace([this] {
        const QString path = journalPath(controller_.portSelectors().portName());
        QDir().mkpath(QFileInfo(path).path());
        placedPath_ = path;
        return ControllerLink::JournalPlace{path, programFile_};
    });
    link.keepJournal(keeper_, QString());
    connect(window_.programCommands(), &ProgramCommands::programFileOpened, this,
            [this](const QString& file) { programFile_ = file; });
    // Another program: the last transfer's line no longer means anything.
    connect(window_.programCommands(), &ProgramCommands::programOpened, this,
            [this] { nextUnsent_.reset(); });
    MainMenus& menus = window_.menus();
    connect(menus.sendFromLine, &QAction::triggered, this, &ResumeCommands::sendFromLine);
    // Available exactly when "Wyslij program" is.
    menus.sendFromLine->setEnabled(menus.sendProgram->isEnabled());
    connect(menus.sendProgram, &QAction::enabledChanged, menus.sendFromLine, &QAction::setEnabled);
}

ResumeCommands::~ResumeCommands() {
    controller_.link().releaseJournal();
}

QString ResumeCommands::journalPath(const QString& portName) {
    return JournalFiles::pathFor(journalFolder(), portName);
}

void ResumeCommands::sendFromLine() {
    // Lines as the operator counts them in Memo1; the link counts the lines
    // it sends, which a calibration's corrections may add to.
    const int count = int(window_.programList().lineCount());
    if (count == 0) {
        window_.showError(ResumeTexts::nothingToSend());
        return;
    }
    // After a transfer that ended early, the line after the last one
    // acknowledged; otherwise the line under the caret.
    const qsizetype caret = window_.programPage()->programMemo()->caret().line;
    const qsizetype from = nextUnsent_ ? program_.programLineOf(*nextUnsent_) : caret;
    const int suggested = int(std::clamp<qsizetype>(from + 1, 1, count));
    const std::optional<int> line = askLine_(suggested, count);
    if (!line || *line < 1 || *line > count)
        return;
    controller_.link().sendProgramFrom(program_.sentIndexOf(*line - 1));
}

void ResumeCommands::transferStep(const TransferEvent& event) {
    if (event.step == TransferStep::LineAcknowledged && !event.travel)
        nextUnsent_ = event.index + 1;
    else if (event.step == TransferStep::Started)
        nextUnsent_ = event.index;
    else if (event.step == TransferStep::Finished)
        nextUnsent_.reset();
}

void ResumeCommands::linkEvent(LinkEvent event) {
    if (event != LinkEvent::Connected || controller_.link().transferActive())
        return;
    const QString port = controller_.portSelectors().portName();
    if (pending_ && pending_->port == port) {
        const int next = pending_->next;
        pending_.reset();
        goOn(next);
        return;
    }
    const QString path = journalPath(port);
    if (QFileInfo::exists(path))
        offer(path, port);
}

void ResumeCommands::offerAtStart() {
    for (const JournalFiles::Found& journal : JournalFiles::findIn(journalFolder())) {
        offer(journal.path, journal.port);
        if (pending_)
            return; // one resume at a time
    }
}

void ResumeCommands::offer(const QString& path, const QString& port) {
    // One offer a journal: the question is modal, and a connection made
    // while it is open must not ask it again.
    if (offering_.contains(path) || (pending_ && pending_->path == path))
        return;
    offering_.insert(path);
    offerJournal(path, port);
    offering_.remove(path);
}

void ResumeCommands::offerJournal(const QString& path, const QString& port) {
    if (lockedElsewhere(path))
        return; // another station sends with it
    const Result<JournalState> state = ReadJournal(path);
    const ResumePlan plan = PlanResume(path, state, program_);
    if (plan.verdict == ResumePlan::Verdict::Unreadable) {
        setAside(path, plan.problem);
        return;
    }
    const QString file = state->program.file;
    if (plan.verdict == ResumePlan::Verdict::OtherProgram &&
        (file.isEmpty() || !QFileInfo::exists(file))) {
        setAside(path, JournalTexts::programMissing(path, file));
        return;
    }
    if (!window_.dialogs().confirm(offerQuestion(*state, path),
                                   StationDialogs::DefaultAnswer::Yes)) {
        QFile::remove(path);
        return;
    }
    if (!bringProgram(*state, path))
        return;
    const ResumePlan brought = PlanResume(path, state, program_);
    if (brought.verdict == ResumePlan::Verdict::Finished) {
        QFile::remove(path); // nothing left to send
        window_.notify(LinkTexts::transferDone());
        return;
    }
    const int next = brought.next;
    // The questions are modal: the station may have connected while they
    // were open.
    const bool connected =
        controller_.link().state().connected() && controller_.portSelectors().portName() == port;
    if (!connected) {
        pending_ = Pending{path, port, next};
        window_.notify(ResumeTexts::connectToResume());
        return;
    }
    goOn(next);
}

QString ResumeCommands::offerQuestion(const JournalState& state, const QString& path) const {
    const QString file = state.program.file;
    const int acknowledged = state.lastAcknowledged + 1;
    QString question = state.abortedAt
                           ? ResumeTexts::offerAfterAbort(file, *state.abortedAt + 1, acknowledged,
                                                          state.program.lines)
                           : ResumeTexts::offer(file, acknowledged, state.program.lines);
    if (state.damagedTail)
        question += u'\n' + JournalTexts::damagedTail(path);
    return question;
}

bool ResumeCommands::bringProgram(const JournalState& state, const QString& path) {
    auto matches = [&] {
        return PlanResume(path, state, program_).verdict != ResumePlan::Verdict::OtherProgram;
    };
    if (matches())
        return true;
    // The file is there: offer() has made sure.
    const QString file = state.program.file;
    if (program_.lineCount() > 0 && !window_.dialogs().confirm(ResumeTexts::loadedDiffers(file)))
        return false; // the journal stays for later
    if (!window_.programCommands()->openProgramFile(file))
        return false;
    if (!matches()) {
        setAside(path, JournalTexts::programDiffers(path));
        return false;
    }
    return true;
}

void ResumeCommands::goOn(int next) {
    // Declining the reference travel: the arm keeps the reference point it
    // had when the transfer was interrupted.
    sequence_.begin(next,
                    [this] { return window_.dialogs().confirm(ResumeTexts::referenceFirst()); });
}

bool ResumeCommands::lockedElsewhere(const QString& path) const {
    if (path == placedPath_)
        return false; // this station's own
    QLockFile probe(JournalKeeper::lockPath(path));
    probe.setStaleLockTime(0);
    return !probe.tryLock();
}

void ResumeCommands::setAside(const QString& path, const QString& reason) {
    const Result<QString> aside = SetJournalAside(path);
    window_.showError(reason + QLatin1Char('\n') +
                      (aside ? JournalTexts::setAside(*aside) : aside.error()));
}
