#pragma once

#include "app/stationpreferences.h"
#include "gcode/plotcolours.h"

#include <QWidget>

#include <array>

class ColorShape;
class QCheckBox;
class QGroupBox;
class QLabel;

// The page "Ustawienia programu": group "Ustawienia" with the preparation
// switches (CheckBox2 rounding, CheckBox3 repeat removal, CheckBox6 reach
// check, all ticked) and group "Ustawienia kolorów" with the sixteen colour
// shapes Shape1..Shape16 (trajectory column Shape1..8, interpolation column
// Shape9..16, rows G00, Z0..Z6) and "Pokaż ruch G00" (CheckBox1, ticked; the
// plot always draws G00 moves).
class ProgramSettingsPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShapeCount = 16;

    explicit ProgramSettingsPage(QWidget* parent = nullptr);

    bool roundCoordinates() const;
    bool removeRepeated() const;
    bool checkReach() const;

    // The shape that holds the progress colour ("Postęp wysyłania"): the plot
    // draws the moves the controller has acknowledged over in it.
    static constexpr int kProgressShape = 17;
    ColorShape* shape(int number) const; // 1..16, and kProgressShape
    QRgb progressColour() const;
    PlotColours colours() const;
    void setColours(const PlotColours& colours);
    bool showRapidMoves() const;

    // The switches, the colours and "Pokaż ruch G00" together.
    ProgramPreferences preferences() const;
    void setPreferences(const ProgramPreferences& preferences);

signals:
    // A shape was pressed (number 1..16); the window asks the colour dialog.
    void shapePressed(int number);
    // A shape changed its colour.
    void coloursChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    std::array<ColorShape*, kShapeCount> shapes_{};
    ColorShape* progressShape_ = nullptr;
    QCheckBox* round_;
    QCheckBox* removeRepeated_;
    QCheckBox* checkReach_;
    QCheckBox* showRapidMoves_;
    QGroupBox* settingsGroup_;
    QGroupBox* colourGroup_;
    QLabel* trajectoryLabel_;
    QLabel* interpolationLabel_;
    QLabel* progressLabel_;
};
