#pragma once

#include "gcode/programlayers.h"

#include <QGroupBox>

#include <functional>
#include <vector>

class QTableWidget;

// The program's layers on the page "G-kod" (LayerTable in the group
// LayerGroup, shown for a program of two or more layers): each layer's
// number, pen colour on the plot, lines, drawn length and transfer time,
// and what the operator sends it with: the pen's Z and the feed on its
// drawing moves (empty: as the program has them), a hold before it with its
// notice ("Załóż pisak N"), and whether it is sent. The table is
// locked while a transfer runs; a value that does not read is refused and
// the cell shows the old one.
class LayerTable : public QGroupBox {
    Q_OBJECT
public:
    explicit LayerTable(QWidget* parent = nullptr);

    // The layers of the prepared program, the time of each from `seconds`
    // (lines, bytes). The operator's values stay for the layers that remain.
    void showLayers(const std::vector<ProgramLayer>& layers, const std::vector<QRgb>& colours,
                    const std::function<double(qint64, qint64)>& seconds);
    SendPlan plan() const;
    // The values remembered with the program's settings, one layer an
    // entry "number;sent;Z;feed;held;notice" (Z and feed empty when unset);
    // an entry that does not read is left out.
    QStringList settingsText() const;
    void setSettingsText(const QStringList& entries);
    void setLocked(bool locked);
    QTableWidget* table() const { return table_; }

signals:
    void planChanged();
    // A value the operator typed was refused, with the reason.
    void refused(const QString& reason);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void fillRow(int row, const ProgramLayer& layer, QRgb colour, double seconds);
    void cellEdited(int row, int column);

    QTableWidget* table_;
    SendPlan plan_; // the operator's values, by layer number
    bool filling_ = false;
};
