#pragma once

class QWidget;
class QPlainTextEdit;
class QString;

// Shared looks of the settings bar's pages.
namespace PageStyle {
// A silver page outlined in black ("Ustawienia portu", "Ustawienia sterownika").
void makeSilver(QWidget* page);
// A memo with both scroll bars and no line wrapping; `readOnly` as named.
QPlainTextEdit* makeMemo(const QString& objectName, bool readOnly, QWidget* parent);
} // namespace PageStyle
