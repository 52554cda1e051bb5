#include "hpgl/hpglreader.h"

#include "hpgl/hpglmessages.h"

#include <algorithm>
#include <cmath>

namespace {

bool isLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\0';
}
char16_t upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

// A short, printable excerpt for an error text.
QString excerpt(QStringView text, qsizetype from) {
    qsizetype end = from;
    while (end < text.size() && end - from < 20 && !isSpace(text[end].unicode()) &&
           text[end] != u',' && text[end] != u';')
        ++end;
    return text.sliced(from, std::max<qsizetype>(end - from, 1)).toString();
}

} // namespace

bool HpglReader::readsNumbers(QStringView mnemonic) {
    static const char16_t* const kKept[] = {u"IN", u"SP", u"PU", u"PD", u"PA",
                                            u"PR", u"CI", u"AA", u"AR"};
    for (const char16_t* kept : kKept) {
        if (mnemonic == QStringView(kept))
            return true;
    }
    return false;
}

void HpglReader::advance() {
    if (text_[pos_] == u'\n')
        ++line_;
    ++pos_;
}

void HpglReader::skipSeparators() {
    while (!atEnd()) {
        const char16_t c = peek();
        if (isSpace(c) || c == u';')
            advance();
        else if (c == u'\x1b')
            skipEscape();
        else
            break;
    }
}

void HpglReader::skipEscape() {
    advance(); // ESC
    if (!atEnd() && peek() == u'.') {
        // A device-control instruction: ESC '.' and one character ('(' and
        // ')' turn the plotter on and off, letters name the rest); those
        // with parameters run to ':' ("ESC.I81;;17:", "ESC.N;19:"), the
        // others may have a ':' after them.
        advance();
        if (atEnd())
            return;
        advance();
        while (!atEnd()) {
            const char16_t c = peek();
            if (!(isDigit(c) || c == u';' || c == u',' || c == u' ' || c == u'+' || c == u'-'))
                break;
            advance();
        }
        if (!atEnd() && peek() == u':')
            advance();
        return;
    }
    // Another escape sequence (a printer language switch such as ESC%0B or
    // ESC E): parameters up to a letter or ':' that ends it.
    while (!atEnd()) {
        const char16_t c = peek();
        advance();
        if (c == u':' || isLetter(c) || c == u'\n')
            break;
    }
}

void HpglReader::skipUntil(char16_t terminator) {
    while (!atEnd() && peek() != terminator)
        advance();
    if (!atEnd())
        advance();
}

void HpglReader::skipLabel() {
    while (!atEnd() && peek() != labelTerminator_ && peek() != u'\n' && peek() != u'\r')
        advance();
    if (!atEnd())
        advance();
}

void HpglReader::skipParameters() {
    while (!atEnd()) {
        const char16_t c = peek();
        if (c == u';' || c == u'\n' || isLetter(c) || c == u'\x1b')
            break;
        advance();
    }
}

Status HpglReader::readNumbers(HpglInstruction& out) {
    while (!atEnd()) {
        const char16_t c = peek();
        if (isSpace(c) || c == u',') {
            advance();
            continue;
        }
        if (c == u';' || isLetter(c) || c == u'\x1b')
            break;
        // [sign] digits [. digits]
        const qsizetype start = pos_;
        bool negative = false;
        if (c == u'+' || c == u'-') {
            negative = c == u'-';
            ++pos_;
        }
        double value = 0;
        bool digits = false;
        while (!atEnd() && isDigit(peek())) {
            value = value * 10 + (peek() - u'0');
            digits = true;
            ++pos_;
        }
        if (!atEnd() && peek() == u'.') {
            ++pos_;
            double scale = 1;
            double fraction = 0;
            while (!atEnd() && isDigit(peek())) {
                fraction = fraction * 10 + (peek() - u'0');
                scale *= 10;
                digits = true;
                ++pos_;
            }
            value += fraction / scale;
        }
        const bool separated = atEnd() || isSpace(peek()) || peek() == u',' || peek() == u';' ||
                               peek() == u'+' || peek() == u'-' || isLetter(peek());
        if (!digits || !separated || !std::isfinite(value))
            return Failure{hpgl::badNumber(excerpt(text_, start), out.mnemonic, out.line)};
        out.params.push_back(negative ? -value : value);
    }
    return {};
}

Result<bool> HpglReader::next(HpglInstruction& out) {
    skipSeparators();
    if (atEnd())
        return false;
    out.params.clear();
    out.line = line_;
    if (pos_ + 1 >= text_.size() || !isLetter(peek()) || !isLetter(text_[pos_ + 1].unicode()))
        return Failure{hpgl::badCharacter(excerpt(text_, pos_), line_)};
    const char16_t mnemonic[2] = {upper(peek()), upper(text_[pos_ + 1].unicode())};
    out.mnemonic = QString(reinterpret_cast<const QChar*>(mnemonic), 2);
    pos_ += 2;
    if (out.mnemonic == u"LB") {
        skipLabel();
    } else if (out.mnemonic == u"DT") {
        if (!atEnd() && peek() != u';' && peek() != u'\n') {
            labelTerminator_ = peek();
            advance();
        }
        skipParameters();
    } else if (out.mnemonic == u"PE") {
        skipUntil(u';');
    } else if (readsNumbers(out.mnemonic)) {
        if (Status numbers = readNumbers(out); !numbers)
            return numbers.failure();
    } else {
        skipParameters();
    }
    return true;
}
