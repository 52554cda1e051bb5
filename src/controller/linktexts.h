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
} // namespace LinkTexts
