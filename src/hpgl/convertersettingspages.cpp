#include "hpgl/convertersettingspages.h"

#include "hpgl/integertext.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QLineEdit* addField(QWidget* page, const char* name, const QString& text, QRect geometry) {
    auto* field = new QLineEdit(text, page);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(geometry);
    return field;
}

QLabel* addLabel(QWidget* page, QPoint at) {
    auto* label = new QLabel(page);
    label->move(at);
    return label;
}

// The labels stand where they were put, as wide as their text.
void setCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

QPlainTextEdit* addMemo(QWidget* page, const char* name, const QStringList& lines, QRect geometry) {
    auto* memo = new QPlainTextEdit(lines.join(u'\n'), page);
    memo->setObjectName(QLatin1String(name));
    memo->setGeometry(geometry);
    return memo;
}

// The memo's lines as the operator sees them: one per text line, however
// the memo wraps them on screen.
QStringList memoLines(const QPlainTextEdit* memo) {
    QStringList lines = memo->toPlainText().split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

ConverterSettingsPages::ConverterSettingsPages(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("Pagecontrol1"));
    addTab(createHeightsPage(), QString());
    addTab(createGcodePage(), QString());
    addTab(createNormalizePage(), QString());
    setCurrentIndex(1);
    retranslate();
}

void ConverterSettingsPages::retranslate() {
    setTabText(0, tr("Ustawienia wysokosci"));
    setTabText(1, tr("Ustawienia g-kodu"));
    setTabText(2, tr("Normalizacja HPGL"));
    for (int pen = 0; pen < int(penLabels_.size()); ++pen)
        setCaption(penLabels_[size_t(pen)], tr("Pisak %1").arg(pen + 1));
    setCaption(numberingLabel_, tr("Numeracja linii:"));
    setCaption(fromLabel_, tr("Od:"));
    setCaption(stepLabel_, tr("Do:"));
    setCaption(headerLabel_, tr("Dodaj na początku:"));
    setCaption(footerLabel_, tr("Dodaj na końcu:"));
    setCaption(chordLabel_, tr("Kąt cięciwy łuków [°]:"));
    setCaption(marginLabel_, tr("Margines obszaru roboczego:"));
}

void ConverterSettingsPages::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QTabWidget::changeEvent(event);
}

QWidget* ConverterSettingsPages::createHeightsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    QFont font = page->font();
    font.setPixelSize(16);
    page->setFont(font);
    for (int pen = 0; pen < 8; ++pen) {
        const int top = 25 + 25 * pen;
        penLabels_[size_t(pen)] = addLabel(page, QPoint(16, top));
        const QByteArray name = "Edit" + QByteArray::number(6 + pen);
        penFields_[size_t(pen)] =
            addField(page, name.constData(), QString::number(pen + 1), QRect(88, top, 49, 24));
    }
    setCaption(addLabel(page, QPoint(16, 224)), QStringLiteral("G00"));
    travelField_ = addField(page, "Edit1", QStringLiteral("10"), QRect(88, 224, 49, 24));
    return page;
}

QWidget* ConverterSettingsPages::createGcodePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    const ConverterSettings defaults;
    numberingLabel_ = addLabel(page, QPoint(16, 16));
    fromLabel_ = addLabel(page, QPoint(56, 42));
    // "Od:" is shown as it always was; no operation reads it.
    fromField_ = addField(page, "Edit14", QStringLiteral("10"), QRect(96, 40, 49, 21));
    stepLabel_ = addLabel(page, QPoint(56, 67));
    stepField_ = addField(page, "Edit15", defaults.lineStep, QRect(96, 65, 49, 21));
    headerLabel_ = addLabel(page, QPoint(40, 100));
    headerMemo_ = addMemo(page, "Memo3", defaults.header, QRect(40, 120, 185, 89));
    footerLabel_ = addLabel(page, QPoint(40, 220));
    footerMemo_ = addMemo(page, "Memo4", defaults.footer, QRect(40, 240, 185, 89));
    return page;
}

QWidget* ConverterSettingsPages::createNormalizePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    chordLabel_ = addLabel(page, QPoint(16, 27));
    chordField_ = addField(page, "Edit16", QStringLiteral("5"), QRect(176, 25, 49, 21));
    marginLabel_ = addLabel(page, QPoint(16, 52));
    marginField_ = addField(page, "Edit17", QStringLiteral("10"), QRect(176, 50, 49, 21));
    return page;
}

Result<NormalizeOptions> ConverterSettingsPages::normalizeOptions(bool fit) const {
    NormalizeOptions options;
    const Result<double> chord = readChordDegrees(chordField_->text());
    if (!chord)
        return chord.failure();
    options.normalizer.chordDegrees = *chord;
    options.fit = fit;
    if (fit) {
        const Result<qint32> margin = readInteger(marginField_->text());
        if (!margin)
            return margin.failure();
        options.fitting.margin = *margin;
    }
    return options;
}

ConverterSettings ConverterSettingsPages::settings() const {
    ConverterSettings settings;
    for (size_t pen = 0; pen < penFields_.size(); ++pen)
        settings.penHeights[pen] = penFields_[pen]->text();
    settings.travelHeight = travelField_->text();
    settings.lineStep = stepField_->text();
    settings.header = memoLines(headerMemo_);
    settings.footer = memoLines(footerMemo_);
    return settings;
}

QString ConverterSettingsPages::lineStepText() const {
    return stepField_->text();
}

ConverterPreferences ConverterSettingsPages::preferences() const {
    ConverterPreferences preferences;
    preferences.conversion = settings();
    preferences.chordDegrees = chordField_->text();
    preferences.margin = marginField_->text();
    return preferences;
}

void ConverterSettingsPages::setPreferences(const ConverterPreferences& preferences) {
    const ConverterSettings& c = preferences.conversion;
    for (size_t pen = 0; pen < penFields_.size(); ++pen)
        penFields_[pen]->setText(c.penHeights[pen]);
    travelField_->setText(c.travelHeight);
    stepField_->setText(c.lineStep);
    headerMemo_->setPlainText(c.header.join(u'\n'));
    footerMemo_->setPlainText(c.footer.join(u'\n'));
    chordField_->setText(preferences.chordDegrees);
    marginField_->setText(preferences.margin);
}
