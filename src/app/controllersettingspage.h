#pragma once

#include <QFrame>

#include <map>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The page "Ustawienia sterownika" on a silver background: the motor and gear
// settings with the derived minimal move (Edit2, Edit3, Edit11, Edit4), the
// simulation's read-only fields (Edit5, Edit6), manual control (CheckBox7),
// the controller address (Edit12), the Z heights (Edit13 with Button7, Edit14
// with Button9), the forbidden area around the base that the path check uses
// (Edit15), the manual moves (Edit9 with
// Button3, Edit10 with Button4, Edit16 with Button5), the height correction
// (Button8; Edit7, Edit8, Edit17) and the set-reference button (Button10).
// Every "Wyslij" button starts disabled; the controller link drives them.
class ControllerSettingsPage : public QFrame {
    Q_OBJECT
public:
    explicit ControllerSettingsPage(QWidget* parent = nullptr);

    QLineEdit* stepAngleEdit() const { return edit(2); }
    QLineEdit* microstepEdit() const { return edit(3); }
    QLineEdit* gearRatioEdit() const { return edit(11); }
    QLineEdit* minimalMoveEdit() const { return edit(4); }
    QLineEdit* minimumInterpolationAngleEdit() const { return edit(5); }
    QLineEdit* resolutionErrorsEdit() const { return edit(6); }
    QLineEdit* controllerAddressEdit() const { return edit(12); }
    QLineEdit* g00HeightEdit() const { return edit(13); }
    QLineEdit* forbiddenRadiusEdit() const { return edit(15); }
    QLineEdit* g01HeightEdit() const { return edit(14); }
    QLineEdit* arm1MoveEdit() const { return edit(9); }
    QLineEdit* arm2MoveEdit() const { return edit(10); }
    QLineEdit* zMoveEdit() const { return edit(16); }
    QLineEdit* edit(int number) const;
    QPushButton* button(int number) const;
    QCheckBox* manualControlBox() const { return manualControl_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QCheckBox* manualControl_;
    std::map<int, QLineEdit*> edits_;     // by N of EditN
    std::map<int, QPushButton*> buttons_; // by N of ButtonN
    // The field captions with the texts they are translated from.
    std::vector<std::pair<QLabel*, const char*>> captions_;
};
