#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>

#include <atomic>

// The pose the visualisation window draws and shows. The simulation thread
// writes the three numbers at every joint sub-step; the redraw reads each one
// whole, without a lock. The texts are replaced whole under a lock.
class ViewPose {
public:
    std::atomic<float> Arm1Angle{-90.0f}; // alfa - 90, degrees
    std::atomic<float> Arm2Angle{0.0f};   // beta, degrees
    std::atomic<double> SlideZ{0.0};      // PenHeight / 50 - 1

    void setTexts(const QString& x, const QString& y, const QString& z) {
        QMutexLocker lock(&textMutex_);
        xText_ = x;
        yText_ = y;
        zText_ = z;
    }
    void setXText(const QString& x) {
        QMutexLocker lock(&textMutex_);
        xText_ = x;
    }
    void setYText(const QString& y) {
        QMutexLocker lock(&textMutex_);
        yText_ = y;
    }
    void setZText(const QString& z) {
        QMutexLocker lock(&textMutex_);
        zText_ = z;
    }
    QString XText() const {
        QMutexLocker lock(&textMutex_);
        return xText_;
    }
    QString YText() const {
        QMutexLocker lock(&textMutex_);
        return yText_;
    }
    QString ZText() const {
        QMutexLocker lock(&textMutex_);
        return zText_;
    }

private:
    mutable QMutex textMutex_;
    QString xText_;
    QString yText_;
    QString zText_;
};
