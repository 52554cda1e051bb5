#pragma once

#include <QByteArray>
#include <QObject>

class QPlainTextEdit;

// The serial terminal ComTerminal1 on the page "G-kod III": shows every
// received chunk as it comes (escape sequences are dropped, CR LF ends a
// line), 50 columns of white fixed-width text on black, and hands the keys
// typed into it to the port; nothing typed is echoed.
class TerminalView : public QObject {
    Q_OBJECT
public:
    static constexpr int kColumns = 50;
    static constexpr int kMaxLines = 5000;

    explicit TerminalView(QPlainTextEdit* screen, QObject* parent = nullptr);

    // Shows received 8-bit (Windows-1250) text.
    void showChunk(const QByteArray& chunk);
    QPlainTextEdit* screen() const { return screen_; }

signals:
    // Typed keys as the 8-bit bytes they stand for (Enter gives CR).
    void keysTyped(const QByteArray& keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Escape { None, Start, Sequence };

    QPlainTextEdit* screen_;
    Escape escape_ = Escape::None;
    int column_ = 0;
};
