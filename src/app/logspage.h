#pragma once

#include <QWidget>

class QPlainTextEdit;

// The page "G-kod II": Memo4 (top, the joint-angle log) and Memo3 (bottom,
// the interpolation log), both read-only.
class LogsPage : public QWidget {
    Q_OBJECT
public:
    explicit LogsPage(QWidget* parent = nullptr);

    QPlainTextEdit* jointLog() const { return memo4_; }
    QPlainTextEdit* interpolationLog() const { return memo3_; }

private:
    QPlainTextEdit* memo4_;
    QPlainTextEdit* memo3_;
};
