#pragma once

#include <QStringList>
#include <QWidget>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class ProgramMemo;

// The page "G-kod": Memo2 (read-only, blocks already simulated), Edit1 (large
// font, the block being simulated), Memo1 (the program, editable) and, below
// it, the reach messages of the last preparation when there are any
// (CheckReportMemo in the group CheckReportGroup).
class ProgramPage : public QWidget {
    Q_OBJECT
public:
    // At most this many reach messages are listed; the status bar gives the count.
    static constexpr int kListedReachMessages = 1000;

    explicit ProgramPage(QWidget* parent = nullptr);

    ProgramMemo* programMemo() const { return memo1_; }
    QPlainTextEdit* simulatedMemo() const { return memo2_; }
    QLineEdit* currentBlockEdit() const { return edit1_; }

    // Shows the reach messages of a preparation (hidden when there are none).
    void showReachMessages(const QStringList& lines, qsizetype total);

private:
    QPlainTextEdit* memo2_;
    QLineEdit* edit1_;
    ProgramMemo* memo1_;
    QGroupBox* reportGroup_;
    QPlainTextEdit* reportMemo_;
};
