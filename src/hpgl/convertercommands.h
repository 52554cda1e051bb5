#pragma once

#include "drawing/placement.h"
#include "gcode/programtext.h"
#include "hpgl/conversionloop.h"
#include "hpgl/convertersettings.h"
#include "hpgl/converterstate.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class ConverterSettingsPages;
class ProgramMemo;
class QTimer;

// What the converter's commands ask of its window.
class ConverterView {
public:
    virtual ~ConverterView() = default;
    virtual void showMessage(const QString& text, bool error,
                             std::function<void()> closed = {}) = 0;
    virtual void showProgress(const ConverterProgress& progress) = 0;
    // Off while a conversion runs.
    virtual void setCommandsEnabled(bool enabled) = 0;
    // A file the normaliser can read but the converter cannot: asks the
    // operator whether to normalise it (then normalizeInput).
    virtual void offerNormalizing() = 0;
};

// The converter's commands over its two memos (Memo1, the plot file; Memo2,
// the G-code) and its settings pages: open, the conversion in steps (so
// that the window stays responsive), normalise and fit, optimise, save and
// insert into the program. The window builds the controls and wires them
// here.
class ConverterCommands : public QObject {
    Q_OBJECT
public:
    ConverterCommands(ProgramMemo& input, ProgramMemo& output, ConverterSettingsPages& pages,
                      ConverterView& view, QObject* parent = nullptr);
    ~ConverterCommands() override;

    const ConverterState& state() const { return state_; }
    const ConverterProgress& progress() const { return progress_; }
    bool isConverting() const { return loop_ != nullptr; }

    // The numbering starts again at "Do:" unless something was converted.
    void restartNumbering();
    void setPlacementSource(std::function<PlacementSettings()> source) {
        placementSource_ = std::move(source);
    }
    QString lastFolder() const { return lastFolder_; }
    void setLastFolder(const QString& folder) { lastFolder_ = folder; }

    void openPlotFile(const QString& path);
    void saveGcode(const QString& path);
    void convert();
    void clearAll();
    void insertIntoProgram();
    void optimizeOutput();
    void normalizeInput(bool fit);
    // "Zakończ": the running conversion ends without a word.
    void abandon();

signals:
    void conversionEnded();
    void programReady(const ProgramText& lines, const QString& hpglFileName);
    void plotFileOpened(const QString& path);

private:
    std::optional<ProgramText> outputToHandOn();
    void runSteps();
    void showInputLeft();
    void finishConversion();
    void setMaximumAtSp0(std::optional<qsizetype> sp0);

    ProgramMemo& input_;
    ProgramMemo& output_;
    ConverterSettingsPages& pages_;
    ConverterView& view_;
    ConverterState state_;
    ConverterProgress progress_;
    std::unique_ptr<ConversionLoop> loop_;
    qsizetype linesShown_ = 0; // lines of the running loop already taken out of Memo1
    qsizetype linesPerStep_ = 2048;
    // The input was fitted with this forbidden radius: the fixed lines are
    // kept out of the circle when it is converted.
    std::optional<double> fittedRadius_;
    QTimer* stepTimer_ = nullptr;
    QString plotFileName_; // the plot file last opened
    QString lastFolder_;
    std::function<PlacementSettings()> placementSource_;
};
