#pragma once

#include "drawing/penpreferences.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

// "Plik" -> "Opcje importu SVG…" (OpcjeImportuSvgDialog): what the pen
// makes of a drawing beyond its outlines. Hatching of filled shapes
// (Kreskowanie1) at a spacing (OdstepKreskowania1) and angle
// (KatKreskowania1), crossed (KreskowanieKrzyzowe1), the edge of a hatched
// shape drawn (ObrysWypelnionych1); lines under later fills left out
// (UkryjZakryte1); text in the single-stroke font or along its letters'
// outlines (TrybTekstu1) and the font (CzcionkaSvg1). "OK" keeps the
// choices for the next imports.
class SvgOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SvgOptionsDialog(QWidget* parent = nullptr);

    PenPreferences preferences() const;
    void setPreferences(const PenPreferences& preferences);

private:
    void updateEnabled();

    QCheckBox* hatch_;
    QDoubleSpinBox* spacing_;
    QDoubleSpinBox* angle_;
    QCheckBox* cross_;
    QCheckBox* outline_;
    QCheckBox* occlude_;
    QComboBox* textMode_;
    QComboBox* font_;
};
