#pragma once

#include <QFrame>

#include <array>

class ComLed;
class QComboBox;
class QLabel;
class QPushButton;

// The page "Ustawienia portu" on a silver background: the six port selectors
// ComComboBox1..ComComboBox6 (port, bits per second, data bits, parity, stop
// bits, flow control), the five lamps ComLed1..ComLed5 (CTS, DSR, RLSD, RX,
// TX) and the buttons "Połącz" (Button1) and "Rozłącz" (Button2, disabled at
// start). The controller link gives them their behaviour.
class PortSettingsPage : public QFrame {
    Q_OBJECT
public:
    static constexpr int kSelectorCount = 6;
    static constexpr int kLampCount = 5;

    explicit PortSettingsPage(QWidget* parent = nullptr);

    QComboBox* selector(int number) const; // 1..6
    ComLed* lamp(int number) const;        // 1..5
    const std::array<QComboBox*, kSelectorCount>& selectors() const { return selectors_; }
    const std::array<ComLed*, kLampCount>& lamps() const { return lamps_; }
    QPushButton* connectButton() const { return connect_; }
    QPushButton* disconnectButton() const { return disconnect_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::array<QComboBox*, kSelectorCount> selectors_{};
    std::array<QLabel*, kSelectorCount> captions_{};
    std::array<ComLed*, kLampCount> lamps_{};
    QPushButton* connect_;
    QPushButton* disconnect_;
};
