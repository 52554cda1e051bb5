#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// A pseudo-terminal pair that stands in for a serial cable: the far end of
// the line is the master side, which this object reads and writes; the
// slave side is a serial device at portPath() that the station (or any
// serial terminal) opens. The slave is kept open here too, in raw mode, so
// that the master never sees the line hang up between two users.
class PseudoTerminal : public QObject {
    Q_OBJECT
public:
    explicit PseudoTerminal(QObject* parent = nullptr);
    ~PseudoTerminal() override;

    Status open();
    // Closes both sides: whoever has the slave open sees the line go.
    void close();
    bool isOpen() const { return master_ >= 0; }
    QString portPath() const { return path_; }

    // Everything readable on the master side now, without waiting.
    QByteArray readAvailable();
    // Writes the bytes to the master side; what the line does not take at
    // once is queued and written as it drains, in order.
    void write(const QByteArray& bytes);

signals:
    // Bytes arrived from the slave side; read them with readAvailable().
    void readyRead();

private:
    void flush();

    int master_ = -1;
    int slave_ = -1;
    QString path_;
    QSocketNotifier* readNotifier_ = nullptr;
    QSocketNotifier* writeNotifier_ = nullptr;
    QByteArray pending_;
};
