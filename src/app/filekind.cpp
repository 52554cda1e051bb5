#include "app/filekind.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qsizetype kHeadSize = 4096;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

QByteArrayView skipSpace(QByteArrayView text) {
    qsizetype i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    return text.sliced(i);
}

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isLetter(char c) {
    return isUpper(c) || (c >= 'a' && c <= 'z');
}

bool looksLikeSvg(QByteArrayView head) {
    if (head.startsWith("\xEF\xBB\xBF"))
        head = head.sliced(3);
    head = skipSpace(head);
    if (!head.startsWith("<"))
        return false;
    // An XML declaration, comments or a doctype may come first.
    return head.startsWith("<svg") || head.indexOf(QByteArrayView("<svg")) >= 0;
}

bool looksLikeHpgl(QByteArrayView head) {
    head = skipSpace(head);
    // Device control instructions: ESC '.', a letter or bracket, numbers
    // separated by ';', and a ':' ending them when they have any.
    while (head.startsWith("\x1b.") && head.size() > 2) {
        qsizetype end = 3;
        while (end < head.size() && ((head[end] >= '0' && head[end] <= '9') || head[end] == ';'))
            ++end;
        if (end < head.size() && head[end] == ':')
            ++end;
        head = skipSpace(head.sliced(end));
    }
    // The first instruction: two letters (either case), then a terminator, a
    // parameter or the next instruction. G-code words are one letter and a
    // number, so "G00", "N10" and "M03" never match.
    if (head.size() < 3 || !isLetter(head[0]) || !isLetter(head[1]))
        return false;
    const char next = head[2];
    return next == ';' || next == '-' || next == '+' || next == ',' ||
           (next >= '0' && next <= '9') || isSpace(next);
}

// A G-code program opens with a word (a letter and a number: "G00", "N10",
// "M03"), a comment or a '%' line.
bool looksLikeGcode(QByteArrayView head) {
    head = skipSpace(head);
    if (head.startsWith("(") || head.startsWith("%") || head.startsWith(";"))
        return true;
    if (head.size() < 2 || !isUpper(head[0]))
        return false;
    const char next = head[1];
    return (next >= '0' && next <= '9') || next == '-' || next == '+' || next == '.' || next == ' ';
}

} // namespace

FileKind DetectFileKind(const QString& fileName, QByteArrayView head) {
    if (looksLikeSvg(head))
        return FileKind::Svg;
    if (looksLikeHpgl(head))
        return FileKind::Hpgl;
    if (looksLikeGcode(head))
        return FileKind::Gcode;
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return FileKind::Svg;
    if (suffix == QLatin1String("plt") || suffix == QLatin1String("hpgl") ||
        suffix == QLatin1String("hpg"))
        return FileKind::Hpgl;
    return FileKind::Gcode;
}

FileKind DetectFileKind(const QString& fileName) {
    QByteArray head;
    QFile file(fileName);
    // Only a regular file is looked into: reading a pipe here would take
    // bytes the program reader needs.
    if (QFileInfo(fileName).isFile() && file.open(QIODevice::ReadOnly))
        head = file.read(kHeadSize);
    return DetectFileKind(fileName, head);
}
