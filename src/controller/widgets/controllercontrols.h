#pragma once

#include <QtGlobal>

#include <array>

class QAbstractButton;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// A signal lamp the link lights (CTS, DSR, RLSD, RX, TX on the page
// "Ustawienia portu").
class SignalLamp {
public:
    virtual ~SignalLamp() = default;
    virtual void setLit(bool lit) = 0;
};

// The controls the controller link drives and listens to, as the main
// window's pages hold them. Every one must be given: the binding refuses to
// start with one missing, so a control that goes away fails loudly instead of
// silently turning a feature off.
struct ControllerControls {
    // Page "Ustawienia portu".
    std::array<QComboBox*, 6> portSelectors{};   // ComComboBox1..ComComboBox6
    std::array<SignalLamp*, 5> lamps{};          // ComLed1..ComLed5: CTS, DSR, RLSD, RX, TX
    QAbstractButton* connectButton = nullptr;    // Button1 "Połącz"
    QAbstractButton* disconnectButton = nullptr; // Button2 "Rozłącz"

    // Page "Ustawienia sterownika".
    QAbstractButton* manualModeBox = nullptr; // CheckBox7 "Sterowanie ręczne"
    QLineEdit* addressField = nullptr;        // Edit12 "Adres sterownika"
    QLineEdit* g00HeightField = nullptr;      // Edit13, sent with Button7
    QAbstractButton* sendG00Height = nullptr;
    QLineEdit* g01HeightField = nullptr; // Edit14, sent with Button9
    QAbstractButton* sendG01Height = nullptr;
    QLineEdit* arm1MoveField = nullptr; // Edit9, sent with Button3
    QAbstractButton* sendArm1Move = nullptr;
    QLineEdit* arm2MoveField = nullptr; // Edit10, sent with Button4
    QAbstractButton* sendArm2Move = nullptr;
    QLineEdit* zMoveField = nullptr; // Edit16, sent with Button5
    QAbstractButton* sendZMove = nullptr;
    QAbstractButton* heightCorrection = nullptr; // Button8 (enabled with manual control)
    QAbstractButton* setReference = nullptr;     // Button10

    // Page "G-kod III".
    QPlainTextEdit* frameLog = nullptr; // Memo5
    QPlainTextEdit* terminal = nullptr; // ComTerminal1

    // The status bar panels StatusPanel0..StatusPanel2 (connection,
    // reference, mode).
    std::array<QLabel*, 3> statusPanels{};

    // Menu "Manipulator".
    QAction* connectItem = nullptr;         // Poczzesterownikiem1
    QAction* referenceTravelItem = nullptr; // Jazdareferencyjna1
    QAction* sendProgramItem = nullptr;     // Wyslijprogram1
    QAction* pauseItem = nullptr;           // Przerwawwysyaniuprogramu1
    QAction* holdItem = nullptr;            // Wstrzymajwysylanie1
    QAction* holdNowItem = nullptr;         // Wstrzymajnatychmiast1
    QAction* resumeItem = nullptr;          // Wznowwysylanie1
    QAction* abortItem = nullptr;           // Przerwijwysylanie1
    QAction* traceItem = nullptr;           // Zapisujprzebieg1 (checkable)

    // The window message boxes belong to.
    QWidget* window = nullptr;

    // The name of the first control not given, or nullptr when all are.
    const char* firstMissing() const;
};
