#pragma once

#include <QWidget>

class QPlainTextEdit;
class TransferPanel;

// The page "G-kod III": the transfer's estimate and progress (TransferPanel)
// at the top, Memo5 (top, read-only, the frames sent to the
// controller) and the serial terminal ComTerminal1 (bottom: 50 columns, white
// fixed-pitch text on black). The controller link gives the terminal its
// behaviour.
class TransferPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTerminalColumns = 50;

    explicit TransferPage(QWidget* parent = nullptr);

    QPlainTextEdit* frameLog() const { return memo5_; }
    QPlainTextEdit* terminal() const { return terminal_; }
    TransferPanel* transferPanel() const { return panel_; }

private:
    QPlainTextEdit* memo5_;
    QPlainTextEdit* terminal_;
    TransferPanel* panel_;
};
