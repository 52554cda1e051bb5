#pragma once

#include "app/stationpreferences.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <optional>

class QColorDialog;
class QFileDialog;
class QMessageBox;
class QWidget;

// The dialogs the main window's commands ask the operator through: the open
// and save dialogs for programs and pictures and the colour dialog. Tests
// install scripted answers instead.
class StationDialogs {
public:
    enum class UnsavedAnswer { Save, Discard, Cancel };
    // The answer Enter gives to a yes-or-no question.
    enum class DefaultAnswer { No, Yes };

    virtual ~StationDialogs() = default;
    // A file name, or an empty text when the operator cancels.
    virtual QString openProgramFile() = 0; // OpenDialog1, "cnc|*.nc"
    virtual QString saveProgramFile() = 0; // SaveDialog2, "cnc|*.nc", no default extension
    virtual QString savePictureFile() = 0; // SaveDialog1, "Bitmapy|*.bmp", extension "bmp"
    // The chosen colour, or nothing when the operator cancels. The dialog
    // opens on `current`, the colour being changed.
    virtual std::optional<QColor> chooseColour(const QColor& current) = 0;
    // A yes-or-no question; false when the operator says no or closes it.
    virtual bool confirm(const QString& question, DefaultAnswer preferred = DefaultAnswer::No) = 0;
    // The program has unsaved edits: "Zapisz", "Nie zapisuj" or "Anuluj".
    virtual UnsavedAnswer askUnsavedProgram() = 0;
    // "Przywróć ustawienia domyślne": true when the operator agrees.
    virtual bool confirmRestoreDefaults() = 0;
    // The folders the file dialogs open in the first time (the station's
    // last ones); a dialog then keeps its own.
    virtual void setStartFolders(const LastFolders& folders) { (void)folders; }
};

// The operator's dialogs, children of the window made at their first use
// (objectNames OpenDialog1, SaveDialog1, SaveDialog2, ColorDialog1) and kept
// for the whole run, so each opens where it was left.
class WindowDialogs : public QObject, public StationDialogs {
    Q_OBJECT
public:
    explicit WindowDialogs(QWidget* owner);

    QString openProgramFile() override;
    QString saveProgramFile() override;
    QString savePictureFile() override;
    std::optional<QColor> chooseColour(const QColor& current) override;
    bool confirm(const QString& question, DefaultAnswer preferred = DefaultAnswer::No) override;
    // The box confirm() asks with ("Tak", "Nie"), not yet shown.
    static QMessageBox* makeQuestionBox(const QString& question, QWidget* owner,
                                        DefaultAnswer preferred = DefaultAnswer::No);
    UnsavedAnswer askUnsavedProgram() override;
    bool confirmRestoreDefaults() override;
    void setStartFolders(const LastFolders& folders) override { folders_ = folders; }
    // The open dialog's filters: the usual G-code extensions, then all files.
    static QString programFilters();

private:
    QString runFileDialog(QFileDialog*& dialog, const char* name, bool save, const QString& filter,
                          const QString& folder, const QString& suffix = {});

    QWidget* owner_;
    QFileDialog* openDialog_ = nullptr;
    QFileDialog* saveProgramDialog_ = nullptr;
    QFileDialog* savePictureDialog_ = nullptr;
    QColorDialog* colourDialog_ = nullptr;
    LastFolders folders_;
};
