#pragma once

#include "hpgl/convertercommands.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class ConverterSettingsPages;
struct ConverterPreferences;
class ProgramMemo;
class QAction;
class QFileDialog;
class QMenu;
class QMessageBox;
class QProgressBar;
class QToolBar;

// The converter window "TForm3": the plot file in Memo1, the G-code in
// Memo2, the settings pages, the progress bar and the menu, wired to the
// ConverterCommands that carry them out. Created hidden; the caption button
// only hides it. While a conversion runs the commands are disabled.
class ConverterWindow : public QMainWindow, private ConverterView {
    Q_OBJECT
public:
    explicit ConverterWindow(QWidget* parent = nullptr);
    ~ConverterWindow() override;

    const ConverterState& converterState() const { return commands_->state(); }
    const ConverterProgress& progress() const { return commands_->progress(); }
    // The settings pages' fields as they stand (pen heights, travel height...).
    ConverterSettings settings() const;
    bool isConverting() const { return commands_->isConverting(); }
    ConverterSettingsPages* settingsPages() const { return pages_; }

    // The settings kept between runs. Before anything has been converted,
    // the line numbering starts again at the new "Do:".
    void setPreferences(const ConverterPreferences& preferences);
    // Where "Dopasuj do obszaru roboczego" places the plot (the forbidden
    // radius, the side, the sheet); the margin is the window's own field.
    // Without one, the defaults.
    void setPlacementSource(std::function<PlacementSettings()> source) {
        commands_->setPlacementSource(std::move(source));
    }
    // The folder the open and save dialogs start in: the plot file's last.
    QString lastFolder() const { return commands_->lastFolder(); }
    void setLastFolder(const QString& folder) { commands_->setLastFolder(folder); }
    // Puts the window where it was (QWidget::saveGeometry()); it is then no
    // longer centred when shown. False when the geometry is not usable.
    bool restorePlacement(const QByteArray& geometry);

    // The menu commands, also reachable through the actions.
    void openPlotFile(const QString& path) { commands_->openPlotFile(path); }
    void saveGcode(const QString& path) { commands_->saveGcode(path); }
    void convert() { commands_->convert(); }
    void clearAll() { commands_->clearAll(); }
    void copyGcode();
    void toggleSettings();
    // "Wstaw do programu": hands Memo2's G-code to the main window.
    void insertIntoProgram() { commands_->insertIntoProgram(); }
    // "Optymalizuj": joins, simplifies and orders Memo2's drawing moves and
    // shows the figures before and after.
    void optimizeOutput() { commands_->optimizeOutput(); }
    // Rewrites Memo1 in the converter's form, fitted into the working area
    // when asked, and reports what was left out.
    void normalizeInput(bool fit) { commands_->normalizeInput(fit); }

signals:
    // "Zakończ": the whole station is to end. Without a receiver the window
    // closes every window and quits the application itself.
    void quitRequested();
    // A conversion ended (normally, at an error, or after its last notice).
    void conversionEnded();
    // "Wstaw do programu": the G-code in Memo2 is to replace the main
    // window's program. `hpglFileName` is the plot file it was converted
    // from (empty when none was opened).
    void programReady(const ProgramText& lines, const QString& hpglFileName);
    // A plot file was read into Memo1.
    void plotFileOpened(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    // Another language in force: the captions follow it.
    void changeEvent(QEvent* event) override;

private:
    void createMenu();
    // The window's captions, menus and dialog filters in the language in force.
    void retranslate();
    // The open and save dialogs' file filters.
    static QStringList openFilters();
    static QString saveFilter();
    QAction* addCommand(QWidget* menu, const char* name, void (ConverterWindow::*slot)());
    void askOpen();
    void askSave();
    void quitStation();
    void normalizeOnly() { normalizeInput(false); }
    void normalizeAndFit() { normalizeInput(true); }
    // ConverterView
    void offerNormalizing() override;
    void setCommandsEnabled(bool enabled) override;
    void showProgress(const ConverterProgress& progress) override;
    void showMessage(const QString& text, bool error, std::function<void()> closed = {}) override;

    ConverterCommands* commands_ = nullptr;

    ProgramMemo* input_ = nullptr;
    ProgramMemo* output_ = nullptr;
    ConverterSettingsPages* pages_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QFileDialog* openDialog_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* quitAction_ = nullptr;
    QAction* convertAction_ = nullptr;
    QAction* clearAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* settingsAction_ = nullptr;
    QAction* normalizeAction_ = nullptr;
    QAction* fitAction_ = nullptr;
    QAction* optimizeAction_ = nullptr;
    QAction* insertAction_ = nullptr;
    bool centreOnShow_ = true;
    QList<QAction*> busyCommands_; // disabled while a conversion runs
};
