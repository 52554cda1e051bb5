#include "app/portsettingspage.h"

#include "app/pagestyle.h"
#include "controller/widgets/comled.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct SelectorDesign {
    const char* caption; // translated when shown
    // Text forms in list order, separated by '|': the controller link reads
    // them back and the settings keep them, so they are not translated.
    const char* values;
    const char* current;
};

const SelectorDesign kSelectors[PortSettingsPage::kSelectorCount] = {
    {QT_TRANSLATE_NOOP("PortSettingsPage", "Port:"), "COM1", "COM1"},
    {QT_TRANSLATE_NOOP("PortSettingsPage", "Liczba bitów na sekundę:"),
     "Custom|110|300|600|1200|2400|4800|9600|14400|19200|38400|56000|57600|115200|128000|256000",
     "19200"},
    {QT_TRANSLATE_NOOP("PortSettingsPage", "Bity danych:"), "5|6|7|8", "8"},
    {QT_TRANSLATE_NOOP("PortSettingsPage", "Parzystosc:"), "None|Odd|Even|Mark|Space", "None"},
    {QT_TRANSLATE_NOOP("PortSettingsPage", "Bity stopu:"), "1|1.5|2", "1"},
    {QT_TRANSLATE_NOOP("PortSettingsPage", "Sterowanie przepływem:"),
     "Hardware|Software|None|Custom", "None"},
};

const char* const kLampCaptions[PortSettingsPage::kLampCount] = {"CTS", "DSR", "RLSD", "RX", "TX"};
} // namespace

PortSettingsPage::PortSettingsPage(QWidget* parent)
    : QFrame(parent), connect_(new QPushButton(this)), disconnect_(new QPushButton(this)) {
    setObjectName(QStringLiteral("Ustawieniaportu"));
    PageStyle::makeSilver(this);

    auto* grid = new QGridLayout;
    for (int i = 0; i < kSelectorCount; ++i) {
        const SelectorDesign& design = kSelectors[i];
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("ComComboBox%1").arg(i + 1));
        selectors_[std::size_t(i)] = box;
        box->addItems(QString::fromLatin1(design.values).split(QLatin1Char('|')));
        box->setCurrentText(QString::fromLatin1(design.current));
        captions_[std::size_t(i)] = new QLabel(this);
        grid->addWidget(captions_[std::size_t(i)], i, 0);
        grid->addWidget(box, i, 1);
    }

    auto* lamps = new QHBoxLayout;
    for (int i = 0; i < kLampCount; ++i) {
        auto* led = new ComLed(this);
        led->setObjectName(QStringLiteral("ComLed%1").arg(i + 1));
        lamps_[std::size_t(i)] = led;
        auto* column = new QVBoxLayout;
        column->addWidget(led, 0, Qt::AlignHCenter);
        column->addWidget(new QLabel(QString::fromLatin1(kLampCaptions[i]), this), 0,
                          Qt::AlignHCenter);
        lamps->addLayout(column);
    }

    connect_->setObjectName(QStringLiteral("Button1"));
    disconnect_->setObjectName(QStringLiteral("Button2"));
    disconnect_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(connect_);
    buttons->addWidget(disconnect_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(lamps);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->addStretch();
    retranslate();
}

void PortSettingsPage::retranslate() {
    for (int i = 0; i < kSelectorCount; ++i)
        captions_[std::size_t(i)]->setText(tr(kSelectors[i].caption));
    connect_->setText(tr("Połącz"));
    disconnect_->setText(tr("Rozłącz"));
}

void PortSettingsPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

QComboBox* PortSettingsPage::selector(int number) const {
    return selectors_.at(std::size_t(number - 1));
}

ComLed* PortSettingsPage::lamp(int number) const {
    return lamps_.at(std::size_t(number - 1));
}
