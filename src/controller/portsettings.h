#pragma once

#include <QString>
#include <QStringList>

// The line settings of the controller's serial port, their text forms as the
// port page lists them, and the conversion from text back to a value.

enum class BaudRate {
    Custom,
    B110,
    B300,
    B600,
    B1200,
    B2400,
    B4800,
    B9600,
    B14400,
    B19200,
    B38400,
    B56000,
    B57600,
    B115200,
    B128000,
    B256000,
};
enum class DataBits { Five, Six, Seven, Eight };
enum class Parity { None, Odd, Even, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };
enum class FlowControl { Hardware, Software, None, Custom };

// Which selector of the port page a text belongs to.
enum class PortSetting { Port, BaudRate, DataBits, Parity, StopBits, FlowControl };

struct PortSettings {
    QString port = QStringLiteral("COM1");
    BaudRate baudRate = BaudRate::B19200;
    DataBits dataBits = DataBits::Eight;
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
    FlowControl flowControl = FlowControl::None;

    bool operator==(const PortSettings&) const = default;
};

// The rate used by BaudRate::Custom, which the station never changes.
inline constexpr int kCustomBaudRate = 9600;

// The text forms of a setting in list order (empty for PortSetting::Port,
// whose list is the ports present).
QStringList settingTexts(PortSetting setting);
// The text a selector shows at start.
QString defaultSettingText(PortSetting setting);

QString baudRateText(BaudRate value);
QString dataBitsText(DataBits value);
QString parityText(Parity value);
QString stopBitsText(StopBits value);
QString flowControlText(FlowControl value);

// Text to value: the text is compared with each text form regardless of case,
// in list order; a text that matches none gives the fallback (9600 baud,
// 8 data bits, no parity, 1 stop bit, custom flow control).
BaudRate baudRateFromText(const QString& text);
DataBits dataBitsFromText(const QString& text);
Parity parityFromText(const QString& text);
StopBits stopBitsFromText(const QString& text);
FlowControl flowControlFromText(const QString& text);

// The bits per second a baud setting stands for.
int baudRateValue(BaudRate value);
int dataBitsValue(DataBits value);

// Port names sorted alphabetically regardless of case, character by character
// (so "COM10" comes before "COM2").
QStringList sortedPortNames(QStringList names);
