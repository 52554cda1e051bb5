#pragma once

#include "controller/transferprogress.h"

#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QProgressBar;

// The transfer's place on the page "G-kod III": the estimate of the
// prepared program before sending (TransferEstimate), and while a transfer
// runs or holds its progress bar (TransferProgress), its figures
// (TransferFigures: acknowledged of all, lines a second, re-sends, time
// elapsed and left) and its state (TransferState: running, held, a stall,
// the end), with buttons for the menu's hold, resume and abort commands.
// In another language put in force the panel shows its texts again.
class TransferPanel : public QWidget {
    Q_OBJECT
public:
    explicit TransferPanel(QWidget* parent = nullptr);

    // The buttons carry out these menu commands and follow their state.
    void setCommands(QAction* hold, QAction* holdNow, QAction* resume, QAction* abort);

    // The estimate when there is nothing to send, as the panel starts.
    static QString noProgramText();
    // The estimate as `text` gives it, asked again when the language changes.
    void showEstimate(std::function<QString()> text);
    void showFigures(const TransferFigures& figures);

    QString estimateText() const;
    QString figuresText() const;
    QString stateText() const;
    int progressValue() const;

    // The texts the panel and the status bar show.
    static QString figuresLine(const TransferFigures& figures);
    static QString stateLine(const TransferFigures& figures);
    // The status bar's short form: progress and time left, or the state
    // when it holds, stalls or has ended.
    static QString statusLine(const TransferFigures& figures);

protected:
    void changeEvent(QEvent* event) override;

private:
    std::function<QString()> estimateSource_;
    TransferFigures shown_; // the figures last shown
    QLabel* estimate_;
    QProgressBar* bar_;
    QLabel* figures_;
    QLabel* state_;
    QWidget* buttons_;
};
