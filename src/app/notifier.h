#pragma once

#include <QString>

class QWidget;

// How the main window tells the operator something: notices ("Zakończono
// ładowanie pliku") and errors in the station's own words. The window holds
// one; tests install a recording one so that no message box blocks them.
class Notifier {
public:
    virtual ~Notifier() = default;
    // A notice: caption "SCARA", information icon, OK button.
    virtual void notify(const QString& text) = 0;
    // An error that ended a command: the station's text in a message box.
    virtual void showError(const QString& text) = 0;
};

// The operator's notifier: modal message boxes over the given window.
class MessageBoxNotifier : public Notifier {
public:
    explicit MessageBoxNotifier(QWidget* owner = nullptr) : owner_(owner) {}
    void notify(const QString& text) override;
    void showError(const QString& text) override;

private:
    QWidget* owner_;
};
