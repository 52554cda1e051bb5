#include "controller/widgets/transferpanel.h"

#include "base/stationlanguage.h"
#include "controller/linktexts.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* makeLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

// The figures of a stall: its seconds, the line and the line's re-sends.
QString stallText(const QString& text, const TransferFigures& f) {
    return text.arg(f.silent.count() / 1000).arg(f.current + 1).arg(f.resendsOfLine);
}

int percentOf(const TransferFigures& f) {
    return f.total > 0 ? int(qint64(f.acknowledged) * 100 / f.total) : 0;
}

} // namespace

TransferPanel::TransferPanel(QWidget* parent)
    : QWidget(parent), estimate_(makeLabel("TransferEstimate", this)), bar_(new QProgressBar(this)),
      figures_(makeLabel("TransferFigures", this)), state_(makeLabel("TransferState", this)),
      buttons_(new QWidget(this)) {
    setObjectName(QStringLiteral("TransferPanel"));
    bar_->setObjectName(QStringLiteral("TransferProgress"));
    bar_->setRange(0, 1000);
    bar_->setValue(0);
    bar_->setFormat(QStringLiteral("%p%"));
    QFont bold = state_->font();
    bold.setBold(true);
    state_->setFont(bold);
    estimateSource_ = &TransferPanel::noProgramText;
    estimate_->setText(estimateSource_());
    auto* buttons = new QHBoxLayout(buttons_);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(estimate_);
    layout->addWidget(bar_);
    layout->addWidget(figures_);
    layout->addWidget(state_);
    layout->addWidget(buttons_);
    showFigures(TransferFigures{});
}

void TransferPanel::setCommands(QAction* hold, QAction* holdNow, QAction* resume, QAction* abort) {
    static const char* const kNames[] = {"TransferHoldButton", "TransferHoldNowButton",
                                         "TransferResumeButton", "TransferAbortButton"};
    int i = 0;
    for (QAction* action : {hold, holdNow, resume, abort}) {
        auto* button = new QToolButton(buttons_);
        button->setObjectName(QString::fromLatin1(kNames[i++]));
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons_->layout()->addWidget(button);
    }
    static_cast<QHBoxLayout*>(buttons_->layout())->addStretch(1);
}

QString TransferPanel::noProgramText() {
    return tr("Brak programu do wysłania");
}

void TransferPanel::showEstimate(std::function<QString()> text) {
    estimateSource_ = std::move(text);
    estimate_->setText(estimateSource_());
}

void TransferPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        estimate_->setText(estimateSource_());
        showFigures(shown_);
    }
    QWidget::changeEvent(event);
}

void TransferPanel::showFigures(const TransferFigures& figures) {
    shown_ = figures;
    const bool shown = figures.active || figures.ended.has_value();
    bar_->setVisible(shown);
    figures_->setVisible(shown);
    state_->setVisible(shown);
    if (!shown)
        return;
    bar_->setValue(figures.total > 0 ? int(qint64(figures.acknowledged) * 1000 / figures.total)
                                     : 0);
    figures_->setText(figuresLine(figures));
    state_->setText(stateLine(figures));
    // A stall is the one state the operator must not miss.
    state_->setStyleSheet(figures.stalled ? QStringLiteral("color: #b00000;") : QString());
}

QString TransferPanel::estimateText() const {
    return estimate_->text();
}

QString TransferPanel::figuresText() const {
    return figures_->text();
}

QString TransferPanel::stateText() const {
    return state_->text();
}

int TransferPanel::progressValue() const {
    return bar_->value();
}

QString TransferPanel::figuresLine(const TransferFigures& f) {
    return tr("Potwierdzone linie: %1 z %2 (%3%)   Linii na sekundę: %4   "
              "Ponowienia: %5   Czas: %6   Pozostało: %7")
        .arg(f.acknowledged)
        .arg(f.total)
        .arg(percentOf(f))
        .arg(FormatFigure(f.linesPerSecond, 1))
        .arg(f.resends)
        .arg(FormatDuration(f.elapsed))
        .arg(FormatDuration(f.left));
}

QString TransferPanel::stateLine(const TransferFigures& f) {
    const int line = f.current + 1; // as the program memo counts lines
    if (f.ended)
        return *f.ended == TransferStep::Aborted ? LinkTexts::transferAbortedAt(line)
                                                 : LinkTexts::transferDone();
    if (f.held) {
        switch (f.hold) {
        case TransferHold::PenUp:
            return tr("Wysyłanie wstrzymane przed linią %1, pisak podniesiony. "
                      "Wybierz \"Wznów wysyłanie\".")
                .arg(line);
        case TransferHold::Immediate:
            return tr("Wysyłanie wstrzymane przed linią %1, pisak podniesiony "
                      "w miejscu zatrzymania. Wybierz \"Wznów wysyłanie\".")
                .arg(line);
        case TransferHold::PenChange:
            return tr("Zmiana pisaka: wysyłanie wstrzymane przed linią %1, pisak "
                      "podniesiony. Załóż następny pisak i wybierz \"Wznów "
                      "wysyłanie\".")
                .arg(line);
        case TransferHold::LinkLost:
            return tr("Wysyłanie wstrzymane w linii %1: połączenie przerwane. "
                      "Połącz ponownie i wybierz \"Wznów wysyłanie\".")
                .arg(line);
        }
    }
    if (f.stalled)
        return stallText(tr("Brak potwierdzenia od %1 s (linia %2, %3 ponowień). "
                            "Możesz przerwać wysyłanie."),
                         f);
    if (f.travel)
        return tr("Przejazd z podniesionym pisakiem przed linią %1").arg(line);
    return tr("Wysyłanie linii %1").arg(line);
}

QString TransferPanel::statusLine(const TransferFigures& f) {
    if (f.ended || f.held)
        return stateLine(f).section(QLatin1Char('.'), 0, 0);
    if (f.stalled)
        return stallText(tr("Brak potwierdzenia od %1 s (linia %2, %3 ponowień)"), f);
    return tr("Wysyłanie: %1 z %2 (%3%), pozostało %4")
        .arg(f.acknowledged)
        .arg(f.total)
        .arg(percentOf(f))
        .arg(FormatDuration(f.left));
}
