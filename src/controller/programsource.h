#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <optional>

// What the program transfer reads of the current program: its line count and
// line i as Windows-1250 bytes, sent byte for byte. The station's prepared
// program list stands behind it; tests and tools use LineListProgram.
class ProgramSource {
public:
    virtual ~ProgramSource() = default;
    virtual int lineCount() const = 0;
    // Line `index`, or nothing when the index is past the end (the list may
    // have been replaced since the count was read).
    virtual std::optional<QByteArray> lineAt(int index) const = 0;
};

// A fixed list of lines.
class LineListProgram : public ProgramSource {
public:
    LineListProgram() = default;
    explicit LineListProgram(QByteArrayList lines) : lines_(std::move(lines)) {}

    int lineCount() const override { return int(lines_.size()); }
    std::optional<QByteArray> lineAt(int index) const override {
        if (index < 0 || index >= lines_.size())
            return std::nullopt;
        return lines_.at(index);
    }

private:
    QByteArrayList lines_;
};
