#pragma once

#include "gcode/programtext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

// The message lines a preparation pass collects: for every block with Y a
// shift line "W bloku <N> nastapiło dodatnie do pozycji Y wartosci <dy>", for
// every block with X the same for x and dx, and for every point beyond the
// arm's reach "W bloku <N> nastapiło przekroczenie zasięgu manipulatora:".
//
// A long program gives two or three lines per block, so the report keeps one
// small entry per block (its line in the source program and which messages
// it gave) and writes the texts only when asked; the N text is read from the
// source line again.
class CheckReport {
public:
    enum Message : std::uint8_t { ShiftY = 1, ShiftX = 2, OutOfReach = 4 };

    CheckReport() = default;
    CheckReport(ProgramText source, qint32 dx, qint32 dy);

    // Room for `blocks` entries, so that recording allocates once.
    void reserve(qsizetype blocks);
    // Records messages (a combination of Message flags) for source line `line`;
    // called in source order.
    void add(qsizetype line, std::uint8_t messages) {
        if (messages == 0)
            return;
        entries_.push_back(std::uint64_t(line) << 8 | messages);
        lineCount_ += (messages & 1) + (messages >> 1 & 1) + (messages >> 2 & 1);
        outOfReachCount_ += messages >> 2 & 1;
    }

    qsizetype lineCount() const { return lineCount_; }
    bool isEmpty() const { return lineCount_ == 0; }
    // Each message line in order, as Unicode; with `only`, just the lines of
    // those kinds (a combination of Message flags).
    void forEachLine(const std::function<void(const QString&)>& visit,
                     std::uint8_t only = ShiftY | ShiftX | OutOfReach) const;
    QStringList lines() const;
    // All lines as Windows-1250 bytes, each followed by `lineEnd`.
    QByteArray toBytes(QByteArrayView lineEnd = "\r\n") const;
    // The shift the pass added.
    qint32 dx() const { return dx_; }
    qint32 dy() const { return dy_; }
    // Number of out-of-reach lines.
    qsizetype outOfReachCount() const { return outOfReachCount_; }
    // The first `limit` out-of-reach lines, in program order, for the operator
    // to read; only those blocks are parsed again.
    QStringList reachMessages(qsizetype limit) const;

private:
    ProgramText source_;
    qint32 dx_ = 0;
    qint32 dy_ = 0;
    std::vector<std::uint64_t> entries_; // source line << 8 | messages
    qsizetype lineCount_ = 0;
    qsizetype outOfReachCount_ = 0;
};
