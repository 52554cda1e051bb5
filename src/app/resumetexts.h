#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

// The texts of sending from a line and resuming an interrupted transfer,
// translated when asked for (context "ResumeTexts").
namespace ResumeTexts {
inline QString programName(const QString& file) {
    return file.isEmpty() ? QCoreApplication::translate("ResumeTexts", "(bez pliku)")
                          : QDir::toNativeSeparators(file);
}
// The transfer was interrupted: the station or its machine went down, or the
// line was lost.
inline QString offer(const QString& file, int acknowledged, int total) {
    return QCoreApplication::translate("ResumeTexts",
                                       "Wysyłanie programu %1 zostało przerwane: sterownik "
                                       "potwierdził %2 z %3 linii. Wznowić wysyłanie od linii %4?")
        .arg(programName(file))
        .arg(acknowledged)
        .arg(total)
        .arg(acknowledged + 1);
}
// The operator aborted the transfer at line `abortedAt` (from 1).
inline QString offerAfterAbort(const QString& file, int abortedAt, int acknowledged, int total) {
    return QCoreApplication::translate(
               "ResumeTexts", "Wysyłanie programu %1 przerwano poleceniem „Przerwij wysyłanie” w "
                              "linii %2: sterownik potwierdził %3 z %4 linii. Wznowić wysyłanie "
                              "od linii %5?")
        .arg(programName(file))
        .arg(abortedAt)
        .arg(acknowledged)
        .arg(total)
        .arg(acknowledged + 1);
}
inline QString loadedDiffers(const QString& file) {
    return QCoreApplication::translate(
               "ResumeTexts",
               "Wczytany program różni się od przerwanego. Wczytać plik %1 i wznowić?")
        .arg(QDir::toNativeSeparators(file));
}
inline QString referenceFirst() {
    return QCoreApplication::translate("ResumeTexts",
                                       "Sterownik mógł stracić pozycję. Wykonać jazdę referencyjną "
                                       "przed wznowieniem?");
}
inline QString connectToResume() {
    return QCoreApplication::translate(
        "ResumeTexts", "Połącz się ze sterownikiem, aby wznowić wysyłanie programu.");
}
inline QString lineCaption() {
    return QCoreApplication::translate("ResumeTexts", "Wyślij od linii");
}
inline QString linePrompt(int count) {
    return QCoreApplication::translate("ResumeTexts", "Numer linii (1 - %1):").arg(count);
}
inline QString nothingToSend() {
    return QCoreApplication::translate("ResumeTexts", "Brak programu do wysłania.");
}
} // namespace ResumeTexts
