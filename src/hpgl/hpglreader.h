#pragma once

#include "base/result.h"

#include <QString>
#include <QStringView>

#include <vector>

// One instruction of a plot file as written by any drawing program.
struct HpglInstruction {
    QString mnemonic;           // two letters, upper case
    std::vector<double> params; // numbers; empty for dropped instructions
    qsizetype line = 1;         // 1-based line where the instruction starts
};

// Reads the instructions of HPGL text in any common layout: instructions
// separated by ';' and/or line ends, parameters by commas or spaces, upper or
// lower case mnemonics. Labels (LB) run to their terminator (ETX or the one
// set by DT) or to the end of the line; encoded polylines (PE) to ';';
// escape sequences are passed over, device-control instructions
// ("ESC.I81;;17:", "ESC.(") with their parameters and ':'.
class HpglReader {
public:
    explicit HpglReader(QStringView text) : text_(text) {}

    // The next instruction into `out`: true, false at the end of the text, or
    // the station's text for something that is no HPGL.
    Result<bool> next(HpglInstruction& out);
    // Whether the parameters of this mnemonic are read as numbers.
    static bool readsNumbers(QStringView mnemonic);

private:
    void skipSeparators();
    void skipEscape();
    void skipLabel();
    void skipUntil(char16_t terminator);
    void skipParameters();
    Status readNumbers(HpglInstruction& out);
    bool atEnd() const { return pos_ >= text_.size(); }
    char16_t peek() const { return text_[pos_].unicode(); }
    void advance();

    QStringView text_;
    qsizetype pos_ = 0;
    qsizetype line_ = 1;
    char16_t labelTerminator_ = u'\x03';
};
