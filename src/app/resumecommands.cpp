#include "app/resumecommands.h"

#include "app/calibratedprogramsource.h"
#include "app/mainmenus.h"
#include "app/mainwindow.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/resumetexts.h"
#include "app/stationdialogs.h"
#include "controller/controllerlink.h"
#include "controller/linktexts.h"
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

const QString kPrefix = QStringLiteral("dziennik-");
const QString kSuffix = QStringLiteral(".txt");

QString journalFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

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
    : QObject(parent), window_(window), controller_(controller), program_(program) {
    askLine_ = [this](int suggested, int count) { return askInDialog(&window_, suggested, count); };
    ControllerLink& link = controller_.link();
    connect(&link, &ControllerLink::transferChanged, this, &ResumeCommands::transferStep);
    connect(&link, &ControllerLink::errorRaised, &keeper_, &JournalKeeper::syncNow);
    // Queued: the questions and messages these lead to are modal, and the link
    // must not be fed while it carries out the actions that reported them.
    connect(&link, &ControllerLink::eventOccurred, this, &ResumeCommands::linkEvent,
            Qt::QueuedConnection);
    connect(&keeper_, &JournalKeeper::failed, &window_, &MainWindow::showError,
            Qt::QueuedConnection);
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

QString ResumeCommands::journalPath(const QString& portName) {
    return QDir(journalFolder()).filePath(kPrefix + portFilePart(portName) + kSuffix);
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
    if (event.step == TransferStep::Started) {
        const QString path = journalPath(controller_.portSelectors().portName());
        if (QDir().mkpath(QFileInfo(path).path()))
            keeper_.setPath(path);
        keeper_.setProgram(&program_, programFile_);
    }
    keeper_.handle(event);
}

void ResumeCommands::linkEvent(LinkEvent event) {
    const ControllerLinkState& state = controller_.link().state();
    if (event == LinkEvent::ReferenceTravelled && afterReference_) {
        const int next = *afterReference_;
        afterReference_.reset();
        if (!state.sending())
            controller_.link().sendProgramFrom(next);
        return;
    }
    if (event != LinkEvent::Connected || state.sending())
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
    const QDir folder(journalFolder());
    const QStringList names =
        folder.entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString port = portFromFilePart(
            name.mid(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size()));
        offer(folder.filePath(name), port);
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
    if (!state) {
        setAside(path, state.error());
        return;
    }
    const QString file = state->program.file;
    if (!programMatches(*state) && (file.isEmpty() || !QFileInfo::exists(file))) {
        setAside(path, JournalTexts::programMissing(path, file));
        return;
    }
    const int acknowledged = state->lastAcknowledged + 1;
    QString question = state->abortedAt
                           ? ResumeTexts::offerAfterAbort(file, *state->abortedAt + 1, acknowledged,
                                                          state->program.lines)
                           : ResumeTexts::offer(file, acknowledged, state->program.lines);
    if (state->damagedTail)
        question += u'\n' + JournalTexts::damagedTail(path);
    if (!window_.dialogs().confirm(question, StationDialogs::DefaultAnswer::Yes)) {
        QFile::remove(path);
        return;
    }
    if (!bringProgram(*state, path))
        return;
    if (state->nextLine() >= program_.lineCount()) {
        QFile::remove(path); // nothing left to send
        window_.notify(LinkTexts::transferDone());
        return;
    }
    // The questions are modal: the station may have connected while they
    // were open.
    const bool connected =
        controller_.link().state().connected() && controller_.portSelectors().portName() == port;
    if (!connected) {
        pending_ = Pending{path, port, state->nextLine()};
        window_.notify(ResumeTexts::connectToResume());
        return;
    }
    goOn(state->nextLine());
}

bool ResumeCommands::programMatches(const JournalState& state) const {
    return program_.lineCount() == state.program.lines &&
           ProgramHash(program_) == state.program.hash;
}

bool ResumeCommands::bringProgram(const JournalState& state, const QString& path) {
    if (programMatches(state))
        return true;
    // The file is there: offer() has made sure.
    const QString file = state.program.file;
    if (program_.lineCount() > 0 && !window_.dialogs().confirm(ResumeTexts::loadedDiffers(file)))
        return false; // the journal stays for later
    if (!window_.programCommands()->openProgramFile(file))
        return false;
    if (!programMatches(state)) {
        setAside(path, JournalTexts::programDiffers(path));
        return false;
    }
    return true;
}

void ResumeCommands::goOn(int next) {
    if (window_.dialogs().confirm(ResumeTexts::referenceFirst())) {
        afterReference_ = next;
        controller_.link().referenceTravelChosen();
        return;
    }
    // Declined: the arm keeps the reference point it had when the transfer
    // was interrupted.
    controller_.link().trustReference();
    controller_.link().sendProgramFrom(next);
}

bool ResumeCommands::lockedElsewhere(const QString& path) const {
    if (path == keeper_.path())
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
