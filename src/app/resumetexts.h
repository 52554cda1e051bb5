#pragma once

#include <QDir>
#include <QString>

// The texts of sending from a line and resuming an interrupted transfer.
namespace ResumeTexts {
inline QString offer(const QString& file, int acknowledged, int total) {
    return QStringLiteral("Wysyłanie programu %1 zostało przerwane: sterownik potwierdził %2 z "
                          "%3 linii. Wznowić wysyłanie od linii %4?")
        .arg(file.isEmpty() ? QStringLiteral("(bez pliku)") : QDir::toNativeSeparators(file))
        .arg(acknowledged)
        .arg(total)
        .arg(acknowledged + 1);
}
inline QString loadedDiffers(const QString& file) {
    return QStringLiteral("Wczytany program różni się od przerwanego. Wczytać plik %1 i wznowić?")
        .arg(QDir::toNativeSeparators(file));
}
inline const QString kReferenceFirst =
    QStringLiteral("Sterownik mógł stracić pozycję. Wykonać jazdę referencyjną przed "
                   "wznowieniem?");
inline const QString kConnectToResume =
    QStringLiteral("Połącz się ze sterownikiem, aby wznowić wysyłanie programu.");
inline const QString kLineCaption = QStringLiteral("Wyślij od linii");
inline QString linePrompt(int count) {
    return QStringLiteral("Numer linii (1 - %1):").arg(count);
}
inline const QString kNothingToSend = QStringLiteral("Brak programu do wysłania.");
} // namespace ResumeTexts
