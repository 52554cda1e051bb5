#include "app/textdialog.h"

#include "app/textpreview.h"
#include "base/stationlanguage.h"
#include "drawing/textlayout.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A figure in the language's decimal mark.
QDoubleSpinBox* numberBox(const char* name, double low, double high, double value, int decimals) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setLocale(DecimalMark() == u',' ? QLocale(QLocale::Polish) : QLocale(QLocale::English));
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setValue(value);
    return box;
}

} // namespace

TextDialog::TextDialog(QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit), font_(new QComboBox),
      height_(numberBox("WysokoscLiter", 1, 500, 20, 1)),
      x_(numberBox("MiejsceX", -500, 500, 40, 0)), y_(numberBox("MiejsceY", 0, 500, 340, 0)),
      preview_(new TextPreview), remark_(new QLabel), insert_(new QPushButton(tr("Wstaw"))) {
    setObjectName(QStringLiteral("WstawTekstDialog"));
    setWindowTitle(tr("Wstaw tekst"));
    text_->setObjectName(QStringLiteral("TekstDoWstawienia"));
    text_->setPlainText(tr("Zażółć gęślą jaźń"));
    font_->setObjectName(QStringLiteral("CzcionkaTekstu"));
    font_->addItem(tr("futural (bezszeryfowa)"), QStringLiteral("futural"));
    font_->addItem(tr("rowmans (szeryfowa)"), QStringLiteral("rowmans"));
    font_->addItem(tr("scripts (pisana)"), QStringLiteral("scripts"));
    remark_->setObjectName(QStringLiteral("UwagiTekstu"));
    remark_->setWordWrap(true);
    insert_->setObjectName(QStringLiteral("WstawTekst"));
    insert_->setDefault(true);

    auto* place = new QHBoxLayout;
    place->addWidget(new QLabel(tr("X:")));
    place->addWidget(x_);
    place->addWidget(new QLabel(tr("Y:")));
    place->addWidget(y_);
    auto* form = new QFormLayout;
    form->addRow(tr("Czcionka:"), font_);
    form->addRow(tr("Wysokość wielkich liter:"), height_);
    form->addRow(tr("Początek pierwszej linii:"), place);
    auto* close = new QPushButton(tr("Zamknij"));
    close->setObjectName(QStringLiteral("ZamknijTekst"));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(insert_, QDialogButtonBox::ActionRole);
    buttons->addButton(close, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Tekst (Enter zaczyna nową linię):")));
    layout->addWidget(text_);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Kliknij na wykresie, aby wskazać miejsce.")));
    layout->addWidget(preview_, 1);
    layout->addWidget(remark_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(insert_, &QPushButton::clicked, this, &TextDialog::insertChosen);
    connect(text_, &QPlainTextEdit::textChanged, this, &TextDialog::updatePreview);
    connect(font_, &QComboBox::currentIndexChanged, this, &TextDialog::updatePreview);
    updatePreview();
}

TextChoice TextDialog::choice() const {
    return {text_->toPlainText(), font_->currentData().toString(), height_->value(),
            QPointF(x_->value(), y_->value())};
}

void TextDialog::setChoice(const TextChoice& choice) {
    text_->setPlainText(choice.text);
    if (const int index = font_->findData(choice.font); index >= 0)
        font_->setCurrentIndex(index);
    height_->setValue(choice.height);
    setPlace(choice.place);
}

void TextDialog::setPlace(QPointF place) {
    x_->setValue(place.x());
    y_->setValue(place.y());
}

const StrokeFont* TextDialog::font(const QString& name, QString* error) {
    if (const auto found = fonts_.find(name); found != fonts_.end())
        return &found->second;
    Result<StrokeFont> loaded = LoadStrokeFont(name);
    if (!loaded) {
        if (error != nullptr)
            *error = loaded.error();
        return nullptr;
    }
    return &fonts_.emplace(name, std::move(loaded).value()).first->second;
}

void TextDialog::updatePreview() {
    QString error;
    const StrokeFont* chosen = font(font_->currentData().toString(), &error);
    if (chosen == nullptr) {
        preview_->setStrokes({});
        remark_->setText(error);
        return;
    }
    const Result<TextLayout> layout = LayOutText(*chosen, text_->toPlainText(), {});
    preview_->setStrokes(layout ? layout->strokes : std::vector<Stroke>{});
    remark_->setText(layout ? MissingCharactersReport(*chosen, layout->missing) : layout.error());
}
