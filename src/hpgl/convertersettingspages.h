#pragma once

#include "base/result.h"
#include "hpgl/converterpreferences.h"
#include "hpgl/convertersettings.h"
#include "hpgl/plotfitting.h"

#include <QTabWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The converter window's settings pages ("Pagecontrol1"): pen heights and
// travel height on "Ustawienia wysokosci", line numbering and the header
// and footer lines on "Ustawienia g-kodu", the chord angle and the margin
// of the plot file normalisation on "Normalizacja HPGL". The fields hold text; the
// conversion reads them when it needs a number.
class ConverterSettingsPages : public QTabWidget {
    Q_OBJECT
public:
    explicit ConverterSettingsPages(QWidget* parent = nullptr);

    // The fields as they stand now.
    ConverterSettings settings() const;
    // Every field the window keeps between runs, and putting them back.
    ConverterPreferences preferences() const;
    void setPreferences(const ConverterPreferences& preferences);
    // The "Do:" field, read when the line numbering starts again.
    QString lineStepText() const;
    // The chord angle and the margin of "Normalizacja HPGL", read as numbers.
    Result<NormalizeOptions> normalizeOptions(bool fit) const;

protected:
    // Another language in force: the tabs and labels follow it.
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    QWidget* createHeightsPage();
    QWidget* createGcodePage();
    QWidget* createNormalizePage();

    std::array<QLineEdit*, 8> penFields_{};
    QLineEdit* travelField_ = nullptr;
    QLineEdit* fromField_ = nullptr;
    QLineEdit* stepField_ = nullptr;
    QPlainTextEdit* headerMemo_ = nullptr;
    QPlainTextEdit* footerMemo_ = nullptr;
    QLineEdit* chordField_ = nullptr;
    QLineEdit* marginField_ = nullptr;
    std::array<QLabel*, 8> penLabels_{};
    QLabel* numberingLabel_ = nullptr;
    QLabel* fromLabel_ = nullptr;
    QLabel* stepLabel_ = nullptr;
    QLabel* headerLabel_ = nullptr;
    QLabel* footerLabel_ = nullptr;
    QLabel* chordLabel_ = nullptr;
    QLabel* marginLabel_ = nullptr;
};
