#pragma once

#include "drawing/strokefont.h"

#include <QDialog>
#include <QPointF>
#include <QString>

#include <map>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TextPreview;

// What the operator chose in "Wstaw tekst…".
struct TextChoice {
    QString text;
    QString font;
    double height = 20; // of the capitals, program units
    QPointF place;      // where the first line's baseline starts
};

// "Edycja" -> "Wstaw tekst…" (WstawTekstDialog): the text (line breaks
// start new lines), the single-stroke font, the capital height and the
// place, typed or taken from a click on the plot while the dialog is open,
// with a preview of the letters as the pen draws them and the characters
// the font lacks. "Wstaw" asks for the text to go into the program; the
// dialog stays open for the next one.
class TextDialog : public QDialog {
    Q_OBJECT
public:
    explicit TextDialog(QWidget* parent = nullptr);

    TextChoice choice() const;
    void setChoice(const TextChoice& choice);
    void setPlace(QPointF place);
    // The font of that name, read once; nullptr (with the reason in
    // `error`) when it cannot be.
    const StrokeFont* font(const QString& name, QString* error = nullptr);

    QPlainTextEdit* textEdit() const { return text_; }
    QPushButton* insertButton() const { return insert_; }

signals:
    void insertChosen(); // "Wstaw"

private:
    void updatePreview();

    QPlainTextEdit* text_;
    QComboBox* font_;
    QDoubleSpinBox* height_;
    QDoubleSpinBox* x_;
    QDoubleSpinBox* y_;
    TextPreview* preview_;
    QLabel* remark_;
    QPushButton* insert_;
    std::map<QString, StrokeFont> fonts_;
};
