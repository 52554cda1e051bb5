#pragma once

#include <QString>

// The controller link's own texts, shown by the window and printed by the
// tools.
namespace LinkTexts {
inline const QString kDisconnected = QStringLiteral("Rozłączono");
inline const QString kConnected = QStringLiteral("Połączono");
inline const QString kNoReference = QStringLiteral("Brak punktu referencyjnego");
inline const QString kReferenceTravel = QStringLiteral("Jazda do punktu ref.");
inline const QString kReferenceDone = QStringLiteral("Jazda ref. zakonczona");
inline const QString kAutomaticMode = QStringLiteral("Sterowanie automatyczne");
inline const QString kManualMode = QStringLiteral("Sterowanie ręczne");
inline const QString kTransferDone = QStringLiteral("Wysyłanie programu zakończone");
inline const QString kNoticeCaption = QStringLiteral("SCARA");
// `line` as the operator counts the lines of the program memo, from 1.
inline QString transferAbortedAt(int line) {
    return QStringLiteral("Wysyłanie programu przerwane w linii %1").arg(line);
}
inline const QString kResumeNeedsLink =
    QStringLiteral("Brak połączenia ze sterownikiem: połącz się, aby wznowić wysyłanie");
} // namespace LinkTexts
