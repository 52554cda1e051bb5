#pragma once

#include <QByteArrayView>
#include <QString>

// The station's own texts of the G-code program subsystem, in one place. The
// window, the tools and the tests all take them from here. Texts are Unicode
// here; program files and frames carry them as Windows-1250 bytes.
namespace GcodeMessages {

// Conversion errors: the offending text stands in place of %1.
QString notValidFloat(QByteArrayView text);   // '%1' is not a valid floating point value
QString notValidInteger(QByteArrayView text); // '%1' is not a valid integer value
QString notValidFloat(const QString& text);
QString notValidInteger(const QString& text);

// List access past the end; the index in place of %1.
QString listIndexOutOfBounds(qsizetype index); // List index out of bounds (%1)

// File errors: full file name, then the system's reason.
QString cannotOpenFile(const QString& fileName, const QString& reason);
QString cannotCreateFile(const QString& fileName, const QString& reason);

// Lines of the check report; n is the block's N text (Windows-1250 bytes).
QString shiftedY(QByteArrayView n, qint32 dy);
QString shiftedX(QByteArrayView n, qint32 dx);
QString outOfReach(QByteArrayView n);

// The same lines for a whole report: the texts are translated once, when it
// is made, and each line only fills them in.
struct ReportTexts {
    ReportTexts();
    QString shiftedYLine(QByteArrayView n, qint32 dy) const;
    QString shiftedXLine(QByteArrayView n, qint32 dx) const;
    QString outOfReachLine(QByteArrayView n) const;

    QString shiftedY, shiftedX, outOfReach; // with %1 for N and %2 for the shift
};

// Lines of the path check.
QString throughForbiddenZone(QByteArrayView n, double distance);
QString elbowTurnsOver(QByteArrayView n, bool penDown);

// The operator's plot background, read from the working directory, and the
// status-bar notes when the default is shown instead of it.
inline constexpr char16_t kBackgroundFileName[] = u"wzorzec.bmp";
QString backgroundMissing();                      // no "wzorzec.bmp" in the working directory
QString backgroundUnreadable(const QString& why); // it is there but cannot be read

// Notices of the main window; the caption is the station's name, the same
// in every language.
QString fileLoaded(); // Zakończono ładowanie pliku
inline constexpr char16_t kNoticeCaption[] = u"SCARA";

} // namespace GcodeMessages
