#include "app/controllersettingspage.h"

#include "app/pagestyle.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
struct FieldRow {
    const char* label; // translated when shown
    int edit;          // EditN
    const char* text;  // design text
    bool readOnly;
    bool disabled;
    int button; // ButtonN "Wyslij", 0 for none
};

// Rows from top to bottom (the manual-control box sits after Edit6).
const FieldRow kUpperRows[] = {
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Minimalny kąt obrotu silnika:"), 2, "1,8", false,
     false, 0},
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Rozdzielczosc mikrokroku:"), 3, "16", false,
     false, 0},
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Przekładnia"), 11, "0,25", false, false, 0},
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Minimalny ruch:"), 4, "", true, true, 0},
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Minimalny kąt interpolacji:"), 5, "1,8", true,
     true, 0},
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Ilosc bledow rozdzielczosci"), 6, "0", true, true,
     0},
};
const FieldRow kLowerRows[] = {
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Adres sterownika"), 12, "05", true, false, 0},
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Wysokosc Z dla G00:"), 13, "050", false, false,
     7},
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Wysokosc Z dla G01:"), 14, "045", false, false,
     9},
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Obszar zabroniony:"), 15, "150", false, false, 0},
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Obrót ramienia 1 o kąt:"), 9, "", false, false,
     3},
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Obrót ramienia 2 o kąt:"), 10, "", false, false,
     4},
    {QT_TRANSLATE_NOOP("ControllerSettingsPage", "Zmiana położenia osi Z o:"), 16, "", false, false,
     5},
};

using Captions = std::vector<std::pair<QLabel*, const char*>>;

QPushButton* sendButton(int number, QWidget* parent, std::map<int, QPushButton*>& buttons) {
    auto* button = new QPushButton(parent);
    buttons[number] = button;
    button->setObjectName(QStringLiteral("Button%1").arg(number));
    button->setEnabled(false);
    button->setFixedWidth(55);
    return button;
}

QLineEdit* field(int number, const QString& text, QWidget* parent,
                 std::map<int, QLineEdit*>& edits) {
    auto* edit = new QLineEdit(text, parent);
    edits[number] = edit;
    edit->setObjectName(QStringLiteral("Edit%1").arg(number));
    edit->setFixedWidth(64);
    return edit;
}

QLabel* caption(const char* text, QWidget* page, Captions& captions) {
    auto* label = new QLabel(page);
    captions.emplace_back(label, text);
    return label;
}

void addRows(QGridLayout* grid, int& row, const FieldRow* begin, const FieldRow* end, QWidget* page,
             std::map<int, QLineEdit*>& edits, std::map<int, QPushButton*>& buttons,
             Captions& captions) {
    for (const FieldRow* r = begin; r != end; ++r, ++row) {
        grid->addWidget(caption(r->label, page, captions), row, 0);
        QLineEdit* edit = field(r->edit, QString::fromUtf8(r->text), page, edits);
        edit->setReadOnly(r->readOnly);
        edit->setEnabled(!r->disabled);
        grid->addWidget(edit, row, 1);
        if (r->button)
            grid->addWidget(sendButton(r->button, page, buttons), row, 2);
    }
}
} // namespace

ControllerSettingsPage::ControllerSettingsPage(QWidget* parent)
    : QFrame(parent), manualControl_(new QCheckBox(this)) {
    setObjectName(QStringLiteral("Ustawieniasterownika"));
    PageStyle::makeSilver(this);
    manualControl_->setObjectName(QStringLiteral("CheckBox7"));

    auto* grid = new QGridLayout(this);
    int row = 0;
    addRows(grid, row, std::begin(kUpperRows), std::end(kUpperRows), this, edits_, buttons_,
            captions_);
    grid->addWidget(manualControl_, row++, 0, 1, 3);
    addRows(grid, row, std::begin(kLowerRows), std::end(kLowerRows), this, edits_, buttons_,
            captions_);

    grid->addWidget(caption(QT_TR_NOOP("Korekta wysokosci:"), this, captions_), row, 0);
    grid->addWidget(sendButton(8, this, buttons_), row++, 2);
    // The height correction: a "z:" field under each of the "x:" positions.
    auto* heights = new QGridLayout;
    heights->addWidget(new QLabel(QStringLiteral("x:"), this), 0, 0, Qt::AlignRight);
    heights->addWidget(new QLabel(QStringLiteral("z:"), this), 1, 0, Qt::AlignRight);
    const char* positions[] = {"500", "0", "-500"};
    const int heightEdits[] = {7, 8, 17};
    for (int i = 0; i < 3; ++i) {
        heights->addWidget(new QLabel(QString::fromLatin1(positions[i]), this), 0, 1 + i);
        QLineEdit* edit = field(heightEdits[i], QString(), this, edits_);
        edit->setFixedWidth(45);
        heights->addWidget(edit, 1, 1 + i);
    }
    heights->setColumnStretch(4, 1);
    grid->addLayout(heights, row++, 0, 1, 3);
    grid->addWidget(caption(QT_TR_NOOP("Ustaw bieżącą pozycję jako odn."), this, captions_), row, 0,
                    1, 2);
    grid->addWidget(sendButton(10, this, buttons_), row++, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    retranslate();
}

void ControllerSettingsPage::retranslate() {
    for (const auto& [label, text] : captions_)
        label->setText(tr(text));
    manualControl_->setText(tr("Sterowanie ręczne"));
    for (const auto& [number, button] : buttons_)
        button->setText(tr("Wyslij"));
}

void ControllerSettingsPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

QLineEdit* ControllerSettingsPage::edit(int number) const {
    const auto found = edits_.find(number);
    return found != edits_.end() ? found->second : nullptr;
}

QPushButton* ControllerSettingsPage::button(int number) const {
    const auto found = buttons_.find(number);
    return found != buttons_.end() ? found->second : nullptr;
}
