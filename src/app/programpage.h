#pragma once

#include <QStringList>
#include <QWidget>

class LayerTable;
class PathCheckReport;
class QGroupBox;
class QTreeWidget;
class QLineEdit;
class QPlainTextEdit;
class ProgramMemo;

// The page "G-kod": Memo2 (read-only, blocks already simulated), Edit1 (large
// font, the block being simulated), Memo1 (the program, editable) and, below
// it, the reach messages of the last preparation when there are any
// (CheckReportMemo in the group CheckReportGroup) and the moves the path check
// found (PathFindingsList in the group PathCheckGroup); under the program,
// its layers (LayerTable in the group LayerGroup) when it has more than one.
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
    // Lists the path check's moves through the forbidden zone and across the
    // Y axis (PathFindingsList in the group PathCheckGroup, hidden when there
    // are none), at most kListedReachMessages of them.
    void showPathFindings(const PathCheckReport& report);
    // Shows what the import of a drawing says (ImportReportMemo in the group
    // ImportReportGroup, hidden when empty).
    void showImportReport(const QStringList& lines);
    // The reports' panel (ReportPanel): the import, reach and path groups,
    // which the window places under the plot.
    QWidget* reportPanel() const { return reportPanel_; }
    // The program's layers (LayerGroup, under the program).
    LayerTable* layerTable() const { return layerTable_; }

signals:
    // The operator clicked a finding: its line in the program (from 0).
    void findingChosen(qsizetype line);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void updateReportPanel();

    QPlainTextEdit* memo2_;
    QLineEdit* edit1_;
    ProgramMemo* memo1_;
    QGroupBox* reportGroup_;
    QPlainTextEdit* reportMemo_;
    QGroupBox* pathGroup_;
    QTreeWidget* pathList_;
    QGroupBox* importGroup_;
    QPlainTextEdit* importMemo_;
    QWidget* reportPanel_ = nullptr;
    LayerTable* layerTable_;
};
