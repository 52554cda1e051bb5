#include "controller/portsettings.h"

#include <algorithm>
#include <array>

namespace {

const std::array kBaudTexts{"Custom", "110",    "300",    "600",   "1200",  "2400",
                            "4800",   "9600",   "14400",  "19200", "38400", "56000",
                            "57600",  "115200", "128000", "256000"};
constexpr std::array kBaudValues{
    kCustomBaudRate, 110,   300,   600,   1200,  2400,   4800,   9600,
    14400,           19200, 38400, 56000, 57600, 115200, 128000, 256000};
const std::array kDataBitsTexts{"5", "6", "7", "8"};
const std::array kParityTexts{"None", "Odd", "Even", "Mark", "Space"};
const std::array kStopBitsTexts{"1", "1.5", "2"};
const std::array kFlowTexts{"Hardware", "Software", "None", "Custom"};

template <typename Texts> QStringList toList(const Texts& texts) {
    QStringList list;
    for (const char* text : texts)
        list << QString::fromLatin1(text);
    return list;
}

// Index of the first text form equal to `text` regardless of case, or -1.
template <typename Texts> int indexOf(const Texts& texts, const QString& text) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (text.compare(QLatin1String(texts[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

template <typename Enum, typename Texts>
Enum fromText(const Texts& texts, const QString& text, Enum fallback) {
    const int index = indexOf(texts, text);
    return index < 0 ? fallback : Enum(index);
}

} // namespace

QStringList settingTexts(PortSetting setting) {
    switch (setting) {
    case PortSetting::Port:
        return {};
    case PortSetting::BaudRate:
        return toList(kBaudTexts);
    case PortSetting::DataBits:
        return toList(kDataBitsTexts);
    case PortSetting::Parity:
        return toList(kParityTexts);
    case PortSetting::StopBits:
        return toList(kStopBitsTexts);
    case PortSetting::FlowControl:
        return toList(kFlowTexts);
    }
    return {};
}

QString defaultSettingText(PortSetting setting) {
    const PortSettings defaults;
    switch (setting) {
    case PortSetting::Port:
        return defaults.port;
    case PortSetting::BaudRate:
        return baudRateText(defaults.baudRate);
    case PortSetting::DataBits:
        return dataBitsText(defaults.dataBits);
    case PortSetting::Parity:
        return parityText(defaults.parity);
    case PortSetting::StopBits:
        return stopBitsText(defaults.stopBits);
    case PortSetting::FlowControl:
        return flowControlText(defaults.flowControl);
    }
    return {};
}

QString baudRateText(BaudRate value) {
    return QString::fromLatin1(kBaudTexts[int(value)]);
}
QString dataBitsText(DataBits value) {
    return QString::fromLatin1(kDataBitsTexts[int(value)]);
}
QString parityText(Parity value) {
    return QString::fromLatin1(kParityTexts[int(value)]);
}
QString stopBitsText(StopBits value) {
    return QString::fromLatin1(kStopBitsTexts[int(value)]);
}
QString flowControlText(FlowControl value) {
    return QString::fromLatin1(kFlowTexts[int(value)]);
}

BaudRate baudRateFromText(const QString& text) {
    return fromText(kBaudTexts, text, BaudRate::B9600);
}
DataBits dataBitsFromText(const QString& text) {
    return fromText(kDataBitsTexts, text, DataBits::Eight);
}
Parity parityFromText(const QString& text) {
    return fromText(kParityTexts, text, Parity::None);
}
StopBits stopBitsFromText(const QString& text) {
    return fromText(kStopBitsTexts, text, StopBits::One);
}
FlowControl flowControlFromText(const QString& text) {
    return fromText(kFlowTexts, text, FlowControl::Custom);
}

int baudRateValue(BaudRate value) {
    return kBaudValues[int(value)];
}
int dataBitsValue(DataBits value) {
    return 5 + int(value);
}

QStringList sortedPortNames(QStringList names) {
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}
