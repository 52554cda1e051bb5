#pragma once

#include "controller/widgets/controllercontrols.h"

#include <QWidget>

// A small red signal lamp of the page "Ustawienia portu" (CTS, DSR, RLSD, RX,
// TX). It only shows the state it is given; redrawing starts no handler.
class ComLed : public QWidget, public SignalLamp {
    Q_OBJECT
public:
    explicit ComLed(QWidget* parent = nullptr);

    bool isLit() const { return lit_; }
    QSize sizeHint() const override { return {16, 16}; }

public slots:
    void setLit(bool lit) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool lit_ = false;
};
