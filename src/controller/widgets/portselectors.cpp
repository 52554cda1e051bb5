#include "controller/widgets/portselectors.h"

#include "controller/controllerlink.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/serialportlist.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>

const QString PortSelectors::kEmulatorEntry = QStringLiteral("Emulator sterownika");

namespace {

enum Box { kPort, kBaud, kDataBits, kParity, kStopBits, kFlow };

bool opensPopup(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return key->key() == Qt::Key_F4 || ((key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) &&
                                        key->modifiers().testFlag(Qt::AltModifier));
}

} // namespace

int PortSelectors::baudRate() const {
    const QComboBox* box = boxes_[kBaud];
    const BaudRate rate = box ? baudRateFromText(box->currentText()) : BaudRate::B19200;
    return baudRateValue(rate);
}

QString PortSelectors::portName() const {
    const QComboBox* box = boxes_[kPort];
    return box ? box->currentText() : QString();
}

PortSelectors::PortSelectors(std::array<QComboBox*, 6> boxes, ControllerLink& link, QObject* parent)
    : QObject(parent), boxes_(boxes), link_(link) {
    if (QComboBox* portBox = boxes_[kPort]) {
        // A device path that is not listed (a symbolic link, the emulator
        // tool's line) can be typed in.
        portBox->setEditable(true);
        portBox->setInsertPolicy(QComboBox::NoInsert);
        portBox->installEventFilter(this);
    }
    if (QComboBox* baud = boxes_[kBaud])
        connect(baud, &QComboBox::currentTextChanged, this, &PortSelectors::baudRateChanged);
    if (QComboBox* flow = boxes_[kFlow]) {
        // A failure to apply it to the open port is the link's error.
        connect(flow, &QComboBox::textActivated, this,
                [this](const QString& text) { link_.setFlowControl(flowControlFromText(text)); });
    }
}

PortSelectors::~PortSelectors() = default;

void PortSelectors::fillPortList() {
    const QStringList names = presentPortNames();
    const QString preferred = preferredPort(names);
    setPortItems(preferred.isEmpty() ? kEmulatorEntry : preferred);
}

void PortSelectors::refreshPortList() {
    if (QComboBox* portBox = boxes_[kPort])
        setPortItems(portBox->currentText());
}

void PortSelectors::setPortItems(const QString& keep) {
    QComboBox* portBox = boxes_[kPort];
    if (!portBox)
        return;
    QStringList items = presentPortNames();
#if defined(Q_OS_LINUX) || defined(Q_OS_MACOS)
    items << kEmulatorEntry;
#endif
    const QSignalBlocker quiet(portBox);
    portBox->clear();
    portBox->addItems(items);
    portBox->setCurrentText(keep);
}

bool PortSelectors::eventFilter(QObject* watched, QEvent* event) {
    if (watched == boxes_[kPort] && opensPopup(event))
        refreshPortList(); // before the list drops down
    return QObject::eventFilter(watched, event);
}

Result<PortSettings> PortSelectors::read() {
    for (QComboBox* box : boxes_) {
        if (box && box->currentText().isEmpty())
            return Failure{tr("List index out of bounds (%1)").arg(box->currentIndex())};
    }
    PortSettings settings = link_.portSettings();
    auto text = [this](int box, const QString& fallback) {
        return boxes_[box] ? boxes_[box]->currentText() : fallback;
    };
    settings.port = text(kPort, settings.port);
    settings.baudRate = baudRateFromText(text(kBaud, baudRateText(settings.baudRate)));
    settings.dataBits = dataBitsFromText(text(kDataBits, dataBitsText(settings.dataBits)));
    settings.parity = parityFromText(text(kParity, parityText(settings.parity)));
    settings.stopBits = stopBitsFromText(text(kStopBits, stopBitsText(settings.stopBits)));
    settings.flowControl = flowControlFromText(text(kFlow, flowControlText(settings.flowControl)));
    if (settings.port == kEmulatorEntry) {
        if (!emulator_)
            emulator_ = new ControllerEmulator({}, this);
        if (Status started = emulator_->start(); !started)
            return Failure{started.error()};
        settings.port = emulator_->portPath();
    }
    return settings;
}
