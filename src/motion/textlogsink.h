#pragma once

#include "motion/motionsink.h"

#include <QString>

#include <cstdio>
#include <string>

// A headless sink: one line per simulated point, as 8-bit Windows-1250 text
// with LF line ends, gathered in a buffer and written to a stream in large
// pieces. Joints mode writes the joint-angle log line, Points mode the
// interpolation log line.
class TextLogSink : public MotionSink {
public:
    enum class Mode { Joints, Points };

    // `stream` may be null: the lines are then only counted (benchmarks).
    TextLogSink(Mode mode, std::FILE* stream);
    ~TextLogSink() override;

    void jointsStepped(const SimulationState& state) override;
    void pointReached(const SimulationState& state) override;

    void flush();
    long long lineCount() const { return lines_; }
    // The text not yet flushed (for tests).
    const std::string& pending() const { return buffer_; }

private:
    void appendN(const SimulationState& state);
    void endLine();

    Mode mode_;
    std::FILE* stream_;
    std::string buffer_;
    QString lastN_;
    QByteArray lastNBytes_;
    long long lines_ = 0;
};
