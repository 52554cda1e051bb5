#pragma once

#include "app/mainwindow.h"
#include "app/notifier.h"
#include "app/stationdialogs.h"

#include <QColor>
#include <QQueue>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>

// Records what the window would have shown in message boxes.
class RecordingNotifier : public Notifier {
public:
    void notify(const QString& text) override { notices->append(text); }
    void showError(const QString& text) override { errors->append(text); }

    // Owned by the test, so they outlive the window's replacement.
    QStringList* notices;
    QStringList* errors;
};

// Answers the window's dialogs from queues; an empty queue cancels.
class ScriptedDialogs : public StationDialogs {
public:
    struct Answers {
        QQueue<QString> open;
        QQueue<QString> saveProgram;
        QQueue<QString> savePicture;
        QQueue<QColor> colours;
        int colourRequests = 0;
        QColor colourShown;         // what the last colour dialog opened on
        QQueue<bool> confirmations; // an empty queue says no
        QStringList questions;
        QList<DefaultAnswer> preferred; // the default answer of each question
        // Runs while a question is open, as the window's events do under a
        // modal box.
        std::function<void()> whileAsking;
        // Unsaved edits: an empty queue answers "Nie zapisuj".
        QQueue<UnsavedAnswer> unsaved;
        int unsavedRequests = 0;
        // "Przywróć ustawienia domyślne": an empty queue agrees.
        QQueue<bool> restoreDefaults;
        LastFolders startFolders;
    };
    explicit ScriptedDialogs(Answers* answers) : answers_(answers) {}

    QString openProgramFile() override { return take(answers_->open); }
    QString saveProgramFile() override { return take(answers_->saveProgram); }
    QString savePictureFile() override { return take(answers_->savePicture); }
    bool confirm(const QString& question, DefaultAnswer preferred = DefaultAnswer::No) override {
        answers_->questions << question;
        answers_->preferred << preferred;
        if (answers_->whileAsking)
            std::exchange(answers_->whileAsking, nullptr)();
        return !answers_->confirmations.isEmpty() && answers_->confirmations.dequeue();
    }
    std::optional<QColor> chooseColour(const QColor& current) override {
        ++answers_->colourRequests;
        answers_->colourShown = current;
        if (answers_->colours.isEmpty())
            return std::nullopt;
        return answers_->colours.dequeue();
    }
    UnsavedAnswer askUnsavedProgram() override {
        ++answers_->unsavedRequests;
        return answers_->unsaved.isEmpty() ? UnsavedAnswer::Discard : answers_->unsaved.dequeue();
    }
    bool confirmRestoreDefaults() override {
        return answers_->restoreDefaults.isEmpty() || answers_->restoreDefaults.dequeue();
    }
    void setStartFolders(const LastFolders& folders) override { answers_->startFolders = folders; }

private:
    static QString take(QQueue<QString>& queue) {
        return queue.isEmpty() ? QString() : queue.dequeue();
    }
    Answers* answers_;
};

// What a window showed instead of message boxes, and the answers its dialogs
// give: attach() puts a recording notifier and scripted dialogs in place.
struct WindowRecorder {
    QStringList notices;
    QStringList errors;
    ScriptedDialogs::Answers answers;

    void attach(MainWindow& window) {
        auto notifier = std::make_unique<RecordingNotifier>();
        notifier->notices = &notices;
        notifier->errors = &errors;
        window.setNotifier(std::move(notifier));
        window.setDialogs(std::make_unique<ScriptedDialogs>(&answers));
    }
};
