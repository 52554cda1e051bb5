#pragma once

#include "hpgl/convertersettings.h"

#include <QTabWidget>

#include <array>

class QLineEdit;
class QPlainTextEdit;

// The converter window's settings pages ("Pagecontrol1"): pen heights and
// travel height on "Ustawienia wysokosci", line numbering and the header
// and footer lines on "Ustawienia g-kodu". The fields hold text; the
// conversion reads them when it needs a number.
class ConverterSettingsPages : public QTabWidget {
    Q_OBJECT
public:
    explicit ConverterSettingsPages(QWidget* parent = nullptr);

    // The fields as they stand now.
    ConverterSettings settings() const;
    // The "Do:" field, read when the line numbering starts again.
    QString lineStepText() const;

private:
    QWidget* createHeightsPage();
    QWidget* createGcodePage();

    std::array<QLineEdit*, 8> penFields_{};
    QLineEdit* travelField_ = nullptr;
    QLineEdit* fromField_ = nullptr;
    QLineEdit* stepField_ = nullptr;
    QPlainTextEdit* headerMemo_ = nullptr;
    QPlainTextEdit* footerMemo_ = nullptr;
};
